#pragma once
// One page of the options dialog: a titled frame that loads its controls from
// the settings when it is made (which applies and stores nothing), then
// applies and stores each change as its rules say. What a page keeps back
// until the dialog closes it applies in apply.

#include "engine/settings/SettingId.h"
#include "gui/MakeControl.h"

#include <QGroupBox>

#include <functional>

class Prompter;
class QCheckBox;
struct AppSettings;

class OptionPage : public QGroupBox {
    Q_OBJECT
public:
    // objectName: the frame's name ("fraSetup"...), by which the texts find it.
    explicit OptionPage(const char* objectName, QWidget* parent = nullptr);

    // What the page kept back, into the settings (and their store, where the
    // page's rules say so).
    virtual void apply() {}
};

// Runs a handler of the dialog; what it raises goes to the common error box
// on prompter under the handler's name, and the handler is left.
void Guarded(Prompter& prompter, const char* procedure, const std::function<void()>& handler);

// A check box for one flag of the settings: it starts with the flag's state;
// each change stores the box's state as "True" or "False"
// (never the flag's opposite: the tray menu may have changed the flag
// meanwhile) and hands it to apply. A failure is shown on prompter.
QCheckBox* SettingToggle(Prompter& prompter, QWidget* parent, const char* objectName, AppSettings& settings,
                         bool AppSettings::*flag, SettingId setting, std::function<void(bool on)> apply = {});
