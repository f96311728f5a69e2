#include "tests/support/RecordingPrompter.h"

void RecordingPrompter::message(std::string_view text, std::string_view title, MsgIcon icon)
{
    boxes.push_back({"message", std::string(text), std::string(title), icon});
}

bool RecordingPrompter::answer(const char* kind, std::string_view text, std::string_view title, MsgIcon icon)
{
    boxes.push_back({kind, std::string(text), std::string(title), icon});
    if (whileAsked)
        whileAsked(boxes.back());
    if (answers.empty())
        return false;
    bool a = answers.front();
    answers.pop_front();
    return a;
}

bool RecordingPrompter::askYesNo(std::string_view text, std::string_view title, MsgIcon icon)
{
    return answer("question", text, title, icon);
}

bool RecordingPrompter::askOkCancel(std::string_view text, std::string_view title, MsgIcon icon)
{
    return answer("okcancel", text, title, icon);
}

std::optional<std::string> RecordingPrompter::askText(std::string_view prompt, std::string_view title, std::string_view)
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
