#pragma once
// The Display page: task bar, tray icon and its picture, stay-on-top and the
// edge snap, each applied and stored the moment it changes; and the buttons
// that put the program into the file managers' folder menus and its launcher
// on the desktop.

#include "options/OptionPage.h"

#include <memory>

struct AppContext;
class MainWindowLink;
class QLabel;
class QSlider;

class DisplayPage : public OptionPage {
    Q_OBJECT
public:
    DisplayPage(AppContext& app, std::shared_ptr<MainWindowLink> mainWindow, QWidget* parent = nullptr);

private:
    void load();
    void showTrayIcon(int value);

    AppContext& app_;
    std::shared_ptr<MainWindowLink> main_;
    QLabel* trayIconPreview_ = nullptr;
    QSlider* trayIconSlider_ = nullptr;
};
