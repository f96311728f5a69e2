#include "gui/jobs/UiThreadPrompter.h"

#include <QThread>

UiThreadPrompter::UiThreadPrompter(Prompter& inner) : inner_(inner) {}

template <class Call> void UiThreadPrompter::onUiThread(Call&& call)
{
    if (QThread::currentThread() == uiThread_.thread())
        call();
    else
        // The worker's arguments stay alive: it waits here until the answer is in.
        QMetaObject::invokeMethod(&uiThread_, std::forward<Call>(call), Qt::BlockingQueuedConnection);
}

void UiThreadPrompter::message(std::string_view text, std::string_view title, MsgIcon icon)
{
    onUiThread([&] { inner_.message(text, title, icon); });
}

bool UiThreadPrompter::askYesNo(std::string_view text, std::string_view title, MsgIcon icon)
{
    bool answer = false;
    onUiThread([&] { answer = inner_.askYesNo(text, title, icon); });
    return answer;
}

bool UiThreadPrompter::askOkCancel(std::string_view text, std::string_view title, MsgIcon icon)
{
    bool answer = false;
    onUiThread([&] { answer = inner_.askOkCancel(text, title, icon); });
    return answer;
}

std::optional<std::string> UiThreadPrompter::askText(std::string_view prompt, std::string_view title,
                                                     std::string_view defaultText)
{
    std::optional<std::string> answer;
    onUiThread([&] { answer = inner_.askText(prompt, title, defaultText); });
    return answer;
}

void UiThreadPrompter::showUsage(std::string_view text)
{
    onUiThread([&] { inner_.showUsage(text); });
}
