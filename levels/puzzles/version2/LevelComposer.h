#ifndef SWIRLFALL_LEVELCOMPOSER_H
#define SWIRLFALL_LEVELCOMPOSER_H

#include "levels/format/Level.h"
#include "levels/format/Replay.h"
#include "levels/puzzles/Candidate.h"
#include "levels/puzzles/Seed.h"

#include <QList>
#include <QPoint>
#include <QPolygon>

#include <optional>
#include <vector>

class SeededRandom;

// Version 2 of the generator's layouts: a level composed around an idea. It starts from a route:
// the particles stand in a formation (a line, an arc, a pair, a cluster), a run of wells, some set
// late and some taken away again, bends their way, and each colour's goal is a shaped area where
// the route ends. Then the arena is built around the route, as the idea has it (a cave, rocks, a
// divider, wedges, a chicane, ledges, an orbit): polygons of any form that keep clear of the route,
// and stand in the way of the straight line from a particle to its goal. Particles and goals keep
// clear of the playfield's texts (SceneLayout's zones). Every number here decides what a seed gives:
// a change to any of them is a new version of the generator.
class LevelComposer
{
public:
    enum Idea { Cave, Rocks, Divider, Wedges, Chicane, Ledges, Orbit, Ideas };

    struct Composed
    {
        Level level;
        Replay planned;
        Idea idea = Cave;
    };

    LevelComposer(Seed::Tier tier, SeededRandom &random);

    // A level and the run it was composed around, or none when this draw does not make one.
    std::optional<Composed> make();

    // What a tier's proofs take.
    static CandidateDemands demands(Seed::Tier tier);

    // The share of the playfield its hazards may cover, for a tier.
    static double minHazardShare();
    static double maxHazardShare();

    // What makes each tier what it is.
    struct Rules;

private:
    // A particle's way from its start: where it is at every tick, until it stops.
    using Path = std::vector<QPoint>;

    // The particles and their route: the first colour's formation, the route planned for it, then
    // perhaps the other colour's.
    bool placeFormation();
    // The other colour's formation, once the first's route is planned.
    bool placeSecond();
    // A formation of size particles of kind in field, as group, clear of the others and the wells.
    bool placeGroup(int group, int kind, int size, const QRect &field, int awayFromDestination = 0);
    bool planRoute();
    // A leg of the route from tick: a well that turns the particles toward target at speed, set
    // and (but for the last, perhaps) taken away again; tick becomes when they come closest to it.
    bool flyToward(const QPoint &target, double speed, bool last, int *tick);
    void addWell(int tick, const QPoint &at, int kind);
    // The paths of the particles under the planned run for ticks, and where each is lost.
    void simulate(int ticks);
    // The tick a particle of group is first lost at.
    int lostOf(int group) const;
    // Each group's goal where it is at a tick of its route, then where each particle enters it.
    bool placeGoals();
    bool goalFits(int group, int tick);
    bool entriesFit();
    bool routesBend() const;
    bool routesCross() const;
    void buildArena();
    void addFeatures();
    // Hazards that grow from the frame's side (or around centre) as far as the route lets them.
    void addSkyline(int side, int cap);
    bool addRock(const QPoint &centre, int radius);
    void addWall(int side, int offset);
    void addWedge(int side);
    void addSlope(int side);
    void addLedges();
    void addPinches();
    void fill();
    void addBlockers();
    bool keep(const QPolygon &hazard);
    bool clear(const QPolygon &hazard) const;
    double hazardShare() const;
    bool blocked(int particle) const;
    QPoint centre(int group) const;
    Composed assemble() const;

    const Rules &rules;
    SeededRandom &random;
    Idea idea = Cave;
    // The particles, in groups of one colour that share a goal.
    QList<Level::Particle> particles;
    QList<int> groupOf;
    int groups = 0;
    int secondKind = 0;
    int secondCount = 0;
    Replay planned;
    QList<QPoint> wells;
    int reds = 0;
    int blues = 0;
    std::vector<Path> paths;
    // The tick each particle is lost at (a well or the frame), and enters its goal at.
    std::vector<int> lost;
    std::vector<int> entry;
    // The first colour's goal's waypoint, and the tick the route reaches it at.
    QPoint destination;
    int arrival = 0;
    // A goal per group, its kind, and the tick it is placed for.
    QList<QPolygon> goals;
    QList<int> goalKinds;
    QList<int> goalTicks;
    int goalCorners = 0;
    double goalStretch = 0;
    QList<QPolygon> hazards;
    // The route's points that hazards keep clear of, and a coarse grid of what is hazard.
    QList<QPoint> route;
    std::vector<char> covered;
    double targetShare = 0;
};

#endif
