#include "exam/Descriptions.h"

#include "base/LetterSpacing.h"
#include "exam/NumberText.h"
#include "exam/Texts.h"

#include <QStringList>

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

QString openQuestion(int k, int points, const QString &text, const QString &drawing)
{
    const QString d
        = QStringLiteral("Pyetja %1, %2%3: ").arg(k).arg(points).arg(Texts::PointsSuffix) + text;
    return drawing.isEmpty() ? d : d + QStringLiteral(" Figura: ") + drawing;
}

QString drawing(int q)
{
    switch (q) {
    case 31:
        return QStringLiteral(
            "Dy formula strukturore. I: H, C, C, O, H të lidhur në një vijë, me nga një H mbi "
            "dhe nën secilin nga dy karbonet. II: një unazë me gjashtë karbone me tri lidhje "
            "dyfishe të alternuara, me një grup OH të lidhur drejtpërdrejt në unazë.");
    case 32:
        return QStringLiteral(
            "Një formulë strukturore: një unazë me gjashtë karbone me tri lidhje dyfishe të "
            "alternuara. Në një karbon të unazës, një karbon me një O me lidhje dyfishe dhe një "
            "OH. Në karbonin fqinj, një O që e lidh unazën me një karbon me një O me lidhje "
            "dyfishe dhe një grup CH3.");
    default:
        return {};
    }
}

QString confirmation(int j, const QString &text)
{
    if (j < 0)
        return {};
    if (j == 0)
        return QStringLiteral("Konfirmo kërkesën: do të pyeteni nëse doni ta përfundoni provimin");
    return QStringLiteral("Konfirmo përgjigjen ") + QChar(QLatin1Char('A').unicode() + j - 1)
        + QStringLiteral(": ") + text;
}

QString timeLeft(int minutes, int seconds)
{
    QStringList parts;
    if (minutes != 0 || seconds == 0)
        parts << QString::number(minutes)
                + (minutes == 1 ? QStringLiteral(" minutë") : QStringLiteral(" minuta"));
    if (seconds != 0)
        parts << QString::number(seconds)
                + (seconds == 1 ? QStringLiteral(" sekondë") : QStringLiteral(" sekonda"));
    return QStringLiteral("Koha e mbetur: ") + parts.join(QStringLiteral(" e "));
}

QString result(const QString &percentage, double earned, int maximum, QChar separator)
{
    return QStringLiteral("Rezultati: ") + percentage + QStringLiteral(", ")
        + score(earned, maximum, separator)
        + QStringLiteral(". Me shigjetat dëgjoni përgjigjet një nga një.");
}

QString notice(const QString &shown)
{
    QStringList lines = shown.split(QLatin1Char('\r'), Qt::SkipEmptyParts);
    for (QString &l : lines)
        l = withoutLetterSpacing(l);
    return lines.join(QLatin1Char(' '));
}

} // namespace Descriptions
