#include "options/OptionPage.h"

#include "engine/settings/SettingsTable.h"
#include "platform/prompter/ErrorBox.h"

#include <QCheckBox>

OptionPage::OptionPage(const char* objectName, QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QLatin1String(objectName));
}

void Guarded(Prompter& prompter, const char* procedure, const std::function<void()>& handler)
{
    ShowErrorsOf(prompter, "frmOption", procedure, handler);
}

QCheckBox* SettingToggle(Prompter& prompter, QWidget* parent, const char* objectName, AppSettings& settings,
                         bool AppSettings::*flag, SettingId setting, std::function<void(bool on)> apply)
{
    auto* box = MakeControl<QCheckBox>(parent, objectName);
    box->setChecked(settings.*flag);
    const std::string procedure = std::string(objectName) + "_Click";
    QObject::connect(box, &QCheckBox::toggled, box,
                     [&prompter, &settings, flag, setting, procedure, apply = std::move(apply)](bool on) {
                         Guarded(prompter, procedure.c_str(), [&] {
                             settings.*flag = on;
                             WriteFlag(setting, on);
                             if (apply)
                                 apply(on);
                         });
                     });
    return box;
}
