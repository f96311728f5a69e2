#pragma once
// The item of a popup menu by its key, as the user sees it; a missing key
// fails the test with its name.

#include "gui/menu/PopupMenu.h"

#include <QAction>

#include <stdexcept>
#include <string>

inline const QAction& MenuItem(const PopupMenu& menu, const char* key)
{
    const QAction* item = menu.item(menu.indexOfKey(QString::fromUtf8(key)));
    if (!item)
        throw std::runtime_error(std::string("no menu item ") + key + " in " + menu.objectName().toStdString());
    return *item;
}
