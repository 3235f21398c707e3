#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// The two-pixel edge of a classic control: one colour pair above and left, another below and
// right, outer line first. Buttons are raised, bordered labels and pictures sunken.
struct Beveli
{
    QColor lartJashte, lartBrenda, poshteJashte, poshteBrenda;

    static constexpr int Trashesia = 2;

    void vizato(QPainter &p, const QRect &r) const;
};

namespace Bevelet {
inline const Beveli IFundosur { { 160, 160, 160 }, { 105, 105, 105 }, { 255, 255, 255 },
    { 227, 227, 227 } };
inline const Beveli INgritur { { 255, 255, 255 }, { 227, 227, 227 }, { 64, 64, 64 },
    { 160, 160, 160 } };
inline const Beveli IShtypur { { 64, 64, 64 }, { 160, 160, 160 }, { 255, 255, 255 },
    { 227, 227, 227 } };
} // namespace Bevelet
