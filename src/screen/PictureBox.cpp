#include "PictureBox.h"

#include <QPainter>

namespace {
constexpr int Kufiri = 2;
}

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{ }

void PictureBox::setPicture(const QImage &p)
{
    m_picture = p;
    pershtatMadhesine();
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
    pershtatMadhesine();
    update();
}

void PictureBox::setAutoSize(bool a)
{
    m_autoSize = a;
    pershtatMadhesine();
}

void PictureBox::setStretch(bool s)
{
    m_stretch = s;
    update();
}

void PictureBox::pershtatMadhesine()
{
    if (!m_autoSize || m_picture.isNull())
        return;
    const int k = m_border ? 2 * Kufiri : 0;
    resize(m_picture.width() + k, m_picture.height() + k);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    if (m_backColor.isValid())
        p.fillRect(r, m_backColor);
    QRect brenda = r;
    if (m_border) {
        const int w = r.width();
        const int h = r.height();
        p.fillRect(0, 0, w, 1, QColor(160, 160, 160));
        p.fillRect(0, 0, 1, h, QColor(160, 160, 160));
        p.fillRect(1, 1, w - 2, 1, QColor(105, 105, 105));
        p.fillRect(1, 1, 1, h - 2, QColor(105, 105, 105));
        p.fillRect(0, h - 1, w, 1, QColor(255, 255, 255));
        p.fillRect(w - 1, 0, 1, h, QColor(255, 255, 255));
        p.fillRect(1, h - 2, w - 2, 1, QColor(227, 227, 227));
        p.fillRect(w - 2, 1, 1, h - 2, QColor(227, 227, 227));
        brenda.adjust(Kufiri, Kufiri, -Kufiri, -Kufiri);
    }
    if (m_picture.isNull())
        return;
    if (m_stretch) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(brenda, m_picture);
    } else {
        p.drawImage(brenda.topLeft(), m_picture);
    }
}
