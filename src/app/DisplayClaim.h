#pragma once

#include <QLocalServer>
#include <QObject>

// One exam per display. The first start claims the display under a local socket name made from
// it, in the abstract namespace, so nothing is written to disk and the name goes with the
// process; a later start on the same display finds the name taken, asks the running exam to
// come to the front and ends.
class DisplayClaim final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DisplayClaim)

public:
    DisplayClaim() = default;

    // False when an exam already runs on this display (it has been asked to come to the
    // front); true when this start may run the exam.
    bool claim();

signals:
    // A later start asked for the running exam.
    void frontRequested();

private:
    QLocalServer m_server;
};
