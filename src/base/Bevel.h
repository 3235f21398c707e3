#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// The two-pixel edge of a classic control: one colour pair above and left, another below and
// right, outer line first. Buttons are raised, bordered labels and pictures sunken.
struct Bevel
{
    QColor topOuter, topInner, bottomOuter, bottomInner;

    static constexpr int Thickness = 2;

    void draw(QPainter &p, const QRect &r) const;
};

namespace Bevels {
inline const Bevel Sunken { { 160, 160, 160 }, { 105, 105, 105 }, { 255, 255, 255 },
    { 227, 227, 227 } };
inline const Bevel Raised { { 255, 255, 255 }, { 227, 227, 227 }, { 64, 64, 64 },
    { 160, 160, 160 } };
inline const Bevel Pressed { { 64, 64, 64 }, { 160, 160, 160 }, { 255, 255, 255 },
    { 227, 227, 227 } };
} // namespace Bevels
