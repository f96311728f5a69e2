#include "engine/start/AppFolders.h"

#include "engine/text/PathHelpers.h"
#include "platform/prompter/ErrorBox.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

AppFolders& Folders()
{
    static AppFolders folders;
    return folders;
}

void SetAppFolders(const std::string& appPath)
{
    AppFolders& f = Folders();
    f.AppPath = AddSlash(appPath);
    f.LibPath = f.AppPath + "dat/";
    f.LangPath = f.AppPath + "language/";
    f.SkinPath = f.AppPath + "skin/";
    f.TmpPath = f.AppPath + "tmp/";
    f.ReportPath = f.AppPath + "reports/";
}

std::string DefaultAppPath()
{
    if (const char* home = std::getenv("CORVANEDISK_HOME"); home && *home)
        return home;
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return std::filesystem::current_path(ec).string();
    return exe.parent_path().string();
}

namespace {
void markWorkFolder(const std::string& folder)
{
    const std::string mark = folder + std::string(WorkFolderMark);
    const int fd = ::open(mark.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd >= 0)
        ::close(fd);
}
} // namespace

bool CreateOutputFolders()
{
    bool ok = true;
    const AppFolders& f = Folders();
    for (const std::string* dir : {&f.LibPath, &f.TmpPath, &f.ReportPath}) {
        if (!DirExist(*dir)) {
            std::error_code ec;
            std::filesystem::create_directories(*dir, ec);
            ok = ok && !ec;
            if (!ec && dir == &f.TmpPath)
                markWorkFolder(*dir);
        }
    }
    return ok;
}

void CheckWritableFolder(const std::string& folder)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        RaiseFromErrno(ec.value(), folder);
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        RaiseFromErrno(errno, folder);
}
