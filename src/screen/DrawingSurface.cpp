#include "DrawingSurface.h"

#include "Koordinatat.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>

#include <algorithm>

using Koordinatat::nePiksel;

namespace {
// A drawing beyond what was reserved widens the image by at least this much, so that a stray
// drawing does not cost one reallocation per pixel row.
constexpr int Hapi = 128;
} // namespace

DrawingSurface::DrawingSurface(QWidget *owner)
    : m_owner(owner)
    , m_font(Koordinatat::fonti(Koordinatat::Arial, Koordinatat::FontiIDritares))
{
    // Printed text keeps exact colours and sharp edges, like lines and boxes.
    m_font.setStyleStrategy(QFont::NoAntialias);
    setFontSize(Koordinatat::FontiIDritares);
}

void DrawingSurface::setFontSize(double pike)
{
    m_fontSize = pike;
    m_font.setPixelSize(Koordinatat::pikeNePiksel(pike));
}

void DrawingSurface::rezervo(const QRect &zona)
{
    if (m_zona.contains(zona))
        return;
    const QRect e = m_zona.isEmpty() ? zona : m_zona.united(zona);
    QImage i(e.size(), QImage::Format_RGB32);
    i.fill(Qt::black);
    if (!m_image.isNull()) {
        QPainter p(&i);
        p.drawImage(m_zona.topLeft() - e.topLeft(), m_image);
    }
    m_image = std::move(i);
    m_zona = e;
}

void DrawingSurface::siguroHapesire(const QRect &r)
{
    if (!m_zona.contains(r))
        rezervo(r.adjusted(-Hapi, -Hapi, Hapi, Hapi).intersected(QRect(0, 0, 1 << 14, 1 << 14)));
}

void DrawingSurface::fillPixels(const QRect &r, const QColor &c)
{
    const QRect e = r.intersected(QRect(0, 0, 1 << 14, 1 << 14));
    if (e.isEmpty())
        return;
    siguroHapesire(e);
    QPainter p(&m_image);
    p.fillRect(e.translated(-m_zona.topLeft()), c);
    m_owner->update(e);
}

void DrawingSurface::rectangle(QPointF a, QPointF b, const QColor &ngjyra)
{
    const int x1 = nePiksel(std::min(a.x(), b.x()));
    const int x2 = nePiksel(std::max(a.x(), b.x()));
    const int y1 = nePiksel(std::min(a.y(), b.y()));
    const int y2 = nePiksel(std::max(a.y(), b.y()));
    const int w = std::min(m_drawWidth, std::max(1, std::min(x2 - x1, y2 - y1)));
    fillPixels(QRect(x1, y1, x2 - x1, w), ngjyra);
    fillPixels(QRect(x1, y2 - w, x2 - x1, w), ngjyra);
    fillPixels(QRect(x1, y1, w, y2 - y1), ngjyra);
    fillPixels(QRect(x2 - w, y1, w, y2 - y1), ngjyra);
    m_current = b;
}

void DrawingSurface::filledBox(QPointF a, QPointF b, const QColor &ngjyra)
{
    const int x1 = nePiksel(std::min(a.x(), b.x()));
    const int x2 = nePiksel(std::max(a.x(), b.x()));
    const int y1 = nePiksel(std::min(a.y(), b.y()));
    const int y2 = nePiksel(std::max(a.y(), b.y()));
    fillPixels(QRect(x1, y1, x2 - x1, y2 - y1), ngjyra);
    m_current = b;
}

double DrawingSurface::lineHeight() const
{
    return QFontMetricsF(m_font).height();
}

double DrawingSurface::textWidth(const QString &teksti) const
{
    return QFontMetricsF(m_font).horizontalAdvance(teksti);
}

void DrawingSurface::print(const QString &teksti)
{
    if (teksti.isEmpty())
        return;
    const QFontMetricsF fm(m_font);
    const double w = fm.horizontalAdvance(teksti);
    const QRect zona = QRectF(m_current.x(), m_current.y(), w + 2, fm.height() + 1).toAlignedRect();
    const QRect e = zona.intersected(QRect(0, 0, 1 << 14, 1 << 14));
    if (!e.isEmpty()) {
        siguroHapesire(e);
        QPainter p(&m_image);
        p.translate(-m_zona.topLeft());
        p.setFont(m_font);
        p.setPen(m_foreColor);
        p.drawText(QPointF(nePiksel(m_current.x()), nePiksel(m_current.y()) + fm.ascent()), teksti);
        m_owner->update(e);
    }
    m_current.setX(m_current.x() + w);
}

void DrawingSurface::endLine()
{
    m_current.setX(0);
    m_current.setY(m_current.y() + lineHeight());
}

void DrawingSurface::paint(QPainter &p, const QRect &zona) const
{
    const QRect e = zona.intersected(m_zona);
    if (!e.isEmpty())
        p.drawImage(e.topLeft(), m_image, e.translated(-m_zona.topLeft()));
}
