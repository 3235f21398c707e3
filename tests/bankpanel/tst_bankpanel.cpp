// The hidden question-bank panel: inert and harmless without a database, really bound to its
// table when a test points it at one, and built as designed.

#include "BankPanel.h"
#include "BoundPicture.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
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

class TestBankPanel final : public QObject
{
    Q_OBJECT

private slots:
    void withoutDatabaseTouchesNothing();
    void bindsToARealTable();
    void inventory();
};

namespace {
// The window's two hidden frames.
struct Kornizat
{
    QWidget dritarja;
    QGroupBox *monitor = new QGroupBox(&dritarja);
    QGroupBox *teGjitha = new QGroupBox(&dritarja);
    Kornizat()
    {
        monitor->setGeometry(800, 408, 537, 553);
        teGjitha->setGeometry(832, 456, 489, 457);
    }
};

QStringList permbajtja(const QString &dosja)
{
    return QDir(dosja).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// What each bound control of the monitor shows, by name; a picture by its size. (The text
// boxes turn "\r\n" into one paragraph break.)
QMap<QString, QString> fushat(QGroupBox *monitor)
{
    QMap<QString, QString> m;
    for (QWidget *w : monitor->findChildren<QWidget *>()) {
        if (!w->property("dataField").isValid())
            continue;
        QString t;
        if (auto *f = qobject_cast<BoundPicture *>(w))
            t = QStringLiteral("%1x%2").arg(f->pixmap().width()).arg(f->pixmap().height());
        else if (auto *l = qobject_cast<QLabel *>(w))
            t = l->text();
        else if (auto *e = qobject_cast<QLineEdit *>(w))
            t = e->text();
        else if (auto *p = qobject_cast<QPlainTextEdit *>(w))
            t = p->toPlainText();
        m[w->objectName()] = t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    return m;
}

QSqlDatabase baza(const QString &lidhja, const QString &skedari)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), lidhja);
    db.setDatabaseName(skedari);
    db.open();
    return db;
}
} // namespace

void TestBankPanel::withoutDatabaseTouchesNothing()
{
    const QStringList dosjaPara = permbajtja(QDir::currentPath());
    const QStringList tmpPara = permbajtja(QDir::tempPath());
    QElapsedTimer koha;
    koha.start();
    {
        Kornizat k;
        BankPanel paneli(k.monitor, k.teGjitha);
        QVERIFY(!paneli.moveToFirst());
        QVERIFY(!paneli.moveToFirst()); // and again: still nothing, still no error
        // Every column of the record is shown by one control, each with its placeholder.
        const auto f = fushat(k.monitor);
        QSet<QString> kolonat;
        for (QWidget *w : k.monitor->findChildren<QWidget *>())
            if (w->property("dataField").isValid())
                kolonat.insert(w->property("dataField").toString());
        QCOMPARE(kolonat.size(), 23);
        QCOMPARE(f.size(), 23);
        QCOMPARE(f["LblNumerIDiPyetjes"], QStringLiteral("600"));
        QCOMPARE(f["TxtKapitulliNeDB"], QStringLiteral("Emertim Kapitulli\n"));
        QCOMPARE(f["LblStrukturaEPyetjesNeDB"], QStringLiteral("GTGTTG"));
        QCOMPARE(f["TxtAltTneDB(3)"], QStringLiteral("Text Alt C"));
        QCOMPARE(f["TxtAltTneDB(4)"], QStringLiteral("Text Alt D\n"));
        QCOMPARE(f["PicPyetjaGneDB"], QStringLiteral("0x0"));
        QVERIFY(QSqlDatabase::connectionNames().isEmpty()); // no driver loaded, nothing opened
    }
    // Building the panel and the failed move cost the exam no noticeable time.
    QVERIFY2(koha.elapsed() < 200, qPrintable(QString::number(koha.elapsed())));
    QCOMPARE(permbajtja(QDir::currentPath()), dosjaPara);
    QCOMPARE(permbajtja(QDir::tempPath()), tmpPara);
}

void TestBankPanel::bindsToARealTable()
{
    QTemporaryDir dosja;
    const QString skedari = dosja.filePath(QStringLiteral("fondi.sqlite"));
    {
        QSqlQuery q(baza(QStringLiteral("test"), skedari));
        QVERIFY2(q.exec(BankPanel::tableDefinition()), qPrintable(q.lastError().text()));
        QVERIFY(q.prepare(QStringLiteral("INSERT INTO FondPyetjesh (NumerIDiPyetjes, "
                                         "FashikulliGrupPyetjesh, NrIPyetjesNeFashikull, "
                                         "Veshtiresia, PergjigjaESakte, PikePozitive, "
                                         "PikeNegative, StrukturaEPyetjes, ImazhTekstIPyetes, "
                                         "AlternativaATekst, AlternativaETekst, FondSizeP, "
                                         "FondSizeAlt, Koduar, ImazhGrafikIPyetes) "
                                         "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")));
        QByteArray png;
        QBuffer b(&png);
        QImage img(4, 4, QImage::Format_RGB32);
        img.fill(Qt::red);
        img.save(&b, "PNG");
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
    BankPanel paneli(k.monitor, k.teGjitha);
    const auto vendmbajtesit = fushat(k.monitor);
    QVERIFY(paneli.attachFile(skedari));
    QVERIFY(paneli.moveToFirst());
    const auto f = fushat(k.monitor);
    QCOMPARE(f["LblNumerIDiPyetjes"], QStringLiteral("17"));
    QCOMPARE(f["TxtKapitulliNeDB"], QStringLiteral("Farmakologji"));
    QCOMPARE(f["TxtNrPyNeKap"], QStringLiteral("3"));
    QCOMPARE(f["LbLVeshtiresiaNeDB"], QStringLiteral("M"));
    QCOMPARE(f["LblPergjESakteNeDB"], QStringLiteral("C"));
    QCOMPARE(f["TxtPikePozitiveNeDB"], QStringLiteral("2"));
    QCOMPARE(f["TxtPyetjaTneDB"], QStringLiteral("Cili antibiotik..."));
    QCOMPARE(f["TxtAltTneDB(1)"], QStringLiteral("Amoksicilina"));
    QCOMPARE(f["TxtAltTneDB(5)"], QString());
    QCOMPARE(f["LblFondSizePyetjaNeDB"], QStringLiteral("22"));
    QCOMPARE(f["LblFondSizeAlternativatNeDB"], QStringLiteral("18"));
    QCOMPARE(f["PicPyetjaGneDB"], QStringLiteral("4x4"));

    QVERIFY(QSqlQuery(baza(QStringLiteral("fshirja"), skedari))
                .exec(QStringLiteral("DELETE FROM FondPyetjesh")));
    QSqlDatabase::removeDatabase(QStringLiteral("fshirja"));
    // No record any more: the placeholders come back, every one of them.
    QVERIFY(!paneli.moveToFirst());
    QCOMPARE(fushat(k.monitor), vendmbajtesit);

    // A file that does not exist is not created.
    const QString mungon = dosja.filePath(QStringLiteral("mungon.sqlite"));
    QVERIFY(!paneli.attachFile(mungon));
    QVERIFY(!QFile::exists(mungon));
    QVERIFY(!paneli.moveToFirst());
}

void TestBankPanel::inventory()
{
    Kornizat k;
    BankPanel paneli(k.monitor, k.teGjitha);
    auto *kursori = k.monitor->findChild<QFrame *>(QStringLiteral("FondiIPyetjeve"));
    QVERIFY(kursori);
    QCOMPARE(kursori->geometry(), QRect(144, 496, 249, 33));
    QCOMPARE(kursori->property("recordSource").toString(), QStringLiteral("FondPyetjesh"));
    QCOMPARE(kursori->findChild<QLabel *>()->text(), QStringLiteral("Fondi i PYETJEVE"));
    // Each alternative, A to E, as a text box, a picture and a check box in one row.
    for (int i = 1; i <= 5; ++i) {
        const QString germa(QChar('A' + i - 1));
        auto *t = k.monitor->findChild<QPlainTextEdit *>(QStringLiteral("TxtAltTneDB(%1)").arg(i));
        auto *p = k.monitor->findChild<BoundPicture *>(QStringLiteral("PicAltGneDB(%1)").arg(i));
        auto *c = k.monitor->findChild<QCheckBox *>(QStringLiteral("CekKenbe(%1)").arg(i));
        QVERIFY(t && p && c);
        QCOMPARE(t->size(), QSize(225, 49));
        QCOMPARE(p->size(), QSize(177, 49));
        QCOMPARE(p->y(), t->y());
        QCOMPARE(t->property("tag").toString(), germa);
        QCOMPARE(c->text(), germa);
    }
    QCOMPARE(k.monitor->findChildren<QPushButton *>().size(), 5); // none of them acts
    // Everything stays inside its frame.
    for (QWidget *w : k.monitor->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(QRect(QPoint(), k.monitor->size()).contains(w->geometry()),
            qPrintable(w->objectName()));
    // The "All Fields" controls name a data source that does not exist and stay empty.
    const auto teGjitha = k.teGjitha->findChildren<QLineEdit *>();
    QCOMPARE(teGjitha.size(), 5);
    for (QLineEdit *t : teGjitha) {
        QCOMPARE(t->property("dataSource").toString(), QStringLiteral("DataPyetjet"));
        QVERIFY(t->text().isEmpty());
    }
    QVERIFY(k.teGjitha->findChild<QLabel *>(QStringLiteral("ImgPyetja"))->isHidden());
}

QTEST_MAIN(TestBankPanel)
#include "tst_bankpanel.moc"
