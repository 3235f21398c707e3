#include "Teza.h"

#include "ExamState.h"
#include "GjeneratoriRastesor.h"

#include <QTime>

#include <cmath>

void hiqTezen(ExamState &s, GjeneratoriRastesor &rastesia)
{
    int k = 0;
    while (k < ExamState::PyetjeNeFond) {
        const int r = static_cast<int>(std::floor(rastesia.tjetri() * 50)) + 1;
        if (s.EZgjedhur(r) == Po)
            continue;
        ++k;
        s.EZgjedhur(r) = Po;
        s.Teza(k) = static_cast<std::int16_t>(r);
    }
}

float sekondatNgaMesnata()
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}
