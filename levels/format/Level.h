#ifndef SWIRLFALL_LEVEL_H
#define SWIRLFALL_LEVEL_H

#include "levels/format/Replay.h"

#include <QList>
#include <QPolygon>
#include <QString>

#include <optional>

class LevelState;

// A level as it is made: a name, the well budgets, the particles and the areas, each in order,
// and perhaps a proof that it can be passed. The game adds the frame around the playfield when it
// plays one.
class Level
{
public:
    struct Particle
    {
        bool operator==(const Particle &other) const;

        int kind = 0;
        int x = 0;
        int y = 0;
    };

    struct Shape
    {
        bool operator==(const Shape &other) const;

        int kind = 0;
        QPolygon polygon;
    };

    // The live level, as every level is loaded: its particles, then its areas, the budgets, and
    // the frame as the last area.
    LevelState newState() const;
    // The hazard ring around the playfield: a 20 px band inside the edge, reaching 40 px beyond
    // it, under the even-odd rule.
    static QPolygon framePolygon();
    // Names what is played (budgets, particles, areas), not the name or the proof: two levels
    // with the same fingerprint play alike, and a record of one is a record of the other.
    QString fingerprint() const;
    // The same level to play: all but the name and the proof.
    bool playsLike(const Level &other) const;

    // 1 to 20 for a level built into the game, 0 for any other.
    int number = 0;
    QString name;
    int redWells = 0;
    int blueWells = 0;
    QList<Particle> particles;
    QList<Shape> areas;
    // A replay that passes it, in the time it states.
    std::optional<Replay> proof;
    // The comment right after its file's first line, such as the seed a puzzle was made from and
    // what its proof takes: kept as it is, written back where it was read.
    QString note;
};

#endif
