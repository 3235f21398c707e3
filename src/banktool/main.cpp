// provimi-fond: the administrator's tool for bank files. It checks a bank as the terminal
// would before a sitting, writes the built-in demonstration bank as a template, builds a bank
// from a CSV file and lists a bank's booklets. It never shows a window.

#include "app/Configuration.h"
#include "app/Options.h"
#include "base/Counts.h"
#include "exam/DemoBank.h"
#include "store/BankCheck.h"
#include "store/BankCsv.h"
#include "store/BankFile.h"

#include <QFile>
#include <QGuiApplication>
#include <QMap>
#include <QSet>

#include <cstdio>

namespace {

const char *const Help = R"(Përdorimi: provimi-fond KOMANDA ...
Mjeti i administratorit për fondet e pyetjeve: skedarë SQLite me tabelën FondPyetjesh.

Komandat:
  check [--config SKEDAR] FONDI
      Kontrollon fondin ashtu si terminali para provimit, me kuotat e konfigurimit
      (parazgjedhur: /etc/provimi/provimi.conf, po të ketë). Një rresht për çdo
      problem; del me 0 vetëm kur fondi jep një provim të rregullt.
  demo FONDI
      Shkruan fondin demonstrues të programit, me figurat, si skedar të ri: një shabllon
      që qendra e provimit e ndryshon me çdo redaktues SQLite.
  import CSV FONDI
      Ndërton një fond të ri nga një skedar CSV (UTF-8): një rresht për pyetje, kolonat
      sipas rendit të tabelës, grafikët si shtigje skedarësh PNG ose SVG. Tregon çdo
      rresht të refuzuar dhe pse; del me 0 vetëm kur nuk refuzohet asnjë.
  list FONDI
      Tregon çdo fashikull me numrin e pyetjeve dhe pikët e tyre.
  -h, --help
      Kjo ndihmë.
)";

void out(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
}

int usage(const QString &why)
{
    std::fprintf(stderr, "provimi-fond: %s\nShihni: provimi-fond --help\n", qPrintable(why));
    return 2;
}

// The bank, or its problems printed.
std::optional<std::vector<BankQuestion>> readBank(const QString &file)
{
    BankFile::Contents bank = BankFile::read(file);
    for (const QString &p : bank.problems)
        out(file + QStringLiteral(": ") + p);
    if (!bank.problems.isEmpty())
        return std::nullopt;
    return std::move(bank.questions);
}

int check(const QString &configFile, const QString &file)
{
    Options options;
    options.config = configFile;
    const Configuration c = Configuration::read(options);
    for (const QString &p : c.problems)
        out(p);
    const auto bank = readBank(file);
    if (!bank)
        return 1;
    const QStringList problems = BankCheck::problems(*bank, QuestionCount, c.quotas);
    for (const QString &p : problems)
        out(file + QStringLiteral(": ") + p);
    if (!problems.isEmpty() || !c.problems.isEmpty())
        return 1;
    out(QStringLiteral("%1: fondi është i rregullt: %2 pyetje").arg(file).arg(bank->size()));
    return 0;
}

int demo(const QString &file)
{
    auto drawing = [](const char *name) {
        QFile f(QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    if (const auto failed
        = BankFile::write(file, demoBankRecords(drawing("question-31"), drawing("question-32")))) {
        out(file + QStringLiteral(": ") + *failed);
        return 1;
    }
    out(QStringLiteral("%1: u shkrua fondi demonstrues, %2 pyetje").arg(file).arg(QuestionCount));
    return 0;
}

int import(const QString &csv, const QString &file)
{
    QString error;
    const auto rows = BankCsv::read(csv, &error);
    if (!rows) {
        out(csv + QStringLiteral(": ") + error);
        return 1;
    }
    std::vector<BankQuestion> accepted;
    QSet<qint64> ids;
    int refused = 0;
    for (const BankCsv::Row &r : *rows) {
        // A row not read whole is refused for that alone.
        QStringList faults = r.faults;
        const auto &id = r.question.NumerIDiPyetjes;
        if (faults.isEmpty() && !id)
            faults << QStringLiteral("NumerIDiPyetjes mungon ose nuk është numër i plotë");
        else if (faults.isEmpty() && ids.contains(*id))
            faults << QStringLiteral("NumerIDiPyetjes përsëritet");
        if (faults.isEmpty())
            faults << BankCheck::questionFaults(r.question);
        const QString where = QStringLiteral("%1: rreshti %2").arg(csv).arg(r.line)
            + (id ? QStringLiteral(" (pyetja %1)").arg(*id) : QString());
        for (const QString &f : faults)
            out(where + QStringLiteral(": ") + f);
        if (!faults.isEmpty()) {
            ++refused;
            continue;
        }
        ids.insert(*id);
        accepted.push_back(r.question);
    }
    if (accepted.empty()) {
        out(QStringLiteral("%1: asnjë pyetje e pranuar; fondi nuk u shkrua").arg(csv));
        return 1;
    }
    if (const auto failed = BankFile::write(file, accepted)) {
        out(file + QStringLiteral(": ") + *failed);
        return 1;
    }
    out(QStringLiteral("%1: u shkruan %2 pyetje; u refuzuan %3 rreshta")
            .arg(file)
            .arg(accepted.size())
            .arg(refused));
    return refused == 0 ? 0 : 1;
}

int list(const QString &file)
{
    const auto bank = readBank(file);
    if (!bank)
        return 1;
    // Booklets in the order they first appear; points per value 1, 2 and 3.
    QStringList order;
    QMap<QString, std::pair<int, qint64>> booklets;
    for (const BankQuestion &q : *bank) {
        const QString name = q.FashikulliGrupPyetjesh.trimmed();
        if (!booklets.contains(name))
            order << name;
        auto &[count, points] = booklets[name];
        ++count;
        points += q.PikePozitive.value_or(0);
    }
    qint64 total = 0;
    for (const QString &name : order) {
        const auto &[count, points] = booklets[name];
        total += points;
        out(QStringLiteral("%1: %2 pyetje, %3 pikë")
                .arg(name.isEmpty() ? QStringLiteral("(pa fashikull)") : name)
                .arg(count)
                .arg(points));
    }
    out(QStringLiteral("Gjithsej: %1 pyetje, %2 pikë").arg(bank->size()).arg(total));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Texts are measured in the window's fonts; no window is ever shown, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    QString config;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--config") && i + 1 < args.size()) {
            config = args.takeAt(i + 1);
            args.removeAt(i--);
        } else if (args[i].startsWith(QLatin1String("--config="))) {
            config = args.takeAt(i--).mid(9);
        }
    }
    if (!args.isEmpty() && (args[0] == QLatin1String("-h") || args[0] == QLatin1String("--help"))) {
        std::printf("%s", Help);
        return 0;
    }
    for (const QString &a : args)
        if (a.startsWith(u'-'))
            return usage(QStringLiteral("opsion i panjohur: '%1'").arg(a));
    const QString command = args.value(0);
    const qsizetype operands = args.size() - 1;
    if (!config.isEmpty() && command != QLatin1String("check"))
        return usage(QStringLiteral("--config vlen vetëm për check"));
    if (command == QLatin1String("check") && operands == 1)
        return check(config, args[1]);
    if (command == QLatin1String("demo") && operands == 1)
        return demo(args[1]);
    if (command == QLatin1String("import") && operands == 2)
        return import(args[1], args[2]);
    if (command == QLatin1String("list") && operands == 1)
        return list(args[1]);
    return usage(command.isEmpty()
            ? QStringLiteral("mungon komanda")
            : QStringLiteral("komanda '%1' me %2 operandë nuk njihet").arg(command).arg(operands));
}
