#pragma once

#include "store/Journal.h"

#include <QJsonObject>
#include <QString>

#include <functional>

struct RecoveredSitting;

// The record of one sitting as it happens: its identity, each question opened, each confirmed
// answer, the clock now and then, a resumption after a restart, and the closing with the result.
// Every record carries its sequence number in the sitting, its time and the seconds left on the
// clock. A record is on the disk when the call returns (the exam shows an answer as recorded
// only after that); then `recorded` is called (the central store, if there is one, sends it).
//
// When the journal cannot be written (a full disk, a read-only folder) the sitting goes on:
// that is said once on standard error.
class SittingJournal
{
public:
    explicit SittingJournal(const QString &folder, std::function<void()> recorded = {});

    // A new sitting: its journal, named after its id, starts with the identity.
    void begin(const QString &sitting, QJsonObject identity, int secondsLeft);
    // A sitting resumed from its journal writes on after the journal's last record.
    void resume(const RecoveredSitting &r);

    void opened(int position, int secondsLeft);
    void answered(int position, const QString &letter, int secondsLeft);
    void clock(int secondsLeft);
    void closed(const QString &how, const QJsonObject &result, int secondsLeft);

    bool started() const { return !m_sitting.isEmpty(); }
    QString sitting() const { return m_sitting; }
    QString folder() const { return m_folder; }
    bool failed() const { return m_failed; }

    static QString journalPath(const QString &folder, const QString &sitting);

private:
    void record(const QString &kind, QJsonObject fields, int secondsLeft);
    void fail(const QString &why);

    QString m_folder;
    std::function<void()> m_recorded;
    Journal m_journal;
    QString m_sitting;
    qint64 m_sequence = 0;
    bool m_failed = false;
};

// The names in a journal's records.
namespace JournalKeys {
inline const QString Sequence = QStringLiteral("seq");
inline const QString Kind = QStringLiteral("kind");
inline const QString Time = QStringLiteral("at");
inline const QString SecondsLeft = QStringLiteral("left");
inline const QString Position = QStringLiteral("position");
inline const QString Letter = QStringLiteral("letter");
inline const QString How = QStringLiteral("how");
inline const QString Result = QStringLiteral("result");
inline const QString Sitting = QStringLiteral("sitting");
// The identity's.
inline const QString Terminal = QStringLiteral("terminal");
inline const QString Candidate = QStringLiteral("candidate");
inline const QString Desk = QStringLiteral("desk");
inline const QString Bank = QStringLiteral("bank");
inline const QString BankChecksum = QStringLiteral("bankChecksum");
inline const QString Seed = QStringLiteral("seed");
inline const QString Paper = QStringLiteral("paper");

inline const QString KindSitting = QStringLiteral("sitting");
inline const QString KindOpened = QStringLiteral("opened");
inline const QString KindAnswer = QStringLiteral("answer");
inline const QString KindClock = QStringLiteral("clock");
inline const QString KindResumed = QStringLiteral("resumed");
inline const QString KindClosing = QStringLiteral("closing");
} // namespace JournalKeys
