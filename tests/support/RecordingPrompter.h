#pragma once
// A prompter for tests: remembers every box and answers questions from a
// queue (No when the queue is empty).

#include "platform/prompter/Prompter.h"

#include <deque>
#include <functional>
#include <string>
#include <thread>
#include <vector>

class RecordingPrompter final : public Prompter {
public:
    struct Box {
        std::string kind; // "message", "question", "okcancel", "input", "usage"
        std::string text;
        std::string title;
        MsgIcon icon = MsgIcon::None;
        std::thread::id thread = std::this_thread::get_id(); // where it was shown
    };

    RecordingPrompter() : scope_(*this) {}

    void message(std::string_view text, std::string_view title, MsgIcon icon) override;
    bool askYesNo(std::string_view text, std::string_view title, MsgIcon icon) override;
    bool askOkCancel(std::string_view text, std::string_view title, MsgIcon icon) override;
    std::optional<std::string> askText(std::string_view prompt, std::string_view title,
                                       std::string_view defaultText) override;
    void showUsage(std::string_view text) override;

    std::vector<Box> boxes;
    std::deque<bool> answers;                      // for askYesNo and askOkCancel
    std::deque<std::optional<std::string>> inputs; // for askText
    // Runs while a question waits for its answer: what another program may do meanwhile.
    std::function<void(const Box&)> whileAsked;

private:
    bool answer(const char* kind, std::string_view text, std::string_view title, MsgIcon icon);

    ScopedPrompter scope_;
};
