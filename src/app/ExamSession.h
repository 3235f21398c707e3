#pragma once

#include "app/KioskEnvironment.h"
#include "exam/PaperDraw.h"
#include "exam/handlers/Exam.h"
#include "screen/Dialogs.h"
#include "screen/FormProvimi.h"

#include <memory>

class CentralStore;
class SittingRecorder;
struct RecoveredSitting;

// The real program's sitting: the exam window, the real message boxes, and the exam with its
// paper drawn from the time of day (a resumed sitting: its journal's seed) and today's date, as
// the exam centre set it up (nothing set: the design's own sitting). The program and the
// start-up benchmark both start the exam through here, so the benchmark measures the real
// start. The kiosk session's environment fits the window to the screen and sets the date's
// format.
class ExamSession final
{
    Q_DISABLE_COPY_MOVE(ExamSession)

public:
    explicit ExamSession(const KioskEnvironment &kiosk = KioskEnvironment::fromProcess(),
        SittingSetup setup = {}, float seed = secondsSinceMidnight());
    ~ExamSession();

    FormProvimi &window() { return m_window; }
    Exam &exam() { return m_exam; }

    // Start-up, the window not yet shown: the texts the exam centre set that do not fit where
    // the window shows them, one line each.
    QStringList load();
    // The window covering the screen.
    void show() { m_window.showCoveringScreen(); }
    void start()
    {
        load();
        show();
    }

    // The program's sitting, loaded, its window not yet shown: with a state folder, the sitting
    // its last journal left unfinished when it is this candidate's with this bank, else a new
    // one, recorded there (a sitting that closed before its result file was written gets it
    // now); without one, a sitting that records nothing. When the exam centre's texts do not
    // fit (exam().textsThatDoNotFit()), nothing is recorded.
    static std::unique_ptr<ExamSession> open(
        const SittingSetup &setup, const QString &folder, CentralStore *central);

    // The sitting is recorded in a state folder from now on, and sent to the central store if
    // there is one.
    void record(const QString &folder, CentralStore *central);
    // Goes on with the sitting of a journal, after start-up from its seed and record(), before
    // the window is shown. A sitting of another candidate or another bank is not resumed:
    // false, and why on standard error.
    bool resume(const RecoveredSitting &r);

private:
    FormProvimi m_window;
    RealDialogs m_dialogs;
    Exam m_exam;
    QString m_bankFile;
    std::unique_ptr<SittingRecorder> m_recorder;
};
