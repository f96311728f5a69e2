#include "tests/support/RecordingPrompter.h"

void RecordingPrompter::message(std::string_view text, std::string_view title, MsgIcon icon)
{
    boxes.push_back({"message", std::string(text), std::string(title), icon});
}

bool RecordingPrompter::askYesNo(std::string_view text, std::string_view title, MsgIcon icon)
{
    boxes.push_back({"question", std::string(text), std::string(title), icon});
    if (answers.empty())
        return false;
    bool a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<std::string> RecordingPrompter::askText(std::string_view prompt,
                                                      std::string_view title, std::string_view)
{
    boxes.push_back({"input", std::string(prompt), std::string(title), MsgIcon::None});
    if (inputs.empty())
        return std::nullopt;
    auto a = inputs.front();
    inputs.pop_front();
    return a;
}

void RecordingPrompter::showUsage(std::string_view text)
{
    boxes.push_back({"usage", std::string(text), {}, MsgIcon::None});
}
