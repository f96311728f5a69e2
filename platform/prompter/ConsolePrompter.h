#pragma once
#include "platform/prompter/Prompter.h"

#include <cstdio>

// Messages go to stderr as one line; a question reads one answer line from
// the input, and anything but "y"/"yes" (or end of input) means No, so a
// batch run without a terminal never overwrites anything.
class ConsolePrompter final : public Prompter {
public:
    ConsolePrompter(std::FILE* in = stdin, std::FILE* out = stdout, std::FILE* err = stderr);
    void message(std::string_view text, std::string_view title, MsgIcon icon) override;
    bool askYesNo(std::string_view text, std::string_view title, MsgIcon icon) override;
    std::optional<std::string> askText(std::string_view prompt, std::string_view title,
                                       std::string_view defaultText) override;
    void showUsage(std::string_view text) override;

private:
    std::optional<std::string> readLine();

    std::FILE* in_;
    std::FILE* out_;
    std::FILE* err_;
};
