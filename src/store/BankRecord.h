#pragma once

#include <QString>

#include <span>

// The record layout of the question-bank table "FondPyetjesh": one row per question, every
// column once, in the table's order, with the type a bank file gives it. Identifiers, counts,
// points and font sizes are numbers; codes, letters and texts are text; graphics are the bytes
// of a picture.
namespace BankRecord {

struct Column
{
    const char *name;
    const char *type;
};

inline const QString Table = QStringLiteral("FondPyetjesh");

// Each column's place in the record.
enum Field : int {
    NumerIDiPyetjes,
    FashikulliGrupPyetjesh,
    NrIPyetjesNeFashikull,
    Veshtiresia,
    PergjigjaESakte,
    PikePozitive,
    PikeNegative,
    StrukturaEPyetjes,
    ImazhTekstIPyetes,
    ImazhGrafikIPyetes,
    AlternativaATekst, // to AlternativaETekst
    AlternativaAGrafik = AlternativaATekst + 5, // to AlternativaEGrafik
    FondSizeP = AlternativaAGrafik + 5,
    FondSizeAlt,
    Koduar,
    FieldCount
};

std::span<const Column> columns();

// The statement that creates the table in a bank file.
QString createStatement();

} // namespace BankRecord
