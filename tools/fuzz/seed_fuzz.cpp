// Fuzz target for the reader of seeds, which a player types or pastes, or sends on the command
// line: whatever the text, it is a seed or refused with one line; a seed read is written back as
// it reads, and names its level with a name a level may have.
#include "levels/format/LevelFile.h"
#include "levels/puzzles/Seed.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A seed is a line at most: anything longer is no seed anyway.
    constexpr size_t longest = 256;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(std::min(size, longest)));
    Seed seed;
    QString why;
    if (!Seed::parse(text, &seed, &why)) {
        if (why.isEmpty() || why.contains(QLatin1Char('\n')))
            std::abort();
        return 0;
    }
    Seed again;
    if (!Seed::parse(seed.text(), &again, &why) || again.text() != seed.text())
        std::abort();
    const QString name = seed.fileName();
    if (name.isEmpty() || name.size() > LevelFile::maxNameLength)
        std::abort();
    for (const QChar c : name) {
        if (!c.isPrint())
            std::abort();
    }
    return 0;
}
