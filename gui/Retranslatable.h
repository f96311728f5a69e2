#pragma once
// The two sides of a language change as the windows see them; the language
// layer puts the texts on, so windows below it need not know the texts.

#include <initializer_list>
#include <string_view>

class QWidget;

// A window that relabels itself when the language changes.
class Retranslatable {
public:
    virtual ~Retranslatable() = default;
    virtual void retranslate() = 0;
};

// What labels the windows.
class WindowLabeler {
public:
    // Everything the language gives the window called windowName, its menus
    // included: what a window's retranslate() calls, also while it is built.
    virtual void apply(QWidget& window, std::string_view windowName) const = 0;
    // A language change: every loaded window relabels itself.
    virtual void relabelLoadedWindows() const = 0;
    // The windows of these names that are loaded relabel themselves, in this order.
    virtual void relabelWindows(std::initializer_list<std::string_view> names) const = 0;

protected:
    ~WindowLabeler() = default;
};
