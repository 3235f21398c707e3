#include "store/RecoveredSitting.h"

#include "base/Counts.h"
#include "store/Journal.h"
#include "store/SittingJournal.h"

#include <QDir>

using namespace JournalKeys;

namespace {
const QString Letters = QStringLiteral("ABCDE");
}

QString RecoveredSitting::sitting() const
{
    return identity.value(Sitting).toString();
}

RecoveredSitting::Refusal RecoveredSitting::refusal(
    const QString &candidate, const QString &bankChecksum) const
{
    if (finished)
        return Refusal::Finished;
    if (identity.value(Candidate).toString() != candidate)
        return Refusal::OtherCandidate;
    if (identity.value(BankChecksum).toString() != bankChecksum)
        return Refusal::OtherBank;
    return Refusal::None;
}

RecoveredSitting RecoveredSitting::from(const QString &path, const QList<QJsonObject> &records)
{
    RecoveredSitting r;
    r.path = path;
    for (const QJsonObject &o : records) {
        const QString kind = o.value(Kind).toString();
        const int k = o.value(Position).toInt();
        const QString letter = o.value(Letter).toString();
        if (kind == KindSitting && r.identity.isEmpty())
            r.identity = o;
        else if ((kind == KindOpened || kind == KindAnswer) && (k < 1 || k > QuestionCount))
            continue; // not a question of the paper
        else if (kind == KindOpened && !r.opened.contains(k))
            r.opened << k;
        else if (kind == KindAnswer && letter.size() == 1 && Letters.contains(letter))
            r.answers.insert(k, letter);
        else if (kind == KindClosing) {
            r.finished = true;
            r.result = o.value(Result).toObject();
        }
        r.secondsLeft = o.value(SecondsLeft).toInt();
        r.lastSequence = o.value(Sequence).toInteger();
    }
    return r;
}

std::optional<RecoveredSitting> RecoveredSitting::latest(const QString &folder)
{
    const QFileInfoList journals
        = QDir(folder).entryInfoList({ QStringLiteral("*.journal") }, QDir::Files, QDir::Time);
    if (journals.isEmpty())
        return std::nullopt;
    const QString path = journals.first().filePath();
    RecoveredSitting r = from(path, Journal::read(path));
    if (r.identity.isEmpty())
        return std::nullopt;
    return r;
}
