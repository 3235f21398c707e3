#pragma once

#include <QFont>
#include <QSize>
#include <QString>

// Whether a text fits where the exam window shows it, measured in the window's real fonts,
// word-wrapped at blanks as the controls wrap it. A bank's texts must fit before a candidate
// reads them; the built-in bank's texts are held to the same measure.
namespace TextFit {

// The question stands in the notice label from Top 250 down to the first answer button at
// 472, inside the label's 2-pixel border, 561 wide.
inline constexpr QSize QuestionRoom { 561 - 2 * 2, 472 - 250 - 2 * 2 };
// An alternative stands on its answer button, 577 x 47, inside the 4-pixel inset of the
// caption and between the 2-pixel bevels.
inline constexpr QSize AlternativeRoom { 577 - 2 * 4, 47 - 2 * 2 };

// `text` in `font`, wrapped at blanks (carriage returns break lines as the labels show them),
// fits into `room`, and no word is wider than the room.
bool fits(const QString &text, const QFont &font, QSize room);

// A question's text at its font size in points; an alternative's on its button.
bool questionFits(const QString &text, double points);
bool alternativeFits(const QString &text, double points);

} // namespace TextFit
