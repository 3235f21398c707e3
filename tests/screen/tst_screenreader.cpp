// A blind candidate's sitting: the real program on its own X server and session bus, with the
// accessibility bus and Orca speaking through speech-dispatcher. Keys alone from the window's
// first frame to the end of the program; Orca's debug log is the record of what was spoken.

#include "exam/DemoBank.h"
#include "exam/Descriptions.h"
#include "exam/ExamState.h"
#include "exam/Scoring.h"
#include "support/Banks.h"
#include "support/XSession.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <set>
#include <tuple>

#include <signal.h>

using namespace Qt::StringLiterals;

// A step of the sitting that Orca must be heard to say; else what it said instead.
#define HEARD(step) QVERIFY2((step) >= 0, qPrintable(lastSpoken()))

class TestScreenReader final : public QObject
{
    Q_OBJECT

public:
    bool orcaStarted = true;

public slots:
    void stateChanged(const QDBusMessage &m);

private slots:
    void sitting();
    void cleanupTestCase();

private:
    bool startScreenReader(QString *error);
    // Presses `keys`, then waits until Orca speaks a line matching `pattern`: its place among
    // the lines spoken, or -1. Lines spoken before the last one waited for do not count.
    qsizetype after(const QString &keys, const QString &pattern);
    qsizetype hear(const QString &pattern);
    // Waits for exactly `text`, its full stop aside as every line's.
    qsizetype hearSaid(const QString &text);
    QString spoken(qsizetype i) const { return m_spoken.value(i); }
    QString lastSpoken() const
    {
        return u"spoken since: "_s + m_spoken.mid(m_heard).join(u" | "_s);
    }

    XSession m_x;
    QTemporaryDir m_dir;
    QProcess m_bus, m_orca;
    QFile m_log;
    QByteArray m_partial;
    QStringList m_spoken;
    qsizetype m_heard = 0;
    // AT-SPI state changes the program sent: object path, state, value.
    std::set<std::tuple<QString, QString, int>> m_states;
};

namespace {
const ExamState Bank = [] {
    ExamState s;
    MbushFondinDemo(s);
    return s;
}();

// The question of the bank that was read out as opened at paper position k, or 0: its number,
// points and text, and for a picture question what the drawing shows.
int questionSaid(int k, const QString &spoken)
{
    for (int q = 1; q <= 50; ++q) {
        const QString drawing = q == 31 || q == 32 ? Descriptions::drawing(q) : QString();
        const QString s = u"notification "_s
            + Descriptions::openQuestion(k, Bank.PikePozitive(q), Bank.Pyetja(q), drawing);
        if (spoken == s || spoken + u'.' == s)
            return q;
    }
    return 0;
}

// Python's files are block-buffered; Orca's debug log is made line-buffered, so that each line
// spoken can be read as it is spoken.
const char LineBuffered[] = R"(import builtins
_open = builtins.open
def _line_buffered(file, mode='r', buffering=-1, *args, **kwargs):
    if file == %1 and 'w' in mode:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)
builtins.open = _line_buffered
)";

// Speech without a sound card: espeak-ng into ALSA's null device.
const char SpeechConfig[] = R"(AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
AudioOutputMethod "alsa"
AudioALSADevice "null"
)";
} // namespace

bool TestScreenReader::startScreenReader(QString *error)
{
    // A home of its own: Orca's settings, speech-dispatcher's configuration and sockets.
    const QString log = m_dir.filePath(u"orca.log"_s), python = m_dir.filePath(u"python"_s);
    const QString runtime = m_dir.filePath(u"run"_s), config = m_dir.filePath(u"config"_s);
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir().mkpath(python);
    QDir().mkpath(config + u"/speech-dispatcher"_s);
    Banks::writeFile(python, u"sitecustomize.py"_s,
        QString::fromLatin1(LineBuffered).arg(u"'%1'"_s.arg(log)).toUtf8());
    Banks::writeFile(config, u"speech-dispatcher/speechd.conf"_s, SpeechConfig);
    for (const auto &[name, value] :
        { std::pair { u"HOME"_s, m_dir.path() }, { u"XDG_RUNTIME_DIR"_s, runtime },
            { u"XDG_CONFIG_HOME"_s, config }, { u"XDG_CACHE_HOME"_s, m_dir.filePath(u"cache"_s) },
            { u"XDG_DATA_HOME"_s, m_dir.filePath(u"data"_s) }, { u"PYTHONPATH"_s, python },
            { u"LC_ALL"_s, u"C.UTF-8"_s } })
        m_x.addEnvironment(name, value);

    // The session bus, which starts the accessibility bus when Orca asks for it.
    m_bus.setProcessEnvironment(m_x.environment());
    m_bus.start(u"dbus-daemon"_s, { u"--session"_s, u"--nofork"_s, u"--print-address=1"_s });
    QByteArray address;
    XSession::poll([&] {
        m_bus.waitForReadyRead(40);
        return (address += m_bus.readAllStandardOutput()).endsWith('\n');
    });
    if (address.isEmpty()) {
        *error = u"the session bus did not start"_s;
        return false;
    }
    m_x.addEnvironment(u"DBUS_SESSION_BUS_ADDRESS"_s, QString::fromLatin1(address.trimmed()));
    m_orca.setProcessEnvironment(m_x.environment());
    m_orca.start(
        u"orca"_s, { u"--user-prefs"_s, m_dir.filePath(u"orca"_s), u"--debug-file"_s, log });
    m_log.setFileName(log);
    if (!XSession::poll([&] { return m_log.exists(); }, 30000) || !m_log.open(QIODevice::ReadOnly)
        || hear(u"^Screen reader on$"_s) < 0) {
        orcaStarted = false;
        *error = u"Orca did not start: "_s + QString::fromLocal8Bit(m_orca.readAllStandardError());
        return false;
    }
    // What the program sends on the accessibility bus.
    QDBusConnection session
        = QDBusConnection::connectToBus(QString::fromLatin1(address.trimmed()), u"s"_s);
    const QDBusMessage a11y = session.call(QDBusMessage::createMethodCall(
        u"org.a11y.Bus"_s, u"/org/a11y/bus"_s, u"org.a11y.Bus"_s, u"GetAddress"_s));
    QDBusConnection::connectToBus(a11y.arguments().value(0).toString(), u"a11y"_s)
        .connect({}, {}, u"org.a11y.atspi.Event.Object"_s, u"StateChanged"_s, this,
            SLOT(stateChanged(QDBusMessage))); // QtDBus takes no pointer to a member here
    return true;
}

void TestScreenReader::stateChanged(const QDBusMessage &m)
{
    m_states.insert(
        { m.path(), m.arguments().value(0).toString(), m.arguments().value(1).toInt() });
}

qsizetype TestScreenReader::after(const QString &keys, const QString &pattern)
{
    m_x.keys(u"key "_s + keys);
    return hear(pattern);
}

qsizetype TestScreenReader::hear(const QString &pattern)
{
    static const QRegularExpression speech(u" - SPEECH OUTPUT: '(.*)' ?(\\{.*\\})?$"_s);
    const QRegularExpression wanted(pattern);
    QElapsedTimer t;
    for (t.start(); t.elapsed() < 15000; QTest::qWait(50)) {
        m_partial += m_log.readAll();
        const qsizetype end = m_partial.lastIndexOf('\n');
        for (const QByteArray &line : m_partial.left(end + 1).split('\n'))
            if (const auto m = speech.match(QString::fromUtf8(line)); m.hasMatch()) {
                // Orca ends a line with a full stop or, under load, not: the line is without it.
                QString said = m.captured(1).trimmed();
                if (said.endsWith(u'.'))
                    said.chop(1);
                m_spoken << said;
            }
        m_partial.remove(0, end + 1);
        for (qsizetype i = m_heard; i < m_spoken.size(); ++i)
            if (wanted.match(m_spoken[i]).hasMatch())
                return m_heard = i + 1, i;
    }
    return -1;
}

qsizetype TestScreenReader::hearSaid(const QString &text)
{
    return hear(
        u'^' + QRegularExpression::escape(text.endsWith(u'.') ? text.chopped(1) : text) + u'$');
}

void TestScreenReader::sitting()
{
    QString error;
    QVERIFY2(m_x.start({ 1280, 1024 }, &error), qPrintable(error));
    if (!startScreenReader(&error)) {
        if (!orcaStarted)
            QSKIP(qPrintable(error));
        QFAIL(qPrintable(error));
    }
    QVERIFY2(!m_x.startProgram(QStringLiteral(PROVIMI_EXE), &error).isEmpty(), qPrintable(error));

    // The window by the exam's title, then the rules, read once, as words.
    HEARD(hear(u"^DEMO PROVIM MIX Mjek, Infermier, Stomatolog, Farmacist frame$"_s));
    HEARD(hear(u"^Zgjidhni pyetjen duke klikuar.* JU UROJME SUKSES!$"_s));
    HEARD(hear(u"^Pyetja 1, [1-3] pikë, e pahapur$"_s));

    // Return on question 1 reads it where the focus stays: its number, points and text.
    qsizetype i = after(u"Return"_s, u"^notification Pyetja 1, "_s);
    HEARD(i);
    const int q = questionSaid(1, spoken(i));
    QVERIFY2(q != 0, qPrintable(spoken(i)));
    // Tab goes on to the alternatives, each named with its letter.
    HEARD(after(u"Tab"_s,
        u"^A: %1 push button$"_s.arg(QRegularExpression::escape(Bank.Alternativat(q, 1)))));
    // A letter: KONFIRMOJ, with the alternative it would confirm; another letter there says it.
    const QString b = Bank.Alternativat(q, 2), c = Bank.Alternativat(q, 3);
    HEARD(after(u"b"_s, u"^KONFIRMOJ push button$"_s));
    HEARD(hearSaid(u"Konfirmo përgjigjen B: "_s + b));
    HEARD(after(
        u"c"_s, u"^notification Konfirmo përgjigjen C: %1$"_s.arg(QRegularExpression::escape(c))));
    // The time left on its key, the focus staying where it is.
    HEARD(after(
        u"k"_s, u"^notification Koha e mbetur: (60 minuta|59 minuta e [1-5]?[0-9] sekonda)$"_s));
    // Return confirms: the question with its recorded answer.
    HEARD(after(
        u"Return"_s, u"^Pyetja 1, %1 pikë, e lexuar, përgjigja C$"_s.arg(Bank.PikePozitive(q))));

    // On through the grid, opening each question, to the first picture question, read with what
    // its drawing shows.
    QMap<int, int> opened { { 1, q } };
    int picture = 0;
    for (int k = 2; k <= 50 && !picture; ++k) {
        HEARD(after(
            k % 5 == 1 ? u"Down Left Left Left Left"_s : u"Right"_s, u"^%1 push button$"_s.arg(k)));
        i = after(u"Return"_s, u"^notification Pyetja %1, "_s.arg(k));
        HEARD(i);
        const int shown = questionSaid(k, spoken(i));
        QVERIFY2(shown != 0, qPrintable(spoken(i)));
        opened[k] = shown;
        if (shown == 31 || shown == 32)
            picture = shown;
    }
    QVERIFY(picture);

    // Tab to the leave alternative, marked with Space: KONFIRMOJ says it will ask to end.
    for (int tabs = 0; tabs < 6 && spoken(m_heard - 1).indexOf(u"DUA TE LARGOHEM") < 0; ++tabs)
        HEARD(after(u"Tab"_s, u"push button$"_s));
    HEARD(after(u"space"_s, u"^Konfirmo kërkesën: do të pyeteni nëse doni ta përfundoni"_s));
    // The box: its title as a word, its question, Po and Jo.
    HEARD(after(u"Return"_s, u"^alert KUJDES!$"_s));
    HEARD(hearSaid(u"DO TA PERFUNDONI VERTET PROVIMIN NE KETE MOMENT?"_s));
    HEARD(hear(u"^Po push button$"_s));
    QThread::msleep(600); // the box takes keys after its first half second
    HEARD(after(u"Tab"_s, u"^Jo push button$"_s));
    HEARD(after(u"shift+Tab"_s, u"^Po push button$"_s));

    // Yes: the focus lands on the leave button, named as words, with the result.
    const bool right = Bank.PergjigjaESakte(q) == u"C"_s;
    const int earned = right ? Bank.PikePozitive(q) : 0;
    HEARD(after(u"Return"_s, u"^Po largohem! push button$"_s));
    HEARD(hearSaid(
        Descriptions::result(percentageText(percentage(earned, 99), u'.'), earned, 99, u'.')));
    // The arrows read the listing from question 1 on, the answer given against the right one.
    const QStringList rows {
        u"Pyetja 1 \\(P %1\\): përgjigja C, e sakta %2%3$"_s.arg(q).arg(
            Bank.PergjigjaESakte(q), right ? u", %1 pikë"_s.arg(earned) : QString()),
        u"Pyetja 2 \\(P %1\\): pa përgjigje, e sakta %2$"_s.arg(opened[2]).arg(
            Bank.PergjigjaESakte(opened[2])),
        u"Pyetja 7 \\(P (\\d+)\\): pa përgjigje, e sakta ([A-E])$"_s,
    };
    HEARD(after(u"Down"_s, u"^C push button$"_s));
    HEARD(hear(rows[0]));
    HEARD(after(u"Right"_s, rows[1]));
    i = after(u"Down"_s, rows[2]);
    HEARD(i);
    const auto row7 = QRegularExpression(rows[2]).match(spoken(i));
    QCOMPARE(row7.captured(2), Bank.PergjigjaESakte(row7.captured(1).toInt()));
    // Tab is back on the leave button, whose Space ends the program.
    HEARD(after(u"Tab"_s, u"^Po largohem! push button$"_s));
    m_x.keys(u"key space"_s);
    QCOMPARE(m_x.waitForExit(10000), 0);

    // The rules were read once, nothing was spelled letter by letter, and every widget shown or
    // hidden said `visible` as well as `showing`.
    QCOMPARE(m_spoken.filter(u"JU UROJME SUKSES!"_s).size(), 1);
    for (const QString &s : std::as_const(m_spoken))
        QVERIFY2(!s.contains(u"K U J D E S"_s) && !s.contains(u"P o   l a r"_s), qPrintable(s));
    int showings = 0;
    for (const auto &[path, state, value] : std::as_const(m_states))
        if (state == u"showing"_s) {
            ++showings;
            QVERIFY2(m_states.count({ path, u"visible"_s, value }), qPrintable(path));
        }
    QVERIFY2(showings > 10, qPrintable(QString::number(m_states.size())));
}

void TestScreenReader::cleanupTestCase()
{
    // Orca, the speech server it started, then the session bus, whose end ends the accessibility
    // bus and everything started on it.
    m_orca.terminate();
    m_orca.waitForFinished(5000);
    QFile pid(m_dir.filePath(u"run/speech-dispatcher/pid/speech-dispatcher.pid"_s));
    if (pid.open(QIODevice::ReadOnly))
        if (const int p = pid.readAll().trimmed().toInt(); p > 0)
            ::kill(p, SIGTERM);
    m_bus.terminate();
    m_bus.waitForFinished(5000);
}

int main(int argc, char *argv[])
{
    if (!XSession::available({ "Xvfb", "xdotool", "dbus-daemon", "orca" }))
        return 77;
    QCoreApplication app(argc, argv);
    TestScreenReader t;
    const int status = QTest::qExec(&t, argc, argv);
    return t.orcaStarted ? status : 77;
}

#include "tst_screenreader.moc"
