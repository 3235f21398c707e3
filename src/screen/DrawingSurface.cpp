#include "screen/DrawingSurface.h"

#include "base/Units.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

using Units::toPixel;

namespace {
// A drawing beyond what was reserved widens the image by at least this much, so that a stray
// drawing does not cost one reallocation per pixel row.
constexpr int GrowthStep = 128;
} // namespace

DrawingSurface::DrawingSurface(QWidget *owner, const DesignMapping *mapping)
    : m_owner(owner)
    , m_mapping(mapping)
    , m_ratio(owner->devicePixelRatioF() * (mapping ? mapping->zoom() : 1.0))
    , m_font(Units::font(Units::Arial, Units::WindowFontPoints))
{
    // At one screen pixel per design pixel printed text keeps exact colours and sharp edges,
    // like lines and boxes; scaled either way it is smoothed like the controls' captions.
    if (m_ratio == 1.0)
        m_font.setStyleStrategy(QFont::NoAntialias);
    setFontSize(Units::WindowFontPoints);
}

const DesignMapping &DrawingSurface::mapping() const
{
    static const DesignMapping identity;
    return m_mapping ? *m_mapping : identity;
}

void DrawingSurface::setFontSize(double points)
{
    m_fontSize = points;
    m_font.setPixelSize(Units::pointsToPixels(points));
}

QRect DrawingSurface::deviceRect(const QRect &r) const
{
    const auto lower = [this](int v) { return static_cast<int>(std::floor(v * m_ratio)); };
    const auto upper = [this](int v) { return static_cast<int>(std::ceil(v * m_ratio)); };
    return QRect(QPoint(lower(r.left()), lower(r.top())),
        QPoint(upper(r.right() + 1) - 1, upper(r.bottom() + 1) - 1));
}

void DrawingSurface::reserve(const QRect &area)
{
    if (m_area.contains(area))
        return;
    settle();
    const QRect e = m_area.isEmpty() ? area : m_area.united(area);
    const QRect device = deviceRect(e);
    QImage i(device.size(), QImage::Format_RGB32);
    i.fill(Qt::black);
    if (!m_image.isNull()) {
        // Pixel for pixel: a view of the old image that knows nothing of the ratio.
        const QImage old(m_image.constBits(), m_image.width(), m_image.height(),
            m_image.bytesPerLine(), m_image.format());
        QPainter p(&i);
        p.drawImage(m_origin - device.topLeft(), old);
    }
    // A painter scales up by an image's ratio, never down: below 1 begin() scales itself.
    i.setDevicePixelRatio(std::max(1.0, m_ratio));
    m_image = std::move(i);
    m_area = e;
    m_origin = device.topLeft();
}

void DrawingSurface::begin(QPainter &p)
{
    p.begin(&m_image);
    // The image's pixel (0, 0) is the screen pixel m_origin of the design.
    p.resetTransform();
    if (m_ratio < 1)
        p.scale(m_ratio, m_ratio);
    p.translate(-m_origin.x() / m_ratio, -m_origin.y() / m_ratio);
}

void DrawingSurface::ensureRoom(const QRect &r)
{
    if (!m_area.contains(r))
        reserve(r.adjusted(-GrowthStep, -GrowthStep, GrowthStep, GrowthStep)
                    .intersected(QRect(0, 0, 1 << 14, 1 << 14)));
}

void DrawingSurface::fillPixels(const QRect &r, const QColor &c)
{
    const QRect e = r.intersected(QRect(0, 0, 1 << 14, 1 << 14));
    if (e.isEmpty())
        return;
    ensureRoom(e);
    painter().fillRect(e, c);
    m_owner->update(mapping().covering(e));
}

void DrawingSurface::rectangle(QPointF a, QPointF b, const QColor &colour)
{
    const int x1 = toPixel(std::min(a.x(), b.x()));
    const int x2 = toPixel(std::max(a.x(), b.x()));
    const int y1 = toPixel(std::min(a.y(), b.y()));
    const int y2 = toPixel(std::max(a.y(), b.y()));
    const int w = std::min(m_drawWidth, std::max(1, std::min(x2 - x1, y2 - y1)));
    fillPixels(QRect(x1, y1, x2 - x1, w), colour);
    fillPixels(QRect(x1, y2 - w, x2 - x1, w), colour);
    fillPixels(QRect(x1, y1, w, y2 - y1), colour);
    fillPixels(QRect(x2 - w, y1, w, y2 - y1), colour);
    m_current = b;
}

void DrawingSurface::filledBox(QPointF a, QPointF b, const QColor &colour)
{
    const int x1 = toPixel(std::min(a.x(), b.x()));
    const int x2 = toPixel(std::max(a.x(), b.x()));
    const int y1 = toPixel(std::min(a.y(), b.y()));
    const int y2 = toPixel(std::max(a.y(), b.y()));
    fillPixels(QRect(x1, y1, x2 - x1, y2 - y1), colour);
    m_current = b;
}

double DrawingSurface::lineHeight() const
{
    return QFontMetricsF(m_font).height();
}

double DrawingSurface::textWidth(const QString &text) const
{
    return QFontMetricsF(m_font).horizontalAdvance(text);
}

void DrawingSurface::print(const QString &text)
{
    if (text.isEmpty())
        return;
    const QFontMetricsF fm(m_font);
    const double w = fm.horizontalAdvance(text);
    const QRect area = QRectF(m_current.x(), m_current.y(), w + 2, fm.height() + 1).toAlignedRect();
    const QRect e = area.intersected(QRect(0, 0, 1 << 14, 1 << 14));
    if (!e.isEmpty()) {
        ensureRoom(e);
        QPainter &p = painter();
        p.setFont(m_font);
        p.setPen(m_foreColor);
        p.drawText(QPointF(toPixel(m_current.x()), toPixel(m_current.y()) + fm.ascent()), text);
        m_owner->update(mapping().covering(e));
    }
    m_current.setX(m_current.x() + w);
}

void DrawingSurface::endLine()
{
    m_current.setX(0);
    m_current.setY(m_current.y() + lineHeight());
}

QPainter &DrawingSurface::painter()
{
    if (!m_painter.isActive())
        begin(m_painter);
    return m_painter;
}

void DrawingSurface::settle() const
{
    if (m_painter.isActive())
        m_painter.end();
}

void DrawingSurface::paint(QPainter &p, const QRegion &region) const
{
    settle();
    const DesignMapping &m = mapping();
    if (m_ratio == 1.0 && m.zoom() == 1.0) {
        for (const QRect &r : region) {
            const QRect e = r.translated(-m.origin()).intersected(m_area);
            if (!e.isEmpty())
                p.drawImage(e.topLeft() + m.origin(), m_image, e.translated(-m_origin));
        }
        return;
    }
    const QRegion e = region.intersected(m.covering(m_area));
    if (e.isEmpty())
        return;
    // Screen pixel for screen pixel: a view of the image at the screen's own ratio, whose
    // pixels are the window's at the same scale. The whole image is drawn once under the
    // region's clip: drawing it for each rectangle of a scattered region (a closing repaints
    // more than a hundred) cost a multiple.
    const qreal screenRatio = m_ratio / m.zoom();
    QImage view(m_image.constBits(), m_image.width(), m_image.height(), m_image.bytesPerLine(),
        m_image.format());
    view.setDevicePixelRatio(screenRatio);
    p.save();
    p.setClipRegion(e, Qt::IntersectClip);
    p.drawImage(QPointF(m.origin()) + QPointF(m_origin) / screenRatio, view);
    p.restore();
}
