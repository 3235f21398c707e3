// The program's sitting as the kiosk's environment sets it up: the fit and the date's format;
// a sitting on a bank file resumed from its state folder.

#include "app/ExamSession.h"
#include "screen/TextLabel.h"
#include "store/RecoveredSitting.h"
#include "store/SittingJournal.h"
#include "support/Banks.h"
#include "support/Sitting.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSession final : public QObject
{
    Q_OBJECT

private slots:
    void environment_data();
    void environment();
    void kioskSitting();
    void resumedOnBankFile();
};

void TestSession::environment_data()
{
    QTest::addColumn<QString>("fit");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<bool>("centred");
    QTest::newRow("none") << QString() << 1.0 << false;
    QTest::newRow("below 1") << u"0.78"_s << 0.78 << true;
    QTest::newRow("Qt scales") << u"2.81"_s << 1.0 << true;
    // Anything but a positive number with a point is no fit at all.
    QTest::newRow("comma") << u"0,78"_s << 1.0 << false;
    QTest::newRow("zero") << u"0"_s << 1.0 << false;
    QTest::newRow("negative") << u"-0.5"_s << 1.0 << false;
    QTest::newRow("text") << u"fit"_s << 1.0 << false;
}

void TestSession::environment()
{
    QFETCH(QString, fit);
    QFETCH(double, zoom);
    QFETCH(bool, centred);
    const KioskEnvironment e = KioskEnvironment::parse(fit, {});
    QCOMPARE(e.zoom, zoom);
    QCOMPARE(e.centred, centred);
    QVERIFY(!e.dateLocale);
}

void TestSession::kioskSitting()
{
    // The kiosk's sitting: the window at the zoom, the design centred, the date in Albanian's
    // short format (day.month.two-digit year) where the system's (C) differs.
    ExamSession s(KioskEnvironment::parse(u"0.93"_s, u"sq_AL"_s));
    s.start();
    QVERIFY(QTest::qWaitForWindowExposed(&s.window()));
    QCOMPARE(s.window().mapping().zoom(), 0.93);
    const QRect design = s.window().designArea();
    QCOMPARE(design.center(), s.window().rect().center());
    const QDate today = QDate::currentDate();
    QCOMPARE(s.window().LblData->caption(),
        u"%1.%2.%3"_s.arg(today.day())
            .arg(today.month())
            .arg(today.year() % 100, 2, 10, QChar(u'0')));
    QVERIFY(
        s.window().LblData->caption() != QLocale::system().toString(today, QLocale::ShortFormat));
    s.window().setCloseAllowed(true);
    s.window().close();
}

void TestSession::resumedOnBankFile()
{
    // The journal names the paper's questions by the bank's identifiers; a start after the
    // program ended mid-sitting draws the same paper and shows the answers given; another
    // candidate's start is a sitting of their own.
    QTemporaryDir dir;
    SittingSetup setup;
    setup.bank = Banks::sittingBank();
    setup.bankFile = Banks::write(dir.path(), u"fondi.sqlite"_s, setup.bank);
    setup.candidate = u"Arta Hoxha"_s;
    const QString state = dir.filePath(u"gjendja"_s);
    QString shown;
    {
        const auto first = ExamSession::open(setup, state, nullptr);
        Sitting::click(first->window().CmdZgjidhPyetjen(5));
        Sitting::click(first->window().CmdAlternativa(2));
        Sitting::click(first->window().CmdKonfirmoj);
        shown = first->window().LblNjoftim->caption();
    }
    const QJsonArray paper = RecoveredSitting::latest(state)->identity.value(u"paper"_s).toArray();
    QSet<qint64> ids;
    for (const QJsonValue &id : paper)
        ids << id.toInteger();
    QVERIFY(ids.size() == 50 && *std::min_element(ids.begin(), ids.end()) > 100);

    const auto again = ExamSession::open(setup, state, nullptr);
    QCOMPARE(again->window().CmdZgjidhPyetjen(5)->text(), u"B"_s);
    Sitting::click(again->window().CmdZgjidhPyetjen(5));
    QCOMPARE(again->window().LblNjoftim->caption(), shown);
    setup.candidate = u"Besa Krasniqi"_s;
    const auto other = ExamSession::open(setup, state, nullptr);
    QCOMPARE(other->window().CmdZgjidhPyetjen(5)->text(), u"5"_s);
}

QTEST_MAIN(TestSession)
#include "tst_session.moc"
