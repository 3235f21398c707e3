#pragma once

#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

// What a sitting's journal says, enough to resume the sitting: its identity (candidate, desk,
// bank and its checksum, seed and paper), the questions opened, the last confirmed answer of
// each, the seconds left at the last record, and whether it closed.
struct RecoveredSitting
{
    QString path;
    QJsonObject identity;
    QList<int> opened; // paper positions, in the order first opened
    QMap<int, QString> answers; // paper position: the letter last confirmed
    int secondsLeft = 0;
    bool finished = false;
    QJsonObject result; // of the closing
    qint64 lastSequence = 0;

    QString sitting() const;

    // Why a sitting is not resumed for this candidate with this bank.
    enum class Refusal { None, Finished, OtherCandidate, OtherBank };
    Refusal refusal(const QString &candidate, const QString &bankChecksum) const;

    // The sitting of a journal's records; no identity when the journal has none.
    static RecoveredSitting from(const QString &path, const QList<QJsonObject> &records);
    // The folder's journal written last, read; nothing when there is none with an identity.
    static std::optional<RecoveredSitting> latest(const QString &folder);
};
