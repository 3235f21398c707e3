#include "store/SittingJournal.h"

#include "store/RecoveredSitting.h"

#include <QDateTime>
#include <QDir>

#include <cstdio>

using namespace JournalKeys;

SittingJournal::SittingJournal(const QString &folder, std::function<void()> recorded)
    : m_folder(folder)
    , m_recorded(std::move(recorded))
{ }

QString SittingJournal::journalPath(const QString &folder, const QString &sitting)
{
    return QDir(folder).filePath(sitting + QStringLiteral(".journal"));
}

void SittingJournal::begin(const QString &sitting, QJsonObject identity, int secondsLeft)
{
    m_sitting = sitting;
    const QString path = journalPath(m_folder, sitting);
    if (!QDir().mkpath(m_folder) || !m_journal.open(path))
        fail(path + QStringLiteral(": ") + m_journal.errorString());
    identity.insert(Sitting, sitting);
    record(KindSitting, identity, secondsLeft);
}

void SittingJournal::resume(const RecoveredSitting &r)
{
    m_sitting = r.sitting();
    m_sequence = r.lastSequence;
    if (!m_journal.open(r.path))
        fail(r.path + QStringLiteral(": ") + m_journal.errorString());
    record(KindResumed, {}, r.secondsLeft);
}

void SittingJournal::opened(int position, int secondsLeft)
{
    record(KindOpened, { { Position, position } }, secondsLeft);
}

void SittingJournal::answered(int position, const QString &letter, int secondsLeft)
{
    record(KindAnswer, { { Position, position }, { Letter, letter } }, secondsLeft);
}

void SittingJournal::clock(int secondsLeft)
{
    record(KindClock, {}, secondsLeft);
}

void SittingJournal::closed(const QString &how, const QJsonObject &result, int secondsLeft)
{
    record(KindClosing, { { How, how }, { Result, result } }, secondsLeft);
}

void SittingJournal::record(const QString &kind, QJsonObject fields, int secondsLeft)
{
    if (m_sitting.isEmpty())
        return;
    fields.insert(Sequence, ++m_sequence);
    fields.insert(Kind, kind);
    fields.insert(Time, QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    fields.insert(SecondsLeft, secondsLeft);
    if (m_failed)
        return;
    if (!m_journal.append(fields))
        fail(m_journal.errorString());
    else if (m_recorded)
        m_recorded();
}

void SittingJournal::fail(const QString &why)
{
    if (m_failed)
        return;
    m_failed = true;
    std::fprintf(stderr,
        "provimi: ditari i seancës nuk mund të shkruhet (%s); provimi vazhdon pa të.\n",
        qPrintable(why));
    std::fflush(stderr);
}
