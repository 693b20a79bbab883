// Fuzz target for the replay reader, which reads files from anywhere (swirlfall --replay FILE):
// whatever the bytes, it either accepts a replay some player could have made (a level that
// exists, actions within a pointer's reach of the playfield, ticks that never go back, wells of a
// kind that exists), which reads back the same from its own text, or refuses it with one
// printable line. It never crashes or hangs.
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/Replay.h"
#include "sim/LevelObject.h"
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

bool sameActions(const Replay &a, const Replay &b)
{
    if (a.actions.size() != b.actions.size())
        return false;
    for (int i = 0; i < a.actions.size(); ++i) {
        const Replay::Action &x = a.actions.at(i);
        const Replay::Action &y = b.actions.at(i);
        if (x.tick != y.tick || x.type != y.type || x.x != y.x || x.y != y.y
            || (x.type == Replay::Action::Well && x.kind != y.kind))
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    Replay replay;
    QString error;
    if (!Replay::read(bytes, LevelCatalogue::levelCount, &replay, &error)) {
        check(!error.isEmpty());
        for (const QChar c : error)
            check(c.unicode() >= 0x20 && c.unicode() != 0x7f);
        return 0;
    }
    check(replay.level >= 1 && replay.level <= LevelCatalogue::levelCount);
    for (int i = 0; i < replay.actions.size(); ++i) {
        const Replay::Action &action = replay.actions.at(i);
        check(action.tick >= 0 && (i == 0 || action.tick >= replay.actions.at(i - 1).tick));
        check(action.x >= -Physics::playfieldWidth && action.x < 2 * Physics::playfieldWidth
              && action.y >= -Physics::playfieldHeight && action.y < 2 * Physics::playfieldHeight);
        check(action.type == Replay::Action::Remove || action.kind == RedWell || action.kind == BlueWell);
    }
    Replay again;
    check(Replay::parse(replay.toText(), LevelCatalogue::levelCount, &again, &error));
    check(again.level == replay.level && again.time == replay.time && sameActions(again, replay));
    return 0;
}
