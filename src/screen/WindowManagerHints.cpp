#include "screen/WindowManagerHints.h"

#include <QGuiApplication>
#include <QWidget>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>

void refuseWindowManagerFunctions(QWidget *window)
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t *c = x11->connection();
    static constexpr char Name[] = "_MOTIF_WM_HINTS";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof Name - 1, Name), nullptr),
        &std::free);
    if (!atom)
        return;
    // flags (the functions and the decorations fields are given), functions, decorations,
    // input mode, status: no function, no decoration.
    constexpr std::uint32_t FunctionsGiven = 1, DecorationsGiven = 2;
    const std::array<std::uint32_t, 5> hints { FunctionsGiven | DecorationsGiven, 0, 0, 0, 0 };
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()),
        atom->atom, atom->atom, 32, static_cast<std::uint32_t>(hints.size()), hints.data());
    xcb_flush(c);
}
