#include "screen/WindowManagerHints.h"

#include <QGuiApplication>
#include <QWidget>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

xcb_connection_t *connection()
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

void refuseWindowManagerFunctions(QWidget *window)
{
    xcb_connection_t *c = connection();
    if (!c)
        return;
    const xcb_atom_t hintsAtom = atom(c, "_MOTIF_WM_HINTS");
    if (hintsAtom == XCB_ATOM_NONE)
        return;
    // flags (the functions and the decorations fields are given), functions, decorations,
    // input mode, status: no function, no decoration.
    constexpr std::uint32_t FunctionsGiven = 1, DecorationsGiven = 2;
    const std::array<std::uint32_t, 5> hints { FunctionsGiven | DecorationsGiven, 0, 0, 0, 0 };
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()),
        hintsAtom, hintsAtom, 32, static_cast<std::uint32_t>(hints.size()), hints.data());
    xcb_flush(c);
}

void clearWindowName(QWidget *window)
{
    xcb_connection_t *c = window->windowHandle() ? connection() : nullptr;
    if (!c)
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atom(c, "_NET_WM_NAME"),
        atom(c, "UTF8_STRING"), 8, 0, nullptr);
    xcb_change_property(
        c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(c);
}
