#include "language/WindowTexts.h"

#include "engine/settings/FontSetting.h"
#include "gui/PlainText.h"
#include "gui/WindowRegistry.h"
#include "language/LabelSections.h"
#include "language/LangText.h"
#include "platform/gui/WinColor.h"

#include <QAbstractItemView>
#include <QAction>
#include <QMenu>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

void SetColumnHeader(QWidget& control, int column, const QString& text)
{
    auto* view = qobject_cast<QAbstractItemView*>(&control);
    QAbstractItemModel* model = view ? view->model() : nullptr;
    if (model && column < model->columnCount())
        model->setHeaderData(column, Qt::Horizontal, text);
}

void SetTreeNode(QWidget& control, const char* key, const QString& text)
{
    auto* tree = qobject_cast<QTreeWidget*>(&control);
    if (!tree)
        return;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, TreeNodeKeyRole).toString() == QLatin1String(key)) {
            (*it)->setText(0, text);
            return;
        }
}

void SetMenuItem(QWidget& window, const LabelEntry& entry, const QString& text)
{
    auto* menu = window.findChild<QMenu*>(QLatin1String(entry.control));
    if (!menu)
        return;
    for (QAction* action : menu->actions())
        if (action->objectName() == QLatin1String(entry.key)) {
            SetPlainText(*action, text);
            return;
        }
}

struct Sources {
    const LangText& texts;
    const FontSetting& fontLabel;
    const FontSetting& fontTitle;
};

void ApplyEntry(QWidget& window, const LabelEntry& entry, const Sources& from)
{
    const bool hasText = entry.text || *entry.literal;
    QString text;
    if (entry.text)
        text = QString::fromStdString(from.texts[*entry.text]);
    text += QLatin1String(entry.literal);

    if (entry.target == LabelTarget::MenuItem) {
        SetMenuItem(window, entry, text);
        return;
    }
    auto* control = window.findChild<QWidget*>(QLatin1String(entry.control));
    if (!control)
        return;
    if (hasText) {
        switch (entry.target) {
        case LabelTarget::Caption:
            SetPlainText(*control, text);
            break;
        case LabelTarget::FrameTitle:
            SetPlainText(*control, text, true);
            break;
        case LabelTarget::ToolTip:
            control->setToolTip(PlainToolTip(text));
            break;
        case LabelTarget::ColumnHeader:
            SetColumnHeader(*control, entry.column, text);
            break;
        case LabelTarget::TreeNode:
            SetTreeNode(*control, entry.key, text);
            break;
        case LabelTarget::MenuItem:
            break;
        }
    }
    if (entry.font == FontRole::Label)
        ApplyFontSetting(*control, from.fontLabel);
    else if (entry.font == FontRole::Title)
        ApplyFontSetting(*control, from.fontTitle);
}

void ApplyWindow(QWidget& window, const WindowLabels& labels, const Sources& from)
{
    if (labels.windowFont) {
        QFont f = window.font();
        f.setFamily(QString::fromStdString(from.fontLabel.Name));
        window.setFont(f);
    }
    for (const LabelEntry& entry : labels.entries)
        ApplyEntry(window, entry, from);
}

} // namespace

void ApplyFontSetting(QWidget& widget, const FontSetting& font)
{
    QFont f = widget.font();
    f.setFamily(QString::fromStdString(font.Name));
    f.setBold(font.Bold);
    f.setItalic(font.Italic);
    if (font.Size > 0) // a hand-edited 0 would only draw a warning
        f.setPointSize(font.Size);
    widget.setFont(f);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, FromWinColor(font.Color));
    widget.setPalette(palette);
}

WindowTexts::WindowTexts(WindowRegistry& windows, const LangText& texts, const FontSetting& fontLabel,
                         const FontSetting& fontTitle)
    : windows_(windows), texts_(texts), fontLabel_(fontLabel), fontTitle_(fontTitle)
{
}

void WindowTexts::apply(QWidget& window, std::string_view windowName) const
{
    const Sources from{texts_, fontLabel_, fontTitle_};
    for (const LabelSection& s : LabelSections())
        for (const WindowLabels& labels : s.windows)
            if (labels.window == windowName)
                ApplyWindow(window, labels, from);
}

void WindowTexts::relabel(QWidget& window, std::string_view name) const
{
    if (auto* self = dynamic_cast<Retranslatable*>(&window))
        self->retranslate();
    else
        apply(window, name);
}

void WindowTexts::relabelLoadedWindows() const
{
    for (const std::string& name : windows_.loadedNames())
        relabel(*windows_.loaded(name), name);
}

void WindowTexts::relabelWindows(std::initializer_list<std::string_view> names) const
{
    for (std::string_view name : names)
        if (QWidget* window = windows_.loaded(std::string(name)))
            relabel(*window, name);
}
