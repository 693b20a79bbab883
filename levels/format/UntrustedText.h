#ifndef SWIRLFALL_UNTRUSTEDTEXT_H
#define SWIRLFALL_UNTRUSTEDTEXT_H

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Text from a file that may come from anywhere, quoted in a message that ends up on a terminal.
namespace UntrustedText {

// Cut short and shown only in printable ASCII, every other character as '?'.
QString printable(const QString &text);
// Text a person typed, quoted as typed: letters of any script kept, cut short, and only what cannot
// be shown on a terminal or in a box (control characters and the like) as '?'.
QString typed(const QString &text);
// Why path cannot be read as the kind of file what names ("a level"), seen without opening it: a
// folder, or a pipe, a socket or a device, whose opening or reading could wait for ever. Empty for
// a regular file, or for nothing at all.
QString notAFile(const QString &path, const QString &what);
// The bytes of the file at path, reading one byte more than maxBytes so that a larger file shows
// without being read whole; false with why for what is not a regular file or cannot be opened.
// what names the kind of file, with its article, in the message: "a folder, not a replay".
bool readFile(const QString &path, qint64 maxBytes, const QString &what, QByteArray *bytes, QString *why);
// bytes as text, decoded line by line, so that a byte that is not UTF-8 is named by its line: false,
// with "line 3: not UTF-8 text", for bytes that are not.
bool decode(const QByteArray &bytes, QString *text, QString *why);
// The message for bytes larger than maxBytes, or an empty string when they fit.
QString sizeProblem(const QByteArray &bytes, qint64 maxBytes, const QString &what);

} // namespace UntrustedText

#endif
