#include "exam/Descriptions.h"

#include "exam/NumberText.h"
#include "exam/Texts.h"

namespace Descriptions {

namespace {
const QString Marked = QStringLiteral(", e zgjedhur");
}

QString question(int k, int points, Seen seen, const QString &letter)
{
    QString d = QStringLiteral("Pyetja %1, %2%3, ").arg(k).arg(points).arg(Texts::PointsSuffix);
    switch (seen) {
    case Seen::Never:
        d += QStringLiteral("e pahapur");
        break;
    case Seen::OpenNow:
        d += QStringLiteral("e hapur");
        break;
    case Seen::Before:
        d += QStringLiteral("e lexuar");
        break;
    }
    if (!letter.isEmpty())
        d += QStringLiteral(", përgjigja ") + letter;
    return d;
}

QString closedQuestion(
    int k, int q, const QString &given, const QString &correct, const QString &earned)
{
    QString d = QStringLiteral("Pyetja %1 (P %2): ").arg(k).arg(q);
    d += given == QLatin1String("_") ? QStringLiteral("pa përgjigje")
                                     : QStringLiteral("përgjigja ") + given;
    d += QStringLiteral(", e sakta ") + correct;
    if (!earned.isEmpty())
        d += QStringLiteral(", ") + earned + Texts::PointsSuffix;
    return d;
}

QString alternative(int j, bool marked)
{
    const QString d = j == 0
        ? QStringLiteral("Kërkesë për përfundimin e provimit")
        : QStringLiteral("Alternativa ") + QChar(QLatin1Char('A').unicode() + j - 1);
    return marked ? d + Marked : d;
}

QString score(double earned, int maximum, QChar separator)
{
    return NumberText::decimalText(earned, separator) + QStringLiteral(" nga ")
        + NumberText::decimalText(maximum, separator) + Texts::PointsSuffix;
}

} // namespace Descriptions
