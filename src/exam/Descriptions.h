#pragma once

#include <QChar>
#include <QString>

// What a screen reader hears beside a control's name (its caption): what the colours and the
// pictures say to a candidate who sees them. In Albanian, like everything the candidate meets.
namespace Descriptions {

enum class Seen { Never, OpenNow, Before };

// A question button while the exam runs: "Pyetja 7, 2 pikë, e lexuar, përgjigja B". The
// letter is the confirmed answer, empty while there is none.
QString question(int k, int points, Seen seen, const QString &letter);

// A question button once the exam has closed, as the result listing has it: the given answer
// ("_" for none), the correct letter and the points earned (empty for a wrong or no answer).
QString closedQuestion(
    int k, int q, const QString &given, const QString &correct, const QString &earned);

// Answer button j; button 0 is the request to end the examination.
QString alternative(int j, bool marked);

// The percentage label: "23 nga 99 pikë".
QString score(double earned, int maximum, QChar separator);

// A question opened with the keyboard, read out: "Pyetja 7, 2 pikë: " and its text, and for a
// picture question what its drawing shows.
QString openQuestion(int k, int points, const QString &text, const QString &drawing);

// What the drawing of picture question q shows, in words, without giving the answer away; empty
// for a question without a drawing.
QString drawing(int q);

// KONFIRMOJ with alternative j marked (its letter and text): "Konfirmo përgjigjen B: Omeprazoli";
// with the leave alternative (j 0) marked, that the end of the exam will be asked; empty when
// nothing is marked (j -1).
QString confirmation(int j, const QString &text);

// The clock in words: "Koha e mbetur: 59 minuta e 40 sekonda", "Koha e mbetur: 1 minutë".
QString timeLeft(int minutes, int seconds);

// The closed exam at the leave button: the percentage, the points, and how the listing is read.
QString result(const QString &percentage, double earned, int maximum, QChar separator);

// The rules as they are read out: the letter-spaced closing line as words.
QString notice(const QString &shown);

} // namespace Descriptions
