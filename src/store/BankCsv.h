#pragma once

#include "store/BankQuestion.h"

#include <QStringList>

#include <optional>
#include <vector>

// A bank written as a CSV file (UTF-8): one row per question, the record's columns in the
// table's order, separated by commas; a field holding a comma, a quote or a line break stands
// in double quotes, a quote in it doubled. A first row of column names is skipped. A graphic
// column names a PNG or SVG file, from the CSV file's folder, or is empty.
namespace BankCsv {

struct Row
{
    int line = 0; // where the row starts in the file
    BankQuestion question;
    QStringList faults; // what kept the row from being read whole
};

// The rows, or the reason the file could not be read at all.
std::optional<std::vector<Row>> read(const QString &fileName, QString *error);

} // namespace BankCsv
