#include "levels/format/Level.h"

#include "sim/LevelState.h"
#include "sim/Physics.h"

#include <QCryptographicHash>

namespace {
// 64 bits of the hash: no player keeps enough levels for two to meet.
constexpr int fingerprintBytes = 8;
} // namespace

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
    constexpr int band = Physics::frameBand;
    constexpr int width = Physics::playfieldWidth;
    constexpr int height = Physics::playfieldHeight;
    return QPolygon({QPoint(-outside, -outside), QPoint(width + outside, -outside),
                     QPoint(width + outside, height + outside), QPoint(-outside, height + outside),
                     QPoint(-outside, -outside), QPoint(band, band), QPoint(band, height - band),
                     QPoint(width - band, height - band), QPoint(width - band, band), QPoint(band, band)});
}

QString Level::fingerprint() const
{
    QByteArray played = QByteArray::number(redWells) + ' ' + QByteArray::number(blueWells);
    for (const Particle &particle : particles)
        played += QStringLiteral("\np %1 %2 %3")
                      .arg(QString::number(particle.kind), QString::number(particle.x), QString::number(particle.y))
                      .toLatin1();
    for (const Shape &area : areas) {
        played += "\na " + QByteArray::number(area.kind);
        for (const QPoint &point : area.polygon)
            played += ' ' + QByteArray::number(point.x()) + ' ' + QByteArray::number(point.y());
    }
    const QByteArray hash = QCryptographicHash::hash(played, QCryptographicHash::Sha256);
    return QString::fromLatin1(hash.left(fingerprintBytes).toHex());
}

bool Level::playsLike(const Level &other) const
{
    return redWells == other.redWells && blueWells == other.blueWells && particles == other.particles
        && areas == other.areas;
}
