#include "store/TextFit.h"

#include "base/Units.h"

#include <QFontMetrics>
#include <QRegularExpression>

namespace TextFit {

bool fits(const QString &text, const QFont &font, QSize room)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    const QFontMetrics fm(font);
    const QRect r = fm.boundingRect(
        QRect(0, 0, room.width(), 100000), Qt::AlignLeft | Qt::TextWordWrap, shown);
    if (r.width() > room.width() || r.height() > room.height())
        return false;
    // A word wider than the room would be broken in the middle.
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString &word : shown.split(blanks, Qt::SkipEmptyParts))
        if (fm.horizontalAdvance(word) > room.width())
            return false;
    return true;
}

bool questionFits(const QString &text, double points)
{
    return fits(text, Units::font(Units::Arial, points), QuestionRoom);
}

bool alternativeFits(const QString &text, double points)
{
    return fits(text, Units::font(Units::Arial, points), AlternativeRoom);
}

} // namespace TextFit
