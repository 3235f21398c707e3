#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTest>
#include <QWindow>

// Sends a key to a window as the window system gives it, so that the window's own key filters
// see it: "Shift+Tab" pressed and released, "Return+" only pressed, "Return-" only released,
// "Return*" a press flagged as repeated by holding the key, "Return~" a repeat as the X server
// sends it and Qt may leave unflagged, a release and a press at one time.
inline void sendKey(QWindow *window, QString key)
{
    const QChar how = key.back();
    if (QStringLiteral("+-*~").contains(how))
        key.chop(1);
    const QKeyCombination c = QKeySequence::fromString(key)[0];
    if (how == u'+')
        QTest::keyPress(window, c.key(), c.keyboardModifiers());
    else if (how == u'-')
        QTest::keyRelease(window, c.key(), c.keyboardModifiers());
    else if (how == u'*') {
        QKeyEvent e(QEvent::KeyPress, c.key(), c.keyboardModifiers(), QString(), true);
        QCoreApplication::sendEvent(window, &e);
    } else if (how == u'~') {
        static quint64 time = 0; // its own, one for both, unlike any other event's
        ++time;
        for (const auto type : { QEvent::KeyRelease, QEvent::KeyPress }) {
            QKeyEvent e(type, c.key(), c.keyboardModifiers());
            e.setTimestamp(time);
            QCoreApplication::sendEvent(window, &e);
        }
    } else
        QTest::keyClick(window, c.key(), c.keyboardModifiers());
}
