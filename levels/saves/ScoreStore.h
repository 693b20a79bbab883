#ifndef SWIRLFALL_SCORESTORE_H
#define SWIRLFALL_SCORESTORE_H

#include <QList>
#include <QString>
#include <QtGlobal>

#include <functional>

class QIODevice;

// The best-time file: one unsigned 32-bit little-endian entry per level, in level order, then
// their sum modulo 2^32 as a check value. Twenty levels make 84 bytes. The check value is
// written but never verified, so hand-edited files keep loading.
namespace ScoreStore {

// Returns levelCount entries; what the device lacks stays 0. At most levelCount + 1 entries are
// read (the last is the check value), a trailing fragment and anything beyond are ignored.
QList<quint32> read(QIODevice &device, int levelCount);
// Writes every entry and the check value; false if the device took less than all of it.
bool write(QIODevice &device, const QList<quint32> &times);

QList<quint32> load(const QString &fileName, int levelCount);
// Replaces the file atomically (see AtomicWriter).
bool save(const QString &fileName, const QList<quint32> &times, QString *error = nullptr);

// Per level the better of two lists of times: the smaller, where 0 means not passed.
QList<quint32> best(const QList<quint32> &a, const QList<quint32> &b);

// Another game may have saved since times were read. Under a lock beside the file (whose folder
// it makes if need be), takes into times the better of each of the file's times as they are now
// (a file that cannot be read holds none), then lets change alter them and saves them if it
// returns true, so that a save never writes a time worse than the one it replaces. When the lock
// cannot be had within a short wait (or its holder was killed and it has gone stale), it goes on
// without: a new record is not lost for it. Returns false when change asked for a save that
// failed, and error, if given, says why.
bool update(const QString &fileName, QList<quint32> &times, const std::function<bool(QList<quint32> &)> &change,
            QString *error = nullptr);
// Runs work under that lock, for whatever is saved beside the file and must agree with it.
void underLock(const QString &fileName, const std::function<void()> &work);

} // namespace ScoreStore

#endif
