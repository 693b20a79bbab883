#include "levels/LevelImport.h"

#include "levels/Level.h"
#include "levels/LevelCollection.h"
#include "levels/LevelFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// Bounds the search for a free name: a folder holding that many copies is not a player's.
constexpr int maxCopies = 1000;
} // namespace

QString LevelImport::freeName(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    const QFileInfo info(name);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString candidate = name;
    for (int copy = 2; copy <= maxCopies && QFileInfo::exists(dir.filePath(candidate)); ++copy)
        candidate = info.completeBaseName() + QStringLiteral(" (%1)").arg(copy) + suffix;
    return dir.filePath(candidate);
}

LevelImport LevelImport::files(const QStringList &files, const QString &folder)
{
    LevelImport result;
    if (!QDir().mkpath(folder)) {
        result.refused.append(QCoreApplication::translate("LevelImport", "%1: the folder cannot be made").arg(folder));
        return result;
    }
    for (const QString &file : files) {
        Level level;
        QString why;
        if (!LevelFile::readFile(file, &level, &why)) {
            result.refused.append(why);
            continue;
        }
        const QString target = freeName(folder, QFileInfo(file).fileName());
        if (QFileInfo::exists(target) || !QFile::copy(file, target)) {
            result.refused.append(QCoreApplication::translate("LevelImport", "%1: it cannot be copied to %2").arg(file, target));
            continue;
        }
        result.copied.append(target);
    }
    return result;
}

LevelImport LevelImport::set(const QString &set, const QString &folder)
{
    const QString target = freeName(folder, QFileInfo(QDir::cleanPath(set)).fileName());
    if (QFileInfo::exists(target)) {
        LevelImport none;
        none.refused.append(QCoreApplication::translate("LevelImport", "%1: no free name for it in %2").arg(set, folder));
        return none;
    }
    LevelImport result = files(LevelCollection::levelFiles(set), target);
    const QString setFile = QDir(set).filePath(QLatin1String(LevelCollection::setFileName));
    if (!result.copied.isEmpty() && QFileInfo(setFile).isFile())
        QFile::copy(setFile, QDir(target).filePath(QLatin1String(LevelCollection::setFileName)));
    if (result.copied.isEmpty())
        QDir(target).removeRecursively();
    return result;
}
