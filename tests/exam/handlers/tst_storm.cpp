// A storm of random events at the live window, for many seeds: clicks on every button (shown
// or not, enabled or not), confirms, the leave alternative, ticks, answers to any message box,
// close requests, and events arriving in the middle of a flight or under an open box. After
// every event the exam's invariants are checked against what the storm itself saw confirmed.
// A failure names the seed and the event, so it can be replayed.

#include "exam/NumberText.h"
#include "exam/Scoring.h"
#include "screen/DrawingSurface.h"
#include "screen/FlatButton.h"
#include "screen/TextLabel.h"
#include "support/Sitting.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <array>
#include <cmath>

class TestStorm final : public QObject
{
    Q_OBJECT

private slots:
    void storm();
};

namespace {

constexpr long TotalEvents = 100000;
constexpr int EventsPerSeed = 3000;

struct Storm
{
    Sitting &t;
    quint32 seed;
    QRandomGenerator rng { seed };
    std::array<QString, 51> confirmed {}; // what the storm saw fly onto each button
    long events = 0;
    QString last; // the last event, for the failure message
    QString error; // the first broken invariant
    int secondsBefore = 3600;
    bool closedBefore = false;
    QImage surfaceAfterClosing;
    QList<QPoint> placesAfterClosing;
    bool exited = false;
    int flights = 0;
    int box = 0;
    int inside = 0; // events fired from inside a flight or a box

    Storm(Sitting &sitting, quint32 f)
        : t(sitting)
        , seed(f)
    { }

    void failed(const QString &c)
    {
        if (error.isEmpty())
            error = QString::asprintf("seed %u, event %ld (%s): ", seed, events, qPrintable(last))
                + c;
    }

    int clockSeconds()
    {
        return static_cast<int>(NumberText::numericValue(t.window.LblMin->caption())) * 60
            + static_cast<int>(NumberText::numericValue(t.window.LblSek->caption()));
    }

    void tick()
    {
        // The timer ticks only while it runs.
        if (t.window.Timer1->isActive())
            t.exam.Timer1_Timer();
    }

    void clickButton(FlatButton *b)
    {
        last = QStringLiteral("click %1").arg(b->objectName());
        const bool usable = !b->isHidden() && b->isEnabled();
        const auto before = trace();
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() / 2, b->height() / 2));
        if (!usable && !exited && trace() != before)
            failed(QStringLiteral("a hidden or disabled control reacted"));
    }

    void oneEvent()
    {
        // Weighted so that a sitting runs for a while before it is closed and left.
        const quint32 r = rng.bounded(1000);
        if (r < 300) {
            clickButton(t.question(static_cast<int>(rng.bounded(51))));
        } else if (r < 550) {
            clickButton(t.answerButton(1 + static_cast<int>(rng.bounded(5))));
        } else if (r < 570) {
            clickButton(t.answerButton(0));
        } else if (r < 720) {
            clickButton(t.window.CmdKonfirmoj);
        } else if (r < 730) {
            clickButton(t.window.CmdEND);
        } else if (r < 980) {
            last = QStringLiteral("tick");
            tick();
        } else {
            last = QStringLiteral("close request");
            const bool close = t.window.close();
            if (close != t.exam.isClosed())
                failed(QStringLiteral(
                    "the window closed while the exam ran, or refused to close after it"));
        }
        if (t.exitCode)
            exited = true;
    }

    // What a click on a control that cannot be used must leave exactly as it was.
    QList<QVariant> trace() const
    {
        QList<QVariant> g;
        for (int i = 0; i <= 50; ++i) {
            FlatButton *b = t.window.CmdZgjidhPyetjen(i);
            g << b->text() << b->backColor() << b->pos() << b->tag() << b->isHidden();
        }
        for (int j = 0; j <= 5; ++j)
            g << t.window.CmdAlternativa(j)->backColor() << t.window.CmdAlternativa(j)->text();
        const ExamState &s = t.exam.state();
        g << s.PyetjaEHapur << s.GermaEZgjedhur << s.AlternativaEZgjedhur << s.ProvimiPerfundoi
          << t.window.LblNjoftim->caption() << t.window.LblRezNePerqindje->isHidden();
        return g;
    }

    void check()
    {
        const ExamState &s = t.exam.state();
        // Captions: the position number or a letter that names an alternative of its question.
        for (int k = 1; k <= 50; ++k) {
            const QString c = t.question(k)->text();
            const int n = s.NrAlternativave(s.Teza(k));
            const bool number = c == QString::number(k);
            const bool letter
                = c.size() == 1 && c[0] >= QLatin1Char('A') && c[0].unicode() < 'A' + n;
            if (!number && !letter)
                return failed(QStringLiteral("button %1 reads \"%2\"").arg(k).arg(c));
            // The answers are exactly the confirmed ones, last one winning; the answer in flight
            // lands when its flight ends.
            const bool inAir = t.exam.isInFlight() && k == s.PyetjaEHapur;
            const QString awaited = confirmed[k].isEmpty() ? QString::number(k) : confirmed[k];
            if (!inAir && c != awaited)
                return failed(QStringLiteral("button %1 reads \"%2\", confirmed \"%3\"")
                                  .arg(k)
                                  .arg(c, awaited));
        }
        // The clock never goes up and never skips.
        const int seconds = clockSeconds();
        if (seconds > secondsBefore || seconds < secondsBefore - 1)
            return failed(
                QStringLiteral("clock went from %1 to %2 s").arg(secondsBefore).arg(seconds));
        if (!t.window.Timer1->isActive() && seconds != secondsBefore && !t.exam.isClosed())
            return failed(QStringLiteral("clock moved while stopped"));
        secondsBefore = seconds;

        if (t.exam.isClosed() && !closedBefore) {
            closedBefore = true;
            if (s.ProvimiPerfundoi != FlagYes)
                return failed(QStringLiteral("closed without ProvimiPerfundoi"));
            // The score from the storm's own record of what was confirmed.
            double points = 0;
            for (int k = 1; k <= 50; ++k)
                if (confirmed[k] == s.PergjigjaESakte(s.Teza(k)))
                    points += s.PikePozitive(s.Teza(k));
            if (s.PiketEGrumbulluara != points || s.PiketMaksimale != 99)
                return failed(QString::asprintf("score %g of %d, expected %g of 99",
                    s.PiketEGrumbulluara, int(s.PiketMaksimale), points));
            const QString p
                = NumberText::decimalText(std::floor(points / 99 * 10000) / 100) + QLatin1Char('%');
            const QString text = t.window.LblRezNePerqindje->caption();
            if (text != p || t.window.LblRezNePerqindje->isHidden())
                return failed(QStringLiteral("percentage %1, expected %2").arg(text, p));
            for (int j = 0; j <= 5; ++j)
                if (!t.answerButton(j)->isHidden())
                    return failed(QStringLiteral("answer button %1 shown over the result").arg(j));
            if (!t.window.LblZgjidhniPyTj->isHidden() || !t.window.CmdKonfirmoj->isHidden())
                return failed(
                    QStringLiteral("the flight's notice or the confirm button over the result"));
            surfaceAfterClosing = t.window.surface().image();
            for (int k = 1; k <= 50; ++k)
                placesAfterClosing << t.question(k)->pos();
        } else if (closedBefore) {
            // After the closing nothing but the leave button changes anything.
            if (t.window.surface().image() != surfaceAfterClosing)
                return failed(QStringLiteral("the result was drawn over"));
            for (int k = 1; k <= 50; ++k)
                if (t.question(k)->pos() != placesAfterClosing[k - 1])
                    return failed(QStringLiteral("button %1 moved after the closing").arg(k));
            if (t.window.Timer1->isActive())
                return failed(QStringLiteral("timer runs after the closing"));
        }
    }
};

} // namespace

void TestStorm::storm()
{
    long total = 0;
    int flights = 0, box = 0, inside = 0, closing = 0, exitStatus = 0;
    quint32 seeds = 0;
    for (quint32 seed = 1; total < TotalEvents; ++seed, ++seeds) {
        Sitting t(static_cast<float>(seed) * 97.25f, false);
        // The storm alone makes the clock tick: the real timer, once started, would also fire
        // whenever a flight or a box lets events run, and two ticks would land in one event.
        t.window.Timer1->setInterval(24 * 3600 * 1000);
        t.exam.Form_Activate();
        Storm st(t, seed);
        // Every third sitting is short, so time-outs happen too: in flights, under boxes.
        if (seed % 3 == 0) {
            st.secondsBefore = 5 + static_cast<int>(st.rng.bounded(60));
            t.setClock(QStringLiteral("0:"), QString::asprintf("%02d", st.secondsBefore));
        }
        QObject::connect(&t.exam, &Exam::flightStep, [&](int step) {
            if (step == 1) {
                ++st.flights;
                const ExamState &s = t.exam.state();
                const QString letter = QString(QChar('A' + s.AlternativaEZgjedhur - 1));
                if (s.AlternativaEZgjedhur < 1 || s.GermaEZgjedhur != letter)
                    st.failed(QString::asprintf("flight of answer button %d with letter \"%s\"",
                        s.AlternativaEZgjedhur, qPrintable(s.GermaEZgjedhur)));
                st.confirmed[s.PyetjaEHapur] = letter;
            }
            if (st.rng.bounded(100) < 4) {
                ++st.inside;
                ++st.events;
                st.oneEvent();
                st.check();
            }
        });
        t.dialogs.during = [&] {
            ++st.box;
            // Under a modal box only the timer reaches the exam.
            const int n = static_cast<int>(st.rng.bounded(4));
            for (int i = 0; i < n; ++i) {
                ++st.inside;
                ++st.events;
                st.last = QStringLiteral("tick under a message box");
                st.tick();
                st.check();
            }
            t.dialogs.answers = { st.rng.bounded(100) < 15 ? QMessageBox::Yes : QMessageBox::No };
        };
        for (int e = 0; e < EventsPerSeed && !st.exited && st.error.isEmpty(); ++e) {
            ++st.events;
            st.oneEvent();
            st.check();
        }
        QVERIFY2(st.error.isEmpty(), qPrintable(st.error));
        total += st.events;
        flights += st.flights;
        box += st.box;
        inside += st.inside;
        closing += t.exam.isClosed();
        exitStatus += st.exited;
        if (st.exited)
            QCOMPARE(t.exitCode, std::optional<int>(0));
    }
    qInfo("storm: %ld events over %u seeds; %d flights, %d message boxes, %d events from inside a "
          "flight or box; %d sittings closed, %d ended by the leave button or a close",
        total, seeds, flights, box, inside, closing, exitStatus);
    QVERIFY(total >= 100000);
    QVERIFY(flights > 100 && box > 20 && closing > 10);
}

QTEST_MAIN(TestStorm)
#include "tst_storm.moc"
