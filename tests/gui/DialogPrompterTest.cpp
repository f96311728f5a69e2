// The real boxes, shown offscreen and read while they wait for an answer.
#include "platform/gui/DialogPrompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {
// Calls read on the modal dialog once it shows, then closes it.
void WhenShown(std::function<void(QDialog&)> read)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, read] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            read(*dialog);
            dialog->reject();
        }
    });
    poll->start(10);
}

// The labels of a dialog that show text, each with how it shows it.
std::vector<std::pair<QString, Qt::TextFormat>> Texts(QDialog& dialog)
{
    std::vector<std::pair<QString, Qt::TextFormat>> texts;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            texts.emplace_back(label->text(), label->textFormat());
    return texts;
}
} // namespace

TEST(DialogPrompter, MessagesQuestionsAndPromptsShowTheirTextAsWritten)
{
    const std::string markup = "<h1>BIG</h1> Fish &amp; Chips";
    DialogPrompter prompter([](std::string_view) {});
    using Ask = std::function<void()>;
    for (const Ask& ask : {Ask([&] { prompter.message(markup, "T", MsgIcon::Exclamation); }),
                           Ask([&] { prompter.askYesNo(markup, "T", MsgIcon::Question); }),
                           Ask([&] { prompter.askOkCancel(markup, "T", MsgIcon::Question); }),
                           Ask([&] { prompter.askText(markup, "T", ""); })}) {
        std::vector<std::pair<QString, Qt::TextFormat>> shown;
        WhenShown([&](QDialog& dialog) { shown = Texts(dialog); });
        ask();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].first.toStdString(), markup);
        EXPECT_EQ(shown[0].second, Qt::PlainText);
    }
}
