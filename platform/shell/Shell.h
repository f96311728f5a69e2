#pragma once
// Handing a file or an address to the desktop: the program that the desktop
// associates with it opens it. The default runs xdg-open; tests install a
// fake so that nothing opens a real browser.

#include <string>

class Prompter;

class Shell {
public:
    virtual ~Shell() = default;
    // Starts the opening and returns without waiting for it. Raises AppError
    // only when the opener itself cannot be started.
    virtual void open(const std::string& target) = 0;
};

// The shell in use; until one is installed, the xdg-open one.
Shell& ActiveShell();

// Installs a shell for the lifetime of this object (tests, later fakes).
class ScopedShell {
public:
    explicit ScopedShell(Shell& shell);
    ~ScopedShell();
    ScopedShell(const ScopedShell&) = delete;
    ScopedShell& operator=(const ScopedShell&) = delete;

private:
    Shell* previous_;
};

// Opens target (a path, or a "file://" or web address) with its program.
// What the opened program does is not watched; a shell that cannot start at
// all is reported in the common error box on prompter.
void RunShellExecute(Prompter& prompter, const std::string& target);
