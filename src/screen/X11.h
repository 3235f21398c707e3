#pragma once

#include <xcb/xcb.h>

class QWidget;

// The program's own X11 connection, the one Qt opened, for what Qt does not say to the X server
// itself. Every function answers null (0) where the program does not run on X11.
namespace X11 {

xcb_connection_t *connection();
xcb_atom_t atom(const char *name);
// The X window of a top-level widget once it has one. Never asks the widget for its winId(),
// which would make it native and, through its parent, every one of its siblings.
xcb_window_t windowOf(const QWidget *window);

} // namespace X11
