#include "engine/start/CommandLine.h"

#include "engine/catalog/CatalogPath.h"
#include "engine/settings/SettingsTable.h"
#include "engine/start/AppFolders.h"
#include "engine/text/PathHelpers.h"
#include "engine/text/StringHelpers.h"
#include "platform/fs/AtomicFile.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {
std::vector<std::string> splitPieces(const std::vector<std::string>& args)
{
    std::vector<std::string> pieces;
    bool started = false;
    for (const std::string& arg : args) {
        if (!arg.empty() && arg[0] == '-') {
            pieces.push_back(arg.substr(1));
            started = true;
        } else if (started) {
            pieces.back() += ' ';
            pieces.back() += arg;
        } // text before the first switch is never looked at
    }
    return pieces;
}

// The folder as a catalog stores it, so that its lines name files wherever
// the catalog is read: absolute, without ".", ".." or doubled "/", and
// without a final "/" but for the root. Links stay as typed.
std::string absoluteFolder(const std::string& typed)
{
    std::string folder = std::filesystem::absolute(typed).lexically_normal().string();
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

// A switch that takes a value has ":" right after its letter; the others
// stand alone. "-oMyDisk" or "-rz" is a mistyped request, not a guess.
bool wellFormed(const std::string& piece)
{
    constexpr std::string_view LettersWithValue = "cdolftxsi";
    if (LettersWithValue.find(piece[0]) != std::string_view::npos)
        return piece.size() >= 2 && piece[1] == ':';
    return piece.size() == 1;
}

// Applies one switch; false when it makes the request invalid.
bool applySwitch(const std::string& piece, CmdLineOptions& o, int& required)
{
    if (!wellFormed(piece))
        return false;
    const char letter = piece[0];
    const std::string value = piece.size() > 2 ? piece.substr(2) : std::string();
    switch (letter) {
    case 'c':
        if (o.Request != BatchRequest::None || value.empty())
            return false;
        o.Folder = absoluteFolder(value);
        o.Request = BatchRequest::Catalog;
        required += 1;
        return true;
    case 'd':
        if (o.Request != BatchRequest::None || value.empty())
            return false;
        o.Folder = absoluteFolder(value);
        o.Request = BatchRequest::Catalog;
        o.RecursiveDir = PlaceOf(SettingId::Recursive).isTrue();
        o.SearchZipContent = PlaceOf(SettingId::ZipContent).isTrue();
        o.EnableComment = PlaceOf(SettingId::EnableComment).isTrue();
        o.Name = CatalogNameFromPath(o.Folder);
        o.FromVerb = true;
        required += 2;
        return true;
    case 'o':
        if (o.Request == BatchRequest::Report || value.empty())
            return false;
        o.Name = value;
        required += 1;
        return true;
    case 'l':
        if (o.Request != BatchRequest::None || value.empty())
            return false;
        o.Name = value;
        o.Request = BatchRequest::Report;
        required += 1;
        return true;
    case 'f':
        if (value.empty())
            return false;
        o.Filter = value;
        return true;
    case 'r':
        o.RecursiveDir = true;
        return true;
    case 'z':
        o.SearchZipContent = true;
        return true;
    case 'm':
        o.EnableComment = true;
        return true;
    case 'a':
        o.Overwrite = true;
        return true;
    case 'v':
        o.Verbose = true;
        return true;
    case 'b':
        o.Border = true;
        return true;
    case 't':
        if (o.Request != BatchRequest::Report || (value != "H" && value != "T"))
            return false;
        o.StyleHTML = value == "H";
        return true;
    case 'x': {
        std::array<std::string_view, 4> colours;
        TrimmedFields(value, ",", colours);
        o.HeaderBackColor = colours[0];
        o.HeaderTextColor = colours[1];
        o.FieldBackColor = colours[2];
        o.FieldTextColor = colours[3];
        return true;
    }
    case 's':
        if (value.size() != 1)
            return false;
        o.ColumnSeparator = value;
        return true;
    case 'i':
        o.IncludeFile = value.find('f') != std::string::npos;
        o.IncludeDir = value.find('r') != std::string::npos;
        o.IncludeDate = value.find('d') != std::string::npos;
        o.IncludeSize = value.find('s') != std::string::npos;
        o.IncludeDisk = value.find('i') != std::string::npos;
        o.IncludeComment = value.find('c') != std::string::npos;
        return true;
    default: // "h" and every other letter
        return false;
    }
}
} // namespace

CmdLineOptions ParseCommandLine(const std::vector<std::string>& args)
{
    CmdLineOptions o;
    int required = 0;
    try {
        for (const std::string& raw : splitPieces(args)) {
            std::string piece(TrimBlanks(raw));
            if (piece.empty())
                break; // an empty switch ends the request
            if (!applySwitch(piece, o, required))
                return o;
        }
    } catch (const std::exception&) {
        return o;
    }
    o.Valid =
        (required == 2 && o.Request == BatchRequest::Catalog) || (required == 1 && o.Request == BatchRequest::Report);
    return o;
}

std::string CatalogNameFromPath(const std::string& nativeFolder)
{
    std::string base;
    for (char c : ToCatalogPath(nativeFolder)) {
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            base += c;
        else if (c == '\\')
            base += '_';
    }
    // A deep folder's name is cut so that name, counter and ".dat" fit the
    // file system's limit.
    constexpr std::string_view CatalogExtension = ".dat";
    const std::size_t limit = FileNameLimit(Folders().LibPath) - CatalogExtension.size();
    std::string name = base.substr(0, limit);
    for (int counter = 0; NameTaken(Folders().LibPath + name + std::string(CatalogExtension)); ++counter) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%03d", counter);
        name = base.substr(0, limit - std::strlen(digits)) + digits;
    }
    return name;
}
