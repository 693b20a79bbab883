// Fuzz target for the reader of the streak of days: whatever streak.txt holds, it is a streak whose
// days never pass its longest and that writes back as it read, or it is refused with one line;
// never a crash.
#include "levels/saves/DailyStreak.h"

#include <QByteArray>
#include <QDate>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
void check(bool holds)
{
    if (!holds)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    DailyStreak streak;
    QString why;
    if (!DailyStreak::read(bytes, &streak, &why)) {
        check(!why.isEmpty() && !why.contains(QLatin1Char('\n')));
        return 0;
    }
    const QDate day(2026, 12, 31);
    check(streak.days(day) <= streak.longest());
    DailyStreak again;
    check(DailyStreak::read(streak.write(), &again, &why) && again.write() == streak.write());
    return 0;
}
