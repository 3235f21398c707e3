// The hidden question-bank panel: inert and harmless without a database, really bound to its
// table when a test points it at one, and built as designed.

#include "FotoEFushes.h"
#include "PaneliIFondit.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class TestPaneliIFondit final : public QObject
{
    Q_OBJECT

private slots:
    void paBazeNukPrekAsgje();
    void lidhjaEVerteteMeTabelen();
    void inventari();
};

namespace {
struct Kornizat
{
    QWidget dritarja;
    QGroupBox *monitor = new QGroupBox(QStringLiteral("DataBase (Monitorim / Editim) "), &dritarja);
    QGroupBox *teGjitha = new QGroupBox(QStringLiteral("All Fields"), &dritarja);
    Kornizat()
    {
        monitor->setGeometry(800, 408, 537, 553);
        teGjitha->setGeometry(832, 456, 489, 457);
        monitor->hide();
        teGjitha->hide();
    }
};

QStringList permbajtja(const QString &dosja)
{
    return QDir(dosja).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QString teksti(QWidget *w)
{
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *t = qobject_cast<QPlainTextEdit *>(w))
        return t->toPlainText();
    return {};
}

// The placeholder of every bound control, by name, as the design shows them.
const std::pair<const char *, const char *> Vendmbajtesit[] = {
    { "LblNumerIDiPyetjes", "600" },
    { "TxtKapitulliNeDB", "Emertim Kapitulli\n" },
    { "TxtNrPyNeKap", "888" },
    { "LbLVeshtiresiaNeDB", "U" },
    { "LblPergjESakteNeDB", "A" },
    { "TxtPikePozitiveNeDB", "0" },
    { "TxtPikeNegativeNeDB", "0" },
    { "LblStrukturaEPyetjesNeDB", "GTGTTG" },
    { "TxtPyetjaTneDB", "Text Pyetja\n" },
    { "TxtAltTneDB(1)", "Text Alt A" },
    { "TxtAltTneDB(3)", "Text Alt C" },
    { "TxtAltTneDB(4)", "Text Alt D\n" },
    { "TxtAltTneDB(5)", "Text Alt E\n" },
    { "LblFondSizePyetjaNeDB", "12" },
    { "LblFondSizeAlternativatNeDB", "12" },
    { "LblKoduar", "K" },
};

// QPlainTextEdit turns "\r\n" into one paragraph break.
QString siTeShfaqur(QString t)
{
    return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void kontrolloVendmbajtesit(QGroupBox *monitor)
{
    for (const auto &[emri, pritur] : Vendmbajtesit) {
        auto *w = monitor->findChild<QWidget *>(QString::fromLatin1(emri));
        QVERIFY2(w, emri);
        QCOMPARE(siTeShfaqur(teksti(w)), QString::fromLatin1(pritur));
    }
}
} // namespace

void TestPaneliIFondit::paBazeNukPrekAsgje()
{
    const QStringList dosjaPara = permbajtja(QDir::currentPath());
    const QStringList tmpPara = permbajtja(QDir::tempPath());
    QElapsedTimer koha;
    koha.start();
    {
        Kornizat k;
        PaneliIFondit paneli(k.monitor, k.teGjitha);
        QVERIFY(!paneli.leviznNeTeParin());
        QVERIFY(!paneli.leviznNeTeParin()); // and again: still nothing, still no error
        kontrolloVendmbajtesit(k.monitor);
        QVERIFY(QSqlDatabase::connectionNames().isEmpty()); // no driver loaded, nothing opened
    }
    // Building the panel and the failed move cost the exam no noticeable time.
    QVERIFY2(koha.elapsed() < 200, qPrintable(QString::number(koha.elapsed())));
    QCOMPARE(permbajtja(QDir::currentPath()), dosjaPara);
    QCOMPARE(permbajtja(QDir::tempPath()), tmpPara);
}

void TestPaneliIFondit::lidhjaEVerteteMeTabelen()
{
    QTemporaryDir dosja;
    const QString skedari = dosja.filePath(QStringLiteral("fondi.sqlite"));
    {
        QSqlDatabase db
            = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test"));
        db.setDatabaseName(skedari);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY2(q.exec(PaneliIFondit::perkufizimiITabeles()), qPrintable(q.lastError().text()));
        QVERIFY(q.prepare(QStringLiteral("INSERT INTO FondPyetjesh (NumerIDiPyetjes, "
                                         "FashikulliGrupPyetjesh, NrIPyetjesNeFashikull, "
                                         "Veshtiresia, PergjigjaESakte, PikePozitive, "
                                         "PikeNegative, StrukturaEPyetjes, ImazhTekstIPyetes, "
                                         "AlternativaATekst, AlternativaETekst, FondSizeP, "
                                         "FondSizeAlt, Koduar, ImazhGrafikIPyetes) "
                                         "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")));
        QByteArray png;
        {
            QImage img(4, 4, QImage::Format_RGB32);
            img.fill(Qt::red);
            QBuffer b(&png);
            img.save(&b, "PNG");
        }
        const QVariantList rreshtat[] = {
            { 17, "Farmakologji", 3, "M", "C", 2, 0, "TTTTT", "Cili antibiotik...", "Amoksicilina",
                "", 22, 18, "", png },
            { 42, "Kardiologji", 9, "V", "B", 3, 1, "TTTTTT", "EKG tregon...", "Sinusal", "Flater",
                20, 21, "K", QByteArray() },
        };
        for (const QVariantList &r : rreshtat) {
            for (int i = 0; i < r.size(); ++i)
                q.bindValue(i, r[i]);
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test"));

    Kornizat k;
    PaneliIFondit paneli(k.monitor, k.teGjitha);
    QVERIFY(paneli.lidhMeSkedarin(skedari));
    QVERIFY(paneli.leviznNeTeParin());
    auto t = [&](const char *emri) {
        return siTeShfaqur(teksti(k.monitor->findChild<QWidget *>(QString::fromLatin1(emri))));
    };
    QCOMPARE(t("LblNumerIDiPyetjes"), QStringLiteral("17"));
    QCOMPARE(t("TxtKapitulliNeDB"), QStringLiteral("Farmakologji"));
    QCOMPARE(t("TxtNrPyNeKap"), QStringLiteral("3"));
    QCOMPARE(t("LbLVeshtiresiaNeDB"), QStringLiteral("M"));
    QCOMPARE(t("LblPergjESakteNeDB"), QStringLiteral("C"));
    QCOMPARE(t("TxtPikePozitiveNeDB"), QStringLiteral("2"));
    QCOMPARE(t("TxtPyetjaTneDB"), QStringLiteral("Cili antibiotik..."));
    QCOMPARE(t("TxtAltTneDB(1)"), QStringLiteral("Amoksicilina"));
    QCOMPARE(t("TxtAltTneDB(5)"), QString());
    QCOMPARE(t("LblFondSizePyetjaNeDB"), QStringLiteral("22"));
    QCOMPARE(t("LblFondSizeAlternativatNeDB"), QStringLiteral("18"));
    auto *grafika = k.monitor->findChild<FotoEFushes *>(QStringLiteral("PicPyetjaGneDB"));
    QCOMPARE(grafika->pixmap().size(), QSize(4, 4));

    {
        QSqlDatabase db
            = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fshirja"));
        db.setDatabaseName(skedari);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("DELETE FROM FondPyetjesh")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fshirja"));
    // No record any more: the placeholders come back.
    QVERIFY(!paneli.leviznNeTeParin());
    kontrolloVendmbajtesit(k.monitor);
    QVERIFY(grafika->pixmap().isNull());

    // A file that does not exist is not created.
    const QString mungon = dosja.filePath(QStringLiteral("mungon.sqlite"));
    QVERIFY(!paneli.lidhMeSkedarin(mungon));
    QVERIFY(!QFile::exists(mungon));
    QVERIFY(!paneli.leviznNeTeParin());
}

void TestPaneliIFondit::inventari()
{
    Kornizat k;
    PaneliIFondit paneli(k.monitor, k.teGjitha);
    auto *kursori = k.monitor->findChild<QFrame *>(QStringLiteral("FondiIPyetjeve"));
    QVERIFY(kursori);
    QCOMPARE(kursori->geometry(), QRect(144, 496, 249, 33));
    QCOMPARE(kursori->property("recordSource").toString(), QStringLiteral("FondPyetjesh"));
    QCOMPARE(kursori->findChild<QLabel *>()->text(), QStringLiteral("Fondi i PYETJEVE"));

    auto madhesia = [&](const char *emri) {
        return k.monitor->findChild<QWidget *>(QString::fromLatin1(emri))->size();
    };
    QCOMPARE(madhesia("TxtPyetjaTneDB"), QSize(225, 137));
    QCOMPARE(madhesia("PicPyetjaGneDB"), QSize(177, 145));
    for (int i = 1; i <= 5; ++i) {
        const QString n = QString::number(i);
        auto *t = k.monitor->findChild<QPlainTextEdit *>(QStringLiteral("TxtAltTneDB(%1)").arg(i));
        QVERIFY(t);
        QCOMPARE(t->size(), QSize(225, 49));
        QCOMPARE(t->property("tag").toString(), QString(QChar('A' + i - 1)));
        auto *p = k.monitor->findChild<FotoEFushes *>(QStringLiteral("PicAltGneDB(%1)").arg(i));
        QVERIFY(p);
        QCOMPARE(p->size(), QSize(177, 49));
        QCOMPARE(p->palette().color(QPalette::Window), QColor(Qt::white));
        auto *c = k.monitor->findChild<QCheckBox *>(QStringLiteral("CekKenbe(%1)").arg(i));
        QVERIFY(c);
        QCOMPARE(c->text(), QString(QChar('A' + i - 1)));
    }
    const std::pair<const char *, const char *> butonat[] = {
        { "CmdAfishoNeNderfaqje", "Afishoje" },
        { "CmdNderoVendet2Alternativave", "Ndero vendet 2 alter. te cekuara" },
        { "CmdShkartisRandomAlternativatPerTeGjithaPyetjetNeDB",
            "Shkartis random alternativat per te gjitha pyetjet" },
        { "CmdKodoDB", "Kodo" },
        { "CmdCKodoDB", "CKodo" },
    };
    for (const auto &[emri, titulli] : butonat) {
        auto *b = k.monitor->findChild<QPushButton *>(QString::fromLatin1(emri));
        QVERIFY2(b, emri);
        QCOMPARE(b->text(), QString::fromLatin1(titulli));
    }
    auto *id = k.monitor->findChild<QLabel *>(QStringLiteral("LblNumerIDiPyetjes"));
    QCOMPARE(id->font().family(), QStringLiteral("Liberation Sans Narrow"));
    QCOMPARE(id->font().pixelSize(), 32);
    QCOMPARE(id->palette().color(QPalette::WindowText), QColor(Qt::red));
    auto *kapitulli = k.monitor->findChild<QPlainTextEdit *>(QStringLiteral("TxtKapitulliNeDB"));
    QCOMPARE(kapitulli->palette().color(QPalette::Text), QColor(255, 0, 255));
    QCOMPARE(kapitulli->palette().color(QPalette::Base), QColor(128, 255, 128));
    QCOMPARE(k.monitor->findChild<QLabel *>(QStringLiteral("LblKoduar"))
                 ->palette()
                 .color(QPalette::WindowText),
        QColor(255, 128, 0));
    QCOMPARE(k.monitor->findChild<QLineEdit *>(QStringLiteral("TxtPikePozitiveNeDB"))
                 ->font()
                 .pixelSize(),
        13);

    // Everything stays inside its frame.
    for (QWidget *w : k.monitor->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(QRect(QPoint(), k.monitor->size()).contains(w->geometry()),
            qPrintable(w->objectName()));

    // The "All Fields" controls name a data source that does not exist and stay empty.
    const char *teGjitha[]
        = { "TxtNrSiButoni", "FAlternativaESakte", "FPikePozitive", "FPikeNegative", "FKapitulli" };
    for (const char *emri : teGjitha) {
        auto *t = k.teGjitha->findChild<QLineEdit *>(QString::fromLatin1(emri));
        QVERIFY2(t, emri);
        QCOMPARE(t->property("dataSource").toString(), QStringLiteral("DataPyetjet"));
        QVERIFY(t->text().isEmpty());
    }
    QVERIFY(k.teGjitha->findChild<QLabel *>(QStringLiteral("ImgPyetja"))->isHidden());
    QCOMPARE(k.teGjitha->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
        QStringLiteral("Piket NEGATIVE"));
    QVERIFY(k.monitor->isHidden() && k.teGjitha->isHidden());
}

QTEST_MAIN(TestPaneliIFondit)
#include "tst_paneliifondit.moc"
