#pragma once

#include "exam/handlers/Exam.h"
#include "store/SittingJournal.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>

class CentralStore;
class FormProvimi;
struct RecoveredSitting;

// The record of the sitting in the terminal's state folder: from the first question opened on,
// the journal of what the exam announces (the clock every few seconds), and at the closing the
// result file, whole or absent. Both go on to the central store when there is one. What the
// terminal cannot write never stops the exam: it is said once on standard error.
class SittingRecorder final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SittingRecorder)

public:
    static constexpr int ClockEverySeconds = 5;

    // After start-up, before the window is shown. bankFile is empty for the built-in bank.
    SittingRecorder(Exam &exam, FormProvimi &window, const QString &folder, CentralStore *central,
        const QString &bankFile);

    // The bank's checksum: of the bank file, or of the built-in bank as the exam holds it.
    const QString &bankChecksum() const { return m_bankChecksum; }
    // The candidate, as the window names them.
    QString candidate() const;

    // Goes on with a sitting of the folder: the exam where its journal left it, the journal
    // after its last record.
    void resume(const RecoveredSitting &r);

    // The question behind each button, in order, as the bank identifies it.
    static QJsonArray paper(const Exam &exam);

    // Writes a sitting's result file, saying on standard error why when it cannot.
    static void writeResult(
        const QString &folder, const QString &sitting, const QJsonObject &record);

private:
    void begin(int secondsLeft);
    void opened(int k, int secondsLeft);
    void ticked(int secondsLeft);
    void closed(Exam::Ending how);
    QJsonObject identity() const;
    QJsonObject result(Exam::Ending how) const;

    Exam &m_exam;
    FormProvimi &m_window;
    SittingJournal m_journal;
    QString m_bankFile;
    QString m_bankChecksum;
    QString m_started;
};
