#include "Koordinatat.h"

namespace Koordinatat {

QFont fonti(const QString &familja, double pike, bool bold, bool italic, bool underline)
{
    QFont f(familja);
    f.setPixelSize(pikeNePiksel(pike));
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

} // namespace Koordinatat
