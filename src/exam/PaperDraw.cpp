#include "exam/PaperDraw.h"

#include "exam/ExamState.h"
#include "exam/RandomGenerator.h"

#include <QTime>

#include <cmath>

void drawPaper(ExamState &s, RandomGenerator &random)
{
    int k = 0;
    while (k < QuestionCount) {
        const int r = static_cast<int>(std::floor(random.next() * QuestionCount)) + 1;
        if (s.EZgjedhur(r) == FlagYes)
            continue;
        ++k;
        s.EZgjedhur(r) = FlagYes;
        s.Teza(k) = static_cast<std::int16_t>(r);
    }
}

float secondsSinceMidnight()
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}
