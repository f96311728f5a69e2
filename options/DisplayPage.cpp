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
    chkTaskbar = SettingToggle(this, "chkTaskbar", s, &AppSettings::ShowTaskBar, SettingId::ShowTaskBar,
                               [&main](bool on) { FormInTaskBar(main.window(), on, main.hiddenToTray()); });
    chkSystray =
        SettingToggle(this, "chkSystray", s, &AppSettings::ShowSysTray, SettingId::ShowSysTray, [&main](bool on) {
            if (on)
                main.ShellTrayAdd();
            else
                main.ShellTrayRemove();
        });
    auto* fraSysIcon = MakeControl<QGroupBox>(this, "fraSysIcon");
    picSysIcon = MakeControl<QLabel>(fraSysIcon, "picSysIcon");
    picSysIcon->setFixedSize(36, 36);
    picSysIcon->setAlignment(Qt::AlignCenter);
    picSysIcon->setPixmap(TrayPicture(s.NumIconSysTray));
    SliderIcon = MakeControl<QSlider>(fraSysIcon, "SliderIcon");
    SliderIcon->setOrientation(Qt::Horizontal);
    SliderIcon->setRange(0, TrayIconCount - 1);
    SliderIcon->setPageStep(1);
    SliderIcon->setTickPosition(QSlider::TicksBelow);
    SliderIcon->setValue(s.NumIconSysTray);
    auto* iconRow = new QHBoxLayout(fraSysIcon);
    iconRow->addWidget(picSysIcon);
    iconRow->addWidget(SliderIcon, 1);
    chkAllwaysOnTop =
        SettingToggle(this, "chkAllwaysOnTop", s, &AppSettings::OnTop, SettingId::OnTop, [&main](bool on) {
            FormStayOnTop(main.window(), on);
            main.setTrayOnTopCheck(on);
        });
    chkScreenBorderMagnetic =
        SettingToggle(this, "chkScreenBorderMagnetic", s, &AppSettings::BorderMagnetic, SettingId::BorderMagnetic);
    cmdRebuildShellContextMenu = MakeControl<QPushButton>(this, "cmdRebuildShellContextMenu");
    cmdRebuildShellContextMenu->setText(QStringLiteral("Add to the folder menus"));
    cmdAddIconDeskTop = MakeControl<QPushButton>(this, "cmdAddIconDeskTop");

    auto* column = new QVBoxLayout(this);
    for (QWidget* w :
         std::initializer_list<QWidget*>{chkTaskbar, chkSystray, fraSysIcon, chkAllwaysOnTop, chkScreenBorderMagnetic})
        column->addWidget(w);
    column->addSpacing(12);
    for (QPushButton* b : {cmdRebuildShellContextMenu, cmdAddIconDeskTop}) {
        auto* row = new QHBoxLayout;
        row->addWidget(b);
        row->addStretch(1);
        column->addLayout(row);
    }
    column->addStretch(1);

    connect(SliderIcon, &QSlider::valueChanged, this, &DisplayPage::SliderIcon_Change);
    connect(cmdRebuildShellContextMenu, &QPushButton::clicked, this,
            [] { RebuildFolderVerb(QCoreApplication::applicationFilePath().toStdString()); });
    connect(cmdAddIconDeskTop, &QPushButton::clicked, this,
            [] { AddDesktopLauncher(QCoreApplication::applicationFilePath().toStdString()); });
}

void DisplayPage::SliderIcon_Change(int value)
{
    Guarded("SliderIcon_Change", [&] {
        AppSettings& s = app_.settings;
        picSysIcon->setPixmap(TrayPicture(value));
        s.NumIconSysTray = value;
        WriteSetting(SettingId::NumIconSysTray, s);
        if (s.ShowSysTray)
            main_->setTrayIcon(QIcon(TrayPicture(value)));
    });
}
