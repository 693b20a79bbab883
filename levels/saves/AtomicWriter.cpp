#include "levels/saves/AtomicWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace AtomicWriter {

bool write(const QString &fileName, const QByteArray &bytes, QString *error)
{
    QSaveFile file(fileName);
    // Unbuffered, so that a short write shows in write()'s count: a buffered flush that stops
    // half-way (a full disk) is not reported, and commit() would rename a truncated file.
    const bool saved = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size()
        && file.commit();
    if (!saved && error)
        *error = file.errorString();
    return saved;
}

bool writeKept(const QString &fileName, const QByteArray &bytes, QString *error)
{
    if (QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return write(fileName, bytes, error);
    if (error)
        *error = QCoreApplication::translate("AtomicWriter", "its folder cannot be made");
    return false;
}

} // namespace AtomicWriter
