// One exam per display, under openbox: later starts on every spelling of the display end at
// once and leave the running exam as it was, in front; a flood of requests to come to the front
// leaves it answering a click at once; a start after the exam was killed claims the display again.

#include "support/Grid.h"
#include "support/XSession.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDisplayClaim final : public QObject
{
    Q_OBJECT

private slots:
    void oneExamPerDisplay();
};

namespace {
const QColor Open(0, 192, 0);

QColor questionColour(XSession &x, int i)
{
    return x.pixel(gridPlace(i) + QPoint(6, 6));
}

// A later start with DISPLAY spelled `display`: its exit status, -1 when it did not end in 5 s.
int secondStart(XSession &x, const QString &display)
{
    int status = -1;
    x.run(u"env"_s, { u"DISPLAY="_s + display, QStringLiteral(PROVIMI_EXE) }, {}, 5000, &status);
    return status;
}

// Sends `n` requests to come to the front to the owner of the display's claim, as later starts
// do, and waits until the X server has passed them all on; false when nobody owns the claim.
bool flood(XSession &x, int n)
{
    xcb_connection_t *c = x.connection();
    const auto owner = XSession::reply(xcb_get_selection_owner_reply(
        c, xcb_get_selection_owner(c, x.atom("_PROVIMI_S0")), nullptr));
    if (!owner || !owner->owner)
        return false;
    for (int i = 0; i < n; ++i)
        x.send(owner->owner, "_PROVIMI_S0", {}, owner->owner);
    return XSession::reply(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr))
        != nullptr;
}
} // namespace

void TestDisplayClaim::oneExamPerDisplay()
{
    XSession x;
    QString wrong;
    QVERIFY2(x.start({ 1280, 1024 }, &wrong, u"openbox"_s), qPrintable(wrong));
    const QString exam = x.startProgram(QStringLiteral(PROVIMI_EXE), &wrong);
    QVERIFY2(!exam.isEmpty(), qPrintable(wrong));
    // An open question is the running exam's state.
    x.click(gridPlace(1) + QPoint(16, 16));
    QVERIFY(XSession::poll([&] { return questionColour(x, 1) == Open; }));

    const QString n = x.display().mid(1);
    for (const QString &display :
        { u':' + n, u':' + n + u".0"_s, u"unix:"_s + n, u"unix:"_s + n + u".0"_s }) {
        QElapsedTimer t;
        t.start();
        QCOMPARE(secondStart(x, display), 0);
        QVERIFY(t.elapsed() < 1000);
        QVERIFY(x.programRunning());
        QCOMPARE(questionColour(x, 1), Open);
        QCOMPARE(x.xdotool({ u"search"_s, u"--onlyvisible"_s, u"--class"_s, u"provimi"_s })
                     .split(u'\n')
                     .size(),
            1);
    }
    QVERIFY(XSession::poll([&] {
        return x.rootProperty(u"_NET_ACTIVE_WINDOW"_s) == u"0x%1"_s.arg(exam.toULong(), 0, 16);
    }));

    // Ten thousand requests at once; then a click is answered within 100 ms.
    QVERIFY(flood(x, 10000));
    QElapsedTimer t;
    t.start();
    x.quickClick(gridPlace(2) + QPoint(16, 16));
    while (questionColour(x, 2) != Open && t.elapsed() < 5000)
        QThread::usleep(500);
    qInfo("a click after the flood answered in %lld ms", t.elapsed());
    QVERIFY(t.elapsed() <= 100);

    // A start after the exam was killed finds the claim gone with it and runs the exam.
    x.killProgram();
    QVERIFY2(!x.startProgram(QStringLiteral(PROVIMI_EXE), &wrong).isEmpty(), qPrintable(wrong));
}

XSESSION_TEST_MAIN(TestDisplayClaim, "openbox")

#include "tst_displayclaim.moc"
