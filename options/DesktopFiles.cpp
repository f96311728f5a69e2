#include "options/DesktopFiles.h"

#include "platform/fs/AtomicFile.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Encoding.h"

#include <algorithm>
#include <filesystem>

void CheckProgramPath(const std::string& path)
{
    bool control =
        std::any_of(path.begin(), path.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
    if (path.empty() || path.front() != '/' || control || !IsValidUtf8(path))
        throw AppError(ErrBadFileName,
                       std::string(ErrorDescription(ErrBadFileName)) + " (program path \"" + path + "\")");
}

std::string DesktopQuoted(std::string_view arg)
{
    std::string out = "\"";
    for (char c : arg) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string ExecKeyValue(std::string_view command)
{
    std::string out;
    for (char c : command) {
        if (c == '\\' || c == '%')
            out += c;
        out += c;
    }
    return out;
}

std::string ShellArgument(std::string_view arg)
{
    std::string out = "'";
    for (char c : arg) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

void WriteIntegrationFile(const std::string& path, std::string_view content, mode_t mode)
{
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::filesystem::create_directories(folder, ec);
    if (ec)
        RaiseFromErrno(ec.value(), folder.string());
    AtomicFileWriter writer;
    if (!writer.open(path, mode) || !writer.write(content) || !writer.commit())
        RaiseFromErrno(writer.errorCode(), path);
}

bool ShowingFailure(Prompter& prompter, std::string_view procedure, const std::function<void()>& write)
{
    try {
        write();
        return true;
    } catch (const AppError& e) {
        ShowErrorBox(prompter, e, "frmOption", procedure);
    }
    return false;
}
