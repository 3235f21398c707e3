#include "app/SittingRecorder.h"

#include "exam/ExamState.h"
#include "exam/NumberText.h"
#include "screen/FormProvimi.h"
#include "screen/TextLabel.h"
#include "store/CentralStore.h"
#include "store/RecoveredSitting.h"
#include "store/ResultFile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QSysInfo>
#include <QUuid>

#include <cstdio>

using namespace JournalKeys;

namespace {

QString now()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

QString checksum(const QString &bankFile, const ExamState &s)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    QFile f(bankFile);
    if (!bankFile.isEmpty() && f.open(QIODevice::ReadOnly)) {
        h.addData(&f);
        return QString::fromLatin1(h.result().toHex());
    }
    // The built-in bank: everything of each question the exam shows or scores.
    for (int q = 1; q <= QuestionCount; ++q) {
        QStringList fields { s.Pyetja(q), s.PergjigjaESakte(q), s.StrukturaEPyetjes(q),
            QString::number(s.PikePozitive(q)), QString::number(s.FondSizeP(q)),
            QString::number(s.FondSizeAlt(q)) };
        for (int j = 1; j <= AlternativeCount; ++j)
            fields << s.Alternativat(q, j);
        h.addData(fields.join(QChar(0)).toUtf8().append('\n'));
    }
    return QString::fromLatin1(h.result().toHex());
}

QString endingName(Exam::Ending how)
{
    switch (how) {
    case Exam::Ending::Leave:
        return QStringLiteral("leave");
    case Exam::Ending::TimeUp:
        return QStringLiteral("time");
    case Exam::Ending::ResumedPastTime:
        return QStringLiteral("resumed-after-time");
    }
    return {};
}

} // namespace

SittingRecorder::SittingRecorder(Exam &exam, FormProvimi &window, const QString &folder,
    CentralStore *central, const QString &bankFile)
    : m_exam(exam)
    , m_window(window)
    , m_journal(folder,
          central ? std::function<void()>([central] { central->journalGrew(); })
                  : std::function<void()>())
    , m_bankFile(bankFile)
    , m_bankChecksum(checksum(bankFile, exam.state()))
{
    connect(&exam, &Exam::questionOpened, this, &SittingRecorder::opened);
    connect(&exam, &Exam::answerConfirmed, this,
        [this](int k, const QString &letter, int left) { m_journal.answered(k, letter, left); });
    connect(&exam, &Exam::clockTicked, this, &SittingRecorder::ticked);
    connect(&exam, &Exam::closed, this, &SittingRecorder::closed);
}

QJsonArray SittingRecorder::paper(const Exam &exam)
{
    QJsonArray paper;
    for (int k = 1; k <= exam.state().NrPyetjeve; ++k)
        paper << exam.bankIdentifier(exam.state().Teza(k));
    return paper;
}

QString SittingRecorder::candidate() const
{
    return m_window.LblEmriMbiemri->caption();
}

void SittingRecorder::resume(const RecoveredSitting &r)
{
    m_started = r.identity.value(Time).toString();
    m_journal.resume(r);
    m_exam.resume(r.opened, { r.answers.keyValueBegin(), r.answers.keyValueEnd() }, r.secondsLeft);
}

void SittingRecorder::opened(int k, int secondsLeft)
{
    begin(secondsLeft);
    m_journal.opened(k, secondsLeft);
}

void SittingRecorder::begin(int secondsLeft)
{
    // The sitting begins with the first question opened.
    if (m_journal.started())
        return;
    m_started = now();
    m_journal.begin(QUuid::createUuid().toString(QUuid::WithoutBraces), identity(), secondsLeft);
}

void SittingRecorder::ticked(int secondsLeft)
{
    if (secondsLeft % ClockEverySeconds == 0)
        m_journal.clock(secondsLeft);
}

void SittingRecorder::closed(Exam::Ending how)
{
    begin(m_exam.secondsLeft()); // when closed before any question was opened
    // The journal first: a sitting closed there is never resumed, and its result file can be
    // written from it if the terminal stops before the file is.
    const QJsonObject record = result(how);
    m_journal.closed(endingName(how), record, m_exam.secondsLeft());
    writeResult(m_journal.folder(), m_journal.sitting(), record);
}

void SittingRecorder::writeResult(
    const QString &folder, const QString &sitting, const QJsonObject &record)
{
    const QString wrong = ResultFile::write(ResultFile::path(folder, sitting), record);
    if (!wrong.isEmpty()) {
        std::fprintf(
            stderr, "provimi: rezultati i seancës nuk u shkrua (%s).\n", qPrintable(wrong));
        std::fflush(stderr);
    }
}

QJsonObject SittingRecorder::identity() const
{
    return { { Terminal, QSysInfo::machineHostName() }, { Candidate, candidate() },
        { Desk, m_window.LblTezaTavolinaTerminali->caption() }, { Bank, m_bankFile },
        { BankChecksum, m_bankChecksum }, { Seed, m_exam.seed() }, { Paper, paper(m_exam) } };
}

QJsonObject SittingRecorder::result(Exam::Ending how) const
{
    const ExamState &s = m_exam.state();
    QJsonArray answers;
    for (int k = 1; k <= s.NrPyetjeve; ++k) {
        const int q = s.Teza(k);
        const QString given = s.PergjigjetEDhena(k);
        answers << QJsonObject { { Position, k },
            { QStringLiteral("question"), m_exam.bankIdentifier(q) },
            { QStringLiteral("given"), given == QLatin1String("_") ? QJsonValue() : given },
            { QStringLiteral("correct"), s.PergjigjaESakte(q) },
            { QStringLiteral("points"), s.PikePozitive(q) },
            { QStringLiteral("earned"), NumberText::numericValue(s.PiketEFituara(k)) } };
    }
    QJsonObject r = identity();
    r.remove(Seed);
    r.insert(Sitting, m_journal.sitting());
    r.insert(QStringLiteral("started"), m_started);
    r.insert(QStringLiteral("ended"), now());
    r.insert(QStringLiteral("closedBy"), endingName(how));
    r.insert(QStringLiteral("answers"), answers);
    r.insert(QStringLiteral("earned"), s.PiketEGrumbulluara);
    r.insert(QStringLiteral("maximum"), s.PiketMaksimale);
    r.insert(QStringLiteral("percentage"), m_window.LblRezNePerqindje->caption());
    return r;
}
