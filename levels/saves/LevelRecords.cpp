#include "levels/saves/LevelRecords.h"

#include "levels/format/UntrustedText.h"

#include <QList>
#include <QRegularExpression>

namespace LevelRecords {

QMap<QString, quint32> read(const QByteArray &bytes)
{
    static const QRegularExpression entry(QStringLiteral("^([0-9a-f]{16}) ([0-9]{1,10})$"));
    QMap<QString, quint32> times;
    for (const QByteArray &line : bytes.left(maxFileBytes).split('\n')) {
        const QRegularExpressionMatch m = entry.match(QString::fromLatin1(line.trimmed()));
        bool fits = false;
        const quint32 time = m.hasMatch() ? m.captured(2).toUInt(&fits) : 0;
        if (fits && time != 0)
            times = best(times, {{m.captured(1), time}});
    }
    return times;
}

QByteArray write(const QMap<QString, quint32> &times)
{
    QByteArray bytes;
    for (auto it = times.cbegin(); it != times.cend(); ++it) {
        if (it.value() != 0)
            bytes += it.key().toLatin1() + ' ' + QByteArray::number(it.value()) + '\n';
    }
    return bytes;
}

QMap<QString, quint32> load(const QString &path)
{
    QByteArray bytes;
    QString why;
    // Why it cannot be read is never said: what cannot be read holds no records.
    if (!UntrustedText::readFile(path, maxFileBytes, QString(), &bytes, &why))
        return {};
    return read(bytes);
}

QMap<QString, quint32> best(const QMap<QString, quint32> &a, const QMap<QString, quint32> &b)
{
    QMap<QString, quint32> better = a;
    for (auto it = b.cbegin(); it != b.cend(); ++it) {
        const quint32 mine = better.value(it.key());
        if (it.value() != 0 && (mine == 0 || it.value() < mine))
            better.insert(it.key(), it.value());
    }
    return better;
}

} // namespace LevelRecords
