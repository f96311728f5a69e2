#include "gui/WindowState.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <vector>

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
xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

// Task bars and pagers read these states, not the window type Qt gives a tool
// window. The property is written for an unmapped window (and for an X server
// without a window manager); a window manager is also asked, as it expects.
void SetSkipTaskBarState(QWidget* window, bool skip)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* c = x11->connection();
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t state = Atom(c, "_NET_WM_STATE");
    const xcb_atom_t hints[] = {Atom(c, "_NET_WM_STATE_SKIP_TASKBAR"), Atom(c, "_NET_WM_STATE_SKIP_PAGER")};

    std::vector<xcb_atom_t> states;
    if (auto* reply = xcb_get_property_reply(c, xcb_get_property(c, 0, id, state, XCB_ATOM_ATOM, 0, 1024), nullptr)) {
        if (reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
            auto* atoms = static_cast<xcb_atom_t*>(xcb_get_property_value(reply));
            states.assign(atoms, atoms + xcb_get_property_value_length(reply) / 4);
        }
        free(reply);
    }
    for (xcb_atom_t hint : hints) {
        std::erase(states, hint);
        if (skip)
            states.push_back(hint);
    }
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32, uint32_t(states.size()), states.data());

    xcb_client_message_event_t ask{};
    ask.response_type = XCB_CLIENT_MESSAGE;
    ask.format = 32;
    ask.window = id;
    ask.type = state;
    ask.data.data32[0] = skip ? 1 : 0; // add or remove
    ask.data.data32[1] = hints[0];
    ask.data.data32[2] = hints[1];
    ask.data.data32[3] = 1; // from an application
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&ask));
    xcb_flush(c);
}
// A window manager drops the states of a window that is hidden: they are
// written again each time the window is about to be mapped.
class SkipTaskBarHolder : public QObject {
public:
    explicit SkipTaskBarHolder(QWidget* window) : QObject(window) { window->installEventFilter(this); }
    bool skip = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && skip)
            SetSkipTaskBarState(static_cast<QWidget*>(watched), true);
        return false;
    }
};

void HoldSkipTaskBar(QWidget* window, bool skip)
{
    SkipTaskBarHolder* holder = nullptr;
    for (QObject* child : window->children())
        if (auto* h = dynamic_cast<SkipTaskBarHolder*>(child))
            holder = h;
    if (!holder)
        holder = new SkipTaskBarHolder(window);
    holder->skip = skip;
    SetSkipTaskBarState(window, skip);
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
    HoldSkipTaskBar(window, !show);
    if (!hiddenToTray)
        window->show();
}
