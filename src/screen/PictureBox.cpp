#include "screen/PictureBox.h"

#include "base/Bevel.h"
#include "store/Picture.h"

#include <QFile>
#include <QPainter>

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
    m_svg.clear();
    m_drawingSize = QSize();
    m_picture = p;
    fitToPicture();
    update();
}

void PictureBox::setDrawing(const QString &resource)
{
    m_drawing = resource;
    m_svg.clear();
    m_drawingSize = QSize();
    m_picture = QImage();
    update();
}

void PictureBox::setPictureData(const QByteArray &bytes)
{
    if (Picture::format(bytes) != QLatin1String("svg")) {
        setPicture(QImage::fromData(bytes));
        return;
    }
    m_drawing.clear();
    m_svg = bytes;
    m_drawingSize = Picture::size(bytes);
    m_picture = QImage();
    fitToPicture();
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
    const QSize own = isDrawing() ? m_drawingSize : m_picture.deviceIndependentSize().toSize();
    return Picture::fitted(own, m_largest);
}

QSize PictureBox::shownSize() const
{
    const double zoom = mapping().zoom();
    return zoom == 1.0 ? pictureSize() : (QSizeF(pictureSize()) * zoom).toSize();
}

// A drawing is drawn again only when what it must fill changed: the box under a stretched
// one, or the pixel ratio of the screen the window moved to. It is read once for its size and
// its picture.
void PictureBox::drawIfNeeded() const
{
    if (!isDrawing())
        return;
    const qreal ratio = devicePixelRatioF();
    if (!m_picture.isNull() && m_picture.devicePixelRatio() == ratio
        && m_picture.deviceIndependentSize().toSize()
            == (m_stretch ? innerRect().size() : shownSize()))
        return;
    if (m_svg.isEmpty()) {
        QFile resource(m_drawing);
        if (resource.open(QIODevice::ReadOnly))
            m_svg = resource.readAll();
    }
    m_picture = Picture::render(
        m_svg,
        [this](QSize own) {
            m_drawingSize = own;
            return m_stretch ? innerRect().size() : shownSize();
        },
        ratio);
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
    } else if (!m_stretch && own != shownSize()) { // an image, zoomed or shrunk
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(inner.topLeft(), shownSize()), m_picture);
    } else {
        p.drawImage(inner.topLeft(), m_picture);
    }
}
