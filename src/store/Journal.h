#pragma once

#include <QFile>
#include <QJsonObject>
#include <QList>

#include <optional>

// The journal of one sitting: an append-only file of records, one a line, each line its
// checksum (16 hex digits of its SHA-256) and a blank before the record's JSON. A record
// counts once it is written with its line end and flushed to the disk. Nothing is ever
// rewritten: a line torn by a power cut is ended, still torn, when the journal is opened
// again, and the reader skips every line whose checksum does not match, so a torn record is
// never read.
class Journal
{
public:
    // Opens the file for appending, creating it (and making its name durable) if need be.
    bool open(const QString &path);
    bool isOpen() const { return m_file.isOpen(); }
    // A record is appended in two steps, the write and the flush to the disk, so each can be
    // timed; append does both.
    bool write(const QJsonObject &record);
    bool sync();
    bool append(const QJsonObject &record) { return write(record) && sync(); }
    QString errorString() const { return m_error.isEmpty() ? m_file.errorString() : m_error; }

    // The journal's line of a record, line end included.
    static QByteArray line(const QJsonObject &record);
    // The record of one line (without its line end), or nothing when the line is torn or
    // corrupt.
    static std::optional<QJsonObject> parse(QByteArrayView line);
    // The whole records of a journal file from a byte offset on, in order; none when it cannot
    // be read. *end is set to where the next line will start.
    static QList<QJsonObject> read(const QString &path, qint64 from = 0, qint64 *end = nullptr);

    // Makes a file's new name in its folder durable, as a file's own flush does not.
    static bool syncFolderOf(const QString &path);

private:
    QFile m_file;
    QString m_error; // QFile's own does not always say why
};
