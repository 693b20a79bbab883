#include "levels/LevelCollection.h"

#include "levels/LevelFile.h"
#include "levels/UntrustedText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

LevelCollection folderCollection(LevelCollection::Kind kind, const QString &folder, const QString &title)
{
    LevelCollection collection;
    collection.kind = kind;
    collection.title = title;
    collection.files = LevelCollection::levelFiles(folder);
    return collection;
}

// A set's title: set.txt's name, else its folder's; why a set.txt cannot be read is never said.
QString setTitle(const QString &folder)
{
    QByteArray bytes;
    QString why;
    const QString path = QDir(folder).filePath(QLatin1String(LevelCollection::setFileName));
    const QString named = UntrustedText::readFile(path, LevelCollection::maxSetFileBytes, QString(), &bytes, &why)
        ? LevelCollection::setName(bytes)
        : QString();
    return named.isEmpty() ? QFileInfo(folder).fileName() : named;
}

QStringList subfolders(const QString &folder)
{
    QStringList found;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        found.append(dir.filePath(name));
    return found;
}
} // namespace

QString LevelCollection::myLevels(const QString &recordsFolder)
{
    return QDir(recordsFolder).filePath(QLatin1String(myLevelsFolder));
}

QList<LevelCollection> LevelCollection::find(const QString &myLevelsPath, const QStringList &dataFolders)
{
    QList<LevelCollection> found;
    LevelCollection builtIn;
    builtIn.title = QCoreApplication::translate("LevelCollection", "Swirlfall");
    found.append(builtIn);
    found.append(folderCollection(MyLevels, myLevelsPath, QCoreApplication::translate("LevelCollection", "My levels")));
    QStringList sets = subfolders(myLevelsPath);
    for (const QString &data : dataFolders)
        sets += subfolders(QDir(data).filePath(QStringLiteral("swirlfall/levels")));
    for (const QString &set : std::as_const(sets))
        found.append(folderCollection(Set, set, setTitle(set)));
    return found;
}

QStringList LevelCollection::systemDataFolders()
{
    const QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        return {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    return dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QString LevelCollection::setName(const QByteArray &setFile)
{
    if (!UntrustedText::sizeProblem(setFile, maxSetFileBytes, QString()).isEmpty())
        return QString();
    static const QRegularExpression nameLine(QStringLiteral("^name\\s+(.+)$"));
    for (const QByteArray &line : setFile.split('\n')) {
        const QString text = QString::fromUtf8(line).trimmed();
        const QRegularExpressionMatch m = nameLine.match(text);
        if (!m.hasMatch() || text.toUtf8() != line.trimmed())
            continue;
        const QString name = m.captured(1).trimmed();
        const int length = int(name.toUcs4().size());
        bool printable = length <= LevelFile::maxNameLength;
        for (const QChar c : name)
            printable = printable && c.isPrint();
        return printable ? name : QString();
    }
    return QString();
}

QStringList LevelCollection::levelFiles(const QString &folder)
{
    const QDir dir(folder);
    QStringList files;
    for (const QString &name : dir.entryList({QStringLiteral("*.") + QLatin1String(LevelFile::extension)}, QDir::Files, QDir::Name))
        files.append(dir.filePath(name));
    return files;
}
