#pragma once

#include "screen/Throttle.h"

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QObject>
#include <QRect>

#include <xcb/xcb.h>

#include <cstdint>
#include <initializer_list>

class QWidget;

// Keeps a window that covers the screen on top of it, in full screen and with the keyboard, on
// X11, against other programs and the window manager.
//
// The keyboard and the pointer are grabbed for the window while it is viewable: every key and
// click comes to this program whatever window has the focus, and no key or mouse binding of the
// window manager fires (those are passive grabs, which an active grab overrides). The
// program's own windows still get their keys and clicks as usual.
//
// When another program's window takes the focus or comes above the window, or the window
// manager iconifies it or drops its full-screen or above state, the window takes all of it back
// at once, well within 100 ms; the focus goes to the program's modal box when one is open, and
// the program's own windows may stand above it. The events that tell of such a change are
// answered at most once per CheckInterval, and after half a second of vain tries once per
// SlowInterval, so a flood of them, or what cannot be taken back, costs a bounded share of the
// program's time.
class ScreenHold final : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScreenHold)

public:
    static constexpr int CheckInterval = 25; // ms
    static constexpr int SlowInterval = 250; // ms, once a few tries have not taken it back

    // Holds `window`, shown at `covering` over the whole screen, from now on where the program
    // runs on X11; does nothing elsewhere.
    ScreenHold(QWidget *window, const QRect &covering);

    // Looks at once (or CheckInterval after the last look) whether the window still holds the
    // screen and the keyboard, and takes back what it lost.
    void check() { m_check.request(); }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override;

private:
    void takeBack();
    bool holds();
    bool onTop() const;
    // The window's ancestor that is a child of the root: its window manager's frame, or itself.
    xcb_window_t topLevelOf(xcb_window_t w) const;
    bool grabInput();
    xcb_window_t focusTarget() const;
    bool hasFocus(xcb_window_t focus) const;
    void sendToRoot(xcb_window_t w, xcb_atom_t type, std::initializer_list<std::uint32_t> data);

    QWidget *m_window;
    const QRect m_covering;
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_id = 0, m_root = 0;
    // A window manager that follows the desktop conventions runs.
    bool m_managed = false;
    bool m_covers = true; // the window covers the screen
    QElapsedTimer m_missing; // since it last held
    QRect m_screen;
    xcb_atom_t m_state = 0, m_above = 0, m_fullScreen = 0, m_hidden = 0, m_modal = 0,
               m_activeWindow = 0, m_wmState = 0, m_wmCheck = 0, m_supported = 0;
    Throttle m_check { CheckInterval, [this] { takeBack(); } };
};
