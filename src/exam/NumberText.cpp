#include "exam/NumberText.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace NumberText {

namespace {
bool isEmpty(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')
        || c == QLatin1Char('\r');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
} // namespace

double numericValue(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isEmpty(text[i]))
        ++i;

    // The longest prefix of the form [sign] digits [. digits] [E [sign] digits]; the decimal
    // point is always '.', whatever the regional settings say, as captions are written so.
    const qsizetype first = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    qsizetype last = i;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                ++j;
            last = j;
        }
    }
    bool ok = false;
    const double v = text.mid(first, last - first).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return 0;
    return v;
}

QString decimalText(double v, QChar separator)
{
    if (v == 0)
        return QStringLiteral("0"); // also for -0
    // 15 significant digits is what a double holds exactly; 'g' drops the trailing zeros.
    QString t = QString::number(v, 'g', 15);
    if (t.contains(QLatin1Char('e'))) // very large or small: spell it out
        t = QString::number(
            v, 'f', std::max(0, 14 - static_cast<int>(std::floor(std::log10(std::fabs(v))))));
    if (t.contains(QLatin1Char('.'))) {
        while (t.endsWith(QLatin1Char('0')))
            t.chop(1);
        if (t.endsWith(QLatin1Char('.')))
            t.chop(1);
    }
    t.replace(QLatin1Char('.'), separator);
    return t;
}

QString numberForm(double v, QChar separator)
{
    const QString t = decimalText(v, separator);
    return (v < 0 ? QString() : QStringLiteral(" ")) + t + QLatin1Char(' ');
}

QChar systemDecimalSeparator()
{
    const QString p = QLocale::system().decimalPoint();
    return p.isEmpty() ? QLatin1Char('.') : p.front();
}

} // namespace NumberText
