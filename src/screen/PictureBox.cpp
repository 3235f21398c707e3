#include "screen/PictureBox.h"

#include "base/Bevel.h"

#include <QPainter>

namespace {
constexpr int BorderWidth = Bevel::Thickness;
}

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{ }

QImage PictureBox::picture() const
{
    drawIfNeeded();
    return m_picture;
}

void PictureBox::setPicture(std::function<QImage()> drawing)
{
    m_picture = QImage();
    m_draw = std::move(drawing);
    update();
}

void PictureBox::drawIfNeeded() const
{
    if (!m_draw)
        return;
    m_picture = m_draw();
    m_draw = nullptr;
}

void PictureBox::setPicture(const QImage &p)
{
    m_draw = nullptr;
    m_picture = p;
    fitSize();
    update();
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
    fitSize();
    update();
}

void PictureBox::setAutoSize(bool a)
{
    m_autoSize = a;
    fitSize();
}

void PictureBox::setStretch(bool s)
{
    m_stretch = s;
    update();
}

void PictureBox::fitSize()
{
    if (!m_autoSize || m_draw || m_picture.isNull())
        return;
    const int k = m_border ? 2 * BorderWidth : 0;
    resize(m_picture.width() + k, m_picture.height() + k);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    if (m_backColor.isValid())
        p.fillRect(r, m_backColor);
    QRect inside = r;
    if (m_border) {
        Bevels::Sunken.draw(p, r);
        inside.adjust(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
    }
    drawIfNeeded();
    if (m_picture.isNull())
        return;
    if (m_stretch) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(inside, m_picture);
    } else {
        p.drawImage(inside.topLeft(), m_picture);
    }
}
