#pragma once
// A window's control found by the name skins and language files know it by,
// as a person's script finds it; a missing one fails the test.

#include <QWidget>

#include <stdexcept>
#include <string>

template <class C> C& Control(const QWidget& window, const char* name)
{
    C* control = window.findChild<C*>(QLatin1String(name));
    if (!control)
        throw std::runtime_error(std::string("no control ") + name + " in " + window.objectName().toStdString());
    return *control;
}
