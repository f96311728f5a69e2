#pragma once
// Message boxes and questions as dialogs, for a program that has a display.

#include "platform/prompter/Prompter.h"

#include <functional>

class DialogPrompter final : public Prompter {
public:
    using UsageWindow = std::function<void(std::string_view text)>;
    explicit DialogPrompter(UsageWindow showUsageWindow);

    void message(std::string_view text, std::string_view title, MsgIcon icon) override;
    bool askYesNo(std::string_view text, std::string_view title, MsgIcon icon) override;
    bool askOkCancel(std::string_view text, std::string_view title, MsgIcon icon) override;
    std::optional<std::string> askText(std::string_view prompt, std::string_view title,
                                       std::string_view defaultText) override;
    void showUsage(std::string_view text) override;

private:
    UsageWindow usageWindow_;
};
