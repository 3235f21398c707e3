#pragma once

#include <QString>

// One tick of the countdown. The clock's only state is the text of its two labels: the minutes
// with their colon ("60:", "9:", never padded) and the seconds as exactly two digits.
struct ClockStep
{
    bool timeUp = false; // the labels read 0:00: the exam closes, the labels stay
    QString minutes;
    QString seconds;
};

ClockStep clockStep(const QString &minutes, const QString &seconds);
