#pragma once

#include "store/BankQuestion.h"

#include <QColor>
#include <QDir>
#include <QSize>

#include <vector>

// Banks for the tests: sound questions to spoil one fault at a time, pictures of one colour,
// and the bank file they make.
namespace Banks {

// A text question with `alternatives` text alternatives, unique by its identifier.
BankQuestion question(qint64 id, const QString &booklet = QStringLiteral("Anatomi"),
    int alternatives = 4, QChar correct = u'A', int points = 1);
// `n` such questions, identifiers 1 to n.
std::vector<BankQuestion> questions(int n);

// A picture of one colour, as a PNG file's or an SVG file's bytes.
QByteArray png(QSize size, const QColor &c);
QByteArray svg(QSize size, const QColor &c);

// The sitting's bank: 240 questions, 60 in each of four booklets, whose questions have 5, 4, 3
// and 2 alternatives, correct letters A, B, C, B and 1, 2, 3, 2 points. Booklet 2 asks by
// pictures (SVG, each its own colour), booklet 3 shows alternative B as a picture (PNG).
inline const QStringList SittingBooklets { QStringLiteral("Anatomi"), QStringLiteral("Fiziologji"),
    QStringLiteral("Farmakologji"), QStringLiteral("Etikë") };
std::vector<BankQuestion> sittingBank();
// The colour of question `id`'s picture in the sitting's bank.
QColor pictureColour(qint64 id);

// Writes the file `name` in `dir`: its path.
QString writeFile(const QDir &dir, const QString &name, const QByteArray &bytes);
// Writes the bank file `name` in `dir`: its path.
QString write(const QDir &dir, const QString &name, const std::vector<BankQuestion> &bank);

} // namespace Banks
