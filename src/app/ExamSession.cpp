#include "app/ExamSession.h"

#include "app/SittingRecorder.h"
#include "store/RecoveredSitting.h"
#include "store/ResultFile.h"
#include "store/SittingJournal.h"

#include <QFile>

#include <cstdio>

ExamSession::ExamSession(const KioskEnvironment &kiosk, SittingSetup setup, float seed)
    : m_window(kiosk.zoom)
    , m_exam(m_window, m_dialogs, seed, QDate::currentDate())
{
    m_window.setCentred(kiosk.centred);
    if (kiosk.dateLocale)
        m_exam.setDateLocale(*kiosk.dateLocale);
    m_bankFile = setup.bankFile;
    m_exam.setSitting(std::move(setup));
}

QStringList ExamSession::load()
{
    m_exam.Form_Load();
    return m_exam.textsThatDoNotFit();
}

ExamSession::~ExamSession() = default;

void ExamSession::record(const QString &folder, CentralStore *central)
{
    m_recorder = std::make_unique<SittingRecorder>(m_exam, m_window, folder, central, m_bankFile);
}

bool ExamSession::resume(const RecoveredSitting &r)
{
    using R = RecoveredSitting::Refusal;
    const auto why = [&]() -> const char * {
        switch (r.refusal(m_recorder->candidate(), m_recorder->bankChecksum())) {
        case R::None:
            break;
        case R::Finished:
            return "ka përfunduar";
        case R::OtherCandidate:
            return "është e një kandidati tjetër";
        case R::OtherBank:
            return "është nga një bankë tjetër pyetjesh (kontrolli ndryshon)";
        }
        // The same seed draws the same paper, unless the program changed in between.
        return r.identity.value(JournalKeys::Paper).toArray() == SittingRecorder::paper(m_exam)
            ? nullptr
            : "ka një tezë tjetër";
    }();
    if (why) {
        std::fprintf(stderr, "provimi: seanca %s nuk vazhdon: %s; fillon një seancë e re.\n",
            qPrintable(r.sitting()), why);
        return false;
    }
    m_recorder->resume(r);
    return true;
}

std::unique_ptr<ExamSession> ExamSession::open(
    const SittingSetup &setup, const QString &folder, CentralStore *central)
{
    std::optional<RecoveredSitting> last;
    if (!folder.isEmpty())
        last = RecoveredSitting::latest(folder);
    if (last && last->finished && !QFile::exists(ResultFile::path(folder, last->sitting())))
        SittingRecorder::writeResult(folder, last->sitting(), last->result);
    if (last && !last->finished) {
        auto session = std::make_unique<ExamSession>(KioskEnvironment::fromProcess(), setup,
            static_cast<float>(last->identity.value(JournalKeys::Seed).toDouble()));
        if (!session->load().isEmpty())
            return session; // the caller refuses it
        session->record(folder, central);
        if (session->resume(*last))
            return session;
    }
    auto session = std::make_unique<ExamSession>(KioskEnvironment::fromProcess(), setup);
    if (session->load().isEmpty() && !folder.isEmpty())
        session->record(folder, central);
    return session;
}
