#include "TextLabel.h"

#include "Beveli.h"

#include "Koordinatat.h"

#include <QFontMetrics>
#include <QPainter>

TextLabel::TextLabel(QWidget *parent)
    : QLabel(parent)
{ }

QString TextLabel::tekstiIShfaqur() const
{
    QString t = m_caption;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

void TextLabel::setCaption(const QString &c)
{
    if (c == m_caption)
        return;
    m_caption = c;
    setText(tekstiIShfaqur());
    pershtatMadhesine();
    update();
}

void TextLabel::setForeColor(const QColor &c)
{
    if (c == m_foreColor)
        return;
    m_foreColor = c;
    update();
}

void TextLabel::setBackColor(const QColor &c)
{
    m_backColor = c;
    update();
}

void TextLabel::setTransparent(bool t)
{
    m_transparent = t;
    setAttribute(Qt::WA_OpaquePaintEvent, !t);
    update();
}

void TextLabel::setBorder(bool b)
{
    if (b == m_border)
        return;
    m_border = b;
    pershtatMadhesine();
    update();
}

void TextLabel::setAutoSize(bool a)
{
    m_autoSize = a;
    pershtatMadhesine();
}

void TextLabel::setCaptionAlignment(Qt::Alignment a)
{
    m_alignment = a;
    update();
}

void TextLabel::setFontSize(double pike)
{
    QFont f = font();
    const int px = Koordinatat::pikeNePiksel(pike);
    if (pike == m_fontSize && f.pixelSize() == px)
        return;
    m_fontSize = pike;
    f.setPixelSize(px);
    setFont(f);
    pershtatMadhesine();
    update();
}

void TextLabel::setCaptionFont(const QFont &f, double pike)
{
    m_fontSize = pike;
    setFont(f);
    pershtatMadhesine();
    update();
}

void TextLabel::pershtatMadhesine()
{
    if (!m_autoSize)
        return;
    // An auto-sized label grows or shrinks to its caption on one line per paragraph.
    const QFontMetrics fm(font());
    const QRect kuti = fm.boundingRect(
        QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, tekstiIShfaqur());
    const int kufiri = m_border ? 2 * TrashesiaEKufirit : 0;
    resize(kuti.width() + kufiri, std::max(fm.height(), kuti.height()) + kufiri);
}

void TextLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    if (!m_transparent)
        p.fillRect(r, m_backColor);
    QRect kuti = r;
    if (m_border) {
        Bevelet::IFundosur.vizato(p, r);
        kuti.adjust(TrashesiaEKufirit, TrashesiaEKufirit, -TrashesiaEKufirit, -TrashesiaEKufirit);
    }
    if (m_caption.isEmpty())
        return;
    p.setFont(font());
    p.setPen(m_foreColor);
    p.drawText(kuti, m_alignment | Qt::AlignTop | Qt::TextWordWrap, tekstiIShfaqur());
}
