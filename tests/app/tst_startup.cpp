// The program's start with a configuration: what the file and the options set, and every way a
// configuration or a bank file keeps the exam from starting, through the real program.

#include "app/Configuration.h"
#include "app/Options.h"
#include "store/BankRecord.h"
#include "support/Banks.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

class TestStartup final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void configuration();
    void refusals();
    void helpWithoutDisplay();
};

namespace {

// Runs statements on a file, keeping the connection open while `during` runs.
bool execute(
    const QString &file, const QStringList &statements, const std::function<void()> &during = {})
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"test"_s);
        db.setDatabaseName(file);
        QSqlQuery q(db);
        for (const QString &s : statements)
            ok = db.open() && q.exec(s) && ok;
        if (during)
            during();
    }
    QSqlDatabase::removeDatabase(u"test"_s);
    return ok;
}

// The program run to its end without a display of its own: its status and what it printed.
std::pair<int, QStringList> runProgram(const QStringList &args, const QDir &dir)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_RUNTIME_DIR"_s, dir.path());
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(PROVIMI_EXE), args);
    // An exam window waits for its candidate: a program still running has opened one.
    if (!p.waitForFinished(15000)) {
        p.kill();
        p.waitForFinished();
        return { -1, {} };
    }
    return { p.exitCode(),
        QString::fromUtf8(p.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts) };
}

} // namespace

void TestStartup::configuration()
{
    // Nothing at the default place and nothing named: nothing configured.
    QTemporaryDir dir;
    Configuration none = Configuration::read({}, dir.filePath(u"provimi.conf"_s));
    const SittingSetup design = none.load();
    QVERIFY(design.bankFile.isEmpty() && design.candidate.isEmpty() && design.photo.isEmpty()
        && design.title.isEmpty() && none.problems.isEmpty());

    // The file's paths from its folder; an unquoted comma kept in the title; the options over
    // the file for the sitting.
    QDir(dir.path()).mkdir(u"etc"_s);
    const QString conf = Banks::writeFile(dir.path() + u"/etc"_s, u"provimi.conf"_s,
        "[Provimi]\nTitulli=PROVIMI I LICENCES, Mjek\nData=12.06.2026\n"
        "FondiIPyetjeve=../fondi.sqlite\nPyetjeNeTeze=50\n"
        "[Kuotat]\nAnatomi e p\xC3\xABrgjithshme=30\nEtik\xC3\xAB=20\n"
        "[Terminali]\nTavolina=12\nGjendja=gjendja\n[Kandidati]\nEmriMbiemri=Arta Hoxha\n"
        "Foto=foto.png\n[Qendra]\nServeri=qendra\nPorta=5433\nDatabaza=provimi\n"
        "Perdoruesi=terminali\nSkedariIFjalekalimit=qendra.pass\n");
    Banks::writeFile(dir.path() + u"/etc"_s, u"qendra.pass"_s, " fjal\xC3\xAB kalim \r\ntjeter\n");
    Options options;
    options.config = conf;
    Configuration c = Configuration::read(options);
    QCOMPARE(c.problems, QStringList());
    QVERIFY(c.stateFolder == dir.filePath(u"etc/gjendja"_s) && c.central.host == u"qendra"_s
        && c.central.port == 5433 && c.central.database == u"provimi"_s
        && c.central.user == u"terminali"_s);
    c.load(); // the password is read with the sitting; its blanks are its own
    QCOMPARE(c.central.password, u" fjalë kalim "_s);
    QCOMPARE((QStringList { c.title, c.dateText, c.bankFile, c.photoFile, c.desk, c.candidate }),
        (QStringList { u"PROVIMI I LICENCES, Mjek"_s, u"12.06.2026"_s,
            dir.filePath(u"etc/../fondi.sqlite"_s), dir.filePath(u"etc/foto.png"_s), u"12"_s,
            u"Arta Hoxha"_s }));
    QVERIFY(c.quotas.size() == 2 && c.quotas[0].booklet == u"Anatomi e përgjithshme"_s
        && c.quotas[0].count == 30);

    // The example configuration, every key uncommented, names only keys the program knows.
    QFile example(QStringLiteral(PROVIMI_EXAMPLE_CONF));
    QVERIFY(example.open(QIODevice::ReadOnly));
    const QString uncommented
        = QString::fromUtf8(example.readAll())
              .replace(QRegularExpression(u"^;(\\w+=)"_s, QRegularExpression::MultilineOption),
                  u"\\1"_s);
    QVERIFY(uncommented.contains(u"\nGjendja=/var/lib/provimi\n"_s));
    Options all;
    all.config = Banks::writeFile(dir.path(), u"example.conf"_s, uncommented.toUtf8());
    QCOMPARE(Configuration::read(all).problems, QStringList());

    options.bank = u"tjeter.sqlite"_s;
    options.candidate = u"Besa Krasniqi"_s;
    options.desk = u"7"_s;
    options.state = u"gjendje"_s;
    c = Configuration::read(options);
    QVERIFY(c.bankFile == u"tjeter.sqlite"_s && c.candidate == u"Besa Krasniqi"_s
        && c.desk == u"7"_s && c.stateFolder == u"gjendje"_s);
}

void TestStartup::refusals()
{
    // Each case a bad configuration or bank file: every problem one line, status 2, and the
    // program ends instead of opening the exam.
    struct Case
    {
        const char *name;
        std::function<void(std::vector<BankQuestion> &)> spoil;
        QStringList sql; // run on the written file
        QByteArray conf;
        QStringList lines; // %1 the bank file, %2 the configuration file
        QStringList options {};
    };
    const QByteArray tooLong = QByteArray("Shum\xC3\xAB fjal\xC3\xAB ").repeated(60);
    const Case cases[] = {
        { "not SQLite", {}, {}, {}, { u"%1: nuk është bazë të dhënash SQLite"_s } },
        { "unreadable", {}, {}, {}, { u"%1: skedari nuk lexohet"_s } },
        { "locked", {}, {}, {}, { u"%1: është i kyçur nga një program tjetër"_s } },
        { "no table", {}, { u"DROP TABLE FondPyetjesh"_s }, {},
            { u"%1: mungon tabela FondPyetjesh"_s } },
        { "columns missing", {},
            { u"ALTER TABLE FondPyetjesh DROP COLUMN FondSizeAlt"_s,
                u"ALTER TABLE FondPyetjesh DROP COLUMN Koduar"_s },
            {},
            { u"%1: tabelës FondPyetjesh i mungon kolona FondSizeAlt"_s,
                u"%1: tabelës FondPyetjesh i mungon kolona Koduar"_s } },
        { "too few", [](auto &b) { b.pop_back(); }, {}, {},
            { u"%1: fondi ka 49 pyetje; një tezë ka 50"_s } },
        { "quota short",
            [](auto &b) {
                for (int i = 45; i < 50; ++i)
                    b[i].FashikulliGrupPyetjesh = u"Etikë"_s;
            },
            {}, "[Kuotat]\nAnatomi=40\nEtik\xC3\xAB=10\n",
            { u"%1: fashikulli \"Etikë\" ka 5 pyetje; kuota e tij është 10"_s } },
        { "questions", // each question's faults at once, one line each in the bank's order
            [&](auto &b) {
                b[1].StrukturaEPyetjes = u"TTTT"_s;
                b[2].StrukturaEPyetjes = u"GTTTT"_s;
                b[3].StrukturaEPyetjes = u"TTXTT"_s;
                b[4].AlternativaGrafik[0] = Banks::png({ 10, 10 }, Qt::red);
                b[6].PergjigjaESakte = u"F"_s;
                b[7].PergjigjaESakte = u"E"_s;
                b[9].PikePozitive = 4;
                b[10].PikePozitive.reset();
                b[11].FondSizeP.reset();
                b[12].FondSizeAlt = 60;
                b[13].ImazhTekstIPyetes = QString::fromUtf8(tooLong);
                b[14].AlternativaTekst[2] = QString::fromUtf8(tooLong.left(200));
                b[15].StrukturaEPyetjes = u"GTTTT"_s;
                b[15].ImazhGrafikIPyetes = "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect";
                b[16].StrukturaEPyetjes = u"TTGTT"_s;
                b[16].AlternativaGrafik[1] = Banks::png({ 40, 20 }, Qt::red).left(60);
                b[17].Koduar = u"K"_s;
                b[18].Koduar = u"jo"_s;
            },
            {}, {},
            { u"%1: pyetja 2: alternativa D ka përmbajtje, por struktura \"TTTT\" ka vetëm 3 alternativa"_s,
                u"%1: pyetja 3: struktura e do pyetjen grafik, por grafiku mungon"_s,
                u"%1: pyetja 4: struktura \"TTXTT\" nuk është T ose G për pyetjen dhe për 2 deri 5 alternativa"_s,
                u"%1: pyetja 5: ka grafik për alternativën A, por struktura e do tekst"_s,
                u"%1: pyetja 7: germa e saktë \"F\" nuk është nga A te E"_s,
                u"%1: pyetja 8: germa e saktë E tregon një alternativë që mungon"_s,
                u"%1: pyetja 10: PikePozitive 4: duhet 1, 2 ose 3"_s,
                u"%1: pyetja 11: PikePozitive mungon: duhet 1, 2 ose 3"_s,
                u"%1: pyetja 12: FondSizeP mungon: duhet nga 8 deri 48"_s,
                u"%1: pyetja 13: FondSizeAlt 60: duhet nga 8 deri 48"_s,
                u"%1: pyetja 14: teksti i pyetjes nuk hyn në vendin e vet me shkronja 20 pikë"_s,
                u"%1: pyetja 15: teksti i alternativës C nuk hyn në butonin e vet me shkronja 18 pikë"_s,
                u"%1: pyetja 16: grafiku për pyetjen nuk lexohet si PNG ose SVG"_s,
                u"%1: pyetja 17: grafiku për alternativën B nuk lexohet si PNG ose SVG"_s,
                u"%1: pyetja 18: është e koduar (Koduar \"K\"); kodimi nuk është i përcaktuar, ndaj pyetja nuk lexohet"_s } },
        { "identifier", {},
            { u"CREATE TABLE t AS SELECT * FROM FondPyetjesh"_s, u"DROP TABLE FondPyetjesh"_s,
                u"ALTER TABLE t RENAME TO FondPyetjesh"_s,
                u"UPDATE FondPyetjesh SET NumerIDiPyetjes = 3 WHERE NumerIDiPyetjes = 7"_s,
                u"UPDATE FondPyetjesh SET NumerIDiPyetjes = 'x' WHERE NumerIDiPyetjes = 9"_s },
            {},
            { u"%1: pyetja 3: NumerIDiPyetjes përsëritet"_s,
                u"%1: rreshti 9: NumerIDiPyetjes mungon ose nuk është numër i plotë"_s } },
        { "configuration", {}, {}, "[Provimi]\nPyetjeNeTeze=40\nFondi=x\n[Kuotat]\nAnatomi=shumë\n",
            { u"%2: PyetjeNeTeze \"40\": një tezë ka 50 pyetje, sa butona ka dritarja"_s,
                u"%2: kuota e fashikullit \"Anatomi\" është \"shumë\"; duhet një numër i plotë pozitiv"_s,
                u"%2: çelës i panjohur \"Provimi/Fondi\""_s } },
        { "central store", {}, {}, "[Qendra]\nServeri=qendra\nPorta=70000\n",
            { u"%2: Porta \"70000\" nuk është portë TCP"_s,
                u"qendra e provimeve (Qendra/Serveri) kërkon një dosje gjendjeje (Terminali/Gjendja ose --state)"_s } },
        { "name too long", {}, {}, {},
            { u"emri i kandidatit \"Arta Hoxha-Kelmendi Berisha\" nuk hyn në vendin e vet në dritare"_s },
            { u"--candidate"_s, u"Arta Hoxha-Kelmendi Berisha"_s } },
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        const QString name = QString::fromLatin1(c.name);
        std::vector<BankQuestion> bank = Banks::questions(50);
        if (c.spoil)
            c.spoil(bank);
        QString file = dir.filePath(u"fondi.sqlite"_s);
        if (name == u"not SQLite"_s)
            Banks::writeFile(dir.path(), u"fondi.sqlite"_s, "FondPyetjesh\n1,Anatomi\n");
        else if (name == u"unreadable"_s)
            QDir(dir.path()).mkdir(u"fondi.sqlite"_s);
        else
            Banks::write(dir.path(), u"fondi.sqlite"_s, bank);
        QVERIFY2(execute(file, c.sql), c.name);
        const QString conf = Banks::writeFile(dir.path(), u"provimi.conf"_s, c.conf);
        const QStringList args = QStringList { u"--config"_s, conf, u"--bank"_s, file } + c.options;
        std::pair<int, QStringList> result;
        if (name == u"locked"_s)
            execute(file, { u"BEGIN EXCLUSIVE"_s }, [&] { result = runProgram(args, dir.path()); });
        else
            result = runProgram(args, dir.path());
        QStringList expected;
        for (const QString &l : c.lines)
            expected << QString(l).replace(u"%1"_s, file).replace(u"%2"_s, conf);
        QVERIFY2(result.first == 2 && result.second == expected,
            qPrintable(
                u"%1: status %2\n"_s.arg(name).arg(result.first) + result.second.join(u'\n')));
    }
}

void TestStartup::helpWithoutDisplay()
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *v : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        env.remove(QString::fromLatin1(v));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(PROVIMI_EXE), { u"--help"_s });
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitCode(), 0);
    const QString help = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(
        help.startsWith(u"Përdorimi: "_s) && help.contains(u"\nOpsionet:\n"_s), qPrintable(help));
    for (const char *option : { "--config <skedar>", "--bank <skedar>", "--candidate <emri>",
             "--photo <skedar>", "--desk <nr>", "--state <dosje>", "--show-problems" })
        QVERIFY2(help.contains(QLatin1String(option)), option);
    // Without it: one plain line on standard error and status 1, not an abort.
    p.start(QStringLiteral(PROVIMI_EXE), {});
    QVERIFY(p.waitForFinished(20000));
    QVERIFY(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 1);
    QCOMPARE(QString::fromLocal8Bit(p.readAllStandardError()),
        u"provimi: nuk ka ekran ku të hapet dritarja e provimit (DISPLAY: i pacaktuar).\n"_s);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
