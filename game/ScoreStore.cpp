#include "game/ScoreStore.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

namespace ScoreStore {
namespace {
constexpr int entrySize = 4;
// Marks the check-value slot while reading; it is dropped either way.
constexpr quint32 placeholder = 0xBEEFCACE;
} // namespace

QList<quint32> read(QIODevice &device, int levelCount)
{
    QList<quint32> times(levelCount, 0);
    times.append(placeholder);
    for (int i = 0; i < times.size(); ++i) {
        uchar bytes[entrySize];
        if (device.read(reinterpret_cast<char *>(bytes), entrySize) != entrySize)
            break;
        times[i] = qFromLittleEndian<quint32>(bytes);
    }
    times.removeLast();
    return times;
}

bool write(QIODevice &device, const QList<quint32> &times)
{
    QByteArray bytes(entrySize * (times.size() + 1), Qt::Uninitialized);
    uchar *out = reinterpret_cast<uchar *>(bytes.data());
    quint32 sum = 0;
    for (quint32 time : times) {
        qToLittleEndian(time, out);
        out += entrySize;
        sum += time;
    }
    qToLittleEndian(sum, out);
    return device.write(bytes) == bytes.size();
}

QList<quint32> load(const QString &fileName, int levelCount)
{
    QFile file(fileName);
    // A missing or unreadable file reads as no times at all.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return QList<quint32>(levelCount, 0);
    return read(file, levelCount);
}

bool save(const QString &fileName, const QList<quint32> &times)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!write(file, times)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace ScoreStore
