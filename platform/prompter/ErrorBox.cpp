#include "platform/prompter/ErrorBox.h"

#include "platform/prompter/Prompter.h"

#include <cerrno>
#include <cstring>
#include <new>

std::string_view ErrorDescription(int number)
{
    switch (number) {
    case ErrInvalidArgument:
        return "Invalid procedure call or argument";
    case ErrOverflow:
        return "Overflow";
    case ErrOutOfMemory:
        return "Out of memory";
    case ErrSubscriptOutOfRange:
        return "Subscript out of range";
    case ErrTypeMismatch:
        return "Type mismatch";
    case ErrBadFileName:
        return "Bad file name or number";
    case ErrFileNotFound:
        return "File not found";
    case ErrBadFileMode:
        return "Bad file mode";
    case ErrDeviceIO:
        return "Device I/O error";
    case ErrDiskFull:
        return "Disk full";
    case ErrInputPastEnd:
        return "Input past end of file";
    case ErrPermissionDenied:
        return "Permission denied";
    case ErrPathFileAccess:
        return "Path/File access error";
    case ErrPathNotFound:
        return "Path not found";
    case ErrInvalidFileFormat:
        return "Invalid file format";
    case ErrDuplicateKey:
        return "This key is already associated with an element of this collection";
    default:
        return "Application-defined or object-defined error";
    }
}

int ErrNumberFromErrno(int err)
{
    switch (err) {
    case ENOENT:
        return ErrFileNotFound;
    case ENOTDIR:
        return ErrPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return ErrPermissionDenied;
    case ENOSPC:
    case EDQUOT:
        return ErrDiskFull;
    case EIO:
        return ErrDeviceIO;
    case ENOMEM:
        return ErrOutOfMemory;
    case EINVAL:
        return ErrInvalidArgument;
    default:
        return ErrPathFileAccess;
    }
}

AppError::AppError(int number, std::string description, std::source_location where)
    : std::runtime_error(description.empty() ? std::string(ErrorDescription(number)) : std::move(description)),
      number_(number), line_(where.line())
{
}

void RaiseFromErrno(int err, std::string_view path, std::source_location where)
{
    int number = ErrNumberFromErrno(err);
    std::string text(ErrorDescription(number));
    if (!path.empty()) {
        text += " (";
        text += path;
        text += ": ";
        text += std::strerror(err);
        text += ")";
    }
    throw AppError(number, text, where);
}

std::string ErrorBoxText(int number, std::string_view description, std::string_view module, std::string_view procedure,
                         std::uint_least32_t line)
{
    std::string text = "Error " + std::to_string(number) + ": ";
    text += description;
    text += "\r\nin CorvaneDisk.";
    text += module;
    text += ".";
    text += procedure;
    text += ".\r\nThe error occured at line: " + std::to_string(line);
    return text;
}

void ShowErrorBox(Prompter& prompter, int number, std::string_view description, std::string_view module,
                  std::string_view procedure, std::uint_least32_t line)
{
    prompter.message(ErrorBoxText(number, description, module, procedure, line), "Error", MsgIcon::Critical);
}

void ShowErrorBox(Prompter& prompter, const AppError& e, std::string_view module, std::string_view procedure)
{
    ShowErrorBox(prompter, e.number(), e.what(), module, procedure, e.line());
}

void ShowErrorBox(Prompter& prompter, const std::exception& e, std::string_view module, std::string_view procedure,
                  std::source_location where)
{
    if (auto* app = dynamic_cast<const AppError*>(&e)) {
        ShowErrorBox(prompter, *app, module, procedure);
        return;
    }
    int number = dynamic_cast<const std::bad_alloc*>(&e) ? ErrOutOfMemory : ErrPathFileAccess;
    ShowErrorBox(prompter, number, e.what(), module, procedure, where.line());
}

void ShowErrorsOf(Prompter& prompter, std::string_view module, std::string_view procedure,
                  const std::function<void()>& step)
{
    try {
        step();
    } catch (const std::exception& e) {
        ShowErrorBox(prompter, e, module, procedure);
    }
}
