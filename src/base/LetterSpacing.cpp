#include "base/LetterSpacing.h"

#include <QRegularExpression>

QString withoutLetterSpacing(const QString &text)
{
    const QString t = text.trimmed();
    // Spaced: two or more pieces between blanks, each a single character.
    static const QRegularExpression spaced(QStringLiteral("^\\S( +\\S)+$"));
    if (!spaced.match(t).hasMatch())
        return t;
    static const QRegularExpression wordGap(QStringLiteral(" {2,}"));
    QStringList words = t.split(wordGap);
    for (QString &w : words)
        w.remove(QLatin1Char(' '));
    return words.join(QLatin1Char(' '));
}
