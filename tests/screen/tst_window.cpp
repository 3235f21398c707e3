// The exam window as designed: every control read back from the live widgets, and what the
// window really paints (flat button faces, the persistent drawing, printed numbers).

#include "bankpanel/BankPanel.h"
#include "base/Units.h"
#include "screen/ControlTable.h"
#include "screen/FlatButton.h"
#include "screen/FormProvimi.h"
#include "screen/LineControl.h"
#include "screen/PictureBox.h"
#include "screen/TextLabel.h"
#include "support/Grab.h"

#include <QGroupBox>
#include <QTest>
#include <QTimer>

using namespace Units;

class TestWindow final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void window();
    void controlsAsDesigned();
    void pictureLineTimer();
    void panelAfterFirstFrame();
    void orderByKind();
    void buttonFaceIsExactColour();
    void captionWraps();
    void autoSizeLabel();
    void drawingPersists();
    void numberPrinting();

private:
    FormProvimi *m_window = nullptr;
};

void TestWindow::init()
{
    m_window = new FormProvimi;
}

void TestWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

namespace {
QString name(const char *e, int i)
{
    return i == ControlTable::NoIndex ? QString::fromLatin1(e)
                                      : QStringLiteral("%1(%2)").arg(QLatin1String(e)).arg(i);
}
} // namespace

void TestWindow::window()
{
    QVERIFY(m_window->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(m_window->windowTitle(), QString());
    // Full screen, covering the whole screen even where nothing acts on the request, and black
    // beyond the design area.
    m_window->showCoveringScreen();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(m_window->geometry(), m_window->screen()->geometry());
    QVERIFY(m_window->windowState() & Qt::WindowFullScreen);
    const QImage img = grabToPng(m_window, QStringLiteral("dritarja-ne-dizajn"));
    QCOMPARE(img.size(), m_window->screen()->geometry().size());
    QCOMPARE(rgbAt(img, 1100, 900), QStringLiteral("0,0,0"));
}

void TestWindow::controlsAsDesigned()
{
    int count = 0;
    for (const ControlTable::ButtonSpec &b : ControlTable::buttons()) {
        const QString e = name(b.name, b.index);
        auto *c = m_window->findChild<FlatButton *>(e);
        QVERIFY2(c, qPrintable(e));
        QCOMPARE(c->parentWidget(), m_window);
        QCOMPARE(c->geometry(), b.geometry);
        QCOMPARE(c->text(), QString::fromUtf8(b.title));
        QCOMPARE(colourOf(c->backColor()), b.background);
        QCOMPARE(c->isHidden(), !b.visible);
        QCOMPARE(c->font().family(), Arial);
        QCOMPARE(c->font().pixelSize(), pointsToPixels(b.font.points == 0 ? 14.25 : b.font.points));
        ++count;
    }
    QCOMPARE(count, 51 + 6 + 2);
    QCOMPARE(m_window->CmdZgjidhPyetjen(0)->geometry(), QRect(0, 88, 33, 33));
    const QString families[]
        = { Arial, ArialNarrow, ArialRounded }; // in ControlTable::Family order
    const Qt::Alignment alignments[] = { Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight };
    for (const ControlTable::LabelSpec &e : ControlTable::labels()) {
        const QString n = name(e.name, e.index);
        auto *l = m_window->findChild<TextLabel *>(n);
        QVERIFY2(l, qPrintable(n));
        QCOMPARE(l->caption(), QString::fromUtf8(e.title));
        QCOMPARE(l->pos(), e.geometry.topLeft());
        if (!e.autoSize)
            QCOMPARE(l->size(), e.geometry.size());
        QCOMPARE(colourOf(l->foreColor()), e.colour);
        QCOMPARE(l->isTransparent(), !e.background.has_value());
        if (e.background)
            QCOMPARE(colourOf(l->backColor()), *e.background);
        QCOMPARE(l->captionAlignment() & Qt::AlignHorizontal_Mask,
            alignments[static_cast<int>(e.alignment)]);
        QCOMPARE(l->hasBorder(), e.border);
        QCOMPARE(l->isHidden(), !e.visible);
        const QFont f = l->font();
        QCOMPARE(f.family(), families[static_cast<int>(e.font.family)]);
        QCOMPARE(f.pixelSize(), pointsToPixels(e.font.points));
        QCOMPARE(QList<bool>({ f.bold(), f.italic(), f.underline() }),
            QList<bool>({ e.font.bold, e.font.italic, e.font.underline }));
    }
    // The examining body's name, in capitals, stays on one line of its label, centred clear of
    // the logo, which lies over the label's left end.
    QCOMPARE(m_window->LblQEV->caption(), m_window->LblQEV->caption().toUpper());
    const int w
        = QFontMetrics(m_window->LblQEV->font()).horizontalAdvance(m_window->LblQEV->caption());
    QVERIFY(232 + (400 - w) / 2 >= 247);
}

void TestWindow::pictureLineTimer()
{
    // Every drawing compiled into the program is found and fills its box: the photo stretched
    // to it, the others at their own size, which is the box's; the question pictures and the
    // answer image wait hidden.
    for (PictureBox *p : { m_window->Picture1, m_window->PicPyG(31), m_window->PicPyG(32),
             m_window->Image2, m_window->ImgFoto })
        QCOMPARE(p->picture().deviceIndependentSize().toSize(), p->size());
    QVERIFY(m_window->PicPyG(31)->autoSize() && !m_window->PicPyG(31)->hasBorder());
    QVERIFY(m_window->PicPyG(31)->isHidden() && m_window->PicPyG(32)->isHidden());
    QVERIFY(m_window->ImgFoto->stretch());
    QVERIFY(m_window->ImgPyetjaX->isHidden() && m_window->ImgPyetjaX->hasBorder());
    QCOMPARE(QLine(m_window->Line1->from(), m_window->Line1->to()), QLine(-16, 80, 616, 80));
    QCOMPARE(m_window->Timer1->interval(), 1000);
    QCOMPARE(m_window->Timer1->timerType(), Qt::PreciseTimer);
}

void TestWindow::panelAfterFirstFrame()
{
    // Nothing of the hidden panel is built before the window is on screen; what waits for the
    // panel runs once, when it stands, and later requests run at once.
    QVERIFY(!m_window->FrmAllFieldsFondiNeFokus);
    int awaited = 0;
    BankPanel *expected = nullptr;
    m_window->withBankPanel([&](BankPanel &p) {
        ++awaited;
        expected = &p;
        QVERIFY(!p.moveToFirst()); // no database: fails quietly
    });
    QCOMPARE(awaited, 0);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTRY_VERIFY(m_window->FrmAllFieldsFondiNeFokus);
    QVERIFY(m_window->FrmMonitorAllDBFields);
    QCOMPARE(awaited, 1);
    QCOMPARE(expected, m_window->bankPanel());
    QVERIFY(m_window->FrmMonitorAllDBFields->isHidden()
        && m_window->FrmAllFieldsFondiNeFokus->isHidden());
    QCOMPARE(m_window->FrmAllFieldsFondiNeFokus->geometry(), QRect(832, 456, 489, 457));
    QCOMPARE(m_window->FrmMonitorAllDBFields->geometry(), QRect(800, 408, 537, 553));
    QCOMPARE(
        m_window->FrmMonitorAllDBFields->findChild<QWidget *>(QStringLiteral("TxtKapitulliNeDB"))
            ->parentWidget(),
        m_window->FrmMonitorAllDBFields);
    int atOnce = 0;
    m_window->withBankPanel([&](BankPanel &) { ++atOnce; });
    QCOMPARE(atOnce, 1);
    QTest::qWait(20);
    QCOMPARE(awaited, 1);
}

void TestWindow::orderByKind()
{
    // Picture boxes and buttons cover labels, lines and images; the desk number covers the disc.
    const QObjectList children = m_window->children();
    auto place = [&](QObject *o) { return children.indexOf(o); };
    QVERIFY(place(m_window->LblTezaTavolinaTerminali) > place(m_window->Image2));
    QVERIFY(place(m_window->PicPyG(31)) > place(m_window->LblNjoftim));
    QVERIFY(place(m_window->ImgPyetjaX) > place(m_window->LblNjoftim));
    QVERIFY(place(m_window->CmdZgjidhPyetjen(50)) > place(m_window->LblEmriMbiemri));
    QVERIFY(place(m_window->CmdAlternativa(1)) > place(m_window->LblGermaEAlt(1)));
    QVERIFY(place(m_window->CmdKonfirmoj) > place(m_window->Line1));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(m_window->childAt(700, 90), m_window->LblTezaTavolinaTerminali);
}

void TestWindow::buttonFaceIsExactColour()
{
    // The face is the exact colour asked for, inside a bevel that does not follow it.
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->CmdZgjidhPyetjen(1)->move(300, 300); // clear of buttons 2 to 50, still at (0, 0)
    for (const QColor c :
        { QColor(255, 128, 128), QColor(0, 192, 0), QColor(255, 255, 0), QColor(1, 2, 3) }) {
        m_window->CmdZgjidhPyetjen(1)->setBackColor(c);
        m_window->CmdKonfirmoj->setBackColor(c);
        const QImage img = grabWindow(m_window);
        const QPoint b1 = m_window->CmdZgjidhPyetjen(1)->pos(), k = m_window->CmdKonfirmoj->pos();
        QCOMPARE(img.pixelColor(b1 + QPoint(6, 6)), c);
        QCOMPARE(img.pixelColor(b1 + QPoint(26, 27)), c);
        QCOMPARE(img.pixelColor(k + QPoint(10, 8)), c);
        QCOMPARE(rgbAt(img, k.x(), k.y()), QStringLiteral("255,255,255"));
        QCOMPARE(rgbAt(img, k.x() + 120, k.y() + 48), QStringLiteral("64,64,64"));
    }
}

void TestWindow::captionWraps()
{
    // The leave alternative's caption is wider than its button and must wrap at blanks onto
    // more than one line, all of it inside the button.
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    FlatButton *b = m_window->CmdAlternativa(0);
    const QImage img = grabWindow(m_window).copy(b->geometry());
    QSet<int> textRows;
    int left = img.width(), right = 0;
    for (int y = 4; y < img.height() - 4; ++y)
        for (int x = 4; x < img.width() - 4; ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                textRows.insert(y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    const int rowHeight = QFontMetrics(b->font()).height();
    QVERIFY2(textRows.size() > rowHeight, "the caption did not wrap");
    QVERIFY(left > 4 && right < img.width() - 5);
}

void TestWindow::autoSizeLabel()
{
    // Auto-sized letters follow their caption; "D:" keeps its fixed size.
    TextLabel *a = m_window->LblGermaEAlt(1);
    const QSize before = a->size();
    QVERIFY(std::abs(before.width() - 26) <= 2 && std::abs(before.height() - 32) <= 2);
    a->setCaption(QStringLiteral("AAAA:"));
    QVERIFY(a->width() > before.width() * 2);
    QCOMPARE(m_window->LblGermaEAlt(4)->size(), QSize(25, 41));
    m_window->LblGermaEAlt(4)->setCaption(QStringLiteral("DDDD:"));
    QCOMPARE(m_window->LblGermaEAlt(4)->size(), QSize(25, 41));
}

void TestWindow::drawingPersists()
{
    // A frame drawn before the window is shown appears when it is, survives hiding, showing and
    // resizing, lies under the controls, and is exact to the pixel.
    DrawingSurface &d = m_window->surface();
    d.setDrawWidth(2);
    d.rectangle({ 774.5, 195 }, { 817.5, 238 }, QColor(0, 0, 255));
    QCOMPARE(d.currentX(), 817.5);
    QCOMPARE(d.currentY(), 238.0);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    for (int round = 0; round < 3; ++round) {
        const QImage img = grabWindow(m_window);
        QCOMPARE(rgbAt(img, 775, 195), QStringLiteral("0,0,255")); // outer corner, snapped
        QCOMPARE(rgbAt(img, 776, 196), QStringLiteral("0,0,255")); // two pixels wide
        QCOMPARE(rgbAt(img, 777, 197), QStringLiteral("0,0,0"));
        QCOMPARE(rgbAt(img, 817, 237), QStringLiteral("0,0,255")); // last pixel before the corner
        QCOMPARE(rgbAt(img, 818, 238), QStringLiteral("0,0,0"));
        QCOMPARE(rgbAt(img, 795, 196), QStringLiteral("0,0,255"));
        QCOMPARE(rgbAt(img, 795, 194), QStringLiteral("0,0,0"));
        if (round == 0) {
            m_window->hide();
            m_window->show();
        } else {
            m_window->resize(1200, 900);
        }
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
}

void TestWindow::numberPrinting()
{
    // A number printed in the number form starts one blank in: nothing is drawn over the blank.
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    DrawingSurface &d = m_window->surface();
    d.setFontSize(10);
    d.setForeColor(Qt::white);
    d.setCurrentX(300);
    d.setCurrentY(150);
    const QString t = QStringLiteral(" 7 ");
    d.print(t);
    QCOMPARE(d.currentX(), 300 + d.textWidth(t));
    d.endLine();
    QCOMPARE(d.currentX(), 0.0);
    QCOMPARE(d.currentY(), 150 + d.lineHeight());
    const QImage img = grabWindow(m_window);
    const int empty = static_cast<int>(d.textWidth(QStringLiteral(" ")));
    int left = 10000, up = 10000, down = 0;
    for (int y = 140; y < 180; ++y)
        for (int x = 290; x < 330; ++x)
            if (img.pixelColor(x, y) == Qt::white) {
                left = std::min(left, x);
                up = std::min(up, y);
                down = std::max(down, y);
            }
    QVERIFY2(left >= 300 + empty && left <= 300 + empty + 3, qPrintable(QString::number(left)));
    QVERIFY(up >= 150 && down < 150 + d.lineHeight());
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
