#include "levels/saves/DataFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace DataFolders {

QString userScoreFile()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : QDir(data).filePath(QLatin1String(scoreFileName));
}

QString keptFile(const QString &recordsFolder, const char *name)
{
    return QDir(recordsFolder).filePath(QLatin1String(name));
}

QString myLevels(const QString &recordsFolder)
{
    return QDir(recordsFolder).filePath(QLatin1String(myLevelsFolder));
}

QStringList setFolders()
{
    QStringList folders;
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::AppDataLocation))
        folders.append(QDir(data).filePath(QLatin1String(setsFolder)));
    return folders;
}

} // namespace DataFolders
