#include "store/BankRecord.h"

#include <QStringList>

#include <iterator>

namespace BankRecord {

namespace {
constexpr Column Record[] = {
    { "NumerIDiPyetjes", "INTEGER PRIMARY KEY" },
    { "FashikulliGrupPyetjesh", "TEXT" },
    { "NrIPyetjesNeFashikull", "INTEGER" },
    { "Veshtiresia", "TEXT" },
    { "PergjigjaESakte", "TEXT" },
    { "PikePozitive", "INTEGER" },
    { "PikeNegative", "INTEGER" },
    { "StrukturaEPyetjes", "TEXT" },
    { "ImazhTekstIPyetes", "TEXT" },
    { "ImazhGrafikIPyetes", "BLOB" },
    { "AlternativaATekst", "TEXT" },
    { "AlternativaBTekst", "TEXT" },
    { "AlternativaCTekst", "TEXT" },
    { "AlternativaDTekst", "TEXT" },
    { "AlternativaETekst", "TEXT" },
    { "AlternativaAGrafik", "BLOB" },
    { "AlternativaBGrafik", "BLOB" },
    { "AlternativaCGrafik", "BLOB" },
    { "AlternativaDGrafik", "BLOB" },
    { "AlternativaEGrafik", "BLOB" },
    { "FondSizeP", "INTEGER" },
    { "FondSizeAlt", "INTEGER" },
    { "Koduar", "TEXT" },
};
static_assert(std::size(Record) == FieldCount);
} // namespace

std::span<const Column> columns()
{
    return Record;
}

QString createStatement()
{
    QStringList definitions;
    for (const Column &c : Record)
        definitions << QStringLiteral("%1 %2").arg(QLatin1String(c.name), QLatin1String(c.type));
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(Table, definitions.join(QStringLiteral(", ")));
}

} // namespace BankRecord
