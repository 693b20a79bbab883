#ifndef SWIRLFALL_LEVELIMPORT_H
#define SWIRLFALL_LEVELIMPORT_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Level files copied into a player's own levels: each read first, as any level file is, and
// refused with its reason when it is not one; a level already among them (by fingerprint, in My
// levels or any set of it) is not copied again; a file of the same name already there is never
// overwritten, the copy takes a free name beside it ("name (2).swirl").
class Level;

class LevelImport
{
public:
    struct Copy
    {
        QString from;
        // Where it went; for a level already there, where it is.
        QString to;
    };

    // Copies files into myLevels, made if need be.
    static LevelImport files(const QStringList &files, const QString &myLevels);
    // Copies the level files of set (and its set.txt) into a folder of the same name in myLevels:
    // a set of its own, unless every level of it is there already.
    static LevelImport set(const QString &set, const QString &myLevels);
    // Saves bytes, a level file made here (a puzzle, say), into myLevels as fileName.
    static LevelImport text(const QByteArray &bytes, const QString &fileName, const QString &myLevels);
    // name in folder, or the first of "base (2).ext", "base (3).ext", ... that is not taken.
    static QString freeName(const QString &folder, const QString &name);

    // Copied under the file's own name, or under another where that was taken.
    QList<Copy> copied;
    QList<Copy> present;
    // One line each: "FILE: why".
    QStringList refused;

private:
    // The levels under myLevels, by fingerprint: where each is.
    static QHash<QString, QString> levelsIn(const QString &myLevels);
    void copy(const QStringList &files, const QString &folder, QHash<QString, QString> &known);
    // Where level, from from, would go in folder, or why not; empty when it is there already.
    QString placeFor(const Level &level, const QString &from, const QString &folder, QHash<QString, QString> &known);
};

#endif
