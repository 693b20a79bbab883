#ifndef SWIRLFALL_SCORESTORE_H
#define SWIRLFALL_SCORESTORE_H

#include <QList>
#include <QString>
#include <QtGlobal>

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
// Replaces the file atomically: on any failure the old file stays whole and nothing is left behind.
bool save(const QString &fileName, const QList<quint32> &times);

} // namespace ScoreStore

#endif
