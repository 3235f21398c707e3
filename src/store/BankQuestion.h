#pragma once

#include "base/Counts.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <array>
#include <optional>

// One record of the question-bank table as a bank file holds it, one member per column. A
// number the file leaves empty, or holds as anything but a whole number, is absent; a text
// left empty is "", a graphic left empty has no bytes. Alternatives A to E are elements 0 to 4.
struct BankQuestion
{
    std::optional<qint64> NumerIDiPyetjes;
    QString FashikulliGrupPyetjesh;
    std::optional<qint64> NrIPyetjesNeFashikull;
    QString Veshtiresia;
    QString PergjigjaESakte;
    std::optional<qint64> PikePozitive;
    std::optional<qint64> PikeNegative;
    QString StrukturaEPyetjes;
    QString ImazhTekstIPyetes;
    QByteArray ImazhGrafikIPyetes;
    std::array<QString, AlternativeCount> AlternativaTekst;
    std::array<QByteArray, AlternativeCount> AlternativaGrafik;
    std::optional<qint64> FondSizeP;
    std::optional<qint64> FondSizeAlt;
    QString Koduar;

    // A column's value by its place in the record (BankRecord::Field), as a file stores it.
    QVariant value(int field) const;
    void setValue(int field, const QVariant &v);

    // How messages name this question: "pyetja 17", or by its place where it has no number.
    QString name(int row) const;
};
