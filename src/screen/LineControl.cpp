#include "LineControl.h"

#include <QPainter>

LineControl::LineControl(QWidget *parent, QPoint nga, QPoint deri, const QColor &ngjyra)
    : QWidget(parent)
    , m_nga(nga)
    , m_deri(deri)
    , m_ngjyra(ngjyra)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(QRect(nga, deri).normalized().adjusted(0, 0, 1, 1));
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(m_ngjyra, 1));
    p.drawLine(m_nga - pos(), m_deri - pos());
}
