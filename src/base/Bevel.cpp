#include "base/Bevel.h"

#include <QPainter>

void Bevel::draw(QPainter &p, const QRect &r) const
{
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    p.fillRect(x, y, w, 1, topOuter);
    p.fillRect(x, y, 1, h, topOuter);
    p.fillRect(x, y + h - 1, w, 1, bottomOuter);
    p.fillRect(x + w - 1, y, 1, h, bottomOuter);
    if (w <= 2 || h <= 2)
        return;
    p.fillRect(x + 1, y + 1, w - 2, 1, topInner);
    p.fillRect(x + 1, y + 1, 1, h - 2, topInner);
    p.fillRect(x + 1, y + h - 2, w - 2, 1, bottomInner);
    p.fillRect(x + w - 2, y + 1, 1, h - 2, bottomInner);
}
