#include "levels/library/LevelCollection.h"

#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/LevelFile.h"
#include "levels/format/UntrustedText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

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

// The entries of folder that filters takes, with their paths, in the order a person reads them.
QStringList entries(const QString &folder, const QStringList &names, QDir::Filters filters)
{
    const QDir dir(folder);
    QStringList found = dir.entryList(names, filters, QDir::Name);
    std::stable_sort(found.begin(), found.end(), LevelCollection::readsBefore);
    for (QString &name : found)
        name = dir.filePath(name);
    return found;
}

QStringList subfolders(const QString &folder)
{
    return entries(folder, {}, QDir::Dirs | QDir::NoDotAndDotDot);
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The end of the run of digits from at, and where it starts once its leading zeros are gone.
std::pair<int, int> digitRun(const QString &text, int at)
{
    int end = at;
    while (end < text.size() && isDigit(text.at(end)))
        ++end;
    int start = at;
    while (start + 1 < end && text.at(start) == QLatin1Char('0'))
        ++start;
    return {start, end};
}
} // namespace

QList<LevelCollection> LevelCollection::find(const QString &myLevelsPath, const QStringList &setFolders)
{
    QList<LevelCollection> found;
    LevelCollection builtIn;
    builtIn.title = QCoreApplication::translate("LevelCollection", "Swirlfall");
    found.append(builtIn);
    found.append(folderCollection(MyLevels, myLevelsPath, QCoreApplication::translate("LevelCollection", "My levels")));
    QStringList sets = subfolders(myLevelsPath);
    for (const QString &folder : setFolders)
        sets += subfolders(folder);
    for (const QString &set : std::as_const(sets)) {
        const LevelCollection collection = folderCollection(Set, set, setTitle(set));
        if (!collection.files.isEmpty())
            found.append(collection);
    }
    return found;
}

int LevelCollection::levelCount() const
{
    if (kind == Puzzles)
        return int(seeds.size());
    return kind == BuiltIn ? LevelCatalogue::levelCount : int(files.size());
}

QString LevelCollection::label() const
{
    return QStringLiteral("%1 (%2)").arg(title, QString::number(levelCount()));
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
    return entries(folder, {QStringLiteral("*.") + QLatin1String(LevelFile::extension)}, QDir::Files | QDir::System);
}

bool LevelCollection::readsBefore(const QString &a, const QString &b)
{
    int i = 0;
    int j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a.at(i)) && isDigit(b.at(j))) {
            const auto [aStart, aEnd] = digitRun(a, i);
            const auto [bStart, bEnd] = digitRun(b, j);
            // Without leading zeros, the longer number is the larger.
            if (aEnd - aStart != bEnd - bStart)
                return aEnd - aStart < bEnd - bStart;
            const int digits = QStringView(a).mid(aStart, aEnd - aStart).compare(QStringView(b).mid(bStart, bEnd - bStart));
            if (digits != 0)
                return digits < 0;
            i = aEnd;
            j = bEnd;
            continue;
        }
        const QChar x = a.at(i).toCaseFolded();
        const QChar y = b.at(j).toCaseFolded();
        if (x != y)
            return x < y;
        ++i;
        ++j;
    }
    if (a.size() - i != b.size() - j)
        return a.size() - i < b.size() - j;
    // Alike as a person reads them ("a1", "a01"; "A", "a"): still one order.
    return a < b;
}
