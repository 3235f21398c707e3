#include "PictureBox.h"

#include "Beveli.h"

#include <QPainter>

namespace {
constexpr int Kufiri = Beveli::Trashesia;
}

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{ }

QImage PictureBox::picture() const
{
    vizatoNeseDuhet();
    return m_picture;
}

void PictureBox::setPicture(std::function<QImage()> vizatimi)
{
    m_picture = QImage();
    m_vizatimi = std::move(vizatimi);
    update();
}

void PictureBox::vizatoNeseDuhet() const
{
    if (!m_vizatimi)
        return;
    m_picture = m_vizatimi();
    m_vizatimi = nullptr;
}

void PictureBox::setPicture(const QImage &p)
{
    m_vizatimi = nullptr;
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
    if (!m_autoSize || m_vizatimi || m_picture.isNull())
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
        Bevelet::IFundosur.vizato(p, r);
        brenda.adjust(Kufiri, Kufiri, -Kufiri, -Kufiri);
    }
    vizatoNeseDuhet();
    if (m_picture.isNull())
        return;
    if (m_stretch) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(brenda, m_picture);
    } else {
        p.drawImage(brenda.topLeft(), m_picture);
    }
}
