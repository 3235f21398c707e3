#include "exam/Scoring.h"

#include "exam/NumberText.h"
#include "exam/Texts.h"

#include <cmath>
#include <limits>
#include <stdexcept>

using NumberText::decimalText;
using NumberText::numberForm;
using NumberText::numericValue;

Scoring computeScoring(const ExamState &s, const std::function<QString(int k)> &buttonCaption)
{
    Scoring v;
    int maximum = 0;
    for (int i = 1; i <= s.NrPyetjeve; ++i) {
        const QString c = buttonCaption(i);
        const int q = s.Teza(i);
        if (numericValue(c) == 0) {
            v.PergjigjetEDhena(i) = c;
            if (s.PergjigjaESakte(q) == v.PergjigjetEDhena(i)) {
                v.PiketEFituara(i) = decimalText(s.PikePozitive(q));
                v.PiketEGrumbulluara += numericValue(v.PiketEFituara(i));
            }
        } else {
            v.PergjigjetEDhena(i) = QStringLiteral("_");
        }
        maximum += s.PikePozitive(q);
        if (maximum > std::numeric_limits<std::int16_t>::max())
            throw std::overflow_error("the paper is worth more points than the score can hold");
    }
    v.PiketMaksimale = static_cast<std::int16_t>(maximum);
    return v;
}

double percentage(double points, std::int16_t maximum)
{
    if (maximum == 0)
        return 0;
    volatile double earliness = points / maximum; // each step rounded to double on its own
    volatile double product = earliness * 10000;
    return std::floor(product) / 100;
}

QString percentageText(double p, QChar separator)
{
    return decimalText(p, separator) + QLatin1Char('%');
}

std::vector<ListingRow> resultListing(const ExamState &s, QChar separator)
{
    std::vector<ListingRow> listing;
    const int half = s.NrPyetjeve / 2;
    for (int i = 1; i <= s.NrPyetjeve; ++i) {
        const bool left = i <= half;
        const int q = s.Teza(i);
        const double points = numericValue(s.PiketEFituara(i));
        ListingRow r;
        r.k = i;
        r.x = left ? Column1X : Column2X;
        r.pieces.push_back({ QStringLiteral("Nr. "), Colours::White, {} });
        r.pieces.push_back({ numberForm(i, separator), Colours::White, {} });
        r.pieces.push_back({ s.PergjigjetEDhena(i), Colours::Yellow, {} });
        r.pieces.push_back(
            { QStringLiteral("  (P ") + decimalText(q) + QLatin1Char(' '), Colours::White, {} });
        const Colour correctLetter = s.PiketEFituara(i).isEmpty()
            ? Colours::White
            : colourOrBlack(s.NgjyraPikeve(static_cast<int>(points)));
        r.pieces.push_back({ s.PergjigjaESakte(q), correctLetter, {} });
        r.pieces.push_back({ QStringLiteral(")  "), Colours::White, {} });
        if (points > 0)
            r.pieces.push_back({ s.PiketEFituara(i) + Texts::PointsSuffix, Colours::White,
                left ? Column1PointsX : Column2PointsX });
        listing.push_back(std::move(r));
    }
    return listing;
}
