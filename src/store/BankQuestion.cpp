#include "store/BankQuestion.h"

#include "store/BankRecord.h"

namespace {

// The member that holds a column, handed to `f`.
template<typename Question, typename F>
auto withField(Question &q, int field, F &&f)
{
    using namespace BankRecord;
    const auto j = std::size_t(field - AlternativaATekst);
    if (j < AlternativeCount)
        return f(q.AlternativaTekst.at(j));
    const auto g = std::size_t(field - AlternativaAGrafik);
    if (g < AlternativeCount)
        return f(q.AlternativaGrafik.at(g));
    switch (field) {
    case BankRecord::NumerIDiPyetjes:
        return f(q.NumerIDiPyetjes);
    case BankRecord::FashikulliGrupPyetjesh:
        return f(q.FashikulliGrupPyetjesh);
    case BankRecord::NrIPyetjesNeFashikull:
        return f(q.NrIPyetjesNeFashikull);
    case BankRecord::Veshtiresia:
        return f(q.Veshtiresia);
    case BankRecord::PergjigjaESakte:
        return f(q.PergjigjaESakte);
    case BankRecord::PikePozitive:
        return f(q.PikePozitive);
    case BankRecord::PikeNegative:
        return f(q.PikeNegative);
    case BankRecord::StrukturaEPyetjes:
        return f(q.StrukturaEPyetjes);
    case BankRecord::ImazhTekstIPyetes:
        return f(q.ImazhTekstIPyetes);
    case BankRecord::ImazhGrafikIPyetes:
        return f(q.ImazhGrafikIPyetes);
    case BankRecord::FondSizeP:
        return f(q.FondSizeP);
    case BankRecord::FondSizeAlt:
        return f(q.FondSizeAlt);
    case BankRecord::Koduar:
        return f(q.Koduar);
    }
    qFatal("The bank record has no column %d", field);
}

QVariant stored(const std::optional<qint64> &n)
{
    return n ? QVariant(*n) : QVariant();
}
template<typename T>
QVariant stored(const T &v)
{
    return v;
}

void take(std::optional<qint64> &n, const QVariant &v)
{
    bool ok = false;
    const qint64 whole = v.toLongLong(&ok);
    // A real number is whole only when it converts back unchanged (20.0, not 20.5).
    const bool real = v.typeId() == QMetaType::Double && double(whole) != v.toDouble();
    n = v.isNull() || !ok || real ? std::nullopt : std::optional(whole);
}
void take(QString &s, const QVariant &v)
{
    s = v.toString();
}
void take(QByteArray &b, const QVariant &v)
{
    b = v.toByteArray();
}

} // namespace

QVariant BankQuestion::value(int field) const
{
    return withField(*this, field, [](const auto &member) { return stored(member); });
}

void BankQuestion::setValue(int field, const QVariant &v)
{
    withField(*this, field, [&](auto &member) { take(member, v); });
}

QString BankQuestion::name(int row) const
{
    return NumerIDiPyetjes ? QStringLiteral("pyetja %1").arg(*NumerIDiPyetjes)
                           : QStringLiteral("rreshti %1").arg(row);
}
