#ifndef SWIRLFALL_LEVELCOLLECTION_H
#define SWIRLFALL_LEVELCOLLECTION_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Levels a player plays one after another: the game's own twenty, the player's own levels (the
// level files in "my-levels" beside the records), or a set: a folder of level files, in
// "my-levels" or installed in a system data folder (swirlfall/levels/<set>/). A folder's levels
// are its .swirl files in the order of their file names, so 01-..., 02-... order them; a set's
// name is the "name" line of its set.txt, or else the folder's name.
class LevelCollection
{
public:
    enum Kind { BuiltIn, MyLevels, Set };

    // set.txt is read as suspiciously as any file: a few lines, of which only "name <text>"
    // counts, 1 to maxNameLength printable characters.
    static constexpr qint64 maxSetFileBytes = 4096;
    static constexpr char setFileName[] = "set.txt";
    static constexpr char myLevelsFolder[] = "my-levels";

    // "my-levels" in recordsFolder, the folder the records are kept in.
    static QString myLevels(const QString &recordsFolder);
    // The game's own levels, My levels, each set in it, then each set in the data folders given
    // (the system's: $XDG_DATA_DIRS), in that order.
    static QList<LevelCollection> find(const QString &myLevelsPath, const QStringList &dataFolders);
    // The system's data folders, from $XDG_DATA_DIRS or its default.
    static QStringList systemDataFolders();
    // The set's name from set.txt's bytes, or an empty string for none.
    static QString setName(const QByteArray &setFile);
    // A folder's level files, in file-name order.
    static QStringList levelFiles(const QString &folder);

    Kind kind = BuiltIn;
    QString title;
    // Its level files, full paths; empty for the game's own.
    QStringList files;
};

#endif
