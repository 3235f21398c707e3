#pragma once

#include <QString>

// The exam's own words, kept together so they can be compared at a glance. They are shown
// exactly as they stand, blanks included.
namespace Texts {

inline const QString ReadTag = QStringLiteral("lexuar"); // tag of a question opened once

inline const QString PointsSuffix = QStringLiteral(" pikë");
inline const QString ChooseAnotherQuestion = QStringLiteral("Zgjidhni pyetje tjetër !");

inline const QString CautionTitle = QStringLiteral("K U J D E S !");
inline const QString EndQuestion
    = QStringLiteral("DO TA PERFUNDONI VERTET PROVIMIN NE KETE MOMENT?");
inline const QString GiveYourAnswer
    = QStringLiteral("JEPNI PERGJIGJEN TUAJ PASTAJ KONFIRMONI, ose ZGJIDHNI PYETJE TJETER");

inline const QString ResultHeading
    = QStringLiteral("Përgjigjet e dhëna nga ju (ballafaqimi me përgjigjet e sakta)");
inline const QString PointsHeading
    = QStringLiteral("pikët e grumbulluara dhe vlerësimi pozitiv në %:");

// The rules of the examination, shown from activation until the first question is opened.
// Paragraphs are separated by two carriage returns, which the label shows as an empty line.
QString notice();

} // namespace Texts
