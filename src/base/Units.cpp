#include "base/Units.h"

namespace Units {

QFont font(const QString &family, double points, bool bold, bool italic, bool underline)
{
    QFont f(family);
    f.setPixelSize(pointsToPixels(points));
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

} // namespace Units
