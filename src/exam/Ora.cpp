#include "Ora.h"

#include "TekstNumer.h"

using TekstNumer::tekstDecimal;
using TekstNumer::vleraNumerike;

HapiIOres hapiIOres(const QString &minutat, const QString &sekondat)
{
    const double s = vleraNumerike(sekondat);
    const double m = vleraNumerike(minutat);
    if (m == 0 && s == 0)
        return { true, minutat, sekondat };

    HapiIOres hapi { false, minutat, sekondat };
    if (vleraNumerike(hapi.sekondat) == 0) {
        hapi.minutat = tekstDecimal(m - 1) + QLatin1Char(':');
        hapi.sekondat = QStringLiteral("60");
    }
    hapi.sekondat = tekstDecimal(vleraNumerike(hapi.sekondat) - 1);
    if (hapi.sekondat.size() == 1)
        hapi.sekondat.prepend(QLatin1Char('0'));
    return hapi;
}
