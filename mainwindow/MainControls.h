#pragma once
// The main window's captions and lists, made alike on every layer.

#include "gui/MakeControl.h"

#include <QComboBox>
#include <QLabel>

// A text that only shows: a skin may lay it over a button, which must still
// take the clicks.
inline void ShowOnly(QLabel* label)
{
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
}

// A caption that takes its size from its text.
inline QLabel* MainLabel(QWidget* parent, const char* name, QPoint at)
{
    auto* l = MakeControl<QLabel>(parent, name, QRect(at, QSize(1, 1)));
    ShowOnly(l);
    return l;
}

inline QComboBox* MainCombo(QWidget* parent, const char* name, QRect place, bool editable = false)
{
    auto* c = MakeControl<QComboBox>(parent, name, place);
    c->setEditable(editable);
    c->setMaxVisibleItems(15);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}
