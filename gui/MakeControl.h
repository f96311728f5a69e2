#pragma once
// A window's control made with the name the skin and the texts know it by and
// its place while no skin moves it (or none, when a layout places it). A label
// shows its text as written, never as markup (it may show a file name).

#include <QLabel>
#include <QLatin1String>
#include <QRect>
#include <QWidget>

#include <type_traits>

template <class W> W* MakeControl(QWidget* parent, const char* name)
{
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(name));
    if constexpr (std::is_base_of_v<QLabel, W>)
        w->setTextFormat(Qt::PlainText);
    return w;
}

template <class W> W* MakeControl(QWidget* parent, const char* name, QRect place)
{
    W* w = MakeControl<W>(parent, name);
    w->setGeometry(place);
    return w;
}
