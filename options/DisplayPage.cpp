#include "options/DisplayPage.h"

#include "engine/settings/SettingsTable.h"
#include "gui/AppContext.h"
#include "gui/AppIcons.h"
#include "gui/WindowState.h"
#include "gui/services/Services.h"
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
    auto* showInTaskbar =
        SettingToggle(app.services.prompter, this, "chkTaskbar", s, &AppSettings::ShowTaskBar, SettingId::ShowTaskBar,
                      [&main](bool on) { FormInTaskBar(main.window(), on, main.hiddenToTray()); });
    auto* showInTray = SettingToggle(app.services.prompter, this, "chkSystray", s, &AppSettings::ShowSysTray,
                                     SettingId::ShowSysTray, [&main](bool on) {
                                         if (on)
                                             main.enableTrayIcon();
                                         else
                                             main.disableTrayIcon();
                                     });
    auto* trayIconGroup = MakeControl<QGroupBox>(this, "fraSysIcon");
    trayIconPreview_ = MakeControl<QLabel>(trayIconGroup, "picSysIcon");
    trayIconPreview_->setFixedSize(36, 36);
    trayIconPreview_->setAlignment(Qt::AlignCenter);
    trayIconSlider_ = MakeControl<QSlider>(trayIconGroup, "SliderIcon");
    trayIconSlider_->setOrientation(Qt::Horizontal);
    trayIconSlider_->setRange(0, TrayIconCount - 1);
    trayIconSlider_->setPageStep(1);
    trayIconSlider_->setTickPosition(QSlider::TicksBelow);
    auto* iconRow = new QHBoxLayout(trayIconGroup);
    iconRow->addWidget(trayIconPreview_);
    iconRow->addWidget(trayIconSlider_, 1);
    auto* alwaysOnTop = SettingToggle(app.services.prompter, this, "chkAllwaysOnTop", s, &AppSettings::OnTop,
                                      SettingId::OnTop, [&main](bool on) {
                                          FormStayOnTop(main.window(), on);
                                          main.setTrayOnTopCheck(on);
                                      });
    auto* magneticBorders = SettingToggle(app.services.prompter, this, "chkScreenBorderMagnetic", s,
                                          &AppSettings::BorderMagnetic, SettingId::BorderMagnetic);
    auto* rebuildMenusButton = MakeControl<QPushButton>(this, "cmdRebuildShellContextMenu");
    rebuildMenusButton->setText(QStringLiteral("Add to the folder menus"));
    auto* desktopIconButton = MakeControl<QPushButton>(this, "cmdAddIconDeskTop");

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

    load();
    connect(trayIconSlider_, &QSlider::valueChanged, this, &DisplayPage::showTrayIcon);
    connect(rebuildMenusButton, &QPushButton::clicked, this, [&app] {
        RebuildFolderVerb(app.services.prompter, QCoreApplication::applicationFilePath().toStdString());
    });
    connect(desktopIconButton, &QPushButton::clicked, this, [&app] {
        AddDesktopLauncher(app.services.prompter, QCoreApplication::applicationFilePath().toStdString());
    });
}

// The check boxes load themselves, as every SettingToggle does.
void DisplayPage::load()
{
    const int icon = app_.settings.NumIconSysTray;
    trayIconPreview_->setPixmap(TrayPicture(icon));
    trayIconSlider_->setValue(icon);
}

void DisplayPage::showTrayIcon(int value)
{
    Guarded(app_.services.prompter, "SliderIcon_Change", [&] {
        AppSettings& s = app_.settings;
        trayIconPreview_->setPixmap(TrayPicture(value));
        s.NumIconSysTray = value;
        WriteSetting(SettingId::NumIconSysTray, s);
        if (s.ShowSysTray)
            main_->setTrayIcon(QIcon(TrayPicture(value)));
    });
}
