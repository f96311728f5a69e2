#pragma once
// Helpers on paths in catalog form ("\" between folders, "." before the
// extension). They never look at the disk, except NameTaken and DirExist, which
// take native paths.

#include <string>
#include <string_view>

// The program asks NameTaken before it writes.
// True when anything has that name (a file readable or not, a folder, a
// link, broken or not): what may not be replaced unasked.
bool NameTaken(const std::string& path);
// True when path is a folder the process could enter.
bool DirExist(const std::string& path);

// The name before its last ".", and the text after it ("" without a ".").
std::string FileWithOutExt(std::string_view name);
std::string FileExt(std::string_view name);
// The text after the last "\" (all of it without one), and the text up to
// and with that "\" ("" without one).
std::string FileWithOutPath(std::string_view path);
std::string PathWithOutFile(std::string_view path);
std::string AddBackslash(std::string_view path);
// The same for native folders: adds "/" unless present.
std::string AddSlash(std::string_view path);
