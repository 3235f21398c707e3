#include "screen/LineControl.h"

#include <QPainter>

#include <algorithm>

LineControl::LineControl(
    QWidget *parent, QPoint from, QPoint to, const QColor &colour, const DesignMapping *mapping)
    : QWidget(parent)
    , DesignPlaced(this)
    , m_from(from)
    , m_to(to)
    , m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setMapping(mapping);
    // The design has no pixels left of or above its origin: a line's part there stays off the
    // window also where the design stands centred in it.
    setDesignGeometry(QRect(from, to)
                          .normalized()
                          .adjusted(0, 0, 1, 1)
                          .intersected(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)));
}

void LineControl::paintEvent(QPaintEvent *)
{
    // The ends are mapped like the corners of the box, so the line stays inside it.
    QPainter p(this);
    p.setPen(QPen(m_colour, 1));
    const QRect box = geometry();
    const auto end = [&](QPoint design) {
        const QPoint w = mapping().toWindow(design) - box.topLeft();
        return QPoint(std::min(w.x(), box.width() - 1), std::min(w.y(), box.height() - 1));
    };
    p.drawLine(end(m_from), end(m_to));
}
