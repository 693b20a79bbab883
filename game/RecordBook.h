#ifndef SWIRLFALL_RECORDBOOK_H
#define SWIRLFALL_RECORDBOOK_H

#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>

class Level;
class Replay;

// The player's best times: those of the built-in levels in the best-time file (scores.dat, 84
// bytes as ever), and those of levels opened from files in level-records.txt beside it, keyed by
// each level's fingerprint; and beside each record, in replays/, the run that set it. Another game
// may save in between, so a record is judged against the files as they are at that moment, under
// the best-time file's lock, and the run is saved before the time, each atomically: a run is never
// slower than the record beside it.
class RecordBook
{
public:
    // A best-time file that is no file, such as a folder of that name, is no error: the times are
    // kept for the session, as that is said once on standard error.
    RecordBook(const QString &scoreFileName, int levelCount);

    // The folder the records are kept in, where what belongs beside them goes too.
    QString folder() const;
    // A time per built-in level, 0 for none.
    const QList<quint32> &builtInTimes() const { return times; }
    // The best time of level, 0 for none.
    quint32 best(const Level &level) const;
    // The record rule: a pass in time is a record when level has no time yet or a worse one. A
    // record is saved with run, the replay that set it (a failed save of the time is not
    // reported: it stays for this session and the old file stays whole; one of the run is, on
    // standard error). True for a record.
    bool judge(const Level &level, quint32 time, const Replay &run);
    // Whether the record judged last is kept: false when its time could not be saved, for the
    // player to see that it is not.
    bool lastRecordKept() const { return recordKept; }
    // Where the run that set level's record is kept: replays/level-07.txt for a built-in level,
    // replays/<fingerprint>.swirl, the level with the run as its proof, for any other.
    QString runFile(const Level &level) const;
    bool hasRun(const Level &level) const;
    // The run kept for level, read as suspiciously as any file, since anyone may have changed it;
    // false, with a line on standard error for a file that is not such a run, when there is none.
    bool keptRun(const Level &level, Replay *run) const;

private:
    void saveRun(const Level &level, const Replay &run) const;

    QString scoreFileName;
    // False while the best-time file cannot be written, being no file.
    bool timesKept = true;
    bool recordKept = true;
    QString levelRecordsName;
    QList<quint32> times;
    QMap<QString, quint32> fileTimes;
};

#endif
