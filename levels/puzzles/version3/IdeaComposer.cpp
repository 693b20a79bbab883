#include "levels/puzzles/version3/IdeaComposer.h"

#include "levels/format/LevelCheck.h"
#include "levels/puzzles/LevelFigures.h"
#include "levels/puzzles/Outline.h"
#include "levels/puzzles/SeededRandom.h"
#include "levels/puzzles/version3/Ideas.h"
#include "levels/puzzles/version3/Shapes.h"
#include "render/SceneLayout.h"
#include "sim/Physics.h"

namespace {
// A particle keeps this far from the texts, from the edges of the playfield's free space, from a
// hazard or a goal, and from another particle.
constexpr int textMargin = 14;
constexpr int edgeMargin = 40;
constexpr int shapeMargin = 16;
constexpr int particleSpacing = 24;
constexpr int turns = 4;

// What a room's roof keeps clear of the idea's things, and the highest and lowest it hangs.
constexpr int roomClearance = 70;
constexpr int highestRoof = 60;
constexpr int lowestRoof = 140;
constexpr double roomShare = 0.25;

const QRect textZones[] = {SceneLayout::nameZone, SceneLayout::messageZone, SceneLayout::countsZone, SceneLayout::timesZone};
const QRect particleField(edgeMargin, edgeMargin, Physics::playfieldWidth - 2 * edgeMargin, Physics::playfieldHeight - 2 * edgeMargin);

bool particleFits(const Level::Particle &particle, const Sketch &sketch)
{
    const QPoint at(particle.x, particle.y);
    if (!particleField.contains(at))
        return false;
    for (const QRect &zone : textZones) {
        if (zone.adjusted(-textMargin, -textMargin, textMargin, textMargin).contains(at))
            return false;
    }
    for (const QPolygon &hazard : sketch.hazards()) {
        if (Outline::distance(at, hazard) < shapeMargin)
            return false;
    }
    for (const Level::Shape &goal : sketch.goals()) {
        if (Outline::distance(at, goal.polygon) < shapeMargin)
            return false;
    }
    for (const Level::Particle &other : sketch.particles()) {
        if (&other != &particle && (QPoint(other.x, other.y) - at).manhattanLength() < particleSpacing)
            return false;
    }
    return true;
}

bool goalFits(const Level::Shape &goal)
{
    const QRect bound = goal.polygon.boundingRect();
    for (const QRect &zone : textZones) {
        if (zone.intersects(bound))
            return false;
    }
    return true;
}

// How low a roof may come at x: clear of every particle, goal and hazard of the idea below it.
int roofLimit(const Sketch &sketch, int x)
{
    int limit = lowestRoof;
    const auto below = [&](const QPoint &point) {
        if (point.y() > Shapes::top && qAbs(point.x() - x) < 2 * roomClearance)
            limit = std::min(limit, point.y() - roomClearance);
    };
    for (const Level::Particle &particle : sketch.particles())
        below(QPoint(particle.x, particle.y));
    for (const Level::Shape &goal : sketch.goals()) {
        for (const QPoint &corner : goal.polygon)
            below(corner);
    }
    for (const QPolygon &hazard : sketch.hazards()) {
        for (const QPoint &corner : hazard)
            below(corner);
    }
    return limit;
}
} // namespace

void IdeaComposer::addRoom(Sketch &sketch)
{
    if (!random.chance(roomShare))
        return;
    // A bold slab across the top, level, as low as the idea lets it.
    const int leftLimit = roofLimit(sketch, Shapes::left);
    const int rightLimit = roofLimit(sketch, Shapes::right);
    const int middleLimit = roofLimit(sketch, (Shapes::left + Shapes::right) / 2);
    if (std::min({leftLimit, rightLimit, middleLimit}) < highestRoof)
        return;
    const int level = Sketch::pick(random, highestRoof, std::min({leftLimit, rightLimit, middleLimit}));
    sketch.hazard({{Shapes::left, Shapes::top}, {Shapes::right, Shapes::top}, {Shapes::right, level}, {Shapes::left, level}});
}

IdeaComposer::IdeaComposer(Seed::Tier tier, SeededRandom &random)
    : tier(tier),
      random(random)
{
}

bool IdeaComposer::fits(const Sketch &sketch)
{
    for (const Level::Particle &particle : sketch.particles()) {
        if (!particleFits(particle, sketch))
            return false;
    }
    for (const Level::Shape &goal : sketch.goals()) {
        if (!goalFits(goal))
            return false;
    }
    const Level level = sketch.level();
    return LevelCheck::hiddenHazards(level).isEmpty() && LevelFigures::sealedPockets(level) == 0;
}

int IdeaComposer::drawIdea()
{
    int count = 0;
    const Ideas::Idea *ideas = Ideas::table(&count);
    int total = 0;
    for (int i = 0; i < count; ++i)
        total += ideas[i].weights[tier];
    int drawn = random.uniform(0, total - 1);
    int chosen = 0;
    while (drawn >= ideas[chosen].weights[tier])
        drawn -= ideas[chosen++].weights[tier];
    return chosen;
}

std::optional<IdeaComposer::Composed> IdeaComposer::make(int idea)
{
    int count = 0;
    const Ideas::Idea *ideas = Ideas::table(&count);
    const int chosen = idea;
    std::optional<Sketch> sketch = ideas[chosen].draw(tier, random);
    if (!sketch)
        return std::nullopt;
    addRoom(*sketch);
    // Left for right as it comes; upside down only when neither way fits, as what stands on the
    // floor reads best there.
    const bool first = random.chance(0.5);
    for (int turn = 0; turn < turns; ++turn) {
        const Sketch turned = sketch->mirrored(first != bool(turn & 1), turn & 2);
        if (fits(turned))
            return Composed{turned.level(), ideas[chosen].name};
    }
    return std::nullopt;
}
