// Loads fine but lacks FileToQuexel.
extern "C" int NotTheDump()
{
    return 0;
}
