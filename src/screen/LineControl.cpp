#include "screen/LineControl.h"

#include <QPainter>

LineControl::LineControl(QWidget *parent, QPoint from, QPoint to, const QColor &colour)
    : QWidget(parent)
    , m_from(from)
    , m_to(to)
    , m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(QRect(from, to).normalized().adjusted(0, 0, 1, 1));
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(m_colour, 1));
    p.drawLine(m_from - pos(), m_to - pos());
}
