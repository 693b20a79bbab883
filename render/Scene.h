#ifndef SWIRLFALL_SCENE_H
#define SWIRLFALL_SCENE_H

#include <QList>
#include <QPoint>
#include <QString>
#include <QtGlobal>

#include <optional>

class LevelState;

// What one frame of the game shows, as the game widget hands it to painting: everything the
// frame's pixels depend on.
struct Scene
{
    // A well of a level's proof, shown to a player as a hint: where, of which kind, at which tick
    // the proof sets it and, if it takes it away again, at which tick it does.
    struct Hint
    {
        bool operator==(const Hint &other) const
        {
            return at == other.at && kind == other.kind && tick == other.tick && takenAt == other.takenAt;
        }

        QPoint at;
        int kind = 0;
        int tick = 0;
        std::optional<int> takenAt;
    };

    // Painting advances its wells' grow-in and fade-out.
    LevelState *level = nullptr;
    // The level's number, as the status messages give it (0 for a level from elsewhere, which has
    // none), and its name.
    int number = 0;
    QString name;
    quint32 time = 0;
    quint32 record = 0;
    bool newRecord = false;
    // False for a record that could not be saved: the player is told it is not kept.
    bool recordKept = true;
    bool dragging = false;
    QPoint dragStart;
    QPoint pointer;
    bool highScores = false;
    // The high-score table: a time per level, 0 for none, and the levels' names.
    QList<quint32> bestTimes;
    QList<QString> levelNames;
    // A line over the help strip, in the help's place, such as how to stop a watched solution;
    // empty for none.
    QString note;
    // A pause screen hides the level.
    bool paused = false;
    // False for a level from elsewhere whose proof is missing or fails: "Not proven" shows.
    bool proven = true;
    // A left click after the level ends goes on to the next level; else it plays it again.
    bool clickGoesOn = true;
    // A line under the message before the level starts and once it has ended, such as a puzzle's
    // tier and difficulty; empty for none.
    QString endNote;
    // The hints shown over the playfield, in the order the proof sets them; none for a player who
    // asked for none.
    QList<Hint> hints;
};

#endif
