// The hidden question-bank panel: inert without a database, really bound when given one.

#include "bankpanel/BankPanel.h"
#include "bankpanel/BoundPicture.h"
#include "store/BankRecord.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {
// What each bound control of the monitor shows, by name; a picture by its size.
QMap<QString, QString> fields(QGroupBox *monitor)
{
    QMap<QString, QString> shown;
    for (QWidget *w : monitor->findChildren<QWidget *>()) {
        if (!w->property("dataField").isValid())
            continue;
        const bool plain = qobject_cast<QPlainTextEdit *>(w);
        shown[w->objectName()] = w->property(plain ? "plainText" : "text").toString();
        if (auto *f = qobject_cast<BoundPicture *>(w))
            shown[w->objectName()]
                = QStringLiteral("%1x%2").arg(f->pixmap().width()).arg(f->pixmap().height());
    }
    return shown;
}
} // namespace

class TestBankPanel final : public QObject
{
    Q_OBJECT

private slots:
    void inertThenBoundToARealTable()
    {
        QWidget window;
        auto *monitor = new QGroupBox(&window), *allFields = new QGroupBox(&window);
        BankPanel panel(monitor, allFields);
        QVERIFY(!panel.moveToFirst());
        QVERIFY(QSqlDatabase::connectionNames().isEmpty()); // no driver loaded, none opened

        // Every column of the record is shown by its own control, with its placeholder.
        const auto placeholders = fields(monitor);
        QCOMPARE(placeholders.size(), 23);
        QCOMPARE(placeholders["LblNumerIDiPyetjes"], QStringLiteral("600"));
        QCOMPARE(placeholders["PicPyetjaGneDB"], QStringLiteral("0x0"));
        // The controls keep their design names: Name(i), not the form's Name_i_.
        for (int i = 1; i <= 5; ++i)
            QVERIFY(monitor->findChild<QCheckBox *>(QStringLiteral("CekKenbe(%1)").arg(i)));

        // A table with two records. Each column of the first, the control that must show it and
        // a value no other column has; a picture, a bitmap of its own size.
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("fondi.sqlite"));
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "writer").setDatabaseName(fileName);
        QSqlQuery q(QSqlDatabase::database("writer"));
        QVERIFY2(q.exec(BankRecord::createStatement()), qPrintable(q.lastError().text()));
        const char *const first[][3] = {
            { "NumerIDiPyetjes", "LblNumerIDiPyetjes", "17" },
            { "FashikulliGrupPyetjesh", "TxtKapitulliNeDB", "Farmakologji" },
            { "NrIPyetjesNeFashikull", "TxtNrPyNeKap", "4" },
            { "Veshtiresia", "LbLVeshtiresiaNeDB", "V" },
            { "PergjigjaESakte", "LblPergjESakteNeDB", "C" },
            { "PikePozitive", "TxtPikePozitiveNeDB", "2" },
            { "PikeNegative", "TxtPikeNegativeNeDB", "1" },
            { "StrukturaEPyetjes", "LblStrukturaEPyetjesNeDB", "TTTTTT" },
            { "ImazhTekstIPyetes", "TxtPyetjaTneDB", "Cili është antibiotik?" },
            { "ImazhGrafikIPyetes", "PicPyetjaGneDB", "1x2" },
            { "AlternativaATekst", "TxtAltTneDB(1)", "Amoksicilina" },
            { "AlternativaBTekst", "TxtAltTneDB(2)", "Benzilpenicilina" },
            { "AlternativaCTekst", "TxtAltTneDB(3)", "Ciprofloksacina" },
            { "AlternativaDTekst", "TxtAltTneDB(4)", "Doksiciklina" },
            { "AlternativaETekst", "TxtAltTneDB(5)", "Eritromicina" },
            { "AlternativaAGrafik", "PicAltGneDB(1)", "2x2" },
            { "AlternativaBGrafik", "PicAltGneDB(2)", "3x2" },
            { "AlternativaCGrafik", "PicAltGneDB(3)", "4x2" },
            { "AlternativaDGrafik", "PicAltGneDB(4)", "5x2" },
            { "AlternativaEGrafik", "PicAltGneDB(5)", "6x2" },
            { "FondSizeP", "LblFondSizePyetjaNeDB", "22" },
            { "FondSizeAlt", "LblFondSizeAlternativatNeDB", "18" },
            { "Koduar", "LblKoduar", "K" },
        };
        QStringList columns;
        for (const auto &c : first)
            columns << QLatin1String(c[0]);
        QVERIFY(q.prepare(QStringLiteral("INSERT INTO FondPyetjesh (%1) VALUES (?%2)")
                              .arg(columns.join(", "), QString(", ?").repeated(22))));
        for (int i = 0; i < 23; ++i) {
            const QString value = QString::fromUtf8(first[i][2]);
            const int w = value.section(u'x', 0, 0).toInt();
            q.bindValue(i,
                QByteArray(first[i][1]).startsWith("Pic")
                    ? "P1 " + QByteArray::number(w) + " 2 " + QByteArray("0 ").repeated(2 * w)
                    : QVariant(value));
        }
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        QVERIFY(q.exec("INSERT INTO FondPyetjesh (NumerIDiPyetjes) VALUES (42)"));

        QVERIFY(panel.attachFile(fileName));
        QVERIFY(panel.moveToFirst());
        const auto shown = fields(monitor);
        for (const auto &c : first)
            QCOMPARE(shown[c[1]], QString::fromUtf8(c[2]));
        monitor->findChild<QToolButton *>("cursorNext")->click();
        QCOMPARE(fields(monitor)["LblNumerIDiPyetjes"], QStringLiteral("42"));
        monitor->findChild<QToolButton *>("cursorFirst")->click();
        QCOMPARE(fields(monitor)["LblNumerIDiPyetjes"], QStringLiteral("17"));
        // No record any more: the placeholders come back, every one of them.
        QVERIFY(q.exec("DELETE FROM FondPyetjesh"));
        QVERIFY(!panel.moveToFirst());
        QCOMPARE(fields(monitor), placeholders);
        q = QSqlQuery();
        QSqlDatabase::removeDatabase("writer");

        // A file that does not exist is not created.
        const QString missing = dir.filePath(QStringLiteral("missing.sqlite"));
        QVERIFY(!panel.attachFile(missing) && !QFile::exists(missing));
    }
};

QTEST_MAIN(TestBankPanel)
#include "tst_bankpanel.moc"
