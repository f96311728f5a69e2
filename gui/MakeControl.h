#pragma once
// A window's control made with the name the skin and the texts know it by and
// its place while no skin moves it.

#include <QLatin1String>
#include <QRect>
#include <QWidget>

template <class W>
W* MakeControl(QWidget* parent, const char* name, QRect place)
{
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(place);
    return w;
}
