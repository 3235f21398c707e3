#pragma once

class QWidget;

// What Qt cannot say to an X11 window manager about the exam's windows, written straight to
// their properties once the windows exist (from their show event on, before they are mapped).
// They do nothing on other platforms and before the window exists.

// The window may neither be moved, resized, minimised, maximised nor closed, nor decorated
// (the window's Motif hints). Qt writes these hints itself, but never without the move and
// resize functions.
void refuseWindowManagerFunctions(QWidget *window);

// The window's name is empty for the window system too. Qt names a window whose title is
// empty after the application.
void clearWindowName(QWidget *window);

// The window stands above docks and task bars for window managers of the older GNOME
// conventions (a layer), which keep the full-screen layer for the window with the focus.
void askForTopLayer(QWidget *window);
