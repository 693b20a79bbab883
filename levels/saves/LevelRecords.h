#ifndef SWIRLFALL_LEVELRECORDS_H
#define SWIRLFALL_LEVELRECORDS_H

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QtGlobal>

// The best times of levels opened from files, kept apart from scores.dat: text, one level a line,
// "<fingerprint> <ms>", the level's 16 hexadecimal digits and its time. Read with suspicion, as
// any file may have been changed by hand: a line that is not one of these is skipped, and no more
// than maxFileBytes are read. A time of 0 is no time, as in scores.dat.
namespace LevelRecords {

constexpr qint64 maxFileBytes = 1 << 20;
constexpr char fileName[] = "level-records.txt";

QMap<QString, quint32> read(const QByteArray &bytes);
QByteArray write(const QMap<QString, quint32> &times);
QMap<QString, quint32> load(const QString &path);
// Per level the better of two sets of times.
QMap<QString, quint32> best(const QMap<QString, quint32> &a, const QMap<QString, quint32> &b);

} // namespace LevelRecords

#endif
