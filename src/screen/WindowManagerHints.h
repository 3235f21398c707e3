#pragma once

class QWidget;

// Tells an X11 window manager, through the window's Motif hints, that it may neither move,
// resize, minimise, maximise nor close the window, nor decorate it. Qt writes these hints
// itself but never without the move and resize functions, so they are written here once the
// window exists. Does nothing on other platforms.
void refuseWindowManagerFunctions(QWidget *window);
