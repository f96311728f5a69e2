#pragma once
// The one road to the user for messages and questions. The engine calls it;
// the window mode installs a dialog-based prompter, the batch mode without a
// display the console one, and tests a recording one.

#include <optional>
#include <string>
#include <string_view>

enum class MsgIcon { None, Information, Exclamation, Critical, Question };

class Prompter {
public:
    virtual ~Prompter() = default;
    // An OK box.
    virtual void message(std::string_view text, std::string_view title, MsgIcon icon) = 0;
    // A Yes/No box; true for Yes.
    virtual bool askYesNo(std::string_view text, std::string_view title, MsgIcon icon) = 0;
    // An OK/Cancel box; true for OK. Where there is no such box, Yes/No.
    virtual bool askOkCancel(std::string_view text, std::string_view title, MsgIcon icon)
    {
        return askYesNo(text, title, icon);
    }
    // A one-line text input; nullopt when cancelled.
    virtual std::optional<std::string> askText(std::string_view prompt, std::string_view title,
                                               std::string_view defaultText) = 0;
    // The command-line usage text.
    virtual void showUsage(std::string_view text) = 0;
};

// The prompter in use. Until one is installed, the console prompter serves.
Prompter& ActivePrompter();

// Installs a prompter for the lifetime of this object and restores the
// previous one afterwards (tests, the window mode).
class ScopedPrompter {
public:
    explicit ScopedPrompter(Prompter& p);
    ~ScopedPrompter();
    ScopedPrompter(const ScopedPrompter&) = delete;
    ScopedPrompter& operator=(const ScopedPrompter&) = delete;

private:
    Prompter* previous_;
};

// True when no display is reachable or CORVANEDISK_CONSOLE=1 asks for the
// console: messages then go to the terminal.
bool ConsoleModeWanted();
