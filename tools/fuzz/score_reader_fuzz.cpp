// Fuzz target for the best-time reader: whatever "scores.dat" holds, the reader returns one
// entry per level, decodes the complete entries it reads, ignores the rest, and never crashes.
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/saves/ScoreStore.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    constexpr int levels = LevelCatalogue::levelCount;
    QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QList<quint32> times = ScoreStore::read(buffer, levels);
    if (times.size() != levels)
        std::abort();
    for (int i = 0; i < levels; ++i) {
        quint32 expected = 0;
        if (size >= size_t(4 * (i + 1))) {
            for (int b = 3; b >= 0; --b)
                expected = (expected << 8) | data[4 * i + b];
        }
        if (times.at(i) != expected)
            std::abort();
    }
    // At most the entries and the check value are consumed; a longer file is left unread.
    if (buffer.pos() > 4 * (levels + 1))
        std::abort();
    return 0;
}
