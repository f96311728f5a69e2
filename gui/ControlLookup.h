#pragma once
// A window's controls by name, the way skins and texts address them: the
// objectName of any widget inside the window, compared without regard to
// ASCII case; the first in the window's child order wins.

#include <QWidget>

#include <string_view>

QWidget* FindControl(const QWidget& window, std::string_view name);
