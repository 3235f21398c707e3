#include "app/Configuration.h"

#include "app/Options.h"
#include "base/Counts.h"
#include "store/BankCheck.h"
#include "store/BankFile.h"
#include "store/Picture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

// The keys a configuration file may hold, each with the member it sets.
const std::pair<const char *, QString Configuration::*> TextKeys[] = {
    { "Provimi/Titulli", &Configuration::title },
    { "Provimi/Data", &Configuration::dateText },
    { "Provimi/FondiIPyetjeve", &Configuration::bankFile },
    { "Terminali/Tavolina", &Configuration::desk },
    { "Kandidati/EmriMbiemri", &Configuration::candidate },
    { "Kandidati/Foto", &Configuration::photoFile },
    { "Terminali/Gjendja", &Configuration::stateFolder },
    { "Qendra/SkedariIFjalekalimit", &Configuration::passwordFile },
};
const std::pair<const char *, QString CentralSettings::*> CentralKeys[] = {
    { "Qendra/Serveri", &CentralSettings::host },
    { "Qendra/Databaza", &CentralSettings::database },
    { "Qendra/Perdoruesi", &CentralSettings::user },
};
const QString PortKey = QStringLiteral("Qendra/Porta");
const QString PaperSizeKey = QStringLiteral("Provimi/PyetjeNeTeze");
const QString QuotaGroup = QStringLiteral("Kuotat");

// An unquoted comma makes a list of an INI value; a title or a name keeps its commas.
QString text(const QVariant &v)
{
    return v.typeId() == QMetaType::QStringList ? v.toStringList().join(QStringLiteral(", "))
                                                : v.toString().trimmed();
}

std::optional<int> positive(const QVariant &v)
{
    bool ok = false;
    const int n = text(v).toInt(&ok);
    return ok && n > 0 ? std::optional(n) : std::nullopt;
}

} // namespace

Configuration Configuration::read(const Options &options, const QString &defaultFile)
{
    Configuration c;
    const QString file = options.config.isEmpty() ? defaultFile : options.config;
    if (!options.config.isEmpty() || QFileInfo::exists(file))
        c.readFile(file);
    // The command line's paths stand for themselves, from the working folder.
    const std::pair<const QString &, QString *> overrides[] = {
        { options.bank, &c.bankFile },
        { options.candidate, &c.candidate },
        { options.photo, &c.photoFile },
        { options.desk, &c.desk },
        { options.state, &c.stateFolder },
    };
    for (const auto &[given, member] : overrides)
        if (!given.isEmpty())
            *member = given;
    return c;
}

void Configuration::readFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString where = fileName + QStringLiteral(": ");
    if (!info.isFile() || !info.isReadable()) {
        problems << where
                + (info.exists() ? QStringLiteral("skedari i konfigurimit nuk lexohet")
                                 : QStringLiteral("skedari i konfigurimit nuk gjendet"));
        return;
    }
    const QSettings ini(fileName, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) {
        problems << where + QStringLiteral("skedari i konfigurimit nuk është INI i rregullt");
        return;
    }
    QStringList known { PaperSizeKey, PortKey };
    for (const auto &[key, member] : TextKeys) {
        known << QLatin1String(key);
        this->*member = text(ini.value(QLatin1String(key)));
    }
    for (const auto &[key, member] : CentralKeys) {
        known << QLatin1String(key);
        central.*member = text(ini.value(QLatin1String(key)));
    }
    if (ini.contains(PortKey)) {
        const auto port = positive(ini.value(PortKey));
        if (port && *port < 65536)
            central.port = *port;
        else
            problems << where
                    + QStringLiteral("Porta \"%1\" nuk është portë TCP")
                          .arg(text(ini.value(PortKey)));
    }
    // Paths in the file are the administrator's, from the file's folder.
    for (QString *path : { &bankFile, &photoFile, &stateFolder, &passwordFile })
        if (!path->isEmpty())
            *path = info.dir().absoluteFilePath(*path);
    if (ini.contains(PaperSizeKey) && positive(ini.value(PaperSizeKey)) != QuestionCount)
        problems << where
                + QStringLiteral(
                    "PyetjeNeTeze \"%1\": një tezë ka %2 pyetje, sa butona ka dritarja")
                      .arg(text(ini.value(PaperSizeKey)))
                      .arg(QuestionCount);
    for (const QString &key : ini.allKeys()) {
        if (key.startsWith(QuotaGroup + u'/')) {
            const QString booklet = key.mid(QuotaGroup.size() + 1);
            const auto n = positive(ini.value(key));
            if (n)
                quotas.push_back({ booklet, *n });
            else
                problems << where
                        + QStringLiteral("kuota e fashikullit \"%1\" është \"%2\"; duhet një "
                                         "numër i plotë pozitiv")
                              .arg(booklet, text(ini.value(key)));
        } else if (!known.contains(key)) {
            problems << where + QStringLiteral("çelës i panjohur \"%1\"").arg(key);
        }
    }
}

SittingSetup Configuration::load()
{
    // The journals are the central store's queue: it needs a state folder.
    if (!central.host.isEmpty() && stateFolder.isEmpty())
        problems << QStringLiteral("qendra e provimeve (Qendra/Serveri) kërkon një dosje gjendjeje "
                                   "(Terminali/Gjendja ose --state)");
    if (!central.host.isEmpty() && !passwordFile.isEmpty()) {
        QFile password(passwordFile);
        if (password.open(QIODevice::ReadOnly)) {
            // The first line, the password's own blanks kept.
            QByteArray line = password.readLine();
            while (line.endsWith('\n') || line.endsWith('\r'))
                line.chop(1);
            central.password = QString::fromUtf8(line);
        } else {
            problems << passwordFile + QStringLiteral(": fjalëkalimi i qendrës nuk lexohet");
        }
    }
    SittingSetup s { title, dateText, desk, candidate, {}, bankFile, {}, quotas };
    if (!photoFile.isEmpty()) {
        QFile photo(photoFile);
        if (photo.open(QIODevice::ReadOnly))
            s.photo = photo.readAll();
        if (!Picture::decodes(s.photo))
            problems << photoFile + QStringLiteral(": fotoja e kandidatit nuk lexohet si figurë");
    }
    if (bankFile.isEmpty()) {
        if (!quotas.empty())
            problems << QStringLiteral("kuotat e fashikujve kërkojnë një fond pyetjesh "
                                       "(Provimi/FondiIPyetjeve ose --bank)");
        return s;
    }
    BankFile::Contents bank = BankFile::read(bankFile);
    if (bank.problems.isEmpty())
        bank.problems = BankCheck::problems(bank.questions, QuestionCount, quotas);
    for (const QString &p : bank.problems)
        problems << bankFile + QStringLiteral(": ") + p;
    s.bank = std::move(bank.questions);
    return s;
}
