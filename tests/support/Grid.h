#pragma once

#include <QPoint>

// Where start-up puts question button i: ten rows of five, 1.5 button widths and 1.7 button
// heights apart from (730, 200), in whole pixels.
inline QPoint gridPlace(int i)
{
    static constexpr int Columns[] = { 780, 829, 879, 928, 978 };
    static constexpr int Rows[] = { 200, 256, 312, 368, 424, 481, 537, 593, 649, 705 };
    return { Columns[(i - 1) % 5], Rows[(i - 1) / 5] };
}
