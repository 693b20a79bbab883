#include "game/RecordBook.h"

#include "game/LevelRecords.h"
#include "game/ScoreStore.h"
#include "levels/Level.h"

#include <QDir>
#include <QFileInfo>

namespace {
bool beats(quint32 time, quint32 best)
{
    return best == 0 || time < best;
}
} // namespace

RecordBook::RecordBook(const QString &scoreFileName, int levelCount)
    : scoreFileName(scoreFileName),
      levelRecordsName(QFileInfo(scoreFileName).dir().filePath(QLatin1String(LevelRecords::fileName))),
      times(ScoreStore::load(scoreFileName, levelCount)),
      fileTimes(LevelRecords::load(levelRecordsName))
{
}

quint32 RecordBook::best(const Level &level) const
{
    return level.number ? times.value(level.number - 1) : fileTimes.value(level.fingerprint());
}

bool RecordBook::judge(const Level &level, quint32 time)
{
    bool record = false;
    if (level.number) {
        ScoreStore::update(scoreFileName, times, [&](QList<quint32> &merged) {
            quint32 &best = merged[level.number - 1];
            record = beats(time, best);
            if (record)
                best = time;
            return record;
        });
        return record;
    }
    ScoreStore::underLock(scoreFileName, [&] {
        fileTimes = LevelRecords::best(fileTimes, LevelRecords::load(levelRecordsName));
        const QString key = level.fingerprint();
        record = beats(time, fileTimes.value(key));
        if (record) {
            fileTimes.insert(key, time);
            ScoreStore::saveBytes(levelRecordsName, LevelRecords::write(fileTimes));
        }
    });
    return record;
}
