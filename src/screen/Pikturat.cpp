#include "Pikturat.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace Pikturat {

namespace {

QFont fonti(
    int piksel, bool bold = false, const QString &familja = QStringLiteral("Liberation Sans"))
{
    QFont f(familja);
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

// The corners of a ring standing on a point: corner 0 is straight up, the others follow
// clockwise.
std::array<QPointF, 6> kulmetEUnazes(QPointF qendra, double r)
{
    std::array<QPointF, 6> k;
    for (int i = 0; i < 6; ++i) {
        const double a = (-90 + 60 * i) * M_PI / 180;
        k[static_cast<std::size_t>(i)] = qendra + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return k;
}

// A benzene ring: the hexagon with three inner double bonds.
void unaBenzenike(QPainter &p, QPointF qendra, double r)
{
    const auto k = kulmetEUnazes(qendra, r);
    for (int i = 0; i < 6; ++i)
        p.drawLine(k[static_cast<std::size_t>(i)], k[static_cast<std::size_t>((i + 1) % 6)]);
    for (int i = 0; i < 6; i += 2) {
        // The inner line of a double bond, drawn a fifth of the way towards the centre.
        const QPointF a = k[static_cast<std::size_t>(i)],
                      b = k[static_cast<std::size_t>((i + 1) % 6)];
        p.drawLine(a + (qendra - a) * 0.2, b + (qendra - b) * 0.2);
    }
}

// A bond from a to b that stops short of an atom label at b.
void lidhje(QPainter &p, QPointF a, QPointF b, double shkurtimi = 0)
{
    if (shkurtimi > 0) {
        const QPointF d = b - a;
        const double l = std::hypot(d.x(), d.y());
        b = a + d * ((l - shkurtimi) / l);
    }
    p.drawLine(a, b);
}

// A double bond: two parallel lines.
void lidhjeDyfishe(QPainter &p, QPointF a, QPointF b, double shkurtimi)
{
    const QPointF d = b - a;
    const double l = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / l * 2.5, d.x() / l * 2.5);
    lidhje(p, a + n, b + n, shkurtimi);
    lidhje(p, a - n, b - n, shkurtimi);
}

// An atom or group label centred on a point.
void atom(QPainter &p, QPointF vendi, const QString &teksti)
{
    const QRectF r(vendi.x() - 40, vendi.y() - 14, 80, 28);
    p.drawText(r, Qt::AlignCenter, teksti);
}

} // namespace

QImage logo()
{
    QImage img = kanavace(247, 80, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // The emblem: a shield in blue with a white medical cross and a thin light-blue edge.
    QPainterPath mburoja;
    mburoja.moveTo(40, 6);
    mburoja.cubicTo(52, 12, 62, 12, 70, 10);
    mburoja.lineTo(70, 40);
    mburoja.cubicTo(70, 58, 56, 68, 40, 75);
    mburoja.cubicTo(24, 68, 10, 58, 10, 40);
    mburoja.lineTo(10, 10);
    mburoja.cubicTo(18, 12, 28, 12, 40, 6);
    mburoja.closeSubpath();
    QLinearGradient g(0, 6, 0, 75);
    g.setColorAt(0, QColor(60, 110, 220));
    g.setColorAt(1, QColor(20, 40, 130));
    p.fillPath(mburoja, g);
    p.setPen(QPen(QColor(192, 192, 255), 2));
    p.drawPath(mburoja);
    p.fillRect(QRectF(34, 20, 12, 40), Qt::white);
    p.fillRect(QRectF(20, 34, 40, 12), Qt::white);

    // The initials and what the body does.
    p.setPen(QColor(192, 192, 255));
    p.setFont(fonti(34, true));
    p.drawText(QRectF(80, 4, 165, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("QKP"));
    p.setPen(QColor(128, 128, 255));
    p.drawLine(QPointF(82, 50), QPointF(240, 50));
    p.setPen(Qt::white);
    p.setFont(fonti(13, false, QStringLiteral("Liberation Sans Narrow")));
    p.drawText(QRectF(82, 53, 165, 20), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Provime profesionale"));
    return img;
}

QImage disku()
{
    QImage img = kanavace(158, 158, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF qendra(79, 79);
    QRadialGradient g(qendra, 76, qendra - QPointF(14, 16));
    g.setColorAt(0, QColor(150, 190, 255));
    g.setColorAt(0.55, QColor(40, 80, 200));
    g.setColorAt(1, QColor(8, 16, 80));
    p.setBrush(g);
    p.setPen(QPen(QColor(150, 150, 150), 2));
    p.drawEllipse(qendra, 76, 76);
    return img;
}

QImage portreti()
{
    QImage img = kanavace(133, 187, QColor(214, 226, 238));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    // Shoulders in a white coat over a blue shirt, with its lapels.
    QPainterPath pallto;
    pallto.moveTo(4, 187);
    pallto.cubicTo(6, 140, 30, 126, 66, 124);
    pallto.cubicTo(102, 126, 127, 140, 129, 187);
    pallto.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(pallto);
    QPainterPath kemisha;
    kemisha.moveTo(50, 126);
    kemisha.lineTo(66, 160);
    kemisha.lineTo(82, 126);
    kemisha.closeSubpath();
    p.setBrush(QColor(90, 140, 200));
    p.drawPath(kemisha);
    p.setPen(QPen(QColor(170, 180, 190), 1.5));
    p.drawLine(QPointF(50, 126), QPointF(60, 187));
    p.drawLine(QPointF(82, 126), QPointF(72, 187));
    p.setPen(Qt::NoPen);

    // Neck and head.
    const QColor lekura(236, 196, 164);
    p.setBrush(lekura);
    p.drawRect(QRectF(56, 104, 20, 24));
    p.drawEllipse(QPointF(66, 78), 27, 33);
    p.setBrush(QColor(80, 56, 40)); // hair
    QPainterPath floket;
    floket.moveTo(39, 76);
    floket.cubicTo(36, 40, 96, 36, 93, 76);
    floket.cubicTo(88, 58, 70, 52, 52, 58);
    floket.cubicTo(44, 62, 41, 70, 39, 76);
    p.drawPath(floket);
    p.setBrush(QColor(60, 50, 45)); // eyes
    p.drawEllipse(QPointF(56, 80), 2.6, 2.6);
    p.drawEllipse(QPointF(76, 80), 2.6, 2.6);
    p.setPen(QPen(QColor(170, 110, 100), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(57, 90, 18, 10), 200 * 16, 140 * 16); // a smile

    // The stethoscope round the neck, its chest piece on the coat.
    p.setPen(QPen(QColor(40, 40, 48), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath tubi;
    tubi.moveTo(46, 128);
    tubi.cubicTo(40, 160, 60, 170, 70, 160);
    tubi.moveTo(86, 128);
    tubi.cubicTo(94, 150, 92, 162, 88, 168);
    p.drawPath(tubi);
    p.setBrush(QColor(160, 165, 175));
    p.drawEllipse(QPointF(88, 172), 6, 6);
    // A pen in the breast pocket.
    p.setPen(QPen(QColor(200, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(100, 148), QPointF(100, 160));
    return img;
}

QImage pyetja31()
{
    QImage img = kanavace(592, 265, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QColor(200, 0, 0));
    p.setFont(fonti(19, true));
    p.drawText(QRectF(16, 8, 560, 60), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
        QStringLiteral("Çfarë lloj përbërjesh organike paraqesin strukturat I dhe II?"));

    QPen vija(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(vija);
    p.setFont(fonti(20));

    // I: ethanol, H3C–CH2–OH.
    const QPointF c1(70, 160), c2(160, 160), o(250, 160);
    atom(p, c1, QStringLiteral("H₃C"));
    atom(p, c2, QStringLiteral("CH₂"));
    atom(p, o, QStringLiteral("OH"));
    lidhje(p, c1 + QPointF(24, 0), c2 - QPointF(24, 0));
    lidhje(p, c2 + QPointF(24, 0), o - QPointF(20, 0));

    // II: phenol, a benzene ring with OH.
    const QPointF qendra(440, 170);
    const double r = 42;
    unaBenzenike(p, qendra, r);
    const QPointF lart = kulmetEUnazes(qendra, r)[0];
    const QPointF oh = lart + QPointF(0, -36);
    lidhje(p, lart, oh + QPointF(0, 10));
    atom(p, oh, QStringLiteral("OH"));

    // The labels under the drawings.
    p.setFont(fonti(22, true));
    p.drawText(QRectF(110, 215, 100, 34), Qt::AlignCenter, QStringLiteral("I"));
    p.drawText(QRectF(390, 225, 100, 34), Qt::AlignCenter, QStringLiteral("II"));
    p.setPen(QPen(QColor(200, 200, 200), 1));
    p.drawLine(QPointF(320, 90), QPointF(320, 250));
    return img;
}

QImage pyetja32()
{
    QImage img = kanavace(428, 236, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::white);
    p.setFont(fonti(19, true));
    p.drawText(QRectF(12, 6, 404, 50), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
        QStringLiteral("Cilës substancë i përket formula strukturore e mëposhtme?"));

    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setFont(fonti(17));

    // Acetylsalicylic acid: a benzene ring with COOH and, on the next carbon, O–CO–CH3.
    const QPointF qendra(170, 165);
    const double r = 38;
    unaBenzenike(p, qendra, r);
    const auto k = kulmetEUnazes(qendra, r);
    // COOH on the top carbon: C, =O up-left, OH up-right.
    const QPointF c = k[0] + QPointF(0, -30);
    lidhje(p, k[0], c);
    const QPointF oDyfish = c + QPointF(-26, -16);
    const QPointF oh = c + QPointF(28, -16);
    lidhjeDyfishe(p, c, oDyfish, 8);
    atom(p, oDyfish - QPointF(8, 4), QStringLiteral("O"));
    lidhje(p, c, oh, 10);
    atom(p, oh + QPointF(10, -4), QStringLiteral("OH"));

    // O–CO–CH3 on the upper-right carbon.
    const QPointF o = k[1] + QPointF(28, -14);
    lidhje(p, k[1], o, 8);
    atom(p, o + QPointF(4, -2), QStringLiteral("O"));
    const QPointF c2 = o + QPointF(40, 0);
    lidhje(p, o + QPointF(10, 0), c2);
    const QPointF oKarbonil = c2 + QPointF(0, -32);
    lidhjeDyfishe(p, c2, oKarbonil, 8);
    atom(p, oKarbonil - QPointF(0, 4), QStringLiteral("O"));
    const QPointF ch3 = c2 + QPointF(40, 14);
    lidhje(p, c2, ch3 - QPointF(16, 5));
    atom(p, ch3 + QPointF(6, 0), QStringLiteral("CH₃"));
    return img;
}

} // namespace Pikturat
