#pragma once

#include <QChar>
#include <QString>

// The two ways the exam turns text into numbers and back.
namespace NumberText {

// The number a text begins with, leading blanks skipped; 0 when it begins with no number.
// Captions are read this way: "60:" is 60, "B" is 0, " 7 " is 7.
double numericValue(const QString &text);

// A number as decimal text: the shortest form, no leading blank, no trailing zeros, the given
// decimal separator ("66.66", "100", "-300").
QString decimalText(double v, QChar separator = QLatin1Char('.'));

// The form in which a number is printed as an item on the window: one blank before it (its sign
// position, taken by the minus of a negative number) and one after it.
QString numberForm(double v, QChar separator = QLatin1Char('.'));

// The decimal separator of the system's regional settings.
QChar systemDecimalSeparator();

} // namespace NumberText
