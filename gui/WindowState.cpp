#include "gui/WindowState.h"

#include <QWidget>

namespace {
// Qt hides a window whose flags change: keep its place, show it if asked.
void SetFlags(QWidget* window, Qt::WindowFlags flags, bool showAfter)
{
    if (window->windowFlags() == flags)
        return;
    const QPoint place = window->pos();
    window->setWindowFlags(flags);
    window->move(place);
    if (showAfter)
        window->show();
}
} // namespace

void FormStayOnTop(QWidget* window, bool on)
{
    if (!window)
        return;
    const bool shown = window->isVisible();
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    SetFlags(window, flags, shown);
    if (shown) {
        window->setAttribute(Qt::WA_ShowWithoutActivating);
        window->show();
        window->setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
}

void FormInTaskBar(QWidget* window, bool show, bool hiddenToTray)
{
    if (!window)
        return;
    // A tool window gets no task-bar button from the window manager.
    window->hide();
    SetFlags(window, (window->windowFlags() & ~Qt::WindowType_Mask) | (show ? Qt::Window : Qt::Tool), false);
    if (!hiddenToTray)
        window->show();
}
