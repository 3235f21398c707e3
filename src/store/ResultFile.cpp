#include "store/ResultFile.h"

#include "store/Journal.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

namespace ResultFile {

QString path(const QString &folder, const QString &sitting)
{
    return QDir(folder).filePath(sitting + QStringLiteral(".result.json"));
}

QString write(const QString &path, const QJsonObject &record)
{
    if (QFileInfo::exists(path))
        return path + QStringLiteral(": ekziston, nuk mbishkruhet");
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(QJsonDocument(record).toJson()) < 0 || !f.commit()
        || !Journal::syncFolderOf(path))
        return path + QStringLiteral(": ") + f.errorString();
    return {};
}

} // namespace ResultFile
