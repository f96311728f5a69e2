#pragma once
// The prompter a window installs: a question or message raised on a worker
// thread is carried to the UI thread and answered there while the worker
// waits; raised on the UI thread it is answered at once. Either way the
// inner prompter (the dialogs) only ever runs on the UI thread.

#include "platform/prompter/Prompter.h"

#include <QObject>

class UiThreadPrompter final : public Prompter {
public:
    // Built on the UI thread, which must run its event loop while a worker
    // waits for an answer.
    explicit UiThreadPrompter(Prompter& inner);

    void message(std::string_view text, std::string_view title, MsgIcon icon) override;
    bool askYesNo(std::string_view text, std::string_view title, MsgIcon icon) override;
    bool askOkCancel(std::string_view text, std::string_view title, MsgIcon icon) override;
    std::optional<std::string> askText(std::string_view prompt, std::string_view title,
                                       std::string_view defaultText) override;
    void showUsage(std::string_view text) override;

private:
    template <class Call> void onUiThread(Call&& call);

    Prompter& inner_;
    QObject uiThread_; // lives on the UI thread: queued calls run there
};
