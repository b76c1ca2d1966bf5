#include "platform/Taskbar.h"

#include <QGuiApplication>
#include <QWindow>

#if defined(ZORVANE_HAVE_XCB)
#include <xcb/xcb.h>
#endif

namespace Taskbar {

#if defined(ZORVANE_HAVE_XCB)
static xcb_connection_t *Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

static xcb_atom_t Atom(xcb_connection_t *c, const char *name)
{
    const auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

static QList<xcb_atom_t> States(xcb_connection_t *c, xcb_window_t w, xcb_atom_t stateAtom)
{
    QList<xcb_atom_t> states;
    const auto cookie = xcb_get_property(c, 0, w, stateAtom, XCB_ATOM_ATOM, 0, 1024);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(c, cookie, nullptr);
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto *data = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        for (int i = 0; i < count; ++i)
            states.append(data[i]);
    }
    free(reply);
    return states;
}
#endif

void Skip(QWindow *window)
{
    if (!window)
        return;
#if defined(ZORVANE_HAVE_XCB)
    xcb_connection_t *c = Connection();
    if (!c)
        return;
    const auto w = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t stateAtom = Atom(c, "_NET_WM_STATE");
    QList<xcb_atom_t> states = States(c, w, stateAtom);
    for (const char *name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
        const xcb_atom_t atom = Atom(c, name);
        if (!states.contains(atom))
            states.append(atom);
    }
    // On a mapped window a window manager watches for a client message; the property is
    // what an unmapped window and a bare X server go by, so set both.
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, stateAtom, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(states.size()), states.constData());
    if (window->isVisible()) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = w;
        event.type = stateAtom;
        event.data.data32[0] = 1; // _NET_WM_STATE_ADD
        event.data.data32[1] = Atom(c, "_NET_WM_STATE_SKIP_TASKBAR");
        event.data.data32[2] = Atom(c, "_NET_WM_STATE_SKIP_PAGER");
        event.data.data32[3] = 1;
        xcb_send_event(c, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&event));
    }
    xcb_flush(c);
#endif
}

bool IsSkipped(QWindow *window)
{
#if defined(ZORVANE_HAVE_XCB)
    xcb_connection_t *c = Connection();
    if (!c || !window)
        return true;
    const auto w = static_cast<xcb_window_t>(window->winId());
    return States(c, w, Atom(c, "_NET_WM_STATE")).contains(Atom(c, "_NET_WM_STATE_SKIP_TASKBAR"));
#else
    Q_UNUSED(window);
    return true;
#endif
}

} // namespace Taskbar
