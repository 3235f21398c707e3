#include "store/BankCheck.h"

#include "store/Picture.h"
#include "store/TextFit.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <tuple>

namespace BankCheck {

namespace {

QString letter(int j)
{
    return QString(QChar(u'A' + j));
}

QString numberText(const std::optional<qint64> &n)
{
    return n ? QString::number(*n) : QStringLiteral("mungon");
}

bool fontSizeFits(const std::optional<qint64> &n)
{
    return n && *n >= SmallestFont && *n <= LargestFont;
}

bool isPngOrSvg(const QByteArray &bytes)
{
    const QString f = Picture::format(bytes);
    return (f == QLatin1String("png") || f == QLatin1String("svg")) && Picture::decodes(bytes);
}

// What stands in one element of a question (0 the question, j the alternative j) against the
// structure's letter for it: "T" a text and no graphic, "G" a graphic that decodes.
void checkElement(QStringList &faults, const QString &what, QChar kind, const QString &text,
    const QByteArray &graphic)
{
    if (kind == u'T' && text.trimmed().isEmpty())
        faults << QStringLiteral("struktura e do %1 tekst, por teksti mungon").arg(what);
    if (kind == u'T' && !graphic.isEmpty())
        faults << QStringLiteral("ka grafik për %1, por struktura e do tekst").arg(what);
    if (kind == u'G' && graphic.isEmpty())
        faults << QStringLiteral("struktura e do %1 grafik, por grafiku mungon").arg(what);
    if (kind == u'G' && !graphic.isEmpty() && !isPngOrSvg(graphic))
        faults << QStringLiteral("grafiku për %1 nuk lexohet si PNG ose SVG").arg(what);
}

} // namespace

QStringList questionFaults(const BankQuestion &q)
{
    // An encoded record is unreadable as it stands: nothing else about it can be checked.
    const QString mark = q.Koduar.trimmed();
    if (!mark.isEmpty() && mark != QLatin1String("jo") && mark != QLatin1String("0"))
        return { QStringLiteral("është e koduar (Koduar \"%1\"); kodimi nuk është i përcaktuar, "
                                "ndaj pyetja nuk lexohet")
                     .arg(mark) };

    QStringList faults;
    const QString &s = q.StrukturaEPyetjes;
    static const QRegularExpression shape(QStringLiteral("^[TG]{3,6}$"));
    const bool shaped = shape.match(s).hasMatch();
    const int n = shaped ? int(s.size()) - 1 : 0;
    if (!shaped)
        faults << QStringLiteral("struktura \"%1\" nuk është T ose G për pyetjen dhe për 2 deri "
                                 "5 alternativa")
                      .arg(s);
    else {
        checkElement(
            faults, QStringLiteral("pyetjen"), s[0], q.ImazhTekstIPyetes, q.ImazhGrafikIPyetes);
        for (int j = 0; j < AlternativeCount; ++j) {
            const QString &text = q.AlternativaTekst.at(std::size_t(j));
            const QByteArray &graphic = q.AlternativaGrafik.at(std::size_t(j));
            if (j < n)
                checkElement(
                    faults, QStringLiteral("alternativën ") + letter(j), s[j + 1], text, graphic);
            else if (!text.isEmpty() || !graphic.isEmpty())
                faults << QStringLiteral("alternativa %1 ka përmbajtje, por struktura \"%2\" ka "
                                         "vetëm %3 alternativa")
                              .arg(letter(j), s)
                              .arg(n);
        }
    }

    const QString &correct = q.PergjigjaESakte;
    const int c = correct.size() == 1 ? correct[0].unicode() - u'A' : -1;
    if (c < 0 || c >= AlternativeCount)
        faults << QStringLiteral("germa e saktë \"%1\" nuk është nga A te E").arg(correct);
    else if (shaped && c >= n)
        faults << QStringLiteral("germa e saktë %1 tregon një alternativë që mungon").arg(correct);

    if (!q.PikePozitive || *q.PikePozitive < 1 || *q.PikePozitive > 3)
        faults
            << QStringLiteral("PikePozitive %1: duhet 1, 2 ose 3").arg(numberText(q.PikePozitive));

    const bool questionFont = fontSizeFits(q.FondSizeP);
    const bool alternativeFont = fontSizeFits(q.FondSizeAlt);
    for (const auto &[name, size, ok] :
        { std::tuple(QStringLiteral("FondSizeP"), q.FondSizeP, questionFont),
            std::tuple(QStringLiteral("FondSizeAlt"), q.FondSizeAlt, alternativeFont) })
        if (!ok)
            faults << QStringLiteral("%1 %2: duhet nga %3 deri %4")
                          .arg(name, numberText(size))
                          .arg(SmallestFont)
                          .arg(LargestFont);
    if (!shaped)
        return faults;
    if (questionFont && s[0] == u'T' && !TextFit::questionFits(q.ImazhTekstIPyetes, *q.FondSizeP))
        faults << QStringLiteral("teksti i pyetjes nuk hyn në vendin e vet me shkronja %1 pikë")
                      .arg(*q.FondSizeP);
    for (int j = 0; alternativeFont && j < n; ++j)
        if (s[j + 1] == u'T'
            && !TextFit::alternativeFits(q.AlternativaTekst.at(std::size_t(j)), *q.FondSizeAlt))
            faults << QStringLiteral(
                "teksti i alternativës %1 nuk hyn në butonin e vet me shkronja %2 pikë")
                          .arg(letter(j))
                          .arg(*q.FondSizeAlt);
    return faults;
}

QStringList problems(
    const std::vector<BankQuestion> &bank, int paperSize, const std::vector<Quota> &quotas)
{
    QStringList lines;
    QSet<qint64> seen;
    for (std::size_t i = 0; i < bank.size(); ++i) {
        const BankQuestion &q = bank[i];
        const QString name = q.name(int(i) + 1);
        if (!q.NumerIDiPyetjes)
            lines << name + QStringLiteral(": NumerIDiPyetjes mungon ose nuk është numër i plotë");
        else if (seen.contains(*q.NumerIDiPyetjes))
            lines << name + QStringLiteral(": NumerIDiPyetjes përsëritet");
        else
            seen.insert(*q.NumerIDiPyetjes);
        for (const QString &f : questionFaults(q))
            lines << name + QStringLiteral(": ") + f;
    }

    if (quotas.empty() && int(bank.size()) < paperSize)
        lines
            << QStringLiteral("fondi ka %1 pyetje; një tezë ka %2").arg(bank.size()).arg(paperSize);
    int quoted = 0;
    for (const Quota &quota : quotas) {
        quoted += quota.count;
        const auto inBooklet = std::count_if(bank.begin(), bank.end(), [&](const BankQuestion &q) {
            return q.FashikulliGrupPyetjesh.trimmed() == quota.booklet.trimmed();
        });
        if (inBooklet < quota.count)
            lines << QStringLiteral("fashikulli \"%1\" ka %2 pyetje; kuota e tij është %3")
                         .arg(quota.booklet)
                         .arg(inBooklet)
                         .arg(quota.count);
    }
    if (!quotas.empty() && quoted != paperSize)
        lines << QStringLiteral("kuotat mbledhin %1 pyetje; një tezë ka %2")
                     .arg(quoted)
                     .arg(paperSize);
    return lines;
}

} // namespace BankCheck
