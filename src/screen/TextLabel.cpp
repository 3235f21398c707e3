#include "screen/TextLabel.h"

#include "base/Bevel.h"
#include "base/Units.h"

#include <QFontMetrics>
#include <QPainter>

TextLabel::TextLabel(QWidget *parent)
    : QLabel(parent)
    , DesignPlaced(this)
{ }

QString TextLabel::shownText() const
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
    setText(shownText());
    fitSize();
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
    fitSize();
    update();
}

void TextLabel::setAutoSize(bool a)
{
    m_autoSize = a;
    fitSize();
}

void TextLabel::setCaptionAlignment(Qt::Alignment a)
{
    m_alignment = a;
    update();
}

void TextLabel::setFontSize(double points)
{
    QFont f = font();
    const int px = Units::pointsToPixels(points);
    if (points == m_fontSize && f.pixelSize() == px)
        return;
    m_fontSize = points;
    f.setPixelSize(px);
    setFont(f);
    fitSize();
    update();
}

void TextLabel::setCaptionFont(const QFont &f, double points)
{
    m_fontSize = points;
    setFont(f);
    fitSize();
    update();
}

void TextLabel::fitSize()
{
    if (!m_autoSize)
        return;
    // An auto-sized label grows or shrinks to its caption on one line per paragraph.
    const QFontMetrics fm(font());
    const QRect box
        = fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, shownText());
    const int border = m_border ? 2 * BorderThickness : 0;
    setDesignGeometry(QRect(designGeometry().topLeft(),
        QSize(box.width() + border, std::max(fm.height(), box.height()) + border)));
}

void TextLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    if (!m_transparent)
        p.fillRect(r, m_backColor);
    if (m_border)
        Bevels::Sunken.draw(p, r);
    if (m_caption.isEmpty())
        return;
    QRect box = paintInDesign(p);
    if (m_border)
        box.adjust(BorderThickness, BorderThickness, -BorderThickness, -BorderThickness);
    p.setFont(font());
    p.setPen(m_foreColor);
    p.drawText(box, m_alignment | Qt::AlignTop | Qt::TextWordWrap, shownText());
}
