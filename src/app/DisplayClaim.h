#pragma once

#include "screen/Throttle.h"

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <xcb/xcb.h>

// One exam per display, claimed through the X server the way a manager claims a screen: the
// first start owns the selection "_PROVIMI_S<screen>" with a small window of its own, never
// mapped. Only a client that may open the display can contend for it, every spelling of one
// display (":0", ":0.0", "unix:0") is the same claim, and the X server ends it with the
// program, however the program ends. A later start finds the owner, sends it a client message
// of the selection's type asking it to come to the front, and ends.
//
// Another client taking the selection over does not end the exam; requests to come to the front
// are answered at most once per FrontInterval, however many arrive.
class DisplayClaim final : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DisplayClaim)

public:
    static constexpr int FrontInterval = 100; // ms

    DisplayClaim();
    ~DisplayClaim() override;

    // False when an exam already runs on this display (it has been asked to come to the
    // front); true when this start may run the exam, also where there is no X server to claim
    // the display on.
    bool claim();

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override;

signals:
    // A later start asked for the running exam.
    void frontRequested();

private:
    bool own(xcb_window_t root);
    bool askToFront(xcb_window_t owner);

    xcb_connection_t *m_connection = nullptr;
    xcb_atom_t m_selection = XCB_ATOM_NONE;
    xcb_window_t m_window = XCB_WINDOW_NONE;
    Throttle m_front { FrontInterval, [this] { emit frontRequested(); } };
};
