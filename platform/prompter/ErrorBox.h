#pragma once
// The common error report: a critical box titled "Error" naming the error,
// the module and procedure where it was trapped, and the line.

#include <cstdint>
#include <functional>
#include <source_location>
#include <stdexcept>
#include <string>
#include <string_view>

class Prompter;

// Classic run-time error numbers, so that reports read as users know them.
enum ErrNumber : int {
    ErrInvalidArgument = 5,
    ErrOverflow = 6,
    ErrOutOfMemory = 7,
    ErrSubscriptOutOfRange = 9,
    ErrTypeMismatch = 13,
    ErrBadFileName = 52,
    ErrFileNotFound = 53,
    ErrBadFileMode = 54,
    ErrDeviceIO = 57,
    ErrDiskFull = 61,
    ErrInputPastEnd = 62,
    ErrPermissionDenied = 70,
    ErrPathFileAccess = 75,
    ErrPathNotFound = 76,
    ErrInvalidFileFormat = 321,
    ErrDuplicateKey = 457,
};

// The description that goes with a number ("File not found" for 53).
std::string_view ErrorDescription(int number);

// The number that fits an errno value (ENOENT gives 53, EACCES 70...).
int ErrNumberFromErrno(int err);

// An error raised inside a procedure and reported by its trap.
class AppError : public std::runtime_error {
public:
    AppError(int number, std::string description, std::source_location where = std::source_location::current());
    int number() const { return number_; }
    std::uint_least32_t line() const { return line_; }

private:
    int number_;
    std::uint_least32_t line_;
};

// Throws the AppError that fits errno, with the path in the description.
[[noreturn]] void RaiseFromErrno(int err, std::string_view path,
                                 std::source_location where = std::source_location::current());

// The box's text, three lines joined with CR LF.
std::string ErrorBoxText(int number, std::string_view description, std::string_view module, std::string_view procedure,
                         std::uint_least32_t line);

// The box is shown on prompter: a window's own, the batch mode's the active one.
void ShowErrorBox(Prompter& prompter, int number, std::string_view description, std::string_view module,
                  std::string_view procedure, std::uint_least32_t line);
void ShowErrorBox(Prompter& prompter, const AppError& e, std::string_view module, std::string_view procedure);
// For errors that did not come as an AppError (std::bad_alloc, a library's exception).
void ShowErrorBox(Prompter& prompter, const std::exception& e, std::string_view module, std::string_view procedure,
                  std::source_location where = std::source_location::current());

// Runs step; an error it raises is shown on prompter in the common error box
// under module and procedure instead of reaching the caller (an event
// handler's end).
void ShowErrorsOf(Prompter& prompter, std::string_view module, std::string_view procedure,
                  const std::function<void()>& step);
