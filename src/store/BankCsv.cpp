#include "store/BankCsv.h"

#include "store/BankRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace BankCsv {

namespace {

struct Record
{
    int line = 0;
    QStringList fields;
    QString fault;
};

// RFC 4180 records. A quote left open swallows the rest of the file, so it ends the reading;
// a quote inside an unquoted field spoils only its own row.
std::vector<Record> records(const QString &text)
{
    std::vector<Record> out;
    qsizetype i = 0;
    const qsizetype n = text.size();
    int line = 1;
    auto endOfLine
        = [&](qsizetype at) { return at >= n || text[at] == u'\n' || text[at] == u'\r'; };
    while (i < n) {
        Record r { line, {}, {} };
        bool more = true;
        while (more) {
            QString field;
            if (i < n && text[i] == u'"') {
                const int opened = line;
                for (++i;; ++i) {
                    if (i >= n) {
                        r.fault = QStringLiteral("thonjëzat e hapura në rreshtin %1 nuk mbyllen "
                                                 "deri në fund të skedarit")
                                      .arg(opened);
                        r.fields << field;
                        out.push_back(r);
                        return out;
                    }
                    if (text[i] == u'"' && i + 1 < n && text[i + 1] == u'"')
                        field += text[++i];
                    else if (text[i] == u'"')
                        break;
                    else {
                        line += text[i] == u'\n';
                        field += text[i];
                    }
                }
                ++i;
                if (!endOfLine(i) && text[i] != u',')
                    r.fault = QStringLiteral("pas thonjëzave që mbyllin një fushë pritet presje");
            }
            while (!endOfLine(i) && text[i] != u',') {
                if (text[i] == u'"' && r.fault.isEmpty())
                    r.fault = QStringLiteral("thonjëza brenda një fushe pa thonjëza");
                field += text[i++];
            }
            r.fields << field;
            more = i < n && text[i] == u',';
            i += more;
        }
        // The line break: \n, \r\n or \r.
        if (i < n && text[i] == u'\r')
            ++i;
        if (i < n && text[i] == u'\n')
            ++i;
        ++line;
        if (r.fields != QStringList { QString() })
            out.push_back(r);
    }
    return out;
}

} // namespace

std::optional<std::vector<Row>> read(const QString &fileName, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("skedari nuk lexohet");
        return std::nullopt;
    }
    const QDir folder = QFileInfo(fileName).dir();
    const auto columns = BankRecord::columns();
    std::vector<Row> rows;
    for (const Record &r : records(QString::fromUtf8(file.readAll()))) {
        if (rows.empty() && !r.fields.isEmpty()
            && r.fields[0].trimmed() == QLatin1String(columns[0].name))
            continue; // the column names
        Row &row = rows.emplace_back();
        row.line = r.line;
        if (!r.fault.isEmpty())
            row.faults << r.fault;
        if (r.fields.size() != BankRecord::FieldCount) {
            row.faults << QStringLiteral("ka %1 fusha; duhen %2")
                              .arg(r.fields.size())
                              .arg(BankRecord::FieldCount);
            continue;
        }
        for (int f = 0; f < BankRecord::FieldCount; ++f) {
            const QString &value = r.fields[f];
            if (QLatin1String(columns[std::size_t(f)].type) != QLatin1String("BLOB")) {
                row.question.setValue(f, value.trimmed().isEmpty() ? QVariant() : value);
                continue;
            }
            if (value.trimmed().isEmpty())
                continue;
            QFile picture(folder.absoluteFilePath(value.trimmed()));
            if (picture.open(QIODevice::ReadOnly))
                row.question.setValue(f, picture.readAll());
            else
                row.faults << QStringLiteral("%1: skedari \"%2\" nuk lexohet")
                                  .arg(QLatin1String(columns[std::size_t(f)].name), value);
        }
    }
    return rows;
}

} // namespace BankCsv
