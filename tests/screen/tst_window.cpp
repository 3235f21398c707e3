// The exam window as designed: a few controls checked against their design values, and what
// the window really paints (flat button faces, wrapped captions, printed numbers).

#include "bankpanel/BankPanel.h"
#include "screen/FlatButton.h"
#include "screen/FormProvimi.h"
#include "screen/LineControl.h"
#include "screen/PictureBox.h"
#include "screen/TextLabel.h"
#include "support/Grab.h"
#include "support/ScriptedDialogs.h"

#include <QDebug>
#include <QGroupBox>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

class TestWindow final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void asDesigned();
    void painting();
    void zoomed();
    void boxKeys_data();
    void boxKeys();
    void scatteredRepaint();
};

namespace {
// A control as the designer reads it off its properties.
QString describe(QWidget *w)
{
    const QRect g = w->geometry();
    const QFont f = w->font();
    QStringList d {
        QStringLiteral("%1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()),
        w->isHidden() ? "hidden" : "shown"
    };
    if (auto *b = qobject_cast<FlatButton *>(w))
        d << '"' + b->text() + '"' << b->backColor().name();
    if (auto *l = qobject_cast<TextLabel *>(w)) {
        const Qt::Alignment a = l->captionAlignment();
        d << '"' + l->caption() + '"' << l->foreColor().name()
          << (l->isTransparent() ? QStringLiteral("clear") : l->backColor().name())
          << (a & Qt::AlignRight ? "right" : (a & Qt::AlignHCenter ? "centre" : "left"))
          << (l->hasBorder() ? "bordered" : "flat");
    }
    d << f.family() << QString::number(f.pixelSize()) + "px";
    return d.join(' ');
}

// The bounding box of the pixels inside r whose colour passes a test.
QRect inkIn(const QImage &img, const QRect &r, const std::function<bool(QColor)> &ink)
{
    QRect box;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (ink(img.pixelColor(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}
} // namespace

void TestWindow::asDesigned()
{
    // Nothing of the hidden panel is built before the window is on screen; it is built once.
    FormProvimi w;
    QSignalSpy built(&w, &FormProvimi::bankPanelBuilt);
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w.findChildren<FlatButton *>().size(), 51 + 6 + 2);
    QCOMPARE(w.findChildren<TextLabel *>().size(), 16);
    const QList<QPair<QWidget *, QString>> known = {
        { w.CmdZgjidhPyetjen(1), "24,16 33x33 shown \"99\" #00ff00 Liberation Sans 16px" },
        { w.CmdZgjidhPyetjen(0), "0,88 33x33 hidden \"99\" #00ff00 Liberation Sans 16px" },
        { w.CmdEND,
            "640,488 121x29 hidden \"P o   l a r g o h e m ! \" #ffffc0 Liberation Sans 11px" },
        { w.LblNjoftim,
            "48,136 561x321 hidden \"Zgjidhni pyetje tjetër !\" #ffff00 clear left bordered "
            "Liberation Sans 17px" },
        { w.LblMin,
            "640,624 65x65 shown \"11:\" #ff0000 clear right flat Liberation Sans Narrow 48px" },
        { w.LblEmertimIProvimit,
            "0,88 632x41 shown \"DEMO PROVIM MIX Mjek, Infermier, Stomatolog, "
            "Farmacist \" #8080ff clear centre flat Liberation Sans 21px" },
        { w.LblEmriMbiemri,
            "775,144 193x25 shown \"Emri Mbiemri\" #ffffff #0000ff centre flat Liberation Sans "
            "21px" },
        { w.LblRezNePerqindje,
            "616,200 161x57 hidden \"87.24%\" #ff0000 clear centre flat Comfortaa 37px" },
    };
    for (const auto &[control, description] : known)
        QCOMPARE(describe(control), description);
    // Bold, italic and underlined only where the design has them (the rounded face is bold).
    const QHash<QString, QString> styled { { "LblQEV", "b" }, { "LblEmertimIProvimit", "u" },
        { "LblTezaTavolinaTerminali", "bi" }, { "LblRezNePerqindje", "bi" } };
    for (QWidget *c : w.findChildren<QWidget *>()) {
        const QFont f = c->font();
        const QString flags
            = u"%1%2%3"_s.arg(f.bold() ? "b" : "", f.italic() ? "i" : "", f.underline() ? "u" : "");
        QVERIFY2(
            flags == styled.value(c->objectName()), qPrintable(c->objectName() + u' ' + flags));
    }
    // Every drawing fills its box (the photo stretched); question pictures wait hidden.
    for (PictureBox *p : { w.Picture1, w.PicPyG(31), w.PicPyG(32), w.Image2, w.ImgFoto })
        QCOMPARE(p->picture().deviceIndependentSize().toSize(), p->size());
    QVERIFY(w.PicPyG(31)->isHidden() && w.PicPyG(32)->isHidden() && w.ImgPyetjaX->isHidden());
    // Picture boxes and buttons cover labels, lines and images (the desk number: childAt below).
    const QObjectList children = w.children();
    auto below = [&](QObject *a, QObject *b) { return children.indexOf(a) < children.indexOf(b); };
    QVERIFY(below(w.LblNjoftim, w.PicPyG(31)) && below(w.LblNjoftim, w.ImgPyetjaX));
    QVERIFY(below(w.LblEmriMbiemri, w.CmdZgjidhPyetjen(50)));
    QVERIFY(below(w.LblGermaEAlt(1), w.CmdAlternativa(1)) && below(w.Line1, w.CmdKonfirmoj));

    // Covering the whole screen even where full screen is not acted on; black beyond the design.
    QVERIFY(!w.FrmAllFieldsFondiNeFokus && !w.hasBankPanel());
    w.showCoveringScreen();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.geometry(), w.screen()->geometry());
    QTRY_VERIFY(w.windowState() & Qt::WindowFullScreen); // asked for once the first frame is out
    QCOMPARE(w.childAt(700, 90), w.LblTezaTavolinaTerminali);
    const QImage img = grabToPng(&w, QStringLiteral("window-as-designed"));
    QCOMPARE(img.pixelColor(1100, 900), QColor(Qt::black));

    QTRY_VERIFY(w.FrmAllFieldsFondiNeFokus && w.FrmMonitorAllDBFields);
    QCOMPARE(built.size(), 1);
    QVERIFY(w.FrmMonitorAllDBFields->isHidden() && w.FrmAllFieldsFondiNeFokus->isHidden());
    QVERIFY(w.bankPanel());
    QCoreApplication::processEvents();
    QCOMPARE(built.size(), 1);
}

void TestWindow::painting()
{
    // A button's face is the exact colour asked for, inside a bevel that does not follow it.
    FormProvimi w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    FlatButton *b1 = w.CmdZgjidhPyetjen(1), *k = w.CmdKonfirmoj;
    b1->move(300, 300); // clear of buttons 2 to 50, still at (0, 0)
    const QColor c(1, 2, 3);
    b1->setBackColor(c);
    k->setBackColor(c);
    const QImage img = grabWindow(&w);
    QVERIFY(img.pixelColor(b1->pos() + QPoint(6, 6)) == c
        && img.pixelColor(b1->pos() + QPoint(26, 27)) == c
        && img.pixelColor(k->pos() + QPoint(10, 8)) == c);
    // Raised: white and light grey lines above and left, mid and dark grey below and right.
    const QList<QColor> raised { Qt::white, QColor(227, 227, 227), QColor(160, 160, 160),
        QColor(64, 64, 64) };
    auto at = [&](QList<QPoint> points) {
        QList<QColor> c;
        for (QPoint p : points)
            c << img.pixelColor(k->pos() + p);
        return c;
    };
    QCOMPARE(at({ { 60, 0 }, { 60, 1 }, { 60, 47 }, { 60, 48 } }), raised);
    QCOMPARE(at({ { 0, 24 }, { 1, 24 }, { 119, 24 }, { 120, 24 } }), raised);
    // The focused button alone carries a dotted black mark inside its bevel, on its white face.
    FlatButton *leave = w.CmdAlternativa(0);
    auto marked = [&] {
        const QRect row(leave->pos() + QPoint(3, 3), QSize(115, 1));
        return pixelsOf(grabWindow(&w), row, Qt::black);
    };
    QCOMPARE(marked(), 0);
    leave->setFocus();
    QVERIFY(leave->hasFocus() && marked() > 30);
    grabToPng(&w, QStringLiteral("focus-mark"));
    // The leave alternative's caption wraps at blanks, all of it inside its button.
    const QRect g = leave->geometry();
    QRect ink = inkIn(
        grabWindow(&w), g.adjusted(4, 4, -4, -4), [](QColor c) { return qGray(c.rgb()) < 128; });
    QVERIFY2(ink.height() > QFontMetrics(leave->font()).height(), "the caption did not wrap");
    QVERIFY(ink.left() > g.left() + 4 && ink.right() < g.right() - 4);
    // Auto-sized letters fit their caption; "D:" keeps its design size.
    const QSize a = w.LblGermaEAlt(1)->size();
    QVERIFY(std::abs(a.width() - 26) <= 2 && std::abs(a.height() - 32) <= 2);
    QCOMPARE(w.LblGermaEAlt(4)->size(), QSize(25, 41));

    // A number printed in the number form starts one blank in: nothing is drawn over the blank.
    DrawingSurface &d = w.surface();
    d.setFontSize(10);
    d.setForeColor(Qt::white);
    d.setCurrentX(300);
    d.setCurrentY(150);
    d.print(QStringLiteral(" 7 "));
    QCOMPARE(d.currentX(), 300 + d.textWidth(QStringLiteral(" 7 ")));
    const int blank = static_cast<int>(d.textWidth(QStringLiteral(" ")));
    ink = inkIn(grabWindow(&w), QRect(290, 140, 40, 40), [](QColor c) { return c == Qt::white; });
    QVERIFY2(ink.left() >= 300 + blank && ink.left() <= 300 + blank + 3,
        qPrintable(QString::number(ink.left())));
    QVERIFY(ink.top() >= 150 && ink.bottom() < 150 + d.lineHeight());
}

void TestWindow::zoomed()
{
    // Below 1 the design's pixels stay the controls' own, the window's are scaled and, centred,
    // shifted; the bevels keep their pixel, the text and the drawing scale with the layout.
    FormProvimi one, w(0.78);
    for (FormProvimi *f : { &one, &w }) {
        f->resize(1280, 1024);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
    }
    FlatButton *b1 = w.CmdZgjidhPyetjen(1);
    QCOMPARE(b1->designGeometry(), QRect(24, 16, 33, 33));
    QCOMPARE(b1->geometry(), QRect(19, 12, 25, 26));
    w.setCentred(true);
    QCOMPARE(w.designArea(), QRect(240, 212, 799, 599));
    QCOMPARE(b1->geometry(), QRect(259, 224, 25, 26));
    QCOMPARE(b1->designGeometry(), QRect(24, 16, 33, 33));
    // Set through the design, a control stands at the mapping whatever was there before.
    b1->setDesignGeometry({ 100, 100, 50, 50 });
    QCOMPARE(b1->geometry(), QRect(318, 290, 39, 39));

    // A wrapped caption covers the zoomed share of what it covers at 1, line for line; and so
    // do a drawn box and printed text.
    QString rules;
    for (int i = 0; i < 4; ++i)
        rules += QStringLiteral("Pyetjet janë zgjedhur në mënyrë të rastësishme nga kompjuteri. ");
    for (FormProvimi *f : { &one, &w }) {
        f->LblNjoftim->setCaption(rules);
        f->LblNjoftim->show();
        DrawingSurface &d = f->surface();
        d.filledBox({ 700, 300 }, { 760, 340 }, Qt::red);
        d.setForeColor(Qt::green);
        d.setCurrentX(700);
        d.setCurrentY(400);
        d.print(QStringLiteral("Nr.  7 _  (P 12 C)"));
    }
    auto inkAt = [](FormProvimi &f, QRect design, const std::function<bool(QColor)> &ink) {
        const QRect box = inkIn(grabWindow(&f), f.mapping().toWindow(design), ink);
        return QRectF(box.translated(-f.designArea().topLeft()));
    };
    using Ink = std::function<bool(QColor)>;
    const std::pair<QRect, Ink> inks[] = {
        { { 52, 140, 553, 313 }, // inside the border, yellow
            [](QColor c) { return c.red() > 128 && c.green() > 128 && c.blue() < 128; } },
        { { 690, 290, 80, 60 }, [](QColor c) { return c == Qt::red; } },
        { { 690, 390, 200, 40 }, [](QColor c) { return c.green() > 128 && c.red() < 64; } },
    };
    for (const auto &[design, ink] : inks) {
        const QRectF at1 = inkAt(one, design, ink), small = inkAt(w, design, ink);
        const QRectF expected(at1.topLeft() * 0.78, at1.size() * 0.78);
        const QPointF a = small.topLeft() - expected.topLeft(),
                      b = small.bottomRight() - expected.bottomRight();
        QVERIFY2(!at1.isEmpty()
                && std::max({ std::abs(a.x()), std::abs(a.y()), std::abs(b.x()), std::abs(b.y()) })
                    <= 2,
            qPrintable(QDebug::toString(small) + u" for "_qs + QDebug::toString(expected)));
    }
    grabToPng(&w, QStringLiteral("window-zoom-0.78"));
}

void TestWindow::boxKeys_data()
{
    // Keys at so many milliseconds after the box opened: it hears a key pressed and released
    // after its first half second, never an early, held or repeated one, nor one with Alt.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    const auto yes = QMessageBox::Yes, no = QMessageBox::No;
    QTest::newRow("pressed twice within the half second") << u"150 Return, 300 Return"_s << no;
    QTest::newRow("held past it") << u"300 Return+, 550 Return*, 600 Return*, 650 Return-"_s << no;
    QTest::newRow("held from before, repeats unflagged")
        << u"550 Return~, 600 Return~, 650 Return-"_s << no;
    QTest::newRow("with Alt") << u"600 Alt+Return"_s << no;
    QTest::newRow("pressed after it") << u"600 Return"_s << yes;
}

void TestWindow::boxKeys()
{
    // The real box: what it was asked, no icon, Po and Jo.
    QFETCH(QString, keys);
    RealBoxAnswer box(keys + u", 800 Escape"_s);
    const auto buttons = QMessageBox::Yes | QMessageBox::No;
    QTEST(RealDialogs().ask(nullptr, u"K U J D E S !"_s, u"?"_s, buttons, QMessageBox::Yes),
        "answer");
    QVERIFY(!box.forced);
    QCOMPARE(box.asked,
        AskedBox({ u"K U J D E S !"_s, u"?"_s, buttons, QMessageBox::Yes, false,
            { u"Po"_s, u"Jo"_s } }));
}

void TestWindow::scatteredRepaint()
{
    // The drawing under a scattered region (a closing repaints more than a hundred rectangles)
    // comes out exactly as drawn rectangle by rectangle, at the scale this runs at (also 1.4:
    // tst_window_scale_1_4), where the surface's pixels lie on the screen's.
    FormProvimi w;
    DrawingSurface &d = w.surface();
    d.setDrawWidth(2);
    for (int i = 0; i < 12; ++i)
        d.rectangle(QPointF(40 + 61 * i, 150 + 7 * i), QPointF(90 + 61 * i, 420 - 9 * i),
            QColor::fromHsv(30 * i, 255, 255));
    d.filledBox(QPointF(100, 450), QPointF(513, 520), Qt::blue);
    d.setCurrentX(120);
    d.setCurrentY(470);
    d.print(QStringLiteral(" 87.24% "));
    QRegion region;
    for (int i = 0; i < 150; ++i)
        region += QRect(13 * i % 760, 140 + 37 * i % 390, 9 + i % 23, 5 + i % 17);

    const qreal ratio = w.devicePixelRatioF();
    auto render = [&](const std::function<void(QPainter &)> &paint) {
        QImage img((QSizeF(800, 560) * ratio).toSize(), QImage::Format_RGB32);
        img.setDevicePixelRatio(ratio);
        img.fill(Qt::black);
        QPainter p(&img);
        paint(p);
        return img;
    };
    const QImage once = render([&](QPainter &p) { d.paint(p, region); });
    const QImage each = render([&](QPainter &p) {
        const QRect a = d.area();
        const QPointF origin(std::floor(a.x() * ratio) / ratio, std::floor(a.y() * ratio) / ratio);
        for (const QRect &r : region) {
            p.save();
            p.setClipRect(r);
            p.drawImage(origin, d.image());
            p.restore();
        }
    });
    QVERIFY(once != render([](QPainter &) {})); // the region holds some of the drawing
    QCOMPARE(once, each);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
