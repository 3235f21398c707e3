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

} // namespace Descriptions
