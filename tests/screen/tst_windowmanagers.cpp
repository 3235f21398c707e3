// The exam holds the screen and the keyboard under the window managers of a desktop, each in its
// default configuration, and without one: another program's window opening, taking the focus
// or coming above, the window manager asked to lower, iconify, move, close or un-"above" the
// exam, and the window manager's keys and mouse bindings, with and without the end request's
// box open. Without one, the sitting then ends by keys alone, with the X server's auto-repeat.

#include "support/Grab.h"
#include "support/OnScreen.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWindowManagers final : public QObject
{
    Q_OBJECT

private slots:
    void held_data();
    void held();
};

namespace {
using namespace OnScreen;
const QSize Screen(1280, 1024);

// The child of the root that holds `w`: its window manager's frame, or itself.
xcb_window_t topLevelOf(XSession &x, xcb_window_t w)
{
    for (;;) {
        const auto t = XSession::reply(
            xcb_query_tree_reply(x.connection(), xcb_query_tree(x.connection(), w), nullptr));
        if (!t || !t->parent || t->parent == t->root)
            return w;
        w = t->parent;
    }
}

// What keeps the exam from holding the screen, empty when it holds: its window viewable and
// covering the screen, the focus on it or on its box, the keyboard and the pointer grabbed, its
// box above it and no other window shown above them.
QString fault(XSession &x, xcb_window_t exam, xcb_window_t box)
{
    xcb_connection_t *c = x.connection();
    using S = XSession;
    const auto a
        = S::reply(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, exam), nullptr));
    const auto g = S::reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, exam), nullptr));
    const auto at = S::reply(xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, exam, x.root(), 0, 0), nullptr));
    const auto f = S::reply(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    if (!a || a->map_state != XCB_MAP_STATE_VIEWABLE || !g || !at)
        return u"not viewable"_s;
    if (!QRect(at->dst_x, at->dst_y, g->width, g->height).contains(QRect(QPoint(), Screen)))
        return u"not covering the screen"_s;
    if (!f || (f->focus != exam && f->focus != box))
        return u"focus on %1"_s.arg(f ? f->focus : 0, 0, 16);
    // Grabs this client can take are not held by the exam.
    const auto k = S::reply(xcb_grab_keyboard_reply(c,
        xcb_grab_keyboard(c, 0, x.root(), 0, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC), nullptr));
    const auto p = S::reply(xcb_grab_pointer_reply(c,
        xcb_grab_pointer(c, 0, x.root(), 0, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, 0, 0, 0),
        nullptr));
    // Let go at once: a grab of this test's in the way would keep the exam from its own.
    xcb_ungrab_keyboard(c, 0);
    xcb_ungrab_pointer(c, 0);
    xcb_flush(c);
    if (!k || !p || k->status == XCB_GRAB_STATUS_SUCCESS || p->status == XCB_GRAB_STATUS_SUCCESS)
        return u"keyboard or pointer free"_s;
    // The root's children from the top down to the exam's: the box's or none shown on screen.
    const auto tree = S::reply(xcb_query_tree_reply(c, xcb_query_tree(c, x.root()), nullptr));
    const xcb_window_t *child = xcb_query_tree_children(tree.get());
    const xcb_window_t self = topLevelOf(x, exam), boxFrame = box ? topLevelOf(x, box) : 0;
    bool boxAbove = !box;
    for (int i = xcb_query_tree_children_length(tree.get()) - 1; i >= 0 && child[i] != self; --i) {
        boxAbove = boxAbove || child[i] == boxFrame;
        const auto o = S::reply(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, child[i]), nullptr));
        const auto og = S::reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, child[i]), nullptr));
        if (child[i] != boxFrame && o && o->map_state == XCB_MAP_STATE_VIEWABLE
            && o->_class == XCB_WINDOW_CLASS_INPUT_OUTPUT && og
            && QRect(og->x, og->y, og->width, og->height).intersects(QRect(QPoint(), Screen)))
            return u"below %1"_s.arg(child[i], 0, 16);
    }
    return boxAbove ? QString() : u"the box below the exam"_s;
}

// Which of `actions` the window manager offers for window `id` (none: empty).
QString allowed(XSession &x, const QString &id, const QStringList &actions)
{
    const QString offered = x.run(u"xprop"_s, { u"-id"_s, id, u"_NET_WM_ALLOWED_ACTIONS"_s });
    QStringList found;
    for (const QString &a : actions)
        if (offered.contains(u"_NET_WM_ACTION_"_s + a))
            found << a;
    return found.join(u' ');
}

// How long the exam takes to hold again after an attack: 0 when no fault showed within
// `landsMs` (the attack was refused, or undone before it could be seen), otherwise the time
// from the first sight of one; -1 when it still shows after two seconds.
int timeToHold(XSession &x, xcb_window_t exam, xcb_window_t box, QString *last, int landsMs = 300)
{
    QElapsedTimer t;
    for (t.start(); (*last = fault(x, exam, box)).isEmpty(); QThread::msleep(2))
        if (t.elapsed() > landsMs)
            return 0;
    for (t.start(); !(*last = fault(x, exam, box)).isEmpty(); QThread::msleep(2))
        if (t.elapsed() > 2000)
            return -1;
    return static_cast<int>(t.elapsed());
}

// The screen once it has stopped changing: two screenshots 300 ms apart alike.
bool stableShot(XSession &x, QImage *shot)
{
    QImage before;
    return x.shotUntil(shot, [&] {
        const bool same = *shot == before;
        before = *shot;
        QThread::msleep(300);
        return same;
    });
}

} // namespace

void TestWindowManagers::held_data()
{
    QTest::addColumn<QString>("manager");
    QTest::newRow("none") << QString();
    QTest::newRow("openbox") << u"openbox"_s;
    QTest::newRow("fluxbox") << u"fluxbox"_s;
    QTest::newRow("icewm") << u"icewm"_s;
}

void TestWindowManagers::held()
{
    QFETCH(QString, manager);
    XSession x;
    QString wrong;
    QVERIFY2(x.start(Screen, &wrong, manager), qPrintable(wrong));
    const QString id = x.startProgram(QStringLiteral(PROVIMI_EXE), &wrong, { u"-reverse"_s });
    QVERIFY2(!id.isEmpty(), qPrintable(wrong));
    const auto exam = static_cast<xcb_window_t>(id.toULong());
    QString fault;
    QVERIFY2(timeToHold(x, exam, 0, &fault, 0) >= 0, qPrintable(fault));
    QImage e;
    QVERIFY(stableShot(x, &e));
    // One window, with an empty name (WM_NAME, found by name, and _NET_WM_NAME), laid out left to
    // right despite -reverse: the seconds "00" at the left of their label.
    QCOMPARE(x.xdotool({ u"search"_s, u"--onlyvisible"_s, u"--class"_s, u"provimi"_s }), id);
    QVERIFY(x.xdotool({ u"search"_s, u"--onlyvisible"_s, u"--name"_s, u"^$"_s })
                .split(u'\n')
                .contains(id));
    QCOMPARE(x.xdotool({ u"getwindowname"_s, id }), QString());
    QVERIFY(pixelsOf(e, QRect(706, 624, 30, 65), Qt::red) > 50);
    QCOMPARE(pixelsOf(e, QRect(758, 624, 13, 65), Qt::red), 0);
    // The X windows under the exam's and under the root, in any stacking order.
    auto windows = [&](const QStringList &which) {
        QStringList lines = x.run(u"xwininfo"_s, QStringList { u"-tree"_s } + which).split(u'\n');
        lines.sort();
        return lines;
    };
    const QStringList tree = windows({ u"-id"_s, id }), rootTree = windows({ u"-root"_s });

    const QString other = x.openOther();
    QVERIFY(!other.isEmpty());
    const auto foreign = static_cast<xcb_window_t>(other.toULong());
    const int opened = timeToHold(x, exam, 0, &fault);
    QVERIFY2(opened >= 0 && opened <= 100, qPrintable(u"another window opened: "_s + fault));

    // Each attack, a request to the window manager as a pager makes it (source 2), then the time
    // the exam takes to hold again and the screen it shows.
    auto withstands = [&](xcb_window_t box, const QImage &alone, const char *phase) {
        struct Attack
        {
            const char *what, *request;
            xcb_window_t on;
            std::initializer_list<std::uint32_t> data;
        };
        const Attack attacks[] = {
            { "another window activated", "_NET_ACTIVE_WINDOW", foreign, { 2 } },
            { "lowered", "_NET_RESTACK_WINDOW", exam, { 2, 0, 1 } },
            { "iconified", "WM_CHANGE_STATE", exam, { 3 } },
            { "moved and resized", "_NET_MOVERESIZE_WINDOW", exam,
                { 0xf00 | 2 << 12, 200, 150, 640, 480 } },
            { "closed", "_NET_CLOSE_WINDOW", box ? box : exam, { 0, 2 } },
            { "un-above", "_NET_WM_STATE", exam, { 0, x.atom("_NET_WM_STATE_ABOVE"), 0, 2 } },
            { "focus given to another window", nullptr, foreign, {} },
        };
        for (const Attack &a : attacks) {
            if (a.request)
                x.send(a.on, a.request, a.data);
            else
                xcb_set_input_focus(x.connection(), XCB_INPUT_FOCUS_PARENT, a.on, 0);
            xcb_flush(x.connection());
            const int ms = timeToHold(x, exam, box, &fault);
            qInfo("%s, %s: held again after %d ms", phase, a.what, ms);
            QVERIFY2(ms >= 0 && ms <= 100, qPrintable(u"%1, %2: %3"_s.arg(phase, a.what, fault)));
        }
        QVERIFY2(!box || !x.search(u"--name"_s, BoxTitle).isEmpty(), "the box was closed");
        // The window manager's keys, and its mouse bindings (Alt and a button dragged over the
        // exam where it shows nothing).
        const QString drag = u"mousemove 1100 900 keydown alt mousedown %1 mousemove 1200 950 "
                             "mouseup %1 keyup alt"_s;
        for (const QString &input : { u"key alt+Tab"_s, u"key alt+F9"_s, u"key alt+space"_s,
                 u"key alt+F4"_s, u"key super"_s, u"key ctrl+Return"_s, u"key super+space"_s,
                 drag.arg(1), drag.arg(2), drag.arg(3) }) {
            x.keys(input);
            QThread::msleep(300);
            const QString what = u"%1, %2"_s.arg(phase, input);
            QVERIFY2(x.programRunning(), qPrintable(what));
            QVERIFY2((fault = ::fault(x, exam, box)).isEmpty(), qPrintable(what + fault));
            // Nothing of another program or of the window manager over the exam.
            const QImage now = x.screenshot();
            if (now != alone) {
                saveScreen(now, u"held-%1-%2"_s.arg(manager, QString(input).replace(u' ', u'_')));
                QFAIL(qPrintable(what + u": the screen changed"_s));
            }
        }
    };
    withstands(0, e, "exam");
    if (QTest::currentTestFailed())
        return;

    // The end request's box: the same again, and the keys with a modifier must not answer it.
    const QString boxId = askToEnd(x);
    QVERIFY(!boxId.isEmpty());
    // Openbox offers nothing that moves, resizes or maximises the exam, nor anything that closes
    // or hides its box (it keeps closing and iconifying for the exam, which refuses and undoes).
    if (manager == u"openbox"_s) {
        QCOMPARE(allowed(x, id, { u"MOVE"_s, u"RESIZE"_s, u"MAXIMIZE"_s }), QString());
        QCOMPARE(
            allowed(x, boxId, { u"MOVE"_s, u"RESIZE"_s, u"MINIMIZE"_s, u"CLOSE"_s }), QString());
    }
    const auto box = static_cast<xcb_window_t>(boxId.toULong());
    QVERIFY2(timeToHold(x, exam, box, &fault, 0) >= 0, qPrintable(fault));
    QImage withBox;
    QVERIFY(stableShot(x, &withBox));
    withstands(box, withBox, "box");
    if (QTest::currentTestFailed())
        return;
    // The keyboard is the exam's: Escape answers the box No, Return on KONFIRMOJ asks again.
    x.keys(u"key Escape"_s);
    QVERIFY(boxGone(x));
    x.keys(u"key Return"_s);
    QVERIFY(!x.search(u"--name"_s, BoxTitle, 10000).isEmpty());
    QThread::msleep(700); // a box hears keys after its first half second
    x.keys(u"key Escape"_s);
    QVERIFY(boxGone(x));
    // The boxes left no window of their own behind, inside the exam or beside it (where no
    // window manager makes and unmakes windows of its own).
    QCOMPARE(windows({ u"-id"_s, id }), tree);
    x.closeOther();
    if (!manager.isEmpty())
        return;
    QCOMPARE(windows({ u"-root"_s }), rootTree);

    // Return held on KONFIRMOJ well into the auto-repeat opens the end request once and does not
    // answer it; a fresh press answers Po, and on the closing screen Tab stays on the leave
    // button, whose Space ends the program.
    QVERIFY(x.run(u"xset"_s, { u"q"_s }).contains(u"auto repeat:  on"_s));
    x.xdotool({ u"keydown"_s, u"Return"_s });
    QVERIFY(!x.search(u"--name"_s, BoxTitle, 10000).isEmpty());
    QThread::msleep(3000);
    x.xdotool({ u"keyup"_s, u"Return"_s });
    QThread::msleep(300);
    QVERIFY(x.programRunning() && !x.search(u"--name"_s, BoxTitle).isEmpty());
    x.keys(u"key Return"_s);
    QVERIFY(boxGone(x));
    QVERIFY(x.shotUntil(&e, [&] {
        return pixelsOf(e, QRect(616, 200, 161, 57), Qt::red) > 30
            && e.pixelColor(646, 494) == QColor(255, 255, 192);
    }));
    saveScreen(e, u"xvfb-keyboard"_s);
    x.keys(u"key Tab space"_s);
    QVERIFY2(x.waitForExit(10000) == 0, qPrintable(x.programOutput()));
}

XSESSION_TEST_MAIN(
    TestWindowManagers, "openbox", "fluxbox", "icewm", "xmessage", "xwininfo", "xprop", "xset")

#include "tst_windowmanagers.moc"
