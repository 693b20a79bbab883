#ifndef SWIRLFALL_LEVELIMPORT_H
#define SWIRLFALL_LEVELIMPORT_H

#include <QString>
#include <QStringList>

// Level files copied into a player's own levels: each read first, as any level file is, and
// refused with its reason when it is not one; a file of the same name already there is never
// overwritten, the copy takes a free name beside it ("name (2).swirl").
class LevelImport
{
public:
    // Copies files into folder, made if need be.
    static LevelImport files(const QStringList &files, const QString &folder);
    // Copies the level files of set (and its set.txt) into a folder of the same name in folder:
    // a set of its own.
    static LevelImport set(const QString &set, const QString &folder);
    // name in folder, or the first of "base (2).ext", "base (3).ext", ... that is not taken.
    static QString freeName(const QString &folder, const QString &name);

    // Where the copies went.
    QStringList copied;
    // One line each: "FILE: why".
    QStringList refused;
};

#endif
