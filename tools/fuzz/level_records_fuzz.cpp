// Fuzz target for the reader of the records of level files, which a player may edit by hand:
// whatever the file holds, the reader keeps only well-formed entries with a time, reads back the
// same from what it writes, and never crashes.
#include "levels/saves/LevelRecords.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    constexpr int fingerprintDigits = 16;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QMap<QString, quint32> times = LevelRecords::read(bytes);
    for (auto it = times.cbegin(); it != times.cend(); ++it) {
        if (it.key().size() != fingerprintDigits || it.value() == 0)
            std::abort();
    }
    if (LevelRecords::read(LevelRecords::write(times)) != times)
        std::abort();
    return 0;
}
