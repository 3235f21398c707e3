#include "screen/PictureBox.h"

#include "base/Bevel.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {
constexpr int BorderWidth = Bevel::Thickness;
}

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
    , DesignPlaced(this)
{ }

QImage PictureBox::picture() const
{
    drawIfNeeded();
    return m_picture;
}

void PictureBox::setPicture(const QImage &p)
{
    m_drawing.clear();
    m_drawingSize = QSize();
    m_picture = p;
    fitToPicture();
    update();
}

void PictureBox::setDrawing(const QString &resource)
{
    m_drawing = resource;
    m_drawingSize = QSize();
    m_picture = QImage();
    update();
}

QRect PictureBox::innerRect() const
{
    return m_border ? rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth)
                    : rect();
}

QSize PictureBox::pictureSize() const
{
    // A drawing is drawn at its zoomed size: its design size is its own.
    return m_drawing.isEmpty() ? m_picture.deviceIndependentSize().toSize() : m_drawingSize;
}

QSize PictureBox::shownSize() const
{
    const double zoom = mapping().zoom();
    return zoom == 1.0 ? pictureSize() : (QSizeF(pictureSize()) * zoom).toSize();
}

// A drawing is drawn again only when what it must fill changed: the box under a stretched
// one, or the pixel ratio of the screen the window moved to.
void PictureBox::drawIfNeeded() const
{
    if (m_drawing.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize size = m_stretch ? innerRect().size() : shownSize();
    if (!m_picture.isNull() && m_picture.devicePixelRatio() == ratio
        && m_picture.deviceIndependentSize().toSize() == size)
        return;
    QSvgRenderer svg(m_drawing);
    m_drawingSize = svg.defaultSize();
    const QSize target = m_stretch ? innerRect().size() : shownSize();
    m_picture = QImage(target * ratio, QImage::Format_ARGB32_Premultiplied);
    m_picture.setDevicePixelRatio(ratio);
    m_picture.fill(Qt::transparent);
    QPainter p(&m_picture);
    svg.render(&p, QRectF(QPointF(0, 0), target));
}

void PictureBox::setBackColor(const QColor &c)
{
    m_backColor = c;
    setAttribute(Qt::WA_OpaquePaintEvent, c.isValid());
    update();
}

void PictureBox::setBorder(bool b)
{
    m_border = b;
    fitToPicture();
    update();
}

void PictureBox::setAutoSize(bool a)
{
    m_autoSize = a;
    fitToPicture();
}

void PictureBox::setStretch(bool s)
{
    m_stretch = s;
    update();
}

void PictureBox::fitToPicture()
{
    const QSize s = pictureSize();
    if (!m_autoSize || s.isEmpty())
        return;
    const int k = m_border ? 2 * BorderWidth : 0;
    setDesignGeometry(QRect(designGeometry().topLeft(), s + QSize(k, k)));
}

void PictureBox::showEvent(QShowEvent *)
{
    // A drawing takes its size here at the latest, before its box is first painted.
    drawIfNeeded();
    fitToPicture();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    if (m_backColor.isValid())
        p.fillRect(r, m_backColor);
    if (m_border)
        Bevels::Sunken.draw(p, r);
    drawIfNeeded();
    if (m_picture.isNull())
        return;
    const QRect inner = innerRect();
    const QSize own = m_picture.deviceIndependentSize().toSize();
    if (m_stretch && own != inner.size()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(inner, m_picture);
    } else if (!m_stretch && own != shownSize()) { // an image, zoomed
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(inner.topLeft(), shownSize()), m_picture);
    } else {
        p.drawImage(inner.topLeft(), m_picture);
    }
}
