#pragma once

#include <QString>

// The exam's own words, kept together so they can be compared at a glance. They are shown
// exactly as they stand, blanks included.
namespace Tekstet {

inline const QString Lexuar = QStringLiteral("lexuar"); // tag of a question opened once

inline const QString Pike = QStringLiteral(" pikë");
inline const QString ZgjidhniPyetjeTjeter = QStringLiteral("Zgjidhni pyetje tjetër !");

inline const QString TitulliKujdes = QStringLiteral("K U J D E S !");
inline const QString PyetjaPerfundimit
    = QStringLiteral("DO TA PERFUNDONI VERTET PROVIMIN NE KETE MOMENT?");
inline const QString JepniPergjigjen
    = QStringLiteral("JEPNI PERGJIGJEN TUAJ PASTAJ KONFIRMONI, ose ZGJIDHNI PYETJE TJETER");

inline const QString TitulliRezultatit
    = QStringLiteral("Përgjigjet e dhëna nga ju (ballafaqimi me përgjigjet e sakta)");
inline const QString TitulliPikeve
    = QStringLiteral("pikët e grumbulluara dhe vlerësimi pozitiv në %:");

// The rules of the examination, shown from activation until the first question is opened.
// Paragraphs are separated by two carriage returns, which the label shows as an empty line.
QString njoftimi();

} // namespace Tekstet
