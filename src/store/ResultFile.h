#pragma once

#include <QJsonObject>
#include <QString>

// The result record of a sitting, a JSON file written once: to a temporary name beside it,
// flushed to the disk, then given its own name, so it is whole or absent. One that exists is
// never replaced.
namespace ResultFile {

QString path(const QString &folder, const QString &sitting);

// Empty when the record is on the disk; otherwise why it is not.
QString write(const QString &path, const QJsonObject &record);

} // namespace ResultFile
