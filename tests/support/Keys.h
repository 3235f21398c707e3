#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTest>
#include <QWindow>

// Sends a key to a window as the window system gives it, so that the window's own key filters
// see it: "Shift+Tab" pressed and released, "Return+" only pressed, "Return-" only released,
// "Return*" a press repeated by holding the key.
inline void sendKey(QWindow *window, QString key)
{
    const QChar how = key.back();
    if (how == u'+' || how == u'-' || how == u'*')
        key.chop(1);
    const QKeyCombination c = QKeySequence::fromString(key)[0];
    if (how == u'+')
        QTest::keyPress(window, c.key(), c.keyboardModifiers());
    else if (how == u'-')
        QTest::keyRelease(window, c.key(), c.keyboardModifiers());
    else if (how == u'*') {
        QKeyEvent e(QEvent::KeyPress, c.key(), c.keyboardModifiers(), QString(), true);
        QCoreApplication::sendEvent(window, &e);
    } else
        QTest::keyClick(window, c.key(), c.keyboardModifiers());
}
