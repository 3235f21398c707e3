#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// What the kiosk session tells the program through its environment:
//   PROVIMI_FIT          the factor the session fits the 1024 x 768 design to the screen with.
//                        The design then stands centred, the rest black, and below 1 the
//                        window draws it at that fraction of its size (Qt's QT_SCALE_FACTOR,
//                        which the session sets from 1 up, does not go below 1).
//   PROVIMI_DATE_LOCALE  a locale name (sq_AL) whose short date format the date is shown in.
// Without them the window stands at the top left at its own size, the date in the system's
// format. A value that is not a number greater than 0 counts as none.
struct KioskEnvironment
{
    double zoom = 1;
    bool centred = false;
    std::optional<QLocale> dateLocale;

    static KioskEnvironment parse(const QString &fit, const QString &dateLocale);
    static KioskEnvironment fromProcess();
};
