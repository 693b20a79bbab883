#ifndef SWIRLFALL_LEVELDOCUMENT_H
#define SWIRLFALL_LEVELDOCUMENT_H

#include "app/editor/LevelDraft.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>

class Replay;

// The level an editor works on: the draft, the file it belongs to, and every change as an undoable
// command. Saved, it is a level file that the game reads back as it was made.
class LevelDocument : public QObject
{
    Q_OBJECT

public:
    // Changes that merge when they follow each other.
    enum Merge { NoMerge = -1, Rename = 1, RedBudget, BlueBudget };

    explicit LevelDocument(QObject *parent = nullptr);

    const LevelDraft &draft() const { return current; }
    const Level &level() const { return current.level; }
    QUndoStack *undoStack() { return &stack; }
    // The file it is saved to; empty until it has one.
    const QString &path() const { return filePath; }
    bool isModified() const { return !stack.isClean(); }

    // Applies change as one undoable command named what.
    void edit(const QString &what, const std::function<void(Level &)> &change, int mergeId = NoMerge);
    // A replay that passes the level in its time becomes its proof, undoably.
    void prove(const Replay &proof);

    // A new, empty level; one to start from, such as a copy of a built-in level; a level file.
    void startNew(const QString &path = QString());
    void startFrom(const Level &level, const QString &path = QString());
    bool open(const QString &path, QString *error);
    // Writes the level, with its proof when proven, atomically; refuses what the game could not
    // read back, with the reason.
    bool save(const QString &path, QString *error);

    // For the commands.
    void setDraft(const LevelDraft &draft);

signals:
    void changed();

private:
    LevelDraft current;
    // The level as it was started from.
    Level started;
    QUndoStack stack;
    QString filePath;
};

#endif
