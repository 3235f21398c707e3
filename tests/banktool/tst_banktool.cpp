// provimi-fond as an administrator runs it: the demonstration written, checked and listed;
// banks imported from good and bad CSV files; a bank that cannot give a paper refused.

#include "store/BankFile.h"
#include "store/BankRecord.h"
#include "support/Banks.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestBankTool final : public QObject
{
    Q_OBJECT

private slots:
    void demonstration();
    void importAndCheck();
};

namespace {

struct Run
{
    int status = -1;
    QStringList lines;
};

Run tool(const QStringList &args, const QDir &dir)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_RUNTIME_DIR"_s, dir.path());
    env.remove(u"DISPLAY"_s); // it needs none
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dir.path());
    p.start(QStringLiteral(PROVIMI_FOND), args);
    if (!p.waitForFinished(30000))
        return {};
    return { p.exitCode(),
        QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts) };
}

// A question as a CSV row: every field quoted, a graphic named by `pictures`' file names.
QByteArray csvRow(const BankQuestion &q, const QStringList &pictures = {})
{
    QStringList fields;
    int picture = 0;
    for (int f = 0; f < BankRecord::FieldCount; ++f) {
        const bool graphic = QLatin1String(BankRecord::columns()[std::size_t(f)].type) == "BLOB";
        QString v = graphic
            ? (q.value(f).toByteArray().isEmpty() ? QString() : pictures.value(picture++))
            : q.value(f).toString();
        fields << u'"' + v.replace(u"\""_s, u"\"\""_s) + u'"';
    }
    return fields.join(u',').toUtf8() + "\r\n";
}

} // namespace

void TestBankTool::demonstration()
{
    QTemporaryDir dir;
    QCOMPARE(tool({ u"demo"_s, u"demo.sqlite"_s }, dir.path()).lines,
        QStringList { u"demo.sqlite: u shkrua fondi demonstrues, 50 pyetje"_s });
    const Run check = tool({ u"check"_s, u"demo.sqlite"_s }, dir.path());
    QVERIFY(check.status == 0
        && check.lines == QStringList { u"demo.sqlite: fondi është i rregullt: 50 pyetje"_s });
    const Run list = tool({ u"list"_s, u"demo.sqlite"_s }, dir.path());
    QCOMPARE(list.lines,
        (QStringList { u"Demo: 50 pyetje, 99 pikë"_s, u"Gjithsej: 50 pyetje, 99 pikë"_s }));
    // An existing file is never overwritten.
    const Run again = tool({ u"demo"_s, u"demo.sqlite"_s }, dir.path());
    QVERIFY(again.status == 1 && again.lines.size() == 1 && again.lines[0].contains(u"ekziston"_s));
    const Run wrong = tool({ u"list"_s }, dir.path());
    QCOMPARE(wrong.status, 2);
}

void TestBankTool::importAndCheck()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(u"figura"_s);
    const QByteArray heart = Banks::png({ 60, 30 }, Qt::red);
    Banks::writeFile(dir.path(), u"figura/zemra.png"_s, heart);

    // Good rows: a text with a comma, a quote and a line break; a picture by its path.
    BankQuestion quoted = Banks::question(1);
    quoted.ImazhTekstIPyetes = u"Cili organ, i quajtur \"pompë\",\nqarkullon gjakun?"_s;
    BankQuestion pictured = Banks::question(2, u"Fiziologji"_s);
    pictured.StrukturaEPyetjes = u"GTTTT"_s;
    pictured.ImazhGrafikIPyetes = heart;
    QByteArray good = "NumerIDiPyetjes,FashikulliGrupPyetjesh,...\n" + csvRow(quoted)
        + csvRow(pictured, { u"figura/zemra.png"_s });
    for (int id = 3; id <= 60; ++id)
        good += csvRow(Banks::question(id, id > 50 ? u"Etikë"_s : u"Anatomi"_s));
    Banks::writeFile(dir.path(), u"fondi.csv"_s, good);
    Run r = tool({ u"import"_s, u"fondi.csv"_s, u"fondi.sqlite"_s }, dir.path());
    QVERIFY2(r.status == 0, qPrintable(r.lines.join(u'\n')));
    QCOMPARE(r.lines, QStringList { u"fondi.sqlite: u shkruan 60 pyetje; u refuzuan 0 rreshta"_s });
    const BankFile::Contents read = BankFile::read(dir.filePath(u"fondi.sqlite"_s));
    QCOMPARE(read.questions.size(), std::size_t(60));
    QCOMPARE(read.questions[0].ImazhTekstIPyetes, quoted.ImazhTekstIPyetes);
    QCOMPARE(read.questions[1].ImazhGrafikIPyetes, heart);
    QCOMPARE(read.questions[1].FashikulliGrupPyetjesh, u"Fiziologji"_s);
    r = tool({ u"check"_s, u"fondi.sqlite"_s }, dir.path());
    QVERIFY(r.status == 0);
    // With the terminal's quotas it cannot give a paper.
    Banks::writeFile(dir.path(), u"provimi.conf"_s, "[Kuotat]\nAnatomi=35\nEtik\xC3\xAB=15\n");
    r = tool({ u"check"_s, u"--config"_s, u"provimi.conf"_s, u"fondi.sqlite"_s }, dir.path());
    QVERIFY(r.status == 1);
    QCOMPARE(r.lines,
        QStringList { u"fondi.sqlite: fashikulli \"Etikë\" ka 10 pyetje; kuota e tij është 15"_s });

    // Bad rows are refused with their reasons, the good ones written; a quote left open ends
    // the reading where it opens.
    BankQuestion letter = Banks::question(11), missing = Banks::question(12),
                 tooLong = Banks::question(13);
    letter.PergjigjaESakte = u"G"_s;
    missing.StrukturaEPyetjes = u"GTTTT"_s;
    missing.ImazhGrafikIPyetes = "x";
    tooLong.AlternativaTekst[1] = u"Një alternativë shumë e gjatë "_s.repeated(8);
    const QByteArray bad = csvRow(Banks::question(10)) + csvRow(letter)
        + csvRow(missing, { u"figura/mungon.png"_s }) + csvRow(tooLong) + "14,Anatomi\n"
        + csvRow(Banks::question(15)) + "\"16,Anatomi,\n17\n";
    Banks::writeFile(dir.path(), u"keq.csv"_s, bad);
    r = tool({ u"import"_s, u"keq.csv"_s, u"keq.sqlite"_s }, dir.path());
    QCOMPARE(r.status, 1);
    QCOMPARE(r.lines,
        (QStringList {
            u"keq.csv: rreshti 2 (pyetja 11): germa e saktë \"G\" nuk është nga A te E"_s,
            u"keq.csv: rreshti 3 (pyetja 12): ImazhGrafikIPyetes: skedari \"figura/mungon.png\" nuk lexohet"_s,
            u"keq.csv: rreshti 4 (pyetja 13): teksti i alternativës B nuk hyn në butonin e vet me shkronja 18 pikë"_s,
            u"keq.csv: rreshti 5: ka 2 fusha; duhen 23"_s,
            u"keq.csv: rreshti 7: thonjëzat e hapura në rreshtin 7 nuk mbyllen deri në fund të skedarit"_s,
            u"keq.csv: rreshti 7: ka 1 fusha; duhen 23"_s,
            u"keq.sqlite: u shkruan 2 pyetje; u refuzuan 5 rreshta"_s }));
    QCOMPARE(BankFile::read(dir.filePath(u"keq.sqlite"_s)).questions.size(), std::size_t(2));
    r = tool({ u"check"_s, u"keq.sqlite"_s }, dir.path());
    QVERIFY(r.status == 1
        && r.lines == QStringList { u"keq.sqlite: fondi ka 2 pyetje; një tezë ka 50"_s });
}

QTEST_MAIN(TestBankTool)
#include "tst_banktool.moc"
