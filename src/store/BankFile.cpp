#include "store/BankFile.h"

#include "store/BankRecord.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace BankFile {

namespace {

// SQLite's own result codes for a file that is no database and one another program holds.
constexpr int NotADatabase = 26;
constexpr int Busy = 5;

QStringList columnNames()
{
    QStringList names;
    for (const BankRecord::Column &c : BankRecord::columns())
        names << QLatin1String(c.name);
    return names;
}

// One connection of its own for the time of a function, closed and removed after it.
class Connection
{
public:
    explicit Connection(const QString &fileName, const QString &options = {})
        : m_name(QStringLiteral("fondi-%1").arg(reinterpret_cast<quintptr>(this)))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(fileName);
        db.setConnectOptions(options);
    }
    ~Connection()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
};

QString why(const QSqlError &e)
{
    switch (e.nativeErrorCode().toInt()) {
    case NotADatabase:
        return QStringLiteral("nuk është bazë të dhënash SQLite");
    case Busy:
        return QStringLiteral("është i kyçur nga një program tjetër");
    }
    return QStringLiteral("nuk lexohet (%1)").arg(e.text());
}

} // namespace

Contents read(const QString &fileName)
{
    Contents c;
    const QFileInfo file(fileName);
    if (!file.exists())
        return { {}, { QStringLiteral("skedari nuk gjendet") } };
    if (!file.isFile() || !file.isReadable())
        return { {}, { QStringLiteral("skedari nuk lexohet") } };

    // Another program writing the file is waited for a moment, not for SQLite's 5 seconds.
    const Connection connection(
        fileName, QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=1000"));
    QSqlDatabase db = connection.db();
    if (!db.open())
        return { {}, { why(db.lastError()) } };
    {
        QSqlQuery tables(db);
        if (!tables.exec(QStringLiteral("SELECT name FROM sqlite_master")))
            return { {}, { why(tables.lastError()) } };
    }
    if (!db.tables(QSql::AllTables).contains(BankRecord::Table))
        return { {}, { QStringLiteral("mungon tabela %1").arg(BankRecord::Table) } };
    const QSqlRecord present = db.record(BankRecord::Table);
    const QStringList names = columnNames();
    for (const QString &n : names)
        if (!present.contains(n))
            c.problems << QStringLiteral("tabelës %1 i mungon kolona %2").arg(BankRecord::Table, n);
    if (!c.problems.isEmpty())
        return c;

    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM %2").arg(names.join(u','), BankRecord::Table)))
        return { {}, { why(q.lastError()) } };
    while (q.next()) {
        BankQuestion &question = c.questions.emplace_back();
        for (int f = 0; f < BankRecord::FieldCount; ++f)
            question.setValue(f, q.value(f));
    }
    if (q.lastError().isValid())
        return { {}, { why(q.lastError()) } };
    return c;
}

std::optional<QString> write(const QString &fileName, const std::vector<BankQuestion> &questions)
{
    if (QFileInfo::exists(fileName))
        return QStringLiteral("skedari ekziston; jepni emrin e një skedari të ri");
    std::optional<QString> failure;
    {
        const Connection connection(fileName);
        QSqlDatabase db = connection.db();
        if (!db.open() || !db.transaction())
            return QStringLiteral("nuk u krijua (%1)").arg(db.lastError().text());
        QSqlQuery q(db);
        const QStringList names = columnNames();
        const bool written = q.exec(BankRecord::createStatement())
            && q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                             .arg(BankRecord::Table, names.join(u','),
                                 QStringLiteral("?,").repeated(names.size()).chopped(1)))
            && std::all_of(questions.begin(), questions.end(),
                [&](const BankQuestion &b) {
                    for (int f = 0; f < BankRecord::FieldCount; ++f)
                        q.bindValue(f, b.value(f));
                    return q.exec();
                })
            && db.commit();
        if (!written)
            failure = QStringLiteral("nuk u shkrua (%1)").arg(q.lastError().text());
    }
    if (failure)
        QFile::remove(fileName);
    return failure;
}

} // namespace BankFile
