// The program's sitting as the kiosk's environment sets it up: the fit and the date's format.

#include "app/ExamSession.h"
#include "screen/TextLabel.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestSession final : public QObject
{
    Q_OBJECT

private slots:
    void environment_data();
    void environment();
    void kioskSitting();
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

QTEST_MAIN(TestSession)
#include "tst_session.moc"
