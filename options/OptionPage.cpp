#include "options/OptionPage.h"

#include "engine/settings/SettingsTable.h"

#include <QCheckBox>

OptionPage::OptionPage(const char* objectName, QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QLatin1String(objectName));
}

QCheckBox* SettingToggle(QWidget* parent, const char* objectName, AppSettings& settings, bool AppSettings::*flag,
                         std::string_view valueName, std::function<void(bool on)> apply)
{
    auto* box = Named<QCheckBox>(parent, objectName);
    box->setChecked(settings.*flag);
    const SettingDef* def = FindSetting("Option", valueName);
    QObject::connect(box, &QCheckBox::toggled, box, [&settings, flag, def, apply = std::move(apply)](bool on) {
        settings.*flag = on;
        WriteSetting(*def, settings);
        if (apply)
            apply(on);
    });
    return box;
}
