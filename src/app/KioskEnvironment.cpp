#include "app/KioskEnvironment.h"

#include <algorithm>

KioskEnvironment KioskEnvironment::parse(const QString &fit, const QString &dateLocale)
{
    KioskEnvironment e;
    bool ok = false;
    // The session writes the factor with a point whatever the locale, as the C library does.
    const double factor = QLocale::c().toDouble(fit.trimmed(), &ok);
    if (ok && factor > 0) {
        e.centred = true;
        e.zoom = std::min(1.0, factor);
    }
    if (!dateLocale.trimmed().isEmpty())
        e.dateLocale = QLocale(dateLocale.trimmed());
    return e;
}

KioskEnvironment KioskEnvironment::fromProcess()
{
    return parse(qEnvironmentVariable("PROVIMI_FIT"), qEnvironmentVariable("PROVIMI_DATE_LOCALE"));
}
