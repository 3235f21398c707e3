#pragma once

#include "store/BankQuestion.h"

#include <QStringList>

#include <vector>

// A bank file: a SQLite database with the question-bank table "FondPyetjesh", one row per
// question, every column of the record. It is read once, read-only, in the table's order; a
// new one is written whole from a list of questions.
namespace BankFile {

struct Contents
{
    std::vector<BankQuestion> questions;
    // What kept the file from being read (missing, unreadable, not SQLite, locked, no table,
    // a column missing), one line each; when there is any, there are no questions.
    QStringList problems;
};

Contents read(const QString &fileName);

// Creates `fileName`, which must not exist yet, with the table and these questions; the
// reason when it could not.
std::optional<QString> write(const QString &fileName, const std::vector<BankQuestion> &questions);

} // namespace BankFile
