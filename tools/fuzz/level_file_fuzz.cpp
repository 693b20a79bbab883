// Fuzz target for the level file reader, which reads files from anywhere (swirlfall FILE.swirl,
// --verify, Open level): whatever the bytes, it either accepts a level some editor could have
// made (a name, budgets, particles and areas within their limits, every point on the playfield),
// which reads back the same from its own text, or refuses it with one printable line naming the
// line. It never crashes or hangs.
#include "levels/format/Level.h"
#include "levels/format/LevelFile.h"
#include "sim/Physics.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
void check(bool holds)
{
    if (!holds)
        std::abort();
}

bool onPlayfield(int x, int y)
{
    return x >= 0 && x <= Physics::playfieldWidth && y >= 0 && y <= Physics::playfieldHeight;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    Level level;
    QString error;
    if (!LevelFile::read(bytes, &level, &error)) {
        check(!error.isEmpty());
        for (const QChar c : error)
            check(c.unicode() >= 0x20 && c.unicode() != 0x7f);
        return 0;
    }
    check(!level.name.isEmpty() && level.name.size() <= 2 * LevelFile::maxNameLength);
    check(level.redWells >= 0 && level.redWells <= LevelFile::maxWells);
    check(level.blueWells >= 0 && level.blueWells <= LevelFile::maxWells);
    check(!level.particles.isEmpty() && level.particles.size() <= LevelFile::maxParticles);
    check(level.areas.size() <= LevelFile::maxAreas);
    for (const Level::Particle &particle : level.particles)
        check(onPlayfield(particle.x, particle.y));
    for (const Level::Shape &area : level.areas) {
        check(area.polygon.size() >= LevelFile::minPoints && area.polygon.size() <= LevelFile::maxPoints);
        for (const QPoint &point : area.polygon)
            check(onPlayfield(point.x(), point.y()));
    }
    Level again;
    check(LevelFile::read(LevelFile::toText(level).toUtf8(), &again, &error));
    check(again.name == level.name && again.playsLike(level) && again.proof.has_value() == level.proof.has_value());
    check(!level.proof || again.proof->toText() == level.proof->toText());
    return 0;
}
