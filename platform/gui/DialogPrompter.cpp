#include "platform/gui/DialogPrompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

namespace {
QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QMessageBox::Icon boxIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

// A box must not open behind one of the program's windows that stays above
// the others (the options dialog, the main window set so): it stays above too.
void KeepAbove(QDialog& box)
{
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
            box.setWindowFlag(Qt::WindowStaysOnTopHint);
            return;
        }
}
// Texts come from language files and catalogs: shown as written, never as markup.
void Prepare(QMessageBox& box)
{
    box.setTextFormat(Qt::PlainText);
    KeepAbove(box);
}
} // namespace

DialogPrompter::DialogPrompter(UsageWindow showUsageWindow) : usageWindow_(std::move(showUsageWindow)) {}

void DialogPrompter::message(std::string_view text, std::string_view title, MsgIcon icon)
{
    QMessageBox box(boxIcon(icon), qs(title), qs(text), QMessageBox::Ok);
    Prepare(box);
    box.exec();
}

bool DialogPrompter::askYesNo(std::string_view text, std::string_view title, MsgIcon icon)
{
    QMessageBox box(boxIcon(icon), qs(title), qs(text), QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    Prepare(box);
    return box.exec() == QMessageBox::Yes;
}

bool DialogPrompter::askOkCancel(std::string_view text, std::string_view title, MsgIcon icon)
{
    QMessageBox box(boxIcon(icon), qs(title), qs(text), QMessageBox::Ok | QMessageBox::Cancel);
    Prepare(box);
    return box.exec() == QMessageBox::Ok;
}

std::optional<std::string> DialogPrompter::askText(std::string_view prompt, std::string_view title,
                                                   std::string_view defaultText)
{
    QInputDialog box;
    box.setWindowTitle(qs(title));
    box.setLabelText(qs(prompt));
    for (QLabel* label : box.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    box.setTextValue(qs(defaultText));
    KeepAbove(box);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue().toStdString();
}

void DialogPrompter::showUsage(std::string_view text)
{
    usageWindow_(text);
}
