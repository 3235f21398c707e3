#include "support/Banks.h"

#include "store/BankFile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>

namespace Banks {

BankQuestion question(
    qint64 id, const QString &booklet, int alternatives, QChar correct, int points)
{
    BankQuestion q;
    q.NumerIDiPyetjes = id;
    q.FashikulliGrupPyetjesh = booklet;
    q.NrIPyetjesNeFashikull = id;
    q.PergjigjaESakte = correct;
    q.PikePozitive = points;
    q.PikeNegative = 0;
    q.StrukturaEPyetjes = QString(alternatives + 1, u'T');
    q.ImazhTekstIPyetes
        = QStringLiteral("Pyetja %1 e fashikullit %2: cila përgjigje është e saktë?")
              .arg(id)
              .arg(booklet);
    for (int j = 0; j < alternatives; ++j)
        q.AlternativaTekst.at(std::size_t(j))
            = QStringLiteral("Alternativa %1 e pyetjes %2").arg(QChar(u'A' + j)).arg(id);
    q.FondSizeP = 20;
    q.FondSizeAlt = 18;
    return q;
}

std::vector<BankQuestion> questions(int n)
{
    std::vector<BankQuestion> bank;
    for (int id = 1; id <= n; ++id)
        bank.push_back(question(id));
    return bank;
}

QByteArray png(QSize size, const QColor &c)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(c);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray svg(QSize size, const QColor &c)
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\">"
                          "<rect width=\"%1\" height=\"%2\" fill=\"%3\"/></svg>")
        .arg(size.width())
        .arg(size.height())
        .arg(c.name())
        .toUtf8();
}

QColor pictureColour(qint64 id)
{
    return QColor(QColor::fromHsv(int(id * 7 % 360), 200, 120 + int(id % 100)).rgb());
}

std::vector<BankQuestion> sittingBank()
{
    std::vector<BankQuestion> bank;
    for (int b = 0; b < 4; ++b)
        for (int i = 1; i <= 60; ++i) {
            const int id = 100 * (b + 1) + i;
            BankQuestion q
                = question(id, SittingBooklets[b], 5 - b, QChar(u"ABCB"[b]), "1232"[b] - '0');
            if (b == 1) {
                q.StrukturaEPyetjes[0] = u'G';
                // Every tenth too large for the picture boxes.
                const QSize size = i % 10 ? QSize(300 + i, 150) : QSize(800, 400);
                q.ImazhGrafikIPyetes = svg(size, pictureColour(id));
            }
            if (b == 2) {
                q.StrukturaEPyetjes[2] = u'G';
                q.AlternativaGrafik[1] = png({ 200, 30 }, pictureColour(id));
            }
            bank.push_back(q);
        }
    return bank;
}

QString writeFile(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile f(dir.filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(f.fileName()));
    return f.fileName();
}

QString write(const QDir &dir, const QString &name, const std::vector<BankQuestion> &bank)
{
    const QString path = dir.filePath(name);
    if (const auto failed = BankFile::write(path, bank))
        qFatal("%s: %s", qPrintable(path), qPrintable(*failed));
    return path;
}

} // namespace Banks
