#include "levels/library/LevelImport.h"

#include "levels/format/Level.h"
#include "levels/format/LevelFile.h"
#include "levels/library/LevelCollection.h"
#include "levels/saves/AtomicWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
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

QHash<QString, QString> LevelImport::levelsIn(const QString &myLevels)
{
    QHash<QString, QString> found;
    QDirIterator files(myLevels, {QStringLiteral("*.") + QLatin1String(LevelFile::extension)}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        Level level;
        QString why;
        if (LevelFile::readFile(path, &level, &why))
            found.insert(level.fingerprint(), path);
    }
    return found;
}

QString LevelImport::placeFor(const Level &level, const QString &from, const QString &folder, QHash<QString, QString> &known)
{
    const QString there = known.value(level.fingerprint());
    if (!there.isEmpty()) {
        present.append({from, there});
        return QString();
    }
    if (!QDir().mkpath(folder)) {
        refused.append(QCoreApplication::translate("LevelImport", "%1: the folder cannot be made").arg(folder));
        return QString();
    }
    return freeName(folder, QFileInfo(from).fileName());
}

void LevelImport::copy(const QStringList &files, const QString &folder, QHash<QString, QString> &known)
{
    for (const QString &file : files) {
        Level level;
        QString why;
        if (!LevelFile::readFile(file, &level, &why)) {
            refused.append(why);
            continue;
        }
        const QString target = placeFor(level, file, folder, known);
        if (target.isEmpty())
            continue;
        if (QFileInfo::exists(target) || !QFile::copy(file, target)) {
            refused.append(QCoreApplication::translate("LevelImport", "%1: it cannot be copied to %2").arg(file, target));
            continue;
        }
        known.insert(level.fingerprint(), target);
        copied.append({file, target});
    }
}

LevelImport LevelImport::text(const QByteArray &bytes, const QString &fileName, const QString &myLevels)
{
    LevelImport result;
    Level level;
    QString why;
    if (!LevelFile::read(bytes, &level, &why)) {
        result.refused.append(fileName + QStringLiteral(": ") + why);
        return result;
    }
    QHash<QString, QString> known = levelsIn(myLevels);
    const QString target = result.placeFor(level, fileName, myLevels, known);
    if (target.isEmpty())
        return result;
    if (!AtomicWriter::write(target, bytes, &why)) {
        result.refused.append(QCoreApplication::translate("LevelImport", "%1 cannot be written: %2").arg(target, why));
        return result;
    }
    result.copied.append({fileName, target});
    return result;
}

LevelImport LevelImport::files(const QStringList &files, const QString &myLevels)
{
    LevelImport result;
    QHash<QString, QString> known = levelsIn(myLevels);
    result.copy(files, myLevels, known);
    return result;
}

LevelImport LevelImport::set(const QString &set, const QString &myLevels)
{
    LevelImport result;
    const QString target = freeName(myLevels, QFileInfo(QDir::cleanPath(set)).fileName());
    if (QFileInfo::exists(target)) {
        result.refused.append(QCoreApplication::translate("LevelImport", "%1: no free name for it in %2").arg(set, myLevels));
        return result;
    }
    QHash<QString, QString> known = levelsIn(myLevels);
    result.copy(LevelCollection::levelFiles(set), target, known);
    const QString setFile = QDir(set).filePath(QLatin1String(LevelCollection::setFileName));
    if (!result.copied.isEmpty() && QFileInfo(setFile).isFile())
        QFile::copy(setFile, QDir(target).filePath(QLatin1String(LevelCollection::setFileName)));
    return result;
}
