// The real program on its own X server with a state folder: killed (SIGKILL) at random moments
// of scripted sittings, also during a flight and with the end-request box open, and started
// again, each time showing every answer of its journal on its button, no other, and its clock
// within 2 s of the journal's; each sitting ends with one result file equal to a reference
// sitting's. A full disk and a read-only state folder never stop a sitting; without a state
// folder the program writes nothing.

#include "store/Journal.h"
#include "store/RecoveredSitting.h"
#include "support/OnScreen.h"
#include "support/Sitting.h"
#include "support/XSession.h"

#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestResume final : public QObject
{
    Q_OBJECT

private slots:
    void killedAndStartedAgain();
    void onFolder_data();
    void onFolder();
};

namespace {

const QPoint Konfirmoj(700, 552);
const QColor Yellow(255, 255, 0);
const QString Letters = u"ABCDE"_s;

QPoint questionAt(int k)
{
    return gridPlace(k) + QPoint(16, 16);
}

QPoint answerAt(int j)
{
    return { 300, 424 + 56 * j };
}

// Reads the real program's screen by comparing it with the same controls drawn here, offscreen:
// a question button's caption and the clock.
class ScreenReader
{
public:
    // The caption question button k shows, its number or a letter; empty when neither.
    QString caption(const QImage &shot, int k)
    {
        const QRect face(4, 4, 25, 25); // inside the focus frame
        const QImage seen = shot.copy(QRect(gridPlace(k), QSize(33, 33))).copy(face);
        const QColor back = shot.pixelColor(gridPlace(k) + QPoint(6, 6));
        for (const QString &c : QStringList { QString::number(k) } + Letters.split(QString())) {
            QImage &drawn = m_faces[c + back.name()];
            if (drawn.isNull() && !c.isEmpty()) {
                FlatButton *b = m_window.CmdZgjidhPyetjen(1);
                b->setBackColor(back);
                b->setText(c);
                drawn = grabWindow(b).copy(face);
            }
            if (!c.isEmpty() && drawn == seen)
                return c;
        }
        return {};
    }
    // The seconds left on the clock, looked for from `most` down to 2 less; -1 when none.
    int secondsLeft(const QImage &shot, int most)
    {
        const QRect clock(640, 634, 131, 55); // clear of the date above
        for (int s = most; s >= std::max(0, most - 2); --s) {
            m_window.LblMin->setCaption(QString::number(s / 60) + u':');
            m_window.LblSek->setCaption(u"%1"_s.arg(s % 60, 2, 10, QLatin1Char('0')));
            if (m_window.grab(clock).toImage().convertToFormat(QImage::Format_RGB32)
                == shot.copy(clock))
                return s;
        }
        return -1;
    }

private:
    FormProvimi m_window;
    QHash<QString, QImage> m_faces;
};

// One terminal: the real program on a state folder, driven by clicks, killed and started again.
struct Terminal
{
    XSession &x;
    ScreenReader &reader;
    QRandomGenerator &rng;
    QString folder;
    QMap<int, QString> landed {}; // answers seen recorded (or one confirmed over it since)
    QMap<int, QString> confirmed {}; // every letter confirmed at each position, as a string
    int flightKills = 0, boxKills = 0;

    QString start()
    {
        QString error; // set only when no window came
        x.startProgram(QStringLiteral(PROVIMI_EXE), &error, { u"--state"_s, folder });
        return error;
    }
    std::optional<RecoveredSitting> journal() const { return RecoveredSitting::latest(folder); }

    // What is wrong with the screen of a fresh start against the journal, or nothing.
    QString restartFault()
    {
        const auto r = journal();
        const bool resumed = r && !r->finished;
        const QMap<int, QString> answers = resumed ? r->answers : QMap<int, QString> {};
        for (auto [k, letters] : landed.asKeyValueRange())
            if (!answers.contains(k) || !letters.contains(answers.value(k)))
                return u"answer %1 at %2, seen recorded, is not in the journal"_s.arg(letters).arg(
                    k);
        for (auto [k, letter] : answers.asKeyValueRange())
            if (!confirmed.value(k).contains(letter))
                return u"answer %1 at %2 was never confirmed"_s.arg(letter).arg(k);
        // Each question opened before yellow with its answer or its number, the others pink.
        const QList<int> opened = resumed ? r->opened : QList<int> {};
        QImage shot;
        QString wrong;
        auto buttonsFault = [&] {
            for (int k = 1; k <= 50; ++k) {
                const QString c = reader.caption(shot, k);
                const bool read = opened.contains(k) || answers.contains(k);
                if (c != answers.value(k, QString::number(k))
                    || !OnScreen::question(shot, k, read ? Yellow : OnScreen::Unread))
                    return u"button %1 shows \"%2\" in %3"_s.arg(k).arg(c).arg(
                        shot.pixelColor(gridPlace(k) + QPoint(6, 6)).name());
            }
            return QString();
        };
        if (!x.shotUntil(&shot, [&] { return (wrong = buttonsFault()).isEmpty(); }))
            return wrong;
        // A resumed clock runs on from the journal's time, at once; a new one shows 60:00 once
        // the window is active.
        const int left = resumed ? r->secondsLeft : 3600;
        if (!x.shotUntil(
                &shot, [&] { return reader.secondsLeft(shot, left) >= (resumed ? 0 : left); },
                resumed ? 1500 : 10000))
            return u"the clock is not within 2 s of %1 s left"_s.arg(left) + x.programOutput();
        landed = answers;
        return {};
    }

    // Opens question k, marks answer j and confirms it; more xdotool commands go with the click.
    void confirm(int k, int j, const QStringList &then = {})
    {
        x.click(questionAt(k));
        x.click(answerAt(j));
        confirmed[k] += Letters[j - 1];
        if (landed.contains(k))
            landed[k] += Letters[j - 1];
        x.xdotool(QStringList { u"mousemove"_s, QString::number(Konfirmoj.x()),
                      QString::number(Konfirmoj.y()), u"mousedown"_s, u"1"_s, u"mouseup"_s, u"1"_s }
            + then);
    }

    // Something a candidate does (kind 0 to 4), then SIGKILL at a random moment of it.
    void actThenKill(int kind)
    {
        const int k = 1 + rng.bounded(50), j = 1 + rng.bounded(4); // every question has A to D
        switch (kind) {
        case 0:
        case 1: { // in the flight, or just after it: xdotool kills right after its click
            const int wait = rng.bounded(80);
            confirm(k, j,
                { u"sleep"_s, QString::number(wait / 1000.0), u"exec"_s, u"kill"_s, u"-KILL"_s,
                    QString::number(x.programId()) });
            x.killProgram(); // reaped
            // Killed well after the confirmation reached the program, not yet recorded: in flight.
            const auto r = journal();
            flightKills += wait >= 10 && r && r->answers.value(k) != Letters[j - 1];
            return;
        }
        case 2: { // seen recorded, then another question opened
            confirm(k, j);
            QImage shot;
            if (x.shotUntil(&shot, [&] { return reader.caption(shot, k) == Letters[j - 1]; }))
                landed[k] = Letters[j - 1];
            x.click(questionAt(1 + rng.bounded(50)));
            break;
        }
        case 3: // the end request's box open
            boxKills += !OnScreen::askToEnd(x).isEmpty();
            break;
        default: // whatever the program is doing after its start
            break;
        }
        QThread::msleep(rng.bounded(200));
        x.killProgram();
    }

    // The result file of a closed sitting against the same answers given in one go here.
    QString resultFault(const RecoveredSitting &r, const QString &closedBy)
    {
        const QStringList files = QDir(folder).entryList({ u"*.result.json"_s });
        if (files.size() != 1)
            return u"%1 result files"_s.arg(files.size());
        QFile f(QDir(folder).filePath(files[0]));
        f.open(QIODevice::ReadOnly);
        const QJsonObject result = QJsonDocument::fromJson(f.readAll()).object();
        Sitting reference(static_cast<float>(r.identity.value(u"seed"_s).toDouble()), false);
        for (auto [k, letter] : r.answers.asKeyValueRange()) {
            reference.mark(k, static_cast<int>(Letters.indexOf(letter)) + 1);
            Sitting::click(reference.window.CmdKonfirmoj);
        }
        reference.close();
        const ExamState &s = reference.s();
        const QJsonArray answers = result.value(u"answers"_s).toArray();
        for (int k = 1; k <= 50; ++k) {
            const QJsonObject a = answers.at(k - 1).toObject();
            const QString given = a.value(u"given"_s).toString(u"_"_s);
            if (given != s.PergjigjetEDhena(k) || a.value(u"question"_s).toInt() != s.Teza(k)
                || a.value(u"correct"_s).toString() != s.PergjigjaESakte(s.Teza(k)))
                return u"position %1: %2"_s.arg(k).arg(
                    QString::fromUtf8(QJsonDocument(a).toJson()));
        }
        if (result.value(u"earned"_s).toDouble() != s.PiketEGrumbulluara
            || result.value(u"maximum"_s).toInt() != s.PiketMaksimale
            || result.value(u"percentage"_s).toString()
                != reference.window.LblRezNePerqindje->caption()
            || result.value(u"closedBy"_s).toString() != closedBy)
            return QString::fromUtf8(QJsonDocument(result).toJson());
        return {};
    }
};

// A sitting of `answers` confirmed answers on a folder that the shell command `setUp` made what
// the test needs, in a mount namespace of the program's own, the folder the state folder when
// `state`: it completes on screen however the records fare, and the folder as seen from outside
// stays empty. What is wrong, or nothing; *said is the program's standard error.
QString sittingOnFolder(
    const QString &name, const QString &setUp, int answers, QString *said, bool state = true)
{
    XSession x;
    QString error;
    QTemporaryDir folder;
    if (!x.start({ 1280, 1024 }, &error)
        || x.startProgram(u"unshare"_s, &error,
                { u"-rm"_s, u"sh"_s, u"-c"_s,
                    setUp + u" && exec \"$0\""_s + (state ? u" --state \"$1\""_s : QString()),
                    QStringLiteral(PROVIMI_EXE), folder.path() })
               .isEmpty())
        return error;
    ScreenReader reader;
    QImage shot;
    for (int k = 1; k <= answers; ++k) {
        x.click(questionAt(k));
        x.click(answerAt(1 + k % 4));
        x.click(Konfirmoj);
        if (!x.shotUntil(&shot, [&] { return reader.caption(shot, k) == Letters[k % 4]; }))
            return u"answer %1 not shown recorded"_s.arg(k);
    }
    if (!OnScreen::endByRequest(x))
        return u"no end request"_s;
    // The result on screen: the percentage in red where the clock's notice was.
    if (!x.shotUntil(&shot, [&] { return pixelsOf(shot, QRect(616, 200, 161, 57), Qt::red) > 30; }))
        return u"no result shown"_s;
    saveScreen(shot, name);
    x.keys(u"key Tab space"_s); // the leave button
    const int status = x.waitForExit(10000);
    *said = x.programOutput();
    if (status != 0)
        return u"did not end well: "_s + *said;
    if (!QDir(folder.path()).isEmpty())
        return u"the folder was written: "_s + QDir(folder.path()).entryList().join(u' ');
    return {};
}

} // namespace

void TestResume::killedAndStartedAgain()
{
    // Sittings of 20 kills each; the last of each closes with the leave alternative, or, every
    // other sitting, by a journal whose time ran out while the terminal was down.
    const int kills = qEnvironmentVariableIntValue("PROVIMI_KILLS");
    XSession x;
    QString error;
    QVERIFY2(x.start({ 1280, 1024 }, &error), qPrintable(error));
    ScreenReader reader;
    const auto seed = static_cast<quint32>(QDateTime::currentMSecsSinceEpoch());
    qInfo("seed %u", seed);
    QRandomGenerator rng(seed);
    int flightKills = 0, boxKills = 0;
    for (int sitting = 0; sitting * 20 < kills; ++sitting) {
        QTemporaryDir folder;
        Terminal t { x, reader, rng, folder.path() };
        for (int kill = 0; kill < 20; ++kill) {
            QVERIFY2((error = t.start()).isEmpty(), qPrintable(error));
            QVERIFY2((error = t.restartFault()).isEmpty(),
                qPrintable(u"sitting %1, kill %2: %3"_s.arg(sitting).arg(kill).arg(error)));
            // Every kind of moment in each sitting, then at random.
            t.actThenKill(kill < 5 ? kill : int(rng.bounded(5)));
        }
        flightKills += t.flightKills;
        boxKills += t.boxKills;

        std::optional<RecoveredSitting> r = t.journal();
        const bool timeRanOut = sitting % 2 && r && !r->finished;
        if (timeRanOut) {
            Journal j;
            QVERIFY(j.open(r->path)
                && j.append({ { u"seq"_s, r->lastSequence + 1 }, { u"kind"_s, u"clock"_s },
                    { u"at"_s, QDateTime::currentDateTimeUtc().toString(Qt::ISODate) },
                    { u"left"_s, 0 } }));
        }
        QVERIFY2((error = t.start()).isEmpty(), qPrintable(error));
        if (!timeRanOut) {
            QVERIFY2((error = t.restartFault()).isEmpty(), qPrintable(error));
            QVERIFY(OnScreen::endByRequest(x));
        }
        // The result file is written after the closing is recorded.
        QVERIFY(XSession::poll([&] {
            return (r = t.journal()) && r->finished
                && !QDir(folder.path()).entryList({ u"*.result.json"_s }).isEmpty();
        }));
        QCOMPARE(t.resultFault(*r, timeRanOut ? u"resumed-after-time"_s : u"leave"_s), QString());
        x.killProgram();
    }
    // The kills met flights and boxes.
    qInfo("%d kills, %d of them in a flight, %d with the end request open", kills, flightKills,
        boxKills);
    QVERIFY(flightKills > 0 && boxKills > 0);
}

void TestResume::onFolder_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<int>("answers");
    QTest::addColumn<bool>("state");
    QTest::addColumn<int>("failuresSaid"); // of the journal, then of the result
    // A 4 KiB disk: the journal fills it after some 15 answers, then the result finds no room.
    QTest::newRow("full-disk") << u"mount -t tmpfs -o size=4k tmpfs \"$1\""_s << 20 << true << 1;
    QTest::newRow("read-only-state")
        << u"mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\""_s << 3 << true << 1;
    // No state folder: nothing in the working folder, the home folder or where Qt would keep
    // settings, data, caches or state.
    QTest::newRow("nothing-configured")
        << u"cd \"$1\" && export HOME=\"$1\" XDG_CONFIG_HOME=\"$1/c\" XDG_DATA_HOME=\"$1/d\" "
           "XDG_CACHE_HOME=\"$1/k\" XDG_STATE_HOME=\"$1/s\""_s
        << 3 << false << 0;
}

void TestResume::onFolder()
{
    if (QProcess::execute(u"unshare"_s, { u"-rm"_s, u"true"_s }) != 0)
        QSKIP("unshare -rm cannot make a mount namespace here");
    QFETCH(QString, setUp);
    QFETCH(int, answers);
    QFETCH(bool, state);
    QFETCH(int, failuresSaid);
    QString said;
    QCOMPARE(sittingOnFolder(
                 u"xvfb-"_s + QLatin1String(QTest::currentDataTag()), setUp, answers, &said, state),
        QString());
    // Each failure once, and nothing else.
    QCOMPARE(said.count(u"ditari i seancës nuk mund të shkruhet"_s), failuresSaid);
    QCOMPARE(said.count(u"rezultati i seancës nuk u shkrua"_s), failuresSaid);
    QVERIFY2(said.count(u"provimi:"_s) == 2 * failuresSaid, qPrintable(said));
}

XSESSION_TEST_MAIN(TestResume, "unshare")

#include "tst_resume.moc"
