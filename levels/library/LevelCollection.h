#ifndef SWIRLFALL_LEVELCOLLECTION_H
#define SWIRLFALL_LEVELCOLLECTION_H

#include "levels/puzzles/Seed.h"

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
    // Puzzles: levels made from seeds, the puzzle of the day and a new one of each tier.
    enum Kind { BuiltIn, MyLevels, Set, Puzzles };

    // set.txt is read as suspiciously as any file: a few lines, of which only "name <text>"
    // counts, 1 to maxNameLength printable characters.
    static constexpr qint64 maxSetFileBytes = 4096;
    static constexpr char setFileName[] = "set.txt";

    // The game's own levels, My levels, each set in it, then each set in the folders of sets given
    // (see DataFolders::setFolders), in that order; a folder with no level files is no set.
    static QList<LevelCollection> find(const QString &myLevelsPath, const QStringList &setFolders);
    // The set's name from set.txt's bytes, or an empty string for none.
    static QString setName(const QByteArray &setFile);
    // A folder's level files, in file-name order; a name that is no regular file is among them,
    // for a list to say why it cannot be read.
    static QStringList levelFiles(const QString &folder);
    // File names as a person reads them: runs of digits compare as numbers ("gift9" before
    // "gift10"), letters whatever their case.
    static bool readsBefore(const QString &a, const QString &b);

    // As a list of collections shows it: the title, then how many levels it has. A title from a
    // file is the player's text, however many "%1" it holds.
    QString label() const;
    int levelCount() const;

    Kind kind = BuiltIn;
    QString title;
    // Its level files, full paths; empty for the game's own.
    QStringList files;
    // The seeds of the puzzles.
    QList<Seed> seeds;
};

#endif
