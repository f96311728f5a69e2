#pragma once
// Puts the current language's texts and the two user fonts onto the windows,
// by the tables of LabelSections.h. Controls are found by objectName; a popup
// menu is a QMenu child of its window, its items QActions named by their keys;
// a tree node carries its key in TreeNodeKeyRole of column 0; a list's column
// headers come from its model's horizontal header data. What a window does not
// have (yet) is skipped without a word.

#include "gui/Retranslatable.h"

#include <Qt>

#include <initializer_list>
#include <string_view>

class LangText;
class WindowRegistry;
struct FontSetting;

inline constexpr int TreeNodeKeyRole = Qt::UserRole;

// The name, bold and italic flags, point size and text colour of a font setting.
void ApplyFontSetting(QWidget& widget, const FontSetting& font);

class WindowTexts final : public WindowLabeler {
public:
    WindowTexts(WindowRegistry& windows, const LangText& texts, const FontSetting& fontLabel,
                const FontSetting& fontTitle);

    void apply(QWidget& window, std::string_view windowName) const override;
    void relabelLoadedWindows() const override;
    void relabelWindows(std::initializer_list<std::string_view> names) const override;

private:
    void relabel(QWidget& window, std::string_view name) const;

    WindowRegistry& windows_;
    const LangText& texts_;
    const FontSetting& fontLabel_;
    const FontSetting& fontTitle_;
};
