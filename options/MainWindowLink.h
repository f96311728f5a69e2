#pragma once
// What the options dialog asks of the main window: its tray icon, its place
// among the windows, its skin and the combos whose items come from the
// settings or the texts. The main window's side implements it; every call
// does nothing while the main window is not loaded.

#include <QIcon>

#include <string>

class QWidget;

class MainWindowLink {
public:
    virtual ~MainWindowLink() = default;

    virtual QWidget* window() const = 0;
    virtual bool hiddenToTray() const = 0;
    virtual void enableTrayIcon() = 0;
    virtual void disableTrayIcon() = 0;
    // While the tray icon is there: its menu's stay-on-top check, its picture.
    virtual void setTrayOnTopCheck(bool on) = 0;
    virtual void setTrayIcon(const QIcon& icon) = 0;
    // Applies the package of the skin folder as a skin chosen while the
    // program runs: every window reskinned, the main window keeps its place
    // and its check boxes.
    virtual void applySkin(const std::string& file) = 0;
    // The file-type filters of a new catalog and of a search.
    virtual void refreshFilterCombos() = 0;
    // The search's catalog and disk-type lists, which start with a text.
    virtual void refreshLanguageCombos() = 0;
};
