#pragma once
// Which text and which font each named control of each window gets. A
// section serves one window, except "Menu", which serves the popup menus of
// three. The tables are data only; WindowTexts applies them.

#include "language/TextId.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

enum class FontRole : std::uint8_t { None, Label, Title };

enum class LabelTarget : std::uint8_t {
    Caption,      // the control's text: a label, button, check box or option button
    FrameTitle,   // a group box's title
    ColumnHeader, // one column header of a list (column counted from 0)
    ToolTip,
    TreeNode, // the node of a tree whose key is key
    MenuItem, // the item named key of the popup menu named control
};

struct LabelEntry {
    const char* control; // the control's objectName
    LabelTarget target = LabelTarget::Caption;
    std::optional<TextId> text = std::nullopt; // none: only literal, or only the font when literal is empty
    const char* literal = "";                  // fixed text after the numbered one (a shortcut)
    FontRole font = FontRole::None;
    int column = 0;
    const char* key = "";
};

struct WindowLabels {
    const char* window; // the window's name in the registry
    bool windowFont;    // the window's own font takes the label font's name
    std::span<const LabelEntry> entries;
};

struct LabelSection {
    const char* name;
    std::span<const WindowLabels> windows;
};

std::span<const LabelSection> LabelSections();
