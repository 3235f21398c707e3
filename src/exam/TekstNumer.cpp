#include "TekstNumer.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace TekstNumer {

namespace {
bool eshteBosh(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')
        || c == QLatin1Char('\r');
}

bool eshteShifer(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
} // namespace

double vleraNumerike(const QString &teksti)
{
    qsizetype i = 0;
    const qsizetype n = teksti.size();
    while (i < n && eshteBosh(teksti[i]))
        ++i;

    // The longest prefix of the form [sign] digits [. digits] [E [sign] digits]; the decimal
    // point is always '.', whatever the regional settings say, as captions are written so.
    const qsizetype fillimi = i;
    if (i < n && (teksti[i] == QLatin1Char('+') || teksti[i] == QLatin1Char('-')))
        ++i;
    qsizetype shifra = 0;
    while (i < n && eshteShifer(teksti[i])) {
        ++i;
        ++shifra;
    }
    if (i < n && teksti[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && eshteShifer(teksti[i])) {
            ++i;
            ++shifra;
        }
    }
    if (shifra == 0)
        return 0;
    qsizetype fundi = i;
    if (i < n && (teksti[i] == QLatin1Char('e') || teksti[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (teksti[j] == QLatin1Char('+') || teksti[j] == QLatin1Char('-')))
            ++j;
        if (j < n && eshteShifer(teksti[j])) {
            while (j < n && eshteShifer(teksti[j]))
                ++j;
            fundi = j;
        }
    }
    bool ok = false;
    const double v = teksti.mid(fillimi, fundi - fillimi).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return 0;
    return v;
}

QString tekstDecimal(double v, QChar ndaresi)
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
    t.replace(QLatin1Char('.'), ndaresi);
    return t;
}

QString formaENumrit(double v, QChar ndaresi)
{
    const QString t = tekstDecimal(v, ndaresi);
    return (v < 0 ? QString() : QStringLiteral(" ")) + t + QLatin1Char(' ');
}

QChar ndaresiISistemit()
{
    const QString p = QLocale::system().decimalPoint();
    return p.isEmpty() ? QLatin1Char('.') : p.front();
}

} // namespace TekstNumer
