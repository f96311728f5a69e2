#include "engine/registry/Registry.h"
#include "engine/start/AppFolders.h"
#include "engine/start/CommandLine.h"
#include "platform/settings/RegStore.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {
class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetAppFolders(dir.path());
        CreateOutputFolders();
        RegStore::SetInstancePath(dir.file("registry.reg"));
    }
    TempDir dir;
};

CmdLineOptions parse(std::vector<std::string> args)
{
    return ParseCommandLine(args);
}
} // namespace

TEST_F(CommandLineTest, CatalogFormsAndTheirFlags)
{
    CmdLineOptions a = parse({"-c:/media/usb-stick", "-o:Stick", "-r", "-z", "-m", "-f:*.txt;*.doc", "-a", "-v"});
    ASSERT_TRUE(a.Valid);
    EXPECT_EQ(a.Request, BatchRequest::Catalog);
    EXPECT_EQ(a.Folder, "/media/usb-stick"); // a dash inside a value stays
    EXPECT_EQ(a.Name, "Stick");
    EXPECT_EQ(a.Filter, "*.txt;*.doc");
    EXPECT_TRUE(a.RecursiveDir && a.SearchZipContent && a.EnableComment && a.Overwrite && a.Verbose);
    EXPECT_TRUE(parse({"-o:Stick", "-c:/x"}).Valid);
    EXPECT_FALSE(parse({"-c:/x"}).Valid);
    EXPECT_FALSE(parse({"-o:Stick"}).Valid);
    // An unquoted folder with blanks is joined back together.
    CmdLineOptions b = parse({"-c:/media/My", "Documents", "-o:D"});
    ASSERT_TRUE(b.Valid);
    EXPECT_EQ(b.Folder, "/media/My Documents");
    EXPECT_EQ(parse({"-c:/x", "-o:D"}).Filter, "*.*");
}

TEST_F(CommandLineTest, TheFolderIsTakenAbsoluteAndTidyLinksAsTyped)
{
    EXPECT_EQ(parse({"-c:/media//usb/./old/../stick/", "-o:D"}).Folder, "/media/usb/stick");
    EXPECT_EQ(parse({"-c://", "-o:D"}).Folder, "/");
    EXPECT_EQ(parse({"-c:/..", "-o:D"}).Folder, "/");
    const std::string here = std::filesystem::current_path().string();
    EXPECT_EQ(parse({"-c:.", "-o:D"}).Folder, here);
    EXPECT_EQ(parse({"-c:x/..", "-o:D"}).Folder, here);
    EXPECT_EQ(parse({"-c:ab", "-o:D"}).Folder, here + "/ab"); // never a floppy "a"
    // A link's ".." is the link's own parent, as typed, not its target's.
    dir.write("real/inner/f", "x");
    std::filesystem::create_directory_symlink(dir.file("real/inner"), dir.file("link"));
    EXPECT_EQ(parse({"-c:" + dir.file("link") + "/..", "-o:D"}).Folder, dir.path());
    EXPECT_EQ(parse({"-c:" + dir.file("link"), "-o:D"}).Folder, dir.file("link"));

    CmdLineOptions verb = parse({"-d:."});
    ASSERT_TRUE(verb.Valid);
    EXPECT_EQ(verb.Folder, here);
    EXPECT_EQ(verb.Name, CatalogNameFromPath(here));
    EXPECT_FALSE(verb.Name.empty());
}

TEST_F(CommandLineTest, InvalidRequests)
{
    EXPECT_FALSE(parse({" "}).Valid); // blanks only
    EXPECT_FALSE(parse({"-h"}).Valid);
    EXPECT_FALSE(parse({"-C:/x", "-o:D"}).Valid); // capitals are no switches
    EXPECT_FALSE(parse({"-c:", "-o:D"}).Valid);
    EXPECT_FALSE(parse({"-c:/x", "-o:"}).Valid);
    EXPECT_FALSE(parse({"-c:/x", "-o:D", "-f:"}).Valid);
    EXPECT_FALSE(parse({"-d:/x", "-o:D"}).Valid);
    EXPECT_FALSE(parse({"-d:/x", "-c:/y"}).Valid);
    EXPECT_FALSE(parse({"-c:/x", "-c:/y", "-o:D"}).Valid);
    EXPECT_FALSE(parse({"-t:H", "-l:a.dat"}).Valid); // -t must follow -l
    EXPECT_FALSE(parse({"-l:a.dat", "-t:h"}).Valid);
    EXPECT_FALSE(parse({"-l:a.dat", "-o:x"}).Valid);
    EXPECT_FALSE(parse({"-o:x", "-l:a.dat"}).Valid);
    EXPECT_FALSE(parse({"-l:a.dat", "-s:ab"}).Valid);
    EXPECT_FALSE(parse({"-l:a.dat", "-s: "}).Valid); // the blank is trimmed away
    EXPECT_FALSE(parse({"-l:a.dat", "-q"}).Valid);
    // A value needs ":" right after its letter; a flag stands alone.
    EXPECT_FALSE(parse({"-c:/x", "-oMyDisk"}).Valid);
    EXPECT_FALSE(parse({"-c:/x", "-o:D", "-rz"}).Valid);
    EXPECT_FALSE(parse({"-c:/x", "-o:D", "-r:"}).Valid);
    // An empty switch ends the request: what follows is never read.
    EXPECT_FALSE(parse({"-c:/x", "-", "-o:D"}).Valid);
    EXPECT_TRUE(parse({"-c:/x", "-o:D", "-", "-q"}).Valid);
    // Text before the first switch is not looked at.
    EXPECT_TRUE(parse({"ignored", "-c:/x", "-o:D"}).Valid);
}

TEST_F(CommandLineTest, ReportSwitches)
{
    CmdLineOptions r = parse({"-l:Backup.dat", "-t:T", "-x: FF0000 ,00FF00", "-b", "-s:;", "-i:cxf", "-r"});
    ASSERT_TRUE(r.Valid);
    EXPECT_EQ(r.Request, BatchRequest::Report);
    EXPECT_EQ(r.Name, "Backup.dat");
    EXPECT_FALSE(r.StyleHTML);
    EXPECT_EQ(r.HeaderBackColor, "FF0000");
    EXPECT_EQ(r.HeaderTextColor, "00FF00");
    EXPECT_EQ(r.FieldBackColor, "");
    EXPECT_EQ(r.FieldTextColor, "");
    EXPECT_TRUE(r.Border);
    EXPECT_EQ(r.ColumnSeparator, ";");
    EXPECT_TRUE(r.IncludeFile && r.IncludeComment);
    EXPECT_FALSE(r.IncludeDir || r.IncludeDate || r.IncludeSize || r.IncludeDisk);
    CmdLineOptions d = parse({"-l:x.dat"});
    EXPECT_TRUE(d.StyleHTML);
    EXPECT_EQ(d.ColumnSeparator, ",");
    EXPECT_EQ(d.HeaderBackColor, "C0FFC0");
}

TEST_F(CommandLineTest, FolderVerbTakesFlagsFromSettingsAndAFreshName)
{
    std::string option = std::string(AppRegKey) + "\\Option";
    CreateNewKey(HKEY_LOCAL_MACHINE, option);
    SetKeyValue(HKEY_LOCAL_MACHINE, option, "Recursive", "True", REG_SZ);
    SetKeyValue(HKEY_LOCAL_MACHINE, option, "Zip Content", "true", REG_SZ); // only "True" counts
    CmdLineOptions v = parse({"-d:/media/cd-rom", "1"});
    ASSERT_TRUE(v.Valid);
    EXPECT_TRUE(v.FromVerb);
    EXPECT_TRUE(v.RecursiveDir);
    EXPECT_FALSE(v.SearchZipContent);
    EXPECT_FALSE(v.EnableComment);
    EXPECT_EQ(v.Folder, "/media/cd-rom 1");
    EXPECT_EQ(v.Name, "_media_cdrom1");

    dir.write("dat/_media_cdrom1.dat", "x");
    EXPECT_EQ(CatalogNameFromPath("/media/cd-rom 1"), "_media_cdrom1000");
    dir.write("dat/_media_cdrom1000.dat", "x");
    EXPECT_EQ(CatalogNameFromPath("/media/cd-rom 1"), "_media_cdrom1001");
    EXPECT_EQ(CatalogNameFromPath("/home/ann/Café.d"), "_home_ann_Cafd");

    // An unreadable catalog still takes its name; a deep folder's name is cut to fit.
    dir.write("dat/_x.dat", "");
    chmod(dir.file("dat/_x.dat").c_str(), 0);
    EXPECT_EQ(CatalogNameFromPath("/x"), "_x000");
    std::string deep;
    for (int i = 0; i < 30; ++i)
        deep += "/folder" + std::to_string(i);
    std::string name = CatalogNameFromPath(deep);
    EXPECT_EQ(name.size() + 4, 255u);
    dir.write("dat/" + name + ".dat", "x");
    std::string next = CatalogNameFromPath(deep);
    EXPECT_EQ(next.size() + 4, 255u);
    EXPECT_TRUE(next.ends_with("000"));
}
