#pragma once

#include "support/Grid.h"
#include "support/XSession.h"

#include <QColor>
#include <QImage>

// What the real-window tests look for on the exam's screen at one to one, and the end request
// they open on it.
namespace OnScreen {

inline const QColor Unread(255, 128, 128), Open(0, 192, 0);
inline const QString BoxTitle = QStringLiteral("^K U J D E S !$");

// Question button i on a screenshot has this colour (on its face, clear of its caption).
inline bool question(const QImage &e, int i, const QColor &c)
{
    return e.pixelColor(gridPlace(i) + QPoint(6, 6)) == c;
}

// The leave alternative and KONFIRMOJ clicked: the end request's box, empty when none opened.
inline QString askToEnd(XSession &x)
{
    x.click({ 700, 716 });
    x.click({ 700, 552 });
    return x.search(QStringLiteral("--name"), BoxTitle, 10000);
}

// The same, and Yes once the box takes keys: whether it opened.
inline bool endByRequest(XSession &x)
{
    if (askToEnd(x).isEmpty())
        return false;
    QThread::msleep(700); // a box hears keys after its first half second
    x.keys(QStringLiteral("key Return"));
    return true;
}

inline bool boxGone(XSession &x)
{
    return XSession::poll([&] { return x.search(QStringLiteral("--name"), BoxTitle).isEmpty(); });
}

} // namespace OnScreen
