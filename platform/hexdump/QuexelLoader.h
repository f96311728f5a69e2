#pragma once
// The program's side of the hex-dump library: finds libQuexel.so in a folder
// (the program's own by default), binds FileToQuexel at the first dump and
// reports a missing library or entry point with the common error box on the
// prompter it is handed.

#include <cstdint>
#include <string>
#include <string_view>

class Prompter;

class QuexelLoader {
public:
    // folder: where the library lies; empty means the program's own folder.
    explicit QuexelLoader(Prompter& prompter, std::string folder = {});
    ~QuexelLoader();
    QuexelLoader(const QuexelLoader&) = delete;
    QuexelLoader& operator=(const QuexelLoader&) = delete;

    // The dump of bytes, 80 characters per started group of 16; empty for
    // empty bytes and after a reported failure.
    std::string dump(std::string_view bytes);

private:
    using Entry = std::int32_t (*)(const unsigned char* data, char** out);
    void bind();

    Prompter& prompter_;
    std::string folder_;
    void* handle_ = nullptr;
    Entry entry_ = nullptr;
};
