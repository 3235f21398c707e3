#pragma once

#include "base/Colour.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <cmath>

// Coordinate, font and colour conventions of the exam window. Positions and sizes are pixels of
// the window's client area, origin top-left, y downwards, at the design's 96 dots per inch.
namespace Units {

// Computed positions are often fractional (779.5, 256.1): every one of them, a button's edge
// or a drawn frame's, is snapped to a whole pixel by this one rule.
inline int toPixel(double v)
{
    return static_cast<int>(std::floor(v + 0.5));
}

// Font sizes are points at 96 dots per inch, a point being 4/3 pixel. Fonts are sized in
// pixels so that the screen's DPI setting cannot shift or overflow anything.
inline int pointsToPixels(double points)
{
    return std::max(1, toPixel(points * 4.0 / 3.0));
}

// The design names Arial and its relatives; these are their metric-compatible Debian fonts.
inline const QString Arial = QStringLiteral("Liberation Sans");
inline const QString ArialNarrow = QStringLiteral("Liberation Sans Narrow");
inline const QString ArialRounded = QStringLiteral("Comfortaa");

QFont font(const QString &family, double points, bool bold = false, bool italic = false,
    bool underline = false);

inline QColor toQColor(Colour n)
{
    return QColor(n.r, n.g, n.b);
}

inline Colour colourOf(const QColor &c)
{
    return { static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
        static_cast<std::uint8_t>(c.blue()) };
}

inline constexpr double WindowFontPoints = 14.25; // Arial 14.25 pt, the window's own font

} // namespace Units
