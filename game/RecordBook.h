#ifndef SWIRLFALL_RECORDBOOK_H
#define SWIRLFALL_RECORDBOOK_H

#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>

class Level;

// The player's best times: those of the built-in levels in the best-time file (scores.dat, 84
// bytes as ever), and those of levels opened from files in level-records.txt beside it, keyed by
// each level's fingerprint. Another game may save in between, so a record is judged against the
// files as they are at that moment, under the best-time file's lock, and saved atomically.
class RecordBook
{
public:
    RecordBook(const QString &scoreFileName, int levelCount);

    // A time per built-in level, 0 for none.
    const QList<quint32> &builtInTimes() const { return times; }
    // The best time of level, 0 for none.
    quint32 best(const Level &level) const;
    // The record rule: a pass in time is a record when level has no time yet or a worse one. A
    // record is saved (a failed save is not reported: the time stays for this run and the old
    // file stays whole). True for a record.
    bool judge(const Level &level, quint32 time);

private:
    QString scoreFileName;
    QString levelRecordsName;
    QList<quint32> times;
    QMap<QString, quint32> fileTimes;
};

#endif
