#include "screen/WindowManagerHints.h"

#include "screen/X11.h"

#include <array>
#include <cstdint>

void refuseWindowManagerFunctions(QWidget *window)
{
    xcb_connection_t *c = X11::connection();
    const xcb_window_t id = X11::windowOf(window);
    const xcb_atom_t hintsAtom = id ? X11::atom("_MOTIF_WM_HINTS") : xcb_atom_t(XCB_ATOM_NONE);
    if (hintsAtom == XCB_ATOM_NONE)
        return;
    // flags (the functions and the decorations fields are given), functions, decorations,
    // input mode, status: no function, no decoration.
    constexpr std::uint32_t FunctionsGiven = 1, DecorationsGiven = 2;
    const std::array<std::uint32_t, 5> hints { FunctionsGiven | DecorationsGiven, 0, 0, 0, 0 };
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, hintsAtom, hintsAtom, 32,
        static_cast<std::uint32_t>(hints.size()), hints.data());
    xcb_flush(c);
}

void clearWindowName(QWidget *window)
{
    const xcb_window_t id = X11::windowOf(window);
    if (!id)
        return;
    xcb_connection_t *c = X11::connection();
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, X11::atom("_NET_WM_NAME"),
        X11::atom("UTF8_STRING"), 8, 0, nullptr);
    xcb_change_property(
        c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(c);
}

void askForTopLayer(QWidget *window)
{
    const xcb_window_t id = X11::windowOf(window);
    if (!id)
        return;
    constexpr std::uint32_t AboveDock = 10;
    xcb_change_property(X11::connection(), XCB_PROP_MODE_REPLACE, id, X11::atom("_WIN_LAYER"),
        XCB_ATOM_CARDINAL, 32, 1, &AboveDock);
}
