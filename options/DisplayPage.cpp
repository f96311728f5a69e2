#include "options/DisplayPage.h"

#include "engine/settings/SettingsTable.h"
#include "gui/AppContext.h"
#include "gui/AppIcons.h"
#include "gui/WindowState.h"
#include "options/DesktopLauncher.h"
#include "options/FolderVerb.h"
#include "options/MainWindowLink.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

DisplayPage::DisplayPage(AppContext& app, std::shared_ptr<MainWindowLink> mainWindow, QWidget* parent)
    : OptionPage("fraDisplay", parent), app_(app), main_(std::move(mainWindow))
{
    AppSettings& s = app.settings;
    MainWindowLink& main = *main_;
    showInTaskbar = SettingToggle(this, "chkTaskbar", s, &AppSettings::ShowTaskBar, SettingId::ShowTaskBar,
                                  [&main](bool on) { FormInTaskBar(main.window(), on, main.hiddenToTray()); });
    showInTray =
        SettingToggle(this, "chkSystray", s, &AppSettings::ShowSysTray, SettingId::ShowSysTray, [&main](bool on) {
            if (on)
                main.enableTrayIcon();
            else
                main.disableTrayIcon();
        });
    auto* trayIconGroup = MakeControl<QGroupBox>(this, "fraSysIcon");
    trayIconPreview = MakeControl<QLabel>(trayIconGroup, "picSysIcon");
    trayIconPreview->setFixedSize(36, 36);
    trayIconPreview->setAlignment(Qt::AlignCenter);
    trayIconPreview->setPixmap(TrayPicture(s.NumIconSysTray));
    trayIconSlider = MakeControl<QSlider>(trayIconGroup, "SliderIcon");
    trayIconSlider->setOrientation(Qt::Horizontal);
    trayIconSlider->setRange(0, TrayIconCount - 1);
    trayIconSlider->setPageStep(1);
    trayIconSlider->setTickPosition(QSlider::TicksBelow);
    trayIconSlider->setValue(s.NumIconSysTray);
    auto* iconRow = new QHBoxLayout(trayIconGroup);
    iconRow->addWidget(trayIconPreview);
    iconRow->addWidget(trayIconSlider, 1);
    alwaysOnTop = SettingToggle(this, "chkAllwaysOnTop", s, &AppSettings::OnTop, SettingId::OnTop, [&main](bool on) {
        FormStayOnTop(main.window(), on);
        main.setTrayOnTopCheck(on);
    });
    magneticBorders =
        SettingToggle(this, "chkScreenBorderMagnetic", s, &AppSettings::BorderMagnetic, SettingId::BorderMagnetic);
    rebuildMenusButton = MakeControl<QPushButton>(this, "cmdRebuildShellContextMenu");
    rebuildMenusButton->setText(QStringLiteral("Add to the folder menus"));
    desktopIconButton = MakeControl<QPushButton>(this, "cmdAddIconDeskTop");

    auto* column = new QVBoxLayout(this);
    for (QWidget* w :
         std::initializer_list<QWidget*>{showInTaskbar, showInTray, trayIconGroup, alwaysOnTop, magneticBorders})
        column->addWidget(w);
    column->addSpacing(12);
    for (QPushButton* b : {rebuildMenusButton, desktopIconButton}) {
        auto* row = new QHBoxLayout;
        row->addWidget(b);
        row->addStretch(1);
        column->addLayout(row);
    }
    column->addStretch(1);

    connect(trayIconSlider, &QSlider::valueChanged, this, &DisplayPage::showTrayIcon);
    connect(rebuildMenusButton, &QPushButton::clicked, this,
            [] { RebuildFolderVerb(QCoreApplication::applicationFilePath().toStdString()); });
    connect(desktopIconButton, &QPushButton::clicked, this,
            [] { AddDesktopLauncher(QCoreApplication::applicationFilePath().toStdString()); });
}

void DisplayPage::showTrayIcon(int value)
{
    Guarded("SliderIcon_Change", [&] {
        AppSettings& s = app_.settings;
        trayIconPreview->setPixmap(TrayPicture(value));
        s.NumIconSysTray = value;
        WriteSetting(SettingId::NumIconSysTray, s);
        if (s.ShowSysTray)
            main_->setTrayIcon(QIcon(TrayPicture(value)));
    });
}
