// The two text rules every handler leans on, and the clock step built on them.

#include "Ora.h"
#include "TekstNumer.h"

#include <QTest>

using namespace TekstNumer;

class TestTekstNumer final : public QObject
{
    Q_OBJECT

private slots:
    void vleraNumerike_data();
    void vleraNumerike();
    void tekstDecimal_data();
    void tekstDecimal();
    void formaENumrit();
    void oraNeNjeOre();
};

void TestTekstNumer::vleraNumerike_data()
{
    QTest::addColumn<QString>("teksti");
    QTest::addColumn<double>("vlera");
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

void TestTekstNumer::vleraNumerike()
{
    QFETCH(QString, teksti);
    QFETCH(double, vlera);
    QCOMPARE(TekstNumer::vleraNumerike(teksti), vlera);
}

void TestTekstNumer::tekstDecimal_data()
{
    // The percentages' values, with either separator, are in tst_vleresimi.
    QTest::addColumn<double>("v");
    QTest::addColumn<QString>("teksti");
    QTest::newRow("whole") << 100.0 << "100";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("negative") << -300.0 << "-300";
    QTest::newRow("large whole number") << 1e16 << "10000000000000000";
    QTest::newRow("small") << 0.0001 << "0.0001";
}

void TestTekstNumer::tekstDecimal()
{
    QFETCH(double, v);
    QFETCH(QString, teksti);
    QCOMPARE(TekstNumer::tekstDecimal(v, QLatin1Char('.')), teksti);
}

void TestTekstNumer::formaENumrit()
{
    QCOMPARE(TekstNumer::formaENumrit(7), QStringLiteral(" 7 "));
    QCOMPARE(TekstNumer::formaENumrit(50), QStringLiteral(" 50 "));
    QCOMPARE(TekstNumer::formaENumrit(-3), QStringLiteral("-3 ")); // the minus takes the blank
    QCOMPARE(TekstNumer::formaENumrit(2.5, QLatin1Char(',')), QStringLiteral(" 2,5 "));
}

void TestTekstNumer::oraNeNjeOre()
{
    // Every step of the hour is one second down, unpadded minutes and two-digit seconds;
    // tick 3601 closes.
    QString m = QStringLiteral("60:");
    QString s = QStringLiteral("00");
    int mbetur = 3600;
    for (int tik = 1; tik <= 3600; ++tik) {
        const HapiIOres h = hapiIOres(m, s);
        QVERIFY2(!h.kohaMbaroi, qPrintable(QStringLiteral("closed early at tick %1").arg(tik)));
        --mbetur;
        const QString pritur = QString::number(mbetur / 60) + QLatin1Char(':');
        QCOMPARE(h.minutat, pritur);
        QCOMPARE(h.sekondat, QStringLiteral("%1").arg(mbetur % 60, 2, 10, QLatin1Char('0')));
        m = h.minutat;
        s = h.sekondat;
    }
    QCOMPARE(m + s, QStringLiteral("0:00"));
    const HapiIOres fundi = hapiIOres(m, s);
    QVERIFY(fundi.kohaMbaroi);
    QCOMPARE(fundi.minutat + fundi.sekondat, QStringLiteral("0:00"));
}

QTEST_APPLESS_MAIN(TestTekstNumer)
#include "tst_tekstnumer.moc"
