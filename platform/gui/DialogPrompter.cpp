#include "platform/gui/DialogPrompter.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {
QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QMessageBox::Icon boxIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
    }
}
} // namespace

DialogPrompter::DialogPrompter(UsageWindow showUsageWindow) : usageWindow_(std::move(showUsageWindow)) {}

void DialogPrompter::message(std::string_view text, std::string_view title, MsgIcon icon)
{
    QMessageBox box(boxIcon(icon), qs(title), qs(text), QMessageBox::Ok);
    box.exec();
}

bool DialogPrompter::askYesNo(std::string_view text, std::string_view title, MsgIcon icon)
{
    QMessageBox box(boxIcon(icon), qs(title), qs(text), QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool DialogPrompter::askOkCancel(std::string_view text, std::string_view title, MsgIcon icon)
{
    QMessageBox box(boxIcon(icon), qs(title), qs(text), QMessageBox::Ok | QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

std::optional<std::string> DialogPrompter::askText(std::string_view prompt, std::string_view title,
                                                   std::string_view defaultText)
{
    bool ok = false;
    QString answer = QInputDialog::getText(nullptr, qs(title), qs(prompt), QLineEdit::Normal,
                                           qs(defaultText), &ok);
    if (!ok)
        return std::nullopt;
    return answer.toStdString();
}

void DialogPrompter::showUsage(std::string_view text)
{
    usageWindow_(text);
}
