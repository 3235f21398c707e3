#include "store/Journal.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QJsonDocument>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr qsizetype ChecksumDigits = 16;
const QByteArray TornMark = " torn\n"; // its checksum cannot match

QByteArray checksum(QByteArrayView json)
{
    return QCryptographicHash::hash(json, QCryptographicHash::Sha256).toHex().left(ChecksumDigits);
}
} // namespace

bool Journal::open(const QString &path)
{
    const bool existed = QFileInfo::exists(path);
    m_file.setFileName(path);
    // Unbuffered: a full disk shows at the write that meets it, not at some later flush.
    if (!m_file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    if (!existed)
        return syncFolderOf(path);
    // A last line without its end was torn mid-write. It is ended, so that the next record
    // starts a line of its own, after a mark that keeps it torn: a record counts only if its
    // line end was written with it, even when only the line end is missing.
    if (m_file.size() > 0) {
        char last = 0;
        if (!m_file.seek(m_file.size() - 1) || !m_file.getChar(&last))
            return false;
        if (last != '\n')
            return m_file.write(TornMark) == TornMark.size() && sync();
    }
    return true;
}

bool Journal::write(const QJsonObject &record)
{
    const QByteArray l = line(record);
    if (m_file.isOpen() && m_file.write(l) == l.size())
        return true;
    m_error = qt_error_string(errno);
    return false;
}

bool Journal::sync()
{
    // The data and the file's length; a journal's other metadata can wait.
    if (m_file.isOpen() && ::fdatasync(m_file.handle()) == 0)
        return true;
    m_error = qt_error_string(errno);
    return false;
}

QByteArray Journal::line(const QJsonObject &record)
{
    const QByteArray json = QJsonDocument(record).toJson(QJsonDocument::Compact);
    return checksum(json) + ' ' + json + '\n';
}

std::optional<QJsonObject> Journal::parse(QByteArrayView line)
{
    if (line.size() <= ChecksumDigits + 1 || line[ChecksumDigits] != ' ')
        return std::nullopt;
    const QByteArrayView json = line.sliced(ChecksumDigits + 1);
    if (line.first(ChecksumDigits) != checksum(json))
        return std::nullopt;
    const QJsonDocument d = QJsonDocument::fromJson(json.toByteArray());
    if (!d.isObject())
        return std::nullopt;
    return d.object();
}

QList<QJsonObject> Journal::read(const QString &path, qint64 from, qint64 *end)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(from))
        return {};
    const QByteArray bytes = f.readAll();
    QList<QJsonObject> records;
    // The text after the last line end is a record being written, or a torn one.
    qsizetype start = 0;
    for (qsizetype e; (e = bytes.indexOf('\n', start)) >= 0; start = e + 1)
        if (auto r = parse(QByteArrayView(bytes).sliced(start, e - start)))
            records << *r;
    if (end)
        *end = from + start;
    return records;
}

bool Journal::syncFolderOf(const QString &path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
        O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}
