#include "exam/ClockStep.h"

#include "exam/NumberText.h"

using NumberText::decimalText;
using NumberText::numericValue;

ClockStep clockStep(const QString &minutes, const QString &seconds)
{
    const double s = numericValue(seconds);
    const double m = numericValue(minutes);
    if (m == 0 && s == 0)
        return { true, minutes, seconds };

    ClockStep step { false, minutes, seconds };
    if (numericValue(step.seconds) == 0) {
        step.minutes = decimalText(m - 1) + QLatin1Char(':');
        step.seconds = QStringLiteral("60");
    }
    step.seconds = decimalText(numericValue(step.seconds) - 1);
    if (step.seconds.size() == 1)
        step.seconds.prepend(QLatin1Char('0'));
    return step;
}
