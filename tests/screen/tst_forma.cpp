// The exam window as designed: every control read back from the live widgets, and what the
// window really paints (flat button faces, the persistent drawing, printed numbers).

#include "FlatButton.h"
#include "FormProvimi.h"
#include "Grab.h"
#include "Inventari.h"
#include "Koordinatat.h"
#include "LineControl.h"
#include "PaneliIFondit.h"
#include "PictureBox.h"
#include "TextLabel.h"

#include <QGroupBox>
#include <QTest>
#include <QTimer>

using namespace Koordinatat;

class TestForma final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dritarja();
    void kontrolletSiNeDizajn();
    void piktureVijaKohematesi();
    void paneliPasKornizesSePare();
    void renditjaSipasLlojit();
    void fytyraEButonitEshteENgjyresMePrecize();
    void titulliMbeshtjellet();
    void etiketaAutoSize();
    void vizatimiMbetet();
    void shtypjaENumrit();

private:
    FormProvimi *m_f = nullptr;
};

void TestForma::init()
{
    m_f = new FormProvimi;
}

void TestForma::cleanup()
{
    delete m_f;
    m_f = nullptr;
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

namespace {
QString emri(const char *e, int i)
{
    return i == Inventari::PaIndeks ? QString::fromLatin1(e)
                                    : QStringLiteral("%1(%2)").arg(QLatin1String(e)).arg(i);
}
} // namespace

void TestForma::dritarja()
{
    QVERIFY(m_f->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(m_f->windowTitle(), QString());
    // Maximised, covering the whole screen even where nothing acts on the request, and black
    // beyond the design area.
    m_f->shfaqMaksimizuar();
    QVERIFY(QTest::qWaitForWindowExposed(m_f));
    QCOMPARE(m_f->geometry(), m_f->screen()->geometry());
    QVERIFY(m_f->windowState() & Qt::WindowMaximized);
    const QImage img = grabToPng(m_f, QStringLiteral("dritarja-ne-dizajn"));
    QCOMPARE(img.size(), m_f->screen()->geometry().size());
    QCOMPARE(rgbAt(img, 1100, 900), QStringLiteral("0,0,0"));
}

void TestForma::kontrolletSiNeDizajn()
{
    int sa = 0;
    for (const Inventari::Butoni &b : Inventari::butonat()) {
        const QString e = emri(b.emri, b.indeksi);
        auto *c = m_f->findChild<FlatButton *>(e);
        QVERIFY2(c, qPrintable(e));
        QCOMPARE(c->parentWidget(), m_f);
        QCOMPARE(c->geometry(), b.gjeometria);
        QCOMPARE(c->text(), QString::fromUtf8(b.titulli));
        QCOMPARE(ngjyraNga(c->backColor()), b.sfondi);
        QCOMPARE(c->isHidden(), !b.iDukshem);
        QCOMPARE(c->font().family(), Arial);
        QCOMPARE(c->font().pixelSize(), pikeNePiksel(b.fonti.pike == 0 ? 14.25 : b.fonti.pike));
        ++sa;
    }
    QCOMPARE(sa, 51 + 6 + 2);
    const QString familjet[] = { Arial, ArialNarrow, ArialRounded }; // in Inventari::Familja order
    const Qt::Alignment drejtimet[] = { Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight };
    for (const Inventari::Etiketa &e : Inventari::etiketat()) {
        const QString n = emri(e.emri, e.indeksi);
        auto *l = m_f->findChild<TextLabel *>(n);
        QVERIFY2(l, qPrintable(n));
        QCOMPARE(l->caption(), QString::fromUtf8(e.titulli));
        QCOMPARE(l->pos(), e.gjeometria.topLeft());
        if (!e.autoSize)
            QCOMPARE(l->size(), e.gjeometria.size());
        QCOMPARE(ngjyraNga(l->foreColor()), e.ngjyra);
        QCOMPARE(l->isTransparent(), !e.sfondi.has_value());
        if (e.sfondi)
            QCOMPARE(ngjyraNga(l->backColor()), *e.sfondi);
        QCOMPARE(l->captionAlignment() & Qt::AlignHorizontal_Mask,
            drejtimet[static_cast<int>(e.drejtimi)]);
        QCOMPARE(l->hasBorder(), e.kufi);
        QCOMPARE(l->isHidden(), !e.iDukshem);
        const QFont f = l->font();
        QCOMPARE(f.family(), familjet[static_cast<int>(e.fonti.familja)]);
        QCOMPARE(f.pixelSize(), pikeNePiksel(e.fonti.pike));
        QCOMPARE(QList<bool>({ f.bold(), f.italic(), f.underline() }),
            QList<bool>({ e.fonti.bold, e.fonti.italic, e.fonti.underline }));
    }
    // The examining body's name, in capitals, stays on one line of its label, centred clear of
    // the logo, which lies over the label's left end.
    QCOMPARE(m_f->LblQEV->caption(), m_f->LblQEV->caption().toUpper());
    const int w = QFontMetrics(m_f->LblQEV->font()).horizontalAdvance(m_f->LblQEV->caption());
    QVERIFY(232 + (400 - w) / 2 >= 247);
}

void TestForma::piktureVijaKohematesi()
{
    // Every drawing compiled into the program is found and fills its box: the photo stretched
    // to it, the others at their own size, which is the box's; the question pictures and the
    // answer image wait hidden.
    for (PictureBox *p :
        { m_f->Picture1, m_f->PicPyG(31), m_f->PicPyG(32), m_f->Image2, m_f->ImgFoto })
        QCOMPARE(p->picture().deviceIndependentSize().toSize(), p->size());
    QVERIFY(m_f->PicPyG(31)->autoSize() && !m_f->PicPyG(31)->hasBorder());
    QVERIFY(m_f->PicPyG(31)->isHidden() && m_f->PicPyG(32)->isHidden());
    QVERIFY(m_f->ImgFoto->stretch());
    QVERIFY(m_f->ImgPyetjaX->isHidden() && m_f->ImgPyetjaX->hasBorder());
    QCOMPARE(QLine(m_f->Line1->nga(), m_f->Line1->deri()), QLine(-16, 80, 616, 80));
    QCOMPARE(m_f->Timer1->interval(), 1000);
    QCOMPARE(m_f->Timer1->timerType(), Qt::PreciseTimer);
}

void TestForma::paneliPasKornizesSePare()
{
    // Nothing of the hidden panel is built before the window is on screen; what waits for the
    // panel runs once, when it stands, and later requests run at once.
    QVERIFY(!m_f->FrmAllFieldsFondiNeFokus);
    int pritur = 0;
    PaneliIFondit *iPritur = nullptr;
    m_f->meTePaneli([&](PaneliIFondit &p) {
        ++pritur;
        iPritur = &p;
        QVERIFY(!p.leviznNeTeParin()); // no database: fails quietly
    });
    QCOMPARE(pritur, 0);
    m_f->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_f));
    QTRY_VERIFY(m_f->FrmAllFieldsFondiNeFokus);
    QVERIFY(m_f->FrmMonitorAllDBFields);
    QCOMPARE(pritur, 1);
    QCOMPARE(iPritur, m_f->paneli());
    QVERIFY(m_f->FrmMonitorAllDBFields->isHidden() && m_f->FrmAllFieldsFondiNeFokus->isHidden());
    QCOMPARE(m_f->FrmAllFieldsFondiNeFokus->geometry(), QRect(832, 456, 489, 457));
    QCOMPARE(m_f->FrmMonitorAllDBFields->geometry(), QRect(800, 408, 537, 553));
    QCOMPARE(m_f->FrmMonitorAllDBFields->findChild<QWidget *>(QStringLiteral("TxtKapitulliNeDB"))
                 ->parentWidget(),
        m_f->FrmMonitorAllDBFields);
    int menjehere = 0;
    m_f->meTePaneli([&](PaneliIFondit &) { ++menjehere; });
    QCOMPARE(menjehere, 1);
    QTest::qWait(20);
    QCOMPARE(pritur, 1);
}

void TestForma::renditjaSipasLlojit()
{
    // Picture boxes and buttons cover labels, lines and images; the desk number covers the disc.
    const QObjectList femijet = m_f->children();
    auto vendi = [&](QObject *o) { return femijet.indexOf(o); };
    QVERIFY(vendi(m_f->LblTezaTavolinaTerminali) > vendi(m_f->Image2));
    QVERIFY(vendi(m_f->PicPyG(31)) > vendi(m_f->LblNjoftim));
    QVERIFY(vendi(m_f->ImgPyetjaX) > vendi(m_f->LblNjoftim));
    QVERIFY(vendi(m_f->CmdZgjidhPyetjen(50)) > vendi(m_f->LblEmriMbiemri));
    QVERIFY(vendi(m_f->CmdAlternativa(1)) > vendi(m_f->LblGermaEAlt(1)));
    QVERIFY(vendi(m_f->CmdKonfirmoj) > vendi(m_f->Line1));
    m_f->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_f));
    QCOMPARE(m_f->childAt(700, 90), m_f->LblTezaTavolinaTerminali);
}

void TestForma::fytyraEButonitEshteENgjyresMePrecize()
{
    // The face is the exact colour asked for, inside a bevel that does not follow it.
    m_f->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_f));
    m_f->CmdZgjidhPyetjen(1)->move(300, 300); // clear of buttons 2 to 50, still at (0, 0)
    for (const QColor c :
        { QColor(255, 128, 128), QColor(0, 192, 0), QColor(255, 255, 0), QColor(1, 2, 3) }) {
        m_f->CmdZgjidhPyetjen(1)->setBackColor(c);
        m_f->CmdKonfirmoj->setBackColor(c);
        const QImage img = grabWindow(m_f);
        const QPoint b1 = m_f->CmdZgjidhPyetjen(1)->pos(), k = m_f->CmdKonfirmoj->pos();
        QCOMPARE(img.pixelColor(b1 + QPoint(6, 6)), c);
        QCOMPARE(img.pixelColor(b1 + QPoint(26, 27)), c);
        QCOMPARE(img.pixelColor(k + QPoint(10, 8)), c);
        QCOMPARE(rgbAt(img, k.x(), k.y()), QStringLiteral("255,255,255"));
        QCOMPARE(rgbAt(img, k.x() + 120, k.y() + 48), QStringLiteral("64,64,64"));
    }
}

void TestForma::titulliMbeshtjellet()
{
    // The leave alternative's caption is wider than its button and must wrap at blanks onto
    // more than one line, all of it inside the button.
    m_f->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_f));
    FlatButton *b = m_f->CmdAlternativa(0);
    const QImage img = grabWindow(m_f).copy(b->geometry());
    QSet<int> rreshtaMeTekst;
    int majtas = img.width(), djathtas = 0;
    for (int y = 4; y < img.height() - 4; ++y)
        for (int x = 4; x < img.width() - 4; ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                rreshtaMeTekst.insert(y);
                majtas = std::min(majtas, x);
                djathtas = std::max(djathtas, x);
            }
    const int lartesiaERreshtit = QFontMetrics(b->font()).height();
    QVERIFY2(rreshtaMeTekst.size() > lartesiaERreshtit, "the caption did not wrap");
    QVERIFY(majtas > 4 && djathtas < img.width() - 5);
}

void TestForma::etiketaAutoSize()
{
    // Auto-sized letters follow their caption; "D:" keeps its fixed size.
    TextLabel *a = m_f->LblGermaEAlt(1);
    const QSize para = a->size();
    QVERIFY(std::abs(para.width() - 26) <= 2 && std::abs(para.height() - 32) <= 2);
    a->setCaption(QStringLiteral("AAAA:"));
    QVERIFY(a->width() > para.width() * 2);
    QCOMPARE(m_f->LblGermaEAlt(4)->size(), QSize(25, 41));
    m_f->LblGermaEAlt(4)->setCaption(QStringLiteral("DDDD:"));
    QCOMPARE(m_f->LblGermaEAlt(4)->size(), QSize(25, 41));
}

void TestForma::vizatimiMbetet()
{
    // A frame drawn before the window is shown appears when it is, survives hiding, showing and
    // resizing, lies under the controls, and is exact to the pixel.
    DrawingSurface &d = m_f->siperfaqja();
    d.setDrawWidth(2);
    d.rectangle({ 774.5, 195 }, { 817.5, 238 }, QColor(0, 0, 255));
    QCOMPARE(d.currentX(), 817.5);
    QCOMPARE(d.currentY(), 238.0);
    m_f->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_f));
    for (int raund = 0; raund < 3; ++raund) {
        const QImage img = grabWindow(m_f);
        QCOMPARE(rgbAt(img, 775, 195), QStringLiteral("0,0,255")); // outer corner, snapped
        QCOMPARE(rgbAt(img, 776, 196), QStringLiteral("0,0,255")); // two pixels wide
        QCOMPARE(rgbAt(img, 777, 197), QStringLiteral("0,0,0"));
        QCOMPARE(rgbAt(img, 817, 237), QStringLiteral("0,0,255")); // last pixel before the corner
        QCOMPARE(rgbAt(img, 818, 238), QStringLiteral("0,0,0"));
        QCOMPARE(rgbAt(img, 795, 196), QStringLiteral("0,0,255"));
        QCOMPARE(rgbAt(img, 795, 194), QStringLiteral("0,0,0"));
        if (raund == 0) {
            m_f->hide();
            m_f->show();
        } else {
            m_f->resize(1200, 900);
        }
        QVERIFY(QTest::qWaitForWindowExposed(m_f));
    }
}

void TestForma::shtypjaENumrit()
{
    // A number printed in the number form starts one blank in: nothing is drawn over the blank.
    m_f->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_f));
    DrawingSurface &d = m_f->siperfaqja();
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
    const QImage img = grabWindow(m_f);
    const int bosh = static_cast<int>(d.textWidth(QStringLiteral(" ")));
    int majtas = 10000, lart = 10000, poshte = 0;
    for (int y = 140; y < 180; ++y)
        for (int x = 290; x < 330; ++x)
            if (img.pixelColor(x, y) == Qt::white) {
                majtas = std::min(majtas, x);
                lart = std::min(lart, y);
                poshte = std::max(poshte, y);
            }
    QVERIFY2(majtas >= 300 + bosh && majtas <= 300 + bosh + 3, qPrintable(QString::number(majtas)));
    QVERIFY(lart >= 150 && poshte < 150 + d.lineHeight());
}

QTEST_MAIN(TestForma)
#include "tst_forma.moc"
