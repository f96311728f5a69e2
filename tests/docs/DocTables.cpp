#include "tests/docs/DocTables.h"

#include "gui/WindowRegistry.h"
#include "language/LabelSections.h"
#include "language/LangText.h"
#include "platform/text/Ascii.h"
#include "platform/text/Messages.h"
#include "skin/LoadSkin.h"
#include "skin/Skin.h"

#include <QMetaObject>
#include <QWidget>

#include <algorithm>
#include <map>

namespace {
std::string code(std::string_view name)
{
    return "`" + std::string(name) + "`";
}

std::string row(std::initializer_list<std::string> cells)
{
    std::string line = "|";
    for (const std::string& cell : cells)
        line += " " + cell + " |";
    return line;
}

std::string joined(std::span<const char* const> names)
{
    std::string text;
    for (const char* n : names)
        text += (text.empty() ? "" : ", ") + std::string(n);
    return text;
}

std::string kindText(PictureList::Kind kind)
{
    switch (kind) {
    case PictureList::Kind::Picture:
        return "1: " + std::string(PicturePropertyName);
    case PictureList::Kind::Button:
        return "3: " + joined(ButtonPictureNames);
    case PictureList::Kind::CheckBox:
        return "4: " + joined(CheckPictureNames);
    case PictureList::Kind::Nothing:
        break;
    }
    return "none";
}

// Which pictures a control takes, by the properties it has.
PictureList::Kind kindOf(const QObject& control)
{
    const QMetaObject& meta = *control.metaObject();
    if (meta.indexOfProperty(CheckPictureNames[0]) >= 0)
        return PictureList::Kind::CheckBox;
    if (meta.indexOfProperty(ButtonPictureNames[0]) >= 0)
        return PictureList::Kind::Button;
    if (meta.indexOfProperty(PicturePropertyName) >= 0)
        return PictureList::Kind::Picture;
    return PictureList::Kind::Nothing;
}

// A text as the language file writes it: quoted when a blank stands at an end; "|" kept out of the table.
std::string cellText(const std::string& text)
{
    std::string cell;
    for (char c : text)
        cell += c == '|' ? std::string("\\|") : std::string(1, c);
    if (!text.empty() && (text.front() == ' ' || text.back() == ' '))
        cell = "\"" + cell + "\"";
    return cell;
}

std::string targetText(const LabelEntry& e)
{
    switch (e.target) {
    case LabelTarget::Caption:
        return "text";
    case LabelTarget::FrameTitle:
        return "frame title";
    case LabelTarget::ColumnHeader:
        return "column " + std::to_string(e.column + 1);
    case LabelTarget::ToolTip:
        return "tool tip";
    case LabelTarget::TreeNode:
        return "tree node " + code(e.key);
    case LabelTarget::MenuItem:
        return "menu item " + code(e.key);
    }
    return "";
}

std::string fontText(FontRole font)
{
    return font == FontRole::Label ? "label" : font == FontRole::Title ? "title" : "";
}
} // namespace

DocTable SkinTemplatesTable(const Skin& skin)
{
    DocTable table{"| template | pictures |", "| --- | --- |"};
    for (std::string_view name : skin.templateNames())
        table.push_back(row({code(name), kindText(*skin.templateKind(name))}));
    return table;
}

DocTable SkinSectionsTable()
{
    DocTable table{"| window | size section | default size (twips) | Color | places | background |",
                   "| --- | --- | --- | --- | --- | --- |"};
    for (const SkinWindowSections& s : SkinDescriptionSections()) {
        std::string background = s.background.empty() ? "" : code(s.background);
        if (s.frame)
            background += std::string(background.empty() ? "" : ", ") + "frame pieces";
        table.push_back(row({code(s.window), code(s.sizeSection),
                             std::string(s.defaultWidth) + " x " + std::string(s.defaultHeight),
                             s.colour ? "yes" : "no", code(s.posSection), background}));
    }
    return table;
}

DocTable SkinControlsTable(WindowRegistry& windows)
{
    DocTable table{"| window | control | pictures |", "| --- | --- | --- |"};
    for (const SkinWindowSections& s : SkinDescriptionSections()) {
        QWidget& window = windows.instance(std::string(s.window));
        // As FindControl finds them: any case, the first of a name wins; popups are windows of their own.
        std::map<std::string, const QWidget*> controls;
        for (const QWidget* child : window.findChildren<QWidget*>()) {
            const std::string name = child->objectName().toStdString();
            if (name.empty() || name.starts_with("qt_") || child->isWindow())
                continue;
            controls.try_emplace(AsciiLowerCopy(name), child);
        }
        for (const auto& [key, control] : controls)
            table.push_back(
                row({code(s.window), code(control->objectName().toStdString()), kindText(kindOf(*control))}));
    }
    return table;
}

DocTable TextNumbersTable(const LangText& english)
{
    std::map<int, std::string> names;
#define CORVANE_DOC_TEXT_NAME(name, number) names[number] = #name;
    CORVANE_TEXT_IDS(CORVANE_DOC_TEXT_NAME)
    CORVANE_MESSAGE_IDS(CORVANE_DOC_TEXT_NAME)
#undef CORVANE_DOC_TEXT_NAME
    DocTable table{"| number | name in the code | English |", "| --- | --- | --- |"};
    for (int n = 0; n < LangText::Count; ++n) {
        const auto name = names.find(n);
        table.push_back(row({std::to_string(n), name == names.end() ? "(read by no window)" : code(name->second),
                             cellText(english[TextId(n)])}));
    }
    return table;
}

DocTable LabelSectionsTable()
{
    DocTable table{"| section | window | control | gets | text | font |", "| --- | --- | --- | --- | --- | --- |"};
    for (const LabelSection& section : LabelSections())
        for (const WindowLabels& window : section.windows)
            for (const LabelEntry& e : window.entries) {
                std::string text = e.text ? std::to_string(int(*e.text)) : "";
                if (*e.literal)
                    text += (text.empty() ? "" : " + ") + code(e.literal);
                table.push_back(
                    row({section.name, code(window.window), code(e.control), targetText(e), text, fontText(e.font)}));
            }
    return table;
}

DocTable WindowClassRows(WindowRegistry& windows, const std::vector<std::string>& names)
{
    DocTable rows;
    for (const std::string& name : names)
        rows.push_back(row({code(name), code(windows.instance(name).metaObject()->className())}));
    return rows;
}
