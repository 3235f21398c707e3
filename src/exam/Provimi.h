#pragma once

#include <QDate>
#include <QObject>

#include <functional>

class Dialogs;
class FormProvimi;
struct ExamState;

// The examination's handlers on the exam window: start-up, activation, question selection,
// the answer click, confirmation with its flight, closing and scoring, and the countdown. They
// read and write the window's exam state and controls directly, and apply the pure rules of
// the exam (the paper draw, scoring, the clock step) to them.
//
// Everything runs on the user-interface thread. Two handlers let the window process events in
// the middle of their work (the flight processes events after every step), so the guards
// below keep the exam sound whatever arrives then: no second flight inside the first, no leave
// request during a flight, a time-out during a flight records the answer in flight before the
// exam closes, and the closing runs once whichever trigger comes second.
class Provimi final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Provimi)

public:
    Provimi(FormProvimi &forma, Dialogs &dialogs, QObject *parent = nullptr);

    // Seams: how the program ends, the paper's seed and today's date.
    std::function<void(int kodi)> perfundoProgramin;
    std::function<float()> fara;
    std::function<QDate()> dataESotme;
    // Called after every step of the flight, with the step number (1 to 199).
    std::function<void(int hapi)> pasHapitTeFluturimit;

    static constexpr int NdarjetEFluturimit = 200; // the button never quite arrives
    static constexpr double FontiIMberritjes = 14;

    void Form_Load();
    void Form_Activate();
    void CmdZgjidhPyetjen_Click(int index);
    void CmdAlternativa_Click(int index);
    void CmdKonfirmoj_Click();
    void CmdEND_Click();
    void Timer1_Timer();

    void RuajPozicionetAlt();
    void BllokoButonat();
    void ZhbllokoButonat();
    void RivendosPozicionetAlt();
    void PerfundoProvimin();
    void FshihAlternativat();
    void LlogaritVlersimin();
    void AfishoRezultatin();

    bool neFluturim() const { return m_neFluturim; }
    bool mbyllja() const { return m_mbyllur; } // the closing has run
    bool aktivizuar() const { return m_aktivizuar; }

private:
    void lidhKontrollet();
    void ngjyrosButonatEPyetjeve();
    void fluturo(int k, int i);

    FormProvimi &m_f;
    ExamState &s;
    Dialogs &m_dialogs;
    bool m_aktivizuar = false;
    bool m_neFluturim = false;
    bool m_mbyllur = false;
    bool m_mbylljaPasFluturimit = false; // time ran out while an answer was in flight
};
