#include "Beveli.h"

#include <QPainter>

void Beveli::vizato(QPainter &p, const QRect &r) const
{
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    p.fillRect(x, y, w, 1, lartJashte);
    p.fillRect(x, y, 1, h, lartJashte);
    p.fillRect(x, y + h - 1, w, 1, poshteJashte);
    p.fillRect(x + w - 1, y, 1, h, poshteJashte);
    if (w <= 2 || h <= 2)
        return;
    p.fillRect(x + 1, y + 1, w - 2, 1, lartBrenda);
    p.fillRect(x + 1, y + 1, 1, h - 2, lartBrenda);
    p.fillRect(x + 1, y + h - 2, w - 2, 1, poshteBrenda);
    p.fillRect(x + w - 2, y + 1, 1, h - 2, poshteBrenda);
}
