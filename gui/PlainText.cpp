#include "gui/PlainText.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTextDocument>

QString PlainMnemonicText(const QString& text)
{
    QString plain = text;
    return plain.replace(QLatin1Char('&'), QLatin1String("&&"));
}

QString PlainToolTip(const QString& text)
{
    if (!Qt::mightBeRichText(text))
        return text; // shown as written already
    return QLatin1String("<p style='white-space:pre'>") + text.toHtmlEscaped() + QLatin1String("</p>");
}

void SetPlainText(QObject& control, const QString& text, bool title)
{
    if (auto* box = qobject_cast<QGroupBox*>(&control); box && title) {
        box->setTitle(PlainMnemonicText(text));
    } else if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        button->setText(PlainMnemonicText(text));
    } else if (auto* action = qobject_cast<QAction*>(&control)) {
        action->setText(PlainMnemonicText(text));
    } else if (const char* name = title ? "title" : "text"; control.metaObject()->indexOfProperty(name) >= 0) {
        control.setProperty(name, text);
    }
}
