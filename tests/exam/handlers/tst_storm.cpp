// Random clicks, ticks, box answers and close requests, also mid-flight and under a box, checked
// after each event against what the storm saw confirmed; a failure names seed and event.

#include "exam/Scoring.h"
#include "support/Sitting.h"

#include <QRandomGenerator>
#include <QTest>

#include <array>

using namespace Qt::StringLiterals;

class TestStorm final : public QObject
{
    Q_OBJECT

private slots:
    void storm();
};

namespace {

struct Storm
{
    Sitting &t;
    quint32 seed;
    QRandomGenerator rng { seed };
    std::array<QString, 51> confirmed {}; // what the storm saw fly onto each button
    long events = 0;
    QString last {}, error {}; // the last event; the first fault
    std::optional<QList<QVariant>> viewAfterClosing {};
    bool exited = false;

    void failed(const QString &c)
    {
        if (error.isEmpty())
            error = QString::asprintf("seed %u, event %ld (%s): ", seed, events, qPrintable(last))
                + c;
    }
    // Weighted so that a sitting runs a while before it ends; under a box only the timer acts.
    void event(bool tickOnly = false)
    {
        ++events;
        const int r = tickOnly ? 900 : rng.bounded(1000);
        FlatButton *b = r < 300 ? t.question(rng.bounded(51))
            : r < 550           ? t.answerButton(1 + rng.bounded(5))
            : r < 570           ? t.answerButton(0)
            : r < 720           ? t.window.CmdKonfirmoj
            : r < 730           ? t.window.CmdEND
                                : nullptr;
        if (b) {
            last = u"click "_s + b->objectName();
            const bool usable = !b->isHidden() && b->isEnabled();
            const auto before = t.view();
            QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() / 2, b->height() / 2));
            if (!usable && !exited && t.view() != before)
                failed(u"a hidden or disabled control reacted"_s);
        } else if (r < 980) {
            last = u"tick"_s; // the timer ticks only while it runs
            if (t.window.Timer1->isActive())
                t.exam.Timer1_Timer();
        } else if (last = u"close request"_s;
                   t.window.close() != (t.exam.phase() == Phase::Closed)) {
            failed(u"the window closed while the exam ran, or refused after it"_s);
        }
        exited = exited || t.exitCode;
        check();
    }
    void check()
    {
        const ExamState &s = t.exam.state();
        // Each caption is its number, then the last letter confirmed; a flight lands at its end.
        for (int k = 1; k <= 50; ++k) {
            const QString c = t.question(k)->text();
            const QString awaited = confirmed[k].isEmpty() ? QString::number(k) : confirmed[k];
            const bool inFlight
                = s.phase == Phase::AnswerInFlight || s.phase == Phase::ClosingAfterFlight;
            if (c != awaited && !(inFlight && k == s.PyetjaEHapur))
                return failed(u"button %1 reads \"%2\", confirmed \"%3\""_s.arg(
                    QString::number(k), c, awaited));
        }
        if (t.exam.phase() == Phase::Closed && !viewAfterClosing) {
            // The score from the storm's own record of what was confirmed.
            double points = 0;
            for (int k = 1; k <= 50; ++k)
                if (confirmed[k] == s.PergjigjaESakte(s.Teza(k)))
                    points += s.PikePozitive(s.Teza(k));
            const QString p = percentageText(percentage(points, 99), QLatin1Char('.'));
            if (const QString fault = t.closingFault(p, u"storm"_s); !fault.isEmpty())
                return failed(fault + u", expected %1 (%2 points)"_s.arg(p).arg(points));
            viewAfterClosing = t.view();
        } else if (viewAfterClosing
            && (t.view() != *viewAfterClosing || t.window.Timer1->isActive()))
            return failed(u"the result changed after the closing"_s);
    }
};

} // namespace

void TestStorm::storm()
{
    long total = 0;
    int flights = 0, boxes = 0, closings = 0, exits = 0;
    quint32 seed = 1;
    for (; total < 100000; ++seed) {
        Sitting t(static_cast<float>(seed) * 97.25f, false);
        // Only the storm ticks: the real timer would fire too whenever a flight or box runs events.
        t.window.Timer1->setInterval(24 * 3600 * 1000);
        t.exam.Form_Activate();
        Storm st { .t = t, .seed = seed };
        if (seed % 3 == 0) // short sittings, so that time runs out in flights and under boxes
            t.setClock(u"0:"_s, QString::asprintf("%02d", 5 + st.rng.bounded(60)));
        QObject::connect(&t.exam, &Exam::flightStep, [&](int step) {
            // What must land where: the letter marked green on the question open in green.
            if (step == 1) {
                ++flights;
                const QColor green(0, 192, 0);
                int k = 0;
                for (int i = 1; i <= 50; ++i)
                    k = t.question(i)->backColor() == green ? i : k;
                for (int j = 1; j <= 5; ++j)
                    if (t.answerButton(j)->backColor() == green)
                        st.confirmed[k] = QChar(u'A' + j - 1);
            }
            if (st.rng.bounded(100) < 4)
                st.event();
        });
        t.dialogs.during = [&] {
            ++boxes;
            for (int n = st.rng.bounded(4); n > 0; --n)
                st.event(true);
            t.dialogs.answers = { st.rng.bounded(100) < 15 ? QMessageBox::Yes : QMessageBox::No };
        };
        while (st.events < 3000 && !st.exited && st.error.isEmpty())
            st.event();
        QCOMPARE(st.error, QString());
        total += st.events;
        closings += t.exam.phase() == Phase::Closed;
        exits += st.exited;
    }
    // A storm that never reached a flight, a box or an end has tested little.
    QVERIFY2(flights > 100 && boxes > 20 && closings > 10 && exits > 5,
        qPrintable(QString::asprintf("%d flights, %d boxes, %d closed, %d ended over %u seeds",
            flights, boxes, closings, exits, seed - 1)));
}

QTEST_MAIN(TestStorm)
#include "tst_storm.moc"
