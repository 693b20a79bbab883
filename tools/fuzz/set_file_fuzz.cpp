// Fuzz target for the reader of a level set's set.txt, which comes with a set from anywhere:
// whatever the bytes, it finds no name or one a level may have (1 to 40 printable characters),
// which a list of collections shows as it is, and never crashes or hangs.
#include "levels/format/LevelFile.h"
#include "levels/library/LevelCollection.h"

#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QString name = LevelCollection::setName(bytes);
    if (name.toUcs4().size() > LevelFile::maxNameLength || name != name.trimmed())
        std::abort();
    for (const QChar c : name) {
        if (!c.isPrint())
            std::abort();
    }
    LevelCollection set;
    set.kind = LevelCollection::Set;
    set.title = name;
    for (size_t i = 0; i < size % 3; ++i)
        set.files.append(QStringLiteral("level.swirl"));
    if (set.label() != name + QStringLiteral(" (") + QString::number(set.files.size()) + QLatin1Char(')'))
        std::abort();
    return 0;
}
