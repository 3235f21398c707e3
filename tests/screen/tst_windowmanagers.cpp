// The exam holds the screen and the keyboard under the window managers of a desktop, each in its
// default configuration, and without one: another program's window opening, taking the focus
// or coming above, the window manager asked to lower, iconify, close or un-"above" the exam,
// and the window manager's own keys, with and without the end request's box open.

#include "support/Grab.h"
#include "support/Grid.h"
#include "support/XSession.h"

#include <QDebug>
#include <QDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <memory>

using namespace Qt::StringLiterals;

class TestWindowManagers final : public QObject
{
    Q_OBJECT

private slots:
    void held_data();
    void held();
};

namespace {
const QSize Screen(1280, 1024);
const QString BoxTitle = u"^K U J D E S !$"_s;

template<typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const Reply<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr),
        &std::free);
    return r ? r->atom : 0;
}

xcb_window_t rootOf(xcb_connection_t *c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// A request to the window manager about `w`; the data say it comes from a pager (source 2).
void askWindowManager(
    XSession &x, xcb_window_t w, const char *type, std::initializer_list<std::uint32_t> data)
{
    xcb_connection_t *c = x.connection();
    xcb_client_message_event_t m {};
    m.response_type = XCB_CLIENT_MESSAGE;
    m.format = 32;
    m.window = w;
    m.type = atom(c, type);
    std::copy(data.begin(), data.end(), m.data.data32);
    xcb_send_event(c, 0, rootOf(c),
        XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
        reinterpret_cast<const char *>(&m));
    xcb_flush(c);
}

// What keeps the exam from holding the screen and the keyboard, empty when it holds: its window
// viewable and covering the screen, the focus on it or on its box, no other client's window
// above them.
QString fault(XSession &x, xcb_window_t exam, xcb_window_t box)
{
    xcb_connection_t *c = x.connection();
    const Reply<xcb_get_window_attributes_reply_t> a(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, exam), nullptr),
        &std::free);
    if (!a || a->map_state != XCB_MAP_STATE_VIEWABLE)
        return u"not viewable"_s;
    const Reply<xcb_get_geometry_reply_t> g(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, exam), nullptr), &std::free);
    const Reply<xcb_translate_coordinates_reply_t> at(
        xcb_translate_coordinates_reply(
            c, xcb_translate_coordinates(c, exam, rootOf(c), 0, 0), nullptr),
        &std::free);
    const QRect r(at ? at->dst_x : 0, at ? at->dst_y : 0, g ? g->width : 0, g ? g->height : 0);
    if (!r.contains(QRect(QPoint(), Screen)))
        return u"at "_s + QDebug::toString(r);
    const Reply<xcb_get_input_focus_reply_t> f(
        xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr), &std::free);
    if (!f || (f->focus != exam && f->focus != box))
        return u"focus on %1"_s.arg(f ? f->focus : 0, 0, 16);
    // The keyboard and the pointer held by a grab: no other client can take them.
    const Reply<xcb_grab_keyboard_reply_t> k(
        xcb_grab_keyboard_reply(c,
            xcb_grab_keyboard(
                c, 0, rootOf(c), XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
            nullptr),
        &std::free);
    const Reply<xcb_grab_pointer_reply_t> p(
        xcb_grab_pointer_reply(c,
            xcb_grab_pointer(c, 0, rootOf(c), 0, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC,
                XCB_WINDOW_NONE, XCB_CURSOR_NONE, XCB_CURRENT_TIME),
            nullptr),
        &std::free);
    xcb_ungrab_keyboard(c, XCB_CURRENT_TIME);
    xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    xcb_flush(c);
    if (!k || k->status == XCB_GRAB_STATUS_SUCCESS || !p || p->status == XCB_GRAB_STATUS_SUCCESS)
        return u"keyboard or pointer free"_s;
    // Nothing on the screen above the exam's frame but the box's: the root's children, bottom up.
    auto frameOf = [&](xcb_window_t w) {
        for (;;) {
            const Reply<xcb_query_tree_reply_t> t(
                xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr), &std::free);
            if (!t || t->parent == t->root || !t->parent)
                return w;
            w = t->parent;
        }
    };
    const xcb_window_t boxFrame = box ? frameOf(box) : 0;
    const Reply<xcb_query_tree_reply_t> top(
        xcb_query_tree_reply(c, xcb_query_tree(c, rootOf(c)), nullptr), &std::free);
    const xcb_window_t *children = xcb_query_tree_children(top.get());
    for (int i = xcb_query_tree_children_length(top.get()) - 1;
         i >= 0 && children[i] != frameOf(exam); --i) {
        const Reply<xcb_get_window_attributes_reply_t> o(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, children[i]), nullptr),
            &std::free);
        const Reply<xcb_get_geometry_reply_t> og(
            xcb_get_geometry_reply(c, xcb_get_geometry(c, children[i]), nullptr), &std::free);
        if (children[i] != boxFrame && o && o->map_state == XCB_MAP_STATE_VIEWABLE
            && o->_class == XCB_WINDOW_CLASS_INPUT_OUTPUT && og
            && QRect(og->x, og->y, og->width, og->height).intersects(QRect(QPoint(), Screen)))
            return u"below %1"_s.arg(children[i], 0, 16);
    }
    return {};
}

// How long the exam takes to hold again after an attack: 0 when no fault showed within
// `landsMs` (the attack was refused, or undone before it could be seen), otherwise the time
// from the first sight of one; -1 when it still shows after two seconds.
int timeToHold(XSession &x, xcb_window_t exam, xcb_window_t box, QString *last, int landsMs = 300)
{
    QElapsedTimer t;
    t.start();
    while ((*last = fault(x, exam, box)).isEmpty())
        if (t.elapsed() > landsMs)
            return 0;
        else
            QThread::usleep(500);
    t.restart();
    while (!(*last = fault(x, exam, box)).isEmpty()) {
        if (t.elapsed() > 2000)
            return -1;
        QThread::usleep(500);
    }
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
    const QString id = x.startProgram(QStringLiteral(PROVIMI_EXE), &wrong);
    QVERIFY2(!id.isEmpty(), qPrintable(wrong));
    const auto exam = static_cast<xcb_window_t>(id.toULong());
    QString fault;
    QVERIFY2(timeToHold(x, exam, 0, &fault, 0) >= 0, qPrintable(fault));
    QImage e;
    QVERIFY(stableShot(x, &e));
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

    // Each attack, then the time the exam takes to hold again and the screen it shows.
    auto withstands = [&](xcb_window_t box, const QImage &alone, const char *phase) {
        const xcb_atom_t above = atom(x.connection(), "_NET_WM_STATE_ABOVE");
        const std::pair<const char *, std::function<void()>> attacks[] = {
            { "another window opened", [] {} },
            { "focus given to another window",
                [&] {
                    x.xdotool({ u"windowfocus"_s, other });
                } },
            { "another window activated",
                [&] {
                    askWindowManager(x, foreign, "_NET_ACTIVE_WINDOW", { 2, 0, 0 });
                } },
            { "lowered",
                [&] {
                    askWindowManager(x, exam, "_NET_RESTACK_WINDOW", { 2, 0, 1 });
                } },
            { "iconified",
                [&] {
                    x.xdotool({ u"windowminimize"_s, id });
                } },
            { "moved and resized", // x, y, width and height given
                [&] {
                    askWindowManager(
                        x, exam, "_NET_MOVERESIZE_WINDOW", { 0xf00 | 2 << 12, 200, 150, 640, 480 });
                } },
            { "closed",
                [&] {
                    askWindowManager(x, box ? box : exam, "_NET_CLOSE_WINDOW", { 0, 2 });
                } },
            { "un-above",
                [&] {
                    askWindowManager(x, exam, "_NET_WM_STATE", { 0, above, 0, 2 });
                } },
        };
        for (const auto &[what, attack] : attacks) {
            attack();
            const int ms = timeToHold(x, exam, box, &fault);
            qInfo("%s, %s: held again after %d ms", phase, what, ms);
            QVERIFY2(ms >= 0 && ms <= 100, qPrintable(u"%1, %2: %3"_s.arg(phase, what, fault)));
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
                QDir().mkpath(QStringLiteral(PROVIMI_SCREENS_DIR));
                now.save(QStringLiteral(PROVIMI_SCREENS_DIR "/held-%1-%2.png")
                             .arg(manager, QString(input).replace(u' ', u'_')));
                QFAIL(qPrintable(what + u": the screen changed"_s));
            }
        }
    };
    withstands(0, e, "exam");
    if (QTest::currentTestFailed())
        return;

    // The end request's box: the same again, and the keys with a modifier must not answer it.
    x.click({ 700, 716 }); // the leave alternative, then KONFIRMOJ
    x.click({ 700, 552 });
    const QString boxId = x.search(u"--name"_s, BoxTitle, 10000);
    QVERIFY(!boxId.isEmpty());
    const auto box = static_cast<xcb_window_t>(boxId.toULong());
    QVERIFY2(timeToHold(x, exam, box, &fault, 0) >= 0, qPrintable(fault));
    QImage withBox;
    QVERIFY(stableShot(x, &withBox));
    withstands(box, withBox, "box");
    if (QTest::currentTestFailed())
        return;
    // The keyboard is the exam's: Escape answers the box No, Return on KONFIRMOJ asks again.
    x.keys(u"key Escape"_s);
    QVERIFY(XSession::poll([&] { return x.search(u"--name"_s, BoxTitle).isEmpty(); }));
    x.keys(u"key Return"_s);
    QVERIFY(!x.search(u"--name"_s, BoxTitle, 10000).isEmpty());
    QThread::msleep(700); // a box hears keys after its first half second
    x.keys(u"key Escape"_s);
    QVERIFY(XSession::poll([&] { return x.search(u"--name"_s, BoxTitle).isEmpty(); }));
    // The boxes left no window of their own behind, inside the exam or beside it (where no
    // window manager makes and unmakes windows of its own).
    QCOMPARE(windows({ u"-id"_s, id }), tree);
    x.closeOther();
    if (manager.isEmpty())
        QCOMPARE(windows({ u"-root"_s }), rootTree);
}

XSESSION_TEST_MAIN(
    TestWindowManagers, "openbox", "fluxbox", "icewm", "xmessage", "xwininfo", "xprop")

#include "tst_windowmanagers.moc"
