// The two text rules every handler leans on, and the clock step built on them.

#include "exam/ClockStep.h"
#include "exam/NumberText.h"

#include <QTest>

using namespace NumberText;

class TestNumberText final : public QObject
{
    Q_OBJECT

private slots:
    void numericValue_data();
    void numericValue();
    void decimalText_data();
    void decimalText();
    void numberForm();
    void clockOverOneHour();
};

void TestNumberText::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("minutes with colon") << "60:" << 60.0;
    QTest::newRow("letter") << "B" << 0.0;
    QTest::newRow("leading blanks") << "   7 " << 7.0;
    QTest::newRow("negative") << "-300" << -300.0;
    QTest::newRow("decimal point") << "66.66%" << 66.66;
    QTest::newRow("comma is not a decimal point") << "66,66" << 66.0;
    QTest::newRow("padded seconds") << "09" << 9.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("exponent") << "1e3x" << 1000.0;
    QTest::newRow("E without digits is a letter") << "5E" << 5.0;
    QTest::newRow("letter before digits") << "E5" << 0.0;
    QTest::newRow("tab and newline skipped") << "\t\n42" << 42.0;
    QTest::newRow("huge stays finite") << QString(400, QLatin1Char('9')) << 0.0;
}

void TestNumberText::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumberText::numericValue(text), value);
}

void TestNumberText::decimalText_data()
{
    // The percentages' values, with either separator, are in tst_vleresimi.
    QTest::addColumn<double>("v");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 100.0 << "100";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("negative") << -300.0 << "-300";
    QTest::newRow("large whole number") << 1e16 << "10000000000000000";
    QTest::newRow("small") << 0.0001 << "0.0001";
}

void TestNumberText::decimalText()
{
    QFETCH(double, v);
    QFETCH(QString, text);
    QCOMPARE(NumberText::decimalText(v, QLatin1Char('.')), text);
}

void TestNumberText::numberForm()
{
    QCOMPARE(NumberText::numberForm(7), QStringLiteral(" 7 "));
    QCOMPARE(NumberText::numberForm(50), QStringLiteral(" 50 "));
    QCOMPARE(NumberText::numberForm(-3), QStringLiteral("-3 ")); // the minus takes the blank
    QCOMPARE(NumberText::numberForm(2.5, QLatin1Char(',')), QStringLiteral(" 2,5 "));
}

void TestNumberText::clockOverOneHour()
{
    // Every step of the hour is one second down, unpadded minutes and two-digit seconds;
    // tick 3601 closes.
    QString m = QStringLiteral("60:");
    QString s = QStringLiteral("00");
    int remaining = 3600;
    for (int tick = 1; tick <= 3600; ++tick) {
        const ClockStep h = clockStep(m, s);
        QVERIFY2(!h.timeUp, qPrintable(QStringLiteral("closed early at tick %1").arg(tick)));
        --remaining;
        const QString awaited = QString::number(remaining / 60) + QLatin1Char(':');
        QCOMPARE(h.minutes, awaited);
        QCOMPARE(h.seconds, QStringLiteral("%1").arg(remaining % 60, 2, 10, QLatin1Char('0')));
        m = h.minutes;
        s = h.seconds;
    }
    QCOMPARE(m + s, QStringLiteral("0:00"));
    const ClockStep last = clockStep(m, s);
    QVERIFY(last.timeUp);
    QCOMPARE(last.minutes + last.seconds, QStringLiteral("0:00"));
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
