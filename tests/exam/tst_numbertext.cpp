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
    void clockStep_data();
    void clockStep();
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
    // The percentages, with either separator, are in the scoring test.
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

void TestNumberText::clockStep_data()
{
    // One second down: unpadded minutes and two-digit seconds; at 0:00 time is up and the
    // labels stay.
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("timeUp");
    QTest::newRow("first tick") << "60:00"
                                << "59:59" << false;
    QTest::newRow("seconds keep two digits") << "59:10"
                                             << "59:09" << false;
    QTest::newRow("minute turns") << "10:00"
                                  << "9:59" << false;
    QTest::newRow("last minute") << "1:00"
                                 << "0:59" << false;
    QTest::newRow("last second") << "0:01"
                                 << "0:00" << false;
    QTest::newRow("time up") << "0:00"
                             << "0:00" << true;
}

void TestNumberText::clockStep()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(bool, timeUp);
    const ClockStep h = ::clockStep(before.section(QLatin1Char(':'), 0, 0) + QLatin1Char(':'),
        before.section(QLatin1Char(':'), 1));
    QCOMPARE(h.timeUp, timeUp);
    QCOMPARE(h.minutes + h.seconds, after);
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
