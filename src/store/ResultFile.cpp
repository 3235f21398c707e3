#include "store/ResultFile.h"

#include "store/Journal.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

#include <cerrno>

#include <unistd.h>

namespace ResultFile {

QString path(const QString &folder, const QString &sitting)
{
    return QDir(folder).filePath(sitting + QStringLiteral(".result.json"));
}

QString write(const QString &path, const QJsonObject &record)
{
    // Not QSaveFile: Qt 6.4's reports a write that met a full disk as done, and commits an
    // empty file. Unbuffered, a full disk shows at the write.
    const QByteArray bytes = QJsonDocument(record).toJson();
    const QString temporary = path + QStringLiteral(".part");
    QFile f(temporary);
    QString why;
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)
        || f.write(bytes) != bytes.size() || ::fdatasync(f.handle()) != 0)
        why = qt_error_string(errno);
    f.close();
    // A second name is given only where there is none: a record is never replaced.
    if (why.isEmpty() && ::link(QFile::encodeName(temporary), QFile::encodeName(path)) != 0)
        why = errno == EEXIST ? QStringLiteral("ekziston, nuk mbishkruhet")
                              : qt_error_string(errno);
    QFile::remove(temporary);
    if (why.isEmpty() && !Journal::syncFolderOf(path))
        why = qt_error_string(errno);
    return why.isEmpty() ? QString() : path + QStringLiteral(": ") + why;
}

} // namespace ResultFile
