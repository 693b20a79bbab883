#ifndef SWIRLFALL_ATOMICWRITER_H
#define SWIRLFALL_ATOMICWRITER_H

#include <QByteArray>
#include <QString>

// Every file the game writes (best times, records, runs, a level saved by the editor) is replaced
// whole or not at all: on any failure the old file stays as it was, nothing is left behind, and
// error, if given, says why. The folder must exist.
namespace AtomicWriter {

bool write(const QString &fileName, const QByteArray &bytes, QString *error = nullptr);

// The same for a file the game keeps by itself beside its records, whose folder it makes first:
// on a first run from the desktop menu the data folder does not exist yet.
bool writeKept(const QString &fileName, const QByteArray &bytes, QString *error = nullptr);

} // namespace AtomicWriter

#endif
