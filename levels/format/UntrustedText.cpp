#include "levels/format/UntrustedText.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStringList>

namespace UntrustedText {

QString printable(const QString &text)
{
    constexpr int shown = 40;
    constexpr ushort firstPrintable = 0x20;
    constexpr ushort deleteCharacter = 0x7f;
    QString quoted;
    for (const QChar c : text.left(shown))
        quoted += c.unicode() >= firstPrintable && c.unicode() < deleteCharacter ? c : QLatin1Char('?');
    return text.size() > shown ? quoted + QStringLiteral("...") : quoted;
}

QString typed(const QString &text)
{
    constexpr int shown = 40;
    const auto characters = text.toUcs4();
    QString quoted;
    for (int i = 0; i < characters.size() && i < shown; ++i) {
        const uint c = characters.at(i);
        quoted += QChar::isPrint(c) ? QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1) : QStringLiteral("?");
    }
    return characters.size() > shown ? quoted + QStringLiteral("...") : quoted;
}

QString notAFile(const QString &path, const QString &what)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QCoreApplication::translate("UntrustedText", "a folder, not %1").arg(what);
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("UntrustedText", "not a regular file, not %1").arg(what);
    return QString();
}

bool readFile(const QString &path, qint64 maxBytes, const QString &what, QByteArray *bytes, QString *why)
{
    *why = notAFile(path, what);
    if (!why->isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return false;
    }
    *bytes = file.read(maxBytes + 1);
    return true;
}

bool decode(const QByteArray &bytes, QString *text, QString *why)
{
    const QList<QByteArray> lines = bytes.split('\n');
    QStringList decoded;
    for (int i = 0; i < lines.size(); ++i) {
        decoded.append(QString::fromUtf8(lines.at(i)));
        if (decoded.last().toUtf8() != lines.at(i)) {
            *why = QCoreApplication::translate("UntrustedText", "line %1: not UTF-8 text").arg(i + 1);
            return false;
        }
    }
    *text = decoded.join(QLatin1Char('\n'));
    return true;
}

QString sizeProblem(const QByteArray &bytes, qint64 maxBytes, const QString &what)
{
    constexpr int kibibyte = 1024;
    if (bytes.size() <= maxBytes)
        return QString();
    return QCoreApplication::translate("UntrustedText", "larger than %1 KiB, too large for %2").arg(QString::number(maxBytes / kibibyte), what);
}

} // namespace UntrustedText
