// Fuzz target for the reader of the days passed: whatever days.txt holds, it is days in order, none
// passed before it came, whose marks and runs hold together and that write back as they read, or
// it is refused with one line; never a crash.
#include "levels/saves/DayLog.h"

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
    DayLog days;
    QString why;
    if (!DayLog::read(bytes, &days, &why)) {
        check(!why.isEmpty() && !why.contains(QLatin1Char('\n')));
        return 0;
    }
    check(days.played() <= DayLog::maxDays && days.onTheirDay() <= days.played());
    const QDate today(2026, 12, 31);
    check(days.runEndingOn(today) <= days.onTheirDay() && days.streak().longest() <= days.onTheirDay());
    DayLog again;
    check(DayLog::read(days.write(), &again, &why) && again.write() == days.write() && days.write() == bytes);
    return 0;
}
