#include "levels/Level.h"

#include "sim/LevelState.h"
#include "sim/Physics.h"

bool Level::Particle::operator==(const Particle &other) const
{
    return kind == other.kind && x == other.x && y == other.y;
}

bool Level::Shape::operator==(const Shape &other) const
{
    return kind == other.kind && polygon == other.polygon;
}

LevelState Level::newState() const
{
    LevelState state(0, 0);
    for (const Particle &particle : particles)
        state.addParticle(particle.kind, particle.x, particle.y);
    for (const Shape &area : areas)
        state.addArea(area.kind, area.polygon);
    state.setWellCounts(blueWells, redWells);
    state.addArea(Hazard, framePolygon());
    return state;
}

QPolygon Level::framePolygon()
{
    constexpr int outside = 40;
    constexpr int band = 20;
    constexpr int width = Physics::playfieldWidth;
    constexpr int height = Physics::playfieldHeight;
    return QPolygon({QPoint(-outside, -outside), QPoint(width + outside, -outside),
                     QPoint(width + outside, height + outside), QPoint(-outside, height + outside),
                     QPoint(-outside, -outside), QPoint(band, band), QPoint(band, height - band),
                     QPoint(width - band, height - band), QPoint(width - band, band), QPoint(band, band)});
}
