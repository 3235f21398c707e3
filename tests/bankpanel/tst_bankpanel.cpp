// The hidden question-bank panel: inert and harmless without a database, really bound to its
// table when a test points it at one, and its forms fit their frames.

#include "bankpanel/BankPanel.h"
#include "bankpanel/BoundPicture.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

class TestBankPanel final : public QObject
{
    Q_OBJECT

private slots:
    void withoutDatabaseTouchesNothing();
    void bindsToARealTable();
    void formsFitTheirFrames();
};

namespace {
// The window's two hidden frames.
struct Frames
{
    QWidget window;
    QGroupBox *monitor = new QGroupBox(&window);
    QGroupBox *allFields = new QGroupBox(&window);
    Frames()
    {
        monitor->setGeometry(800, 408, 537, 553);
        allFields->setGeometry(832, 456, 489, 457);
    }
};

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// What each bound control of the monitor shows, by name; a picture by its size. (The text
// boxes turn "\r\n" into one paragraph break.)
QMap<QString, QString> fields(QGroupBox *monitor)
{
    QMap<QString, QString> shown;
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
        shown[w->objectName()] = t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    return shown;
}

QSqlDatabase database(const QString &connection, const QString &fileName)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(fileName);
    db.open();
    return db;
}
} // namespace

void TestBankPanel::withoutDatabaseTouchesNothing()
{
    const QStringList dirBefore = entries(QDir::currentPath());
    const QStringList tmpBefore = entries(QDir::tempPath());
    QElapsedTimer timer;
    timer.start();
    {
        Frames f;
        BankPanel panel(f.monitor, f.allFields);
        QVERIFY(!panel.moveToFirst());
        QVERIFY(!panel.moveToFirst()); // and again: still nothing, still no error
        // Every column of the record is shown by one control, each with its placeholder.
        const auto shown = fields(f.monitor);
        QSet<QString> columns;
        for (QWidget *w : f.monitor->findChildren<QWidget *>())
            if (w->property("dataField").isValid())
                columns.insert(w->property("dataField").toString());
        QCOMPARE(columns.size(), 23);
        QCOMPARE(shown.size(), 23);
        QCOMPARE(shown["LblNumerIDiPyetjes"], QStringLiteral("600"));
        QCOMPARE(shown["TxtKapitulliNeDB"], QStringLiteral("Emertim Kapitulli\n"));
        QCOMPARE(shown["LblStrukturaEPyetjesNeDB"], QStringLiteral("GTGTTG"));
        QCOMPARE(shown["TxtAltTneDB(3)"], QStringLiteral("Text Alt C"));
        QCOMPARE(shown["TxtAltTneDB(4)"], QStringLiteral("Text Alt D\n"));
        QCOMPARE(shown["PicPyetjaGneDB"], QStringLiteral("0x0"));
        QVERIFY(QSqlDatabase::connectionNames().isEmpty()); // no driver loaded, nothing opened
    }
    // Building the panel and the failed move cost the exam no noticeable time.
    QVERIFY2(timer.elapsed() < 200, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(entries(QDir::currentPath()), dirBefore);
    QCOMPARE(entries(QDir::tempPath()), tmpBefore);
}

void TestBankPanel::bindsToARealTable()
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("fondi.sqlite"));
    {
        QSqlQuery q(database(QStringLiteral("test"), fileName));
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
        const QVariantList rows[] = {
            { 17, "Farmakologji", 3, "M", "C", 2, 0, "TTTTT", "Cili antibiotik...", "Amoksicilina",
                "", 22, 18, "", png },
            { 42, "Kardiologji", 9, "V", "B", 3, 1, "TTTTTT", "EKG tregon...", "Sinusal", "Flater",
                20, 21, "K", QByteArray() },
        };
        for (const QVariantList &r : rows) {
            for (int i = 0; i < r.size(); ++i)
                q.bindValue(i, r[i]);
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test"));

    Frames f;
    BankPanel panel(f.monitor, f.allFields);
    const auto placeholders = fields(f.monitor);
    QVERIFY(panel.attachFile(fileName));
    QVERIFY(panel.moveToFirst());
    const auto shown = fields(f.monitor);
    QCOMPARE(shown["LblNumerIDiPyetjes"], QStringLiteral("17"));
    QCOMPARE(shown["TxtKapitulliNeDB"], QStringLiteral("Farmakologji"));
    QCOMPARE(shown["TxtNrPyNeKap"], QStringLiteral("3"));
    QCOMPARE(shown["LbLVeshtiresiaNeDB"], QStringLiteral("M"));
    QCOMPARE(shown["LblPergjESakteNeDB"], QStringLiteral("C"));
    QCOMPARE(shown["TxtPikePozitiveNeDB"], QStringLiteral("2"));
    QCOMPARE(shown["TxtPyetjaTneDB"], QStringLiteral("Cili antibiotik..."));
    QCOMPARE(shown["TxtAltTneDB(1)"], QStringLiteral("Amoksicilina"));
    QCOMPARE(shown["TxtAltTneDB(5)"], QString());
    QCOMPARE(shown["LblFondSizePyetjaNeDB"], QStringLiteral("22"));
    QCOMPARE(shown["LblFondSizeAlternativatNeDB"], QStringLiteral("18"));
    QCOMPARE(shown["PicPyetjaGneDB"], QStringLiteral("4x4"));
    // The navigation bar moves the cursor.
    f.monitor->findChild<QToolButton *>(QStringLiteral("cursorNext"))->click();
    QCOMPARE(fields(f.monitor)["LblNumerIDiPyetjes"], QStringLiteral("42"));
    f.monitor->findChild<QToolButton *>(QStringLiteral("cursorFirst"))->click();
    QCOMPARE(fields(f.monitor)["LblNumerIDiPyetjes"], QStringLiteral("17"));

    QVERIFY(QSqlQuery(database(QStringLiteral("delete"), fileName))
                .exec(QStringLiteral("DELETE FROM FondPyetjesh")));
    QSqlDatabase::removeDatabase(QStringLiteral("delete"));
    // No record any more: the placeholders come back, every one of them.
    QVERIFY(!panel.moveToFirst());
    QCOMPARE(fields(f.monitor), placeholders);

    // A file that does not exist is not created.
    const QString missing = dir.filePath(QStringLiteral("missing.sqlite"));
    QVERIFY(!panel.attachFile(missing));
    QVERIFY(!QFile::exists(missing));
    QVERIFY(!panel.moveToFirst());
}

void TestBankPanel::formsFitTheirFrames()
{
    // Every control stands inside its frame and keeps its design name: an array's member is
    // named Name(i), never the form compiler's Name_i_.
    Frames f;
    BankPanel panel(f.monitor, f.allFields);
    for (QGroupBox *frame : { f.monitor, f.allFields })
        for (QWidget *w : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(QRect(QPoint(), frame->size()).contains(w->geometry()),
                qPrintable(w->objectName()));
            QVERIFY2(!w->objectName().contains(u'_'), qPrintable(w->objectName()));
        }
    for (int i = 1; i <= 5; ++i)
        QVERIFY(f.monitor->findChild<QCheckBox *>(QStringLiteral("CekKenbe(%1)").arg(i)));
}

QTEST_MAIN(TestBankPanel)
#include "tst_bankpanel.moc"
