#include "screen/Pikturat.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace Pikturat {

namespace {

const QString Arial = QStringLiteral("Liberation Sans");
const QString ArialNarrow = QStringLiteral("Liberation Sans Narrow");

// Fonts are sized in pixels, so a picture looks the same whatever the screen's DPI.
QFont fonti(int piksel, bool bold = false, const QString &familja = Arial)
{
    QFont f(familja);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(piksel);
    f.setBold(bold);
    return f;
}

QImage kanavace(int w, int h, const QColor &sfondi)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(sfondi);
    return img;
}

void ndizAntialiasing(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

// A point at distance d from `nga`, in the direction of `kendi` degrees, measured clockwise
// from the x axis as the screen's y axis points down.
QPointF drejt(QPointF nga, double kendi, double d)
{
    const double a = kendi * std::numbers::pi / 180;
    return nga + QPointF(d * std::cos(a), d * std::sin(a));
}

// The corners of a regular hexagon standing on a corner: corner 0 straight up, the others
// following clockwise. In a formula every side is as long as the radius, the bond length.
std::array<QPointF, 6> kulmetEUnazes(QPointF qendra, double r)
{
    std::array<QPointF, 6> k;
    for (std::size_t i = 0; i < k.size(); ++i)
        k[i] = drejt(qendra, -90.0 + 60.0 * static_cast<double>(i), r);
    return k;
}

// A benzene ring in Kekulé form: the hexagon, and inside it the second line of the double
// bonds on sides 0-1, 2-3 and 4-5, set in towards the centre and shortened at both ends.
void unaBenzenike(QPainter &p, QPointF qendra, double r)
{
    const auto k = kulmetEUnazes(qendra, r);
    for (std::size_t i = 0; i < k.size(); ++i)
        p.drawLine(k[i], k[(i + 1) % k.size()]);
    for (std::size_t i = 0; i < k.size(); i += 2) {
        const QPointF a = k[i], b = k[i + 1];
        p.drawLine(a + (qendra - a) * 0.22, b + (qendra - b) * 0.22);
    }
}

// A double bond to an end atom: two lines either side of the axis from a to b.
void lidhjeDyfishe(QPainter &p, QPointF a, QPointF b, double gjysmeHapesira = 3.0)
{
    const QPointF d = b - a;
    const double l = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / l * gjysmeHapesira, d.x() / l * gjysmeHapesira);
    p.drawLine(a + n, b + n);
    p.drawLine(a - n, b - n);
}

// An atom or group label such as "O", "OH" or "H3C". Digits are set as subscripts, the
// character at index `atomi` is the atom the bonds meet and is centred on `vendi`, and a patch
// of the background is cleared behind the letters first, so that bonds drawn before it stop
// short of them. The label takes the painter's font and its pen's colour.
void etikete(
    QPainter &p, QPointF vendi, const QString &teksti, qsizetype atomi, const QColor &sfondi)
{
    const QFont kryesori = p.font();
    QFont indeksi = kryesori;
    indeksi.setPixelSize(std::max(1, kryesori.pixelSize() * 7 / 10));
    const QFontMetricsF fm(kryesori), fmi(indeksi);
    const double lartesia = fm.capHeight();
    const double ulja = lartesia * 0.42; // how far a subscript's baseline sits below the line

    std::array<double, 8> x {}; // the left edge of each character, from the label's start
    double gjeresia = 0;
    double qendraEAtomit = 0;
    bool kaIndeks = false;
    const qsizetype n = std::min<qsizetype>(teksti.size(), x.size());
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = teksti.at(i);
        const double w = c.isDigit() ? fmi.horizontalAdvance(c) : fm.horizontalAdvance(c);
        kaIndeks = kaIndeks || c.isDigit();
        x[static_cast<std::size_t>(i)] = gjeresia;
        if (i == atomi)
            qendraEAtomit = gjeresia + w / 2;
        gjeresia += w;
    }

    const double majtas = vendi.x() - qendraEAtomit;
    const double baza = vendi.y() + lartesia / 2;
    const double poshte = baza + (kaIndeks ? ulja + fmi.capHeight() * 0.15 : 0);
    p.fillRect(QRectF(QPointF(majtas - 3, baza - lartesia - 3),
                   QPointF(majtas + gjeresia + 3, poshte + 3)),
        sfondi);
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = teksti.at(i);
        const double xi = majtas + x[static_cast<std::size_t>(i)];
        if (c.isDigit()) {
            p.setFont(indeksi);
            p.drawText(QPointF(xi, baza + ulja), QString(c));
            p.setFont(kryesori);
        } else {
            p.drawText(QPointF(xi, baza), QString(c));
        }
    }
}

// The sentence of a question across the top of its picture, centred from `lart` down. When it
// is wider than the picture's margins it is broken into two lines of about equal width, at
// the space that makes the longer of them shortest.
void fjaliaEPyetjes(
    QPainter &p, double lart, double gjeresia, int piksel, const QColor &ngjyra, const QString &t)
{
    p.setPen(ngjyra);
    p.setFont(fonti(piksel, true));
    const QFontMetricsF fm(p.font());
    QStringList rreshtat { t };
    if (fm.horizontalAdvance(t) > gjeresia) {
        double mePaku = fm.horizontalAdvance(t);
        for (qsizetype i = t.indexOf(u' '); i > 0; i = t.indexOf(u' ', i + 1)) {
            const QString a = t.left(i), b = t.mid(i + 1);
            const double m = std::max(fm.horizontalAdvance(a), fm.horizontalAdvance(b));
            if (m < mePaku) {
                mePaku = m;
                rreshtat = QStringList { a, b };
            }
        }
    }
    const double w = p.device()->width();
    double baza = lart + fm.ascent();
    for (const QString &r : rreshtat) {
        p.drawText(QPointF((w - fm.horizontalAdvance(r)) / 2, baza), r);
        baza += fm.lineSpacing();
    }
}

QPen vijaEFormules(const QColor &ngjyra)
{
    return QPen(ngjyra, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The staff of Asclepius: a rod with a snake winding up it, head at the top right.
void shkopiIAsklepit(QPainter &p, QPointF lart, double gjatesia, const QColor &ngjyra)
{
    const QPointF poshte = lart + QPointF(0, gjatesia);
    p.setPen(QPen(ngjyra, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lart, poshte);

    const double h = gjatesia / 5;
    const double w = 6.5;
    QPainterPath gjarpri;
    gjarpri.moveTo(poshte + QPointF(-2, -h * 0.4));
    gjarpri.cubicTo(
        poshte + QPointF(w, -h * 0.8), poshte + QPointF(w, -h * 1.6), poshte + QPointF(0, -h * 2));
    gjarpri.cubicTo(poshte + QPointF(-w, -h * 2.4), poshte + QPointF(-w, -h * 3.2),
        poshte + QPointF(0, -h * 3.6));
    gjarpri.cubicTo(poshte + QPointF(w, -h * 4.0), poshte + QPointF(w, -h * 4.5),
        poshte + QPointF(3.5, -h * 4.7));
    p.setPen(QPen(ngjyra, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(gjarpri);
    p.setPen(Qt::NoPen);
    p.setBrush(ngjyra);
    p.drawEllipse(poshte + QPointF(4.2, -h * 4.75), 2.6, 2.0);
}

} // namespace

QImage logo()
{
    QImage img = kanavace(247, 80, Qt::black);
    QPainter p(&img);
    ndizAntialiasing(p);

    // The emblem: a blue medallion in a white and light-blue ring, a white cross on it and
    // the staff of Asclepius over the cross.
    const QPointF q(40, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 190, 255));
    p.drawEllipse(q, 36, 36);
    p.setBrush(Qt::white);
    p.drawEllipse(q, 33, 33);
    QRadialGradient blu(q, 31, q - QPointF(8, 10));
    blu.setColorAt(0, QColor(60, 120, 230));
    blu.setColorAt(1, QColor(16, 48, 150));
    p.setBrush(blu);
    p.drawEllipse(q, 30.5, 30.5);
    p.setBrush(Qt::white);
    const double krahu = 21, gjeresia = 7;
    p.drawRoundedRect(QRectF(q.x() - gjeresia, q.y() - krahu, 2 * gjeresia, 2 * krahu), 1.5, 1.5);
    p.drawRoundedRect(QRectF(q.x() - krahu, q.y() - gjeresia, 2 * krahu, 2 * gjeresia), 1.5, 1.5);
    shkopiIAsklepit(p, q - QPointF(0, 18), 36, QColor(20, 60, 160));

    // The wordmark: the initials over a rule and what the body examines.
    p.setPen(Qt::white);
    QFont inicialet = fonti(38, true);
    inicialet.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(inicialet);
    p.drawText(QPointF(88, 44), QStringLiteral("QKP"));
    QLinearGradient vija(88, 0, 240, 0);
    vija.setColorAt(0, QColor(150, 190, 255));
    vija.setColorAt(1, QColor(0, 0, 0));
    p.fillRect(QRectF(88, 51, 152, 2), vija);
    p.setPen(QColor(192, 192, 255));
    p.setFont(fonti(14, false, ArialNarrow));
    p.drawText(QPointF(89, 69), QStringLiteral("Provime profesionale"));
    return img;
}

QImage disku()
{
    QImage img = kanavace(158, 158, Qt::black);
    QPainter p(&img);
    ndizAntialiasing(p);
    const QPointF q(79, 79);
    const double r = 77;
    QRadialGradient g(q, r);
    g.setColorAt(0, QColor(88, 148, 240));
    g.setColorAt(0.45, QColor(50, 104, 212));
    g.setColorAt(0.85, QColor(20, 52, 150));
    g.setColorAt(1, QColor(10, 28, 96));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(q, r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 150, 150), 1.5));
    p.drawEllipse(q, r - 0.25, r - 0.25);
    return img;
}

QImage portreti()
{
    QImage img = kanavace(133, 187, Qt::white);
    QPainter p(&img);
    ndizAntialiasing(p);
    QLinearGradient sfondi(0, 0, 0, 187);
    sfondi.setColorAt(0, QColor(226, 234, 242));
    sfondi.setColorAt(1, QColor(196, 210, 226));
    p.fillRect(img.rect(), sfondi);
    p.setPen(Qt::NoPen);

    const QColor lekura(238, 198, 168), hija(218, 172, 140), floket(74, 52, 38);

    // Neck, with the shadow of the chin across its top.
    p.setBrush(lekura);
    p.drawRect(QRectF(55, 96, 23, 40));
    p.setBrush(hija);
    p.drawEllipse(QRectF(55, 93, 23, 14));

    // The shirt and tie inside the coat's opening.
    QPainterPath kemisha;
    kemisha.moveTo(49, 126);
    kemisha.lineTo(84, 126);
    kemisha.lineTo(66.5, 170);
    kemisha.closeSubpath();
    p.setBrush(QColor(120, 170, 225));
    p.drawPath(kemisha);
    QPainterPath kravata;
    kravata.moveTo(63, 132);
    kravata.lineTo(70, 132);
    kravata.lineTo(68.5, 138);
    kravata.lineTo(71, 160);
    kravata.lineTo(66.5, 166);
    kravata.lineTo(62, 160);
    kravata.lineTo(64.5, 138);
    kravata.closeSubpath();
    p.setBrush(QColor(30, 60, 130));
    p.drawPath(kravata);

    // The white coat: shoulders and two lapels meeting low on the chest.
    QPainterPath pallto;
    pallto.moveTo(0, 187);
    pallto.lineTo(0, 158);
    pallto.cubicTo(2, 140, 20, 130, 48, 124);
    pallto.lineTo(66.5, 176);
    pallto.lineTo(85, 124);
    pallto.cubicTo(113, 130, 131, 140, 133, 158);
    pallto.lineTo(133, 187);
    pallto.closeSubpath();
    p.setBrush(QColor(250, 251, 252));
    p.drawPath(pallto);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(178, 188, 200), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPolygonF jakaMajtas({ { 48, 124 }, { 44, 142 }, { 52, 146 }, { 66.5, 176 } });
    const QPolygonF jakaDjathtas({ { 85, 124 }, { 89, 142 }, { 81, 146 }, { 66.5, 176 } });
    p.drawPolyline(jakaMajtas);
    p.drawPolyline(jakaDjathtas);
    p.drawLine(QPointF(66.5, 176), QPointF(66.5, 187));
    p.drawLine(QPointF(20, 160), QPointF(22, 187)); // the folds where the arms hang
    p.drawLine(QPointF(113, 160), QPointF(111, 187));
    // The breast pocket, a pen clipped in it.
    p.drawRect(QRectF(92, 160, 18, 14));
    p.setPen(QPen(QColor(40, 90, 180), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(97, 153), QPointF(97, 161));

    // Ears, head and hair.
    p.setPen(Qt::NoPen);
    p.setBrush(lekura);
    p.drawEllipse(QPointF(42.5, 78), 4.5, 7.5);
    p.drawEllipse(QPointF(90.5, 78), 4.5, 7.5);
    p.drawEllipse(QPointF(66.5, 72), 24, 30);
    QPainterPath flokuPath;
    flokuPath.moveTo(42, 76);
    flokuPath.cubicTo(38, 48, 52, 38, 68, 38);
    flokuPath.cubicTo(86, 38, 96, 50, 91, 76);
    flokuPath.cubicTo(89, 64, 86, 56, 80, 53);
    flokuPath.cubicTo(70, 58, 56, 56, 50, 52);
    flokuPath.cubicTo(46, 58, 44, 66, 42, 76);
    flokuPath.closeSubpath();
    p.setBrush(floket);
    p.drawPath(flokuPath);

    // The face: brows, eyes, nose and a calm mouth.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(floket, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(52, 66), QPointF(61, 65));
    p.drawLine(QPointF(72, 65), QPointF(81, 66));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 44, 40));
    p.drawEllipse(QPointF(57, 73), 2.4, 2.6);
    p.drawEllipse(QPointF(76, 73), 2.4, 2.6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(hija.darker(115), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPolyline(QPolygonF({ { 66.5, 76 }, { 64.5, 85 }, { 67.5, 86 } }));
    p.setPen(QPen(QColor(176, 104, 96), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(59, 86, 15, 6), 200 * 16, 140 * 16);

    // The stethoscope round the neck: one end hangs down to the chest piece, the other ends
    // in the ear tubes tucked behind the right side of the collar.
    const QColor tubi(44, 46, 54);
    p.setPen(QPen(tubi, 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath rrotull;
    rrotull.moveTo(52, 124);
    rrotull.cubicTo(46, 140, 44, 156, 46, 168);
    rrotull.moveTo(81, 124);
    rrotull.cubicTo(86, 136, 90, 146, 88, 156);
    p.drawPath(rrotull);
    p.setPen(QPen(QColor(120, 124, 134), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(88, 156), QPointF(86, 162));
    p.drawLine(QPointF(88, 156), QPointF(91, 161));
    p.setPen(QPen(tubi, 1.5));
    p.setBrush(QColor(170, 176, 186));
    p.drawEllipse(QPointF(46, 173), 6.5, 6.5);
    p.setBrush(QColor(214, 218, 224));
    p.drawEllipse(QPointF(46, 173), 3, 3);
    return img;
}

QImage pyetja31()
{
    const QColor bardhe(Qt::white), zeze(Qt::black);
    QImage img = kanavace(592, 265, bardhe);
    QPainter p(&img);
    ndizAntialiasing(p);
    fjaliaEPyetjes(p, 10, 568, 20, QColor(220, 0, 0),
        QStringLiteral("Çfarë lloj përbërjesh organike paraqesin strukturat I dhe II?"));

    p.setPen(vijaEFormules(zeze));
    p.setFont(fonti(22));
    const double l = 48; // bond length

    // I: ethanol written out in full, H-C-C-O-H with the carbons' hydrogens above and below.
    const QPointF h0(148 - 2 * l, 140);
    const std::array<QPointF, 5> rreshti { h0, h0 + QPointF(l, 0), h0 + QPointF(2 * l, 0),
        h0 + QPointF(3 * l, 0), h0 + QPointF(4 * l, 0) };
    for (std::size_t i = 0; i + 1 < rreshti.size(); ++i)
        p.drawLine(rreshti[i], rreshti[i + 1]);
    for (std::size_t i = 1; i <= 2; ++i)
        p.drawLine(rreshti[i] - QPointF(0, l), rreshti[i] + QPointF(0, l));
    const std::array<const char *, 5> simbolet { "H", "C", "C", "O", "H" };
    for (std::size_t i = 0; i < rreshti.size(); ++i)
        etikete(p, rreshti[i], QString::fromLatin1(simbolet[i]), 0, bardhe);
    for (std::size_t i = 1; i <= 2; ++i) {
        etikete(p, rreshti[i] - QPointF(0, l), QStringLiteral("H"), 0, bardhe);
        etikete(p, rreshti[i] + QPointF(0, l), QStringLiteral("H"), 0, bardhe);
    }

    // II: phenol, a benzene ring with a hydroxyl group on its top carbon.
    const QPointF qendra(444, 162);
    const double r = 44;
    unaBenzenike(p, qendra, r);
    const QPointF c1 = kulmetEUnazes(qendra, r)[0];
    const QPointF o = c1 - QPointF(0, r * 0.85);
    p.drawLine(c1, o);
    etikete(p, o, QStringLiteral("OH"), 0, bardhe);

    // The numerals naming the two structures.
    p.setFont(fonti(22, true));
    p.drawText(QRectF(rreshti[2].x() - 50, 220, 100, 32), Qt::AlignCenter, QStringLiteral("I"));
    p.drawText(QRectF(qendra.x() - 50, 220, 100, 32), Qt::AlignCenter, QStringLiteral("II"));
    return img;
}

QImage pyetja32()
{
    const QColor bardhe(Qt::white), zeze(Qt::black);
    QImage img = kanavace(428, 236, zeze);
    QPainter p(&img);
    ndizAntialiasing(p);
    fjaliaEPyetjes(p, 8, 404, 21, bardhe,
        QStringLiteral("Cilës substancë i përket formula strukturore e mëposhtme?"));

    p.setPen(vijaEFormules(bardhe));
    p.setFont(fonti(18));

    // Acetylsalicylic acid. The carboxyl group stands on the ring's top carbon, the acetoxy
    // group on its neighbour to the right; every bond is as long as a side of the ring and
    // meets the others at 120 degrees.
    const double l = 34;
    const QPointF qendra(160, 181);
    unaBenzenike(p, qendra, l);
    const auto k = kulmetEUnazes(qendra, l);

    // -COOH: the carbon above the ring, =O up to the left, -OH up to the right.
    const QPointF cKarboksil = drejt(k[0], -90, l);
    const QPointF oKarbonil = drejt(cKarboksil, -150, l);
    const QPointF oHidroksil = drejt(cKarboksil, -30, l);
    p.drawLine(k[0], cKarboksil);
    lidhjeDyfishe(p, cKarboksil, oKarbonil);
    p.drawLine(cKarboksil, oHidroksil);

    // -O-CO-CH3: the ester oxygen outwards from the ring, then the acetyl carbon with its =O
    // downwards and the methyl group up to the right.
    const QPointF oEster = drejt(k[1], -30, l);
    const QPointF cAcetil = drejt(oEster, 30, l);
    const QPointF oAcetil = drejt(cAcetil, 90, l);
    const QPointF metil = drejt(cAcetil, -30, l);
    p.drawLine(k[1], oEster);
    p.drawLine(oEster, cAcetil);
    lidhjeDyfishe(p, cAcetil, oAcetil);
    p.drawLine(cAcetil, metil);

    etikete(p, oKarbonil, QStringLiteral("O"), 0, zeze);
    etikete(p, oHidroksil, QStringLiteral("OH"), 0, zeze);
    etikete(p, oEster, QStringLiteral("O"), 0, zeze);
    etikete(p, oAcetil, QStringLiteral("O"), 0, zeze);
    etikete(p, metil, QStringLiteral("CH3"), 0, zeze);
    return img;
}

} // namespace Pikturat
