#include "screen/X11.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <qguiapplication_platform.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace X11 {

xcb_connection_t *connection()
{
    auto *x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(const char *name)
{
    xcb_connection_t *c = connection();
    if (!c)
        return XCB_ATOM_NONE;
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_window_t windowOf(const QWidget *window)
{
    const QWindow *w = window->windowHandle();
    return w && w->handle() && connection() ? static_cast<xcb_window_t>(w->winId()) : 0;
}

} // namespace X11
