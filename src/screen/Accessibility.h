#pragma once

#include <QAccessible>

class QWidget;

// What the exam window tells a screen reader beyond what Qt tells it by itself (AT-SPI on X11).
namespace Accessibility {

// Once per program, before the first window: widgets may carry a role of their own (setRole),
// and a widget shown or hidden reports AT-SPI's `visible` state with the `showing` state Qt
// reports. Without the second, a client that once saw a widget hidden keeps it invisible.
void install();

// The role a screen reader is given for `w` instead of the one Qt picks from its class; set
// before anything asks for w's accessible interface.
void setRole(QWidget *w, QAccessible::Role role);

} // namespace Accessibility
