#include "engine/library/LibraryLists.h"

#include "engine/catalog/CatalogHeader.h"
#include "engine/settings/SettingPlace.h"
#include "engine/text/StringHelpers.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Ascii.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace {

bool IsCatalogName(std::string_view name)
{
    return name.size() > 4 && AsciiLowerCopy(name.substr(name.size() - 4)) == ".dat";
}

} // namespace

std::vector<std::string> ListCatalogFiles(const std::string& libPath)
{
    std::vector<std::string> names;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(libPath.c_str()), ::closedir);
    if (!dir) {
        if (errno == ENOENT)
            return names;
        RaiseFromErrno(errno, libPath);
    }
    while (dirent* e = ::readdir(dir.get())) {
        struct stat st {};
        if (IsCatalogName(e->d_name) && ::fstatat(::dirfd(dir.get()), e->d_name, &st, 0) == 0 && S_ISREG(st.st_mode))
            names.emplace_back(e->d_name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> ListCatalogFilesQuietly(const std::string& libPath)
{
    try {
        return ListCatalogFiles(libPath);
    } catch (const AppError&) {
        return {};
    }
}

std::string DiskIconKey(std::string_view driveType, std::string_view rootDir)
{
    const std::string type = AsciiUpperCopy(driveType);
    const char drive = rootDir.empty() ? '\0' : AsciiUpper(rootDir.front());
    if ((drive == 'A' || drive == 'B') && type == "FIXED")
        return "A";
    for (const char* known : {"FIXED", "CD-ROM", "REMOVABLE", "REMOTE"})
        if (type == known)
            return type;
    return "UNKNOWN";
}

std::vector<LibraryRow> LoadListLib(const std::string& libPath)
{
    std::vector<LibraryRow> rows;
    for (std::string& name : ListCatalogFilesQuietly(libPath)) {
        HeaderReading read = ReadCatalogHeader(libPath + name);
        const CatalogHeader& h = read.header;
        rows.push_back({std::move(name), h.FileDate, h.RootDir, h.Free, h.Total, h.Comment,
                        DiskIconKey(h.DriveType, h.RootDir), read.status == HeaderStatus::Ok});
    }
    return rows;
}

std::vector<std::string> LoadListDAT(std::string_view allCatalogsText, const std::string& libPath)
{
    std::vector<std::string> items{std::string(allCatalogsText)};
    for (std::string& name : ListCatalogFilesQuietly(libPath))
        items.push_back(std::move(name));
    return items;
}

std::vector<std::string> LoadListDriveType(std::string_view anyTypeText)
{
    return {std::string(anyTypeText), "Fixed", "Cd-Rom", "Ram Disk", "Remote", "Removable"};
}

std::vector<FilterItem> ListFileTypes()
{
    std::vector<FilterItem> items;
    for (const std::string& name : FileTypeNames())
        items.push_back({name, FileTypePlace(name).stored().text()});
    return items;
}

std::vector<FilterItem> LoadFilter()
{
    if (FileTypeNames().empty()) {
        static const FilterItem seeds[] = {{"All Files", "*.*"},
                                           {"Executable files", "*.exe"},
                                           {"Compressed archives", "*.zip"},
                                           {"Text documents", "*.txt"}};
        for (const FilterItem& s : seeds)
            FileTypePlace(s.Name).write(s.Pattern);
    }
    return ListFileTypes();
}

std::string FileTypeNameProblem(std::string_view name)
{
    if (!name.empty() && (name.front() == ' ' || name.back() == ' '))
        return "A file type's name cannot begin or end with a blank.";
    for (unsigned char c : name)
        if (c == '\\' || c == '(' || c < 0x20 || c == 0x7F)
            return "A file type's name cannot hold \"\\\", \"(\" or a control character.";
    return {};
}

bool FileTypeExists(std::string_view name)
{
    return !FileTypePlace(name).stored().isEmpty();
}

void AddFileType(std::string_view name, std::string_view patterns)
{
    FileTypePlace(name).write(patterns);
}

void RemoveFileType(std::string_view name)
{
    FileTypePlace(name).removeKey();
}
