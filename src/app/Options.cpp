#include "app/Options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTranslator>

#include <cstring>

namespace {

// The command-line parser's own words, which Qt has in English only.
class ParserWords final : public QTranslator
{
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        static const std::pair<const char *, const char *> words[] = {
            { "Usage: %1", "Përdorimi: %1" },
            { "[options]", "[opsione]" },
            { "Options:", "Opsionet:" },
            { "Arguments:", "Argumentet:" },
            { "Unknown option '%1'.", "Opsion i panjohur: '%1'." },
            { "Unknown options: %1.", "Opsione të panjohura: %1." },
            { "Missing value after '%1'.", "Mungon vlera pas '%1'." },
            { "Unexpected value after '%1'.", "Vlerë e papritur pas '%1'." },
        };
        if (std::strcmp(context, "QCommandLineParser") == 0)
            for (const auto &[english, albanian] : words)
                if (std::strcmp(source, english) == 0)
                    return QString::fromUtf8(albanian);
        return {};
    }
};

const QCommandLineOption Help(
    { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Shfaq këtë ndihmë."));
const QCommandLineOption Config(QStringLiteral("config"),
    QStringLiteral("Konfigurimi i terminalit (parazgjedhur: /etc/provimi/provimi.conf)."),
    QStringLiteral("skedar"));
const QCommandLineOption Bank(QStringLiteral("bank"),
    QStringLiteral("Fondi i pyetjeve për këtë seancë: skedar SQLite me tabelën FondPyetjesh."),
    QStringLiteral("skedar"));
const QCommandLineOption Candidate(QStringLiteral("candidate"),
    QStringLiteral("Emri dhe mbiemri i kandidatit."), QStringLiteral("emri"));
const QCommandLineOption Photo(QStringLiteral("photo"),
    QStringLiteral("Fotoja e kandidatit (PNG, JPEG ose SVG)."), QStringLiteral("skedar"));
const QCommandLineOption Desk(
    QStringLiteral("desk"), QStringLiteral("Numri i tavolinës."), QStringLiteral("nr"));
const QCommandLineOption State(QStringLiteral("state"),
    QStringLiteral("Dosja ku terminali mban ditarin dhe rezultatin e çdo seance dhe nga e cila "
                   "vazhdon një seancë të ndërprerë."),
    QStringLiteral("dosje"));
const QCommandLineOption ShowProblems(QStringLiteral("show-problems"),
    QStringLiteral("Problemet që pengojnë provimin shfaqen edhe në ekran, derisa të shtypet "
                   "Enter (sesioni i provimit)."));

// The parser with the program's options, its words in Albanian while it lives.
struct Parser
{
    ParserWords words;
    QCommandLineParser parser;

    Parser()
    {
        QCoreApplication::installTranslator(&words);
        parser.setApplicationDescription(
            QStringLiteral("Terminali i provimit: një kandidat, një provim me zgjedhje, në një "
                           "dritare që mbulon ekranin.\nPa konfigurim dhe pa opsione hapet provimi "
                           "demonstrues me fondin e vet të pyetjeve."));
        parser.addOptions({ Help, Config, Bank, Candidate, Photo, Desk, State, ShowProblems });
    }
    ~Parser() { QCoreApplication::removeTranslator(&words); }
};

} // namespace

bool Options::asksForHelp(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0)
            return true;
    return false;
}

QString Options::helpText()
{
    return Parser().parser.helpText();
}

std::optional<QString> Options::parse(const QStringList &arguments)
{
    Parser p;
    if (!p.parser.parse(arguments))
        return p.parser.errorText();
    if (!p.parser.positionalArguments().isEmpty())
        return QStringLiteral("Argument i papritur: '%1'.").arg(p.parser.positionalArguments()[0]);
    config = p.parser.value(Config);
    bank = p.parser.value(Bank);
    candidate = p.parser.value(Candidate);
    photo = p.parser.value(Photo);
    desk = p.parser.value(Desk);
    state = p.parser.value(State);
    showProblems = p.parser.isSet(ShowProblems);
    return std::nullopt;
}
