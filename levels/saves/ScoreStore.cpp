#include "levels/saves/ScoreStore.h"

#include "levels/saves/AtomicWriter.h"

#include "levels/format/UntrustedText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QtEndian>

namespace ScoreStore {
namespace {
constexpr int entrySize = 4;
// Marks the check-value slot while reading; it is dropped either way.
constexpr quint32 placeholder = 0xBEEFCACE;
// A save takes a few milliseconds, but its flush to disk can take far longer on a busy disk, so
// the wait is generous before a save goes ahead without the lock. A lock older than the stale
// time belongs to a game that hangs (a killed holder is noticed at once on this machine; this
// covers other machines and reused process ids).
constexpr int lockWaitMs = 2000;
constexpr int staleLockMs = 10000;

QList<quint32> noTimes(int levelCount)
{
    QList<quint32> times;
    for (int i = 0; i < levelCount; ++i)
        times.append(0);
    return times;
}
} // namespace

QList<quint32> read(QIODevice &device, int levelCount)
{
    QList<quint32> times = noTimes(levelCount);
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

namespace {
QByteArray encode(const QList<quint32> &times)
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
    return bytes;
}
} // namespace

bool write(QIODevice &device, const QList<quint32> &times)
{
    const QByteArray bytes = encode(times);
    return device.write(bytes) == bytes.size();
}

QList<quint32> load(const QString &fileName, int levelCount)
{
    QFile file(fileName);
    // A missing or unreadable file reads as no times at all, and so does a pipe, unopened.
    if (!UntrustedText::notAFile(fileName, QString()).isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return noTimes(levelCount);
    return read(file, levelCount);
}

bool save(const QString &fileName, const QList<quint32> &times, QString *error)
{
    return AtomicWriter::write(fileName, encode(times), error);
}

QList<quint32> best(const QList<quint32> &a, const QList<quint32> &b)
{
    QList<quint32> better = a;
    for (int i = 0; i < better.size() && i < b.size(); ++i) {
        if (b.at(i) != 0 && (better.at(i) == 0 || b.at(i) < better.at(i)))
            better[i] = b.at(i);
    }
    return better;
}

bool update(const QString &fileName, QList<quint32> &times, const std::function<bool(QList<quint32> &)> &change,
            QString *error)
{
    bool saved = true;
    underLock(fileName, [&] {
        times = best(times, load(fileName, int(times.size())));
        saved = !change(times) || save(fileName, times, error);
    });
    return saved;
}

void underLock(const QString &fileName, const std::function<void()> &work)
{
    // The data folder is made when the first record needs it.
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QLockFile lock(fileName + QStringLiteral(".lock"));
    lock.setStaleLockTime(staleLockMs);
    lock.tryLock(lockWaitMs);
    work();
}

} // namespace ScoreStore
