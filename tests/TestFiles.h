#ifndef SWIRLFALL_TESTFILES_H
#define SWIRLFALL_TESTFILES_H

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// What the tests do with files: a folder of their own to work in, made the working folder while
// it lives (the game keeps "scores.dat" there), a file's bytes as they are now, and a file written.
namespace TestFiles {

class ScratchFolder
{
public:
    ScratchFolder()
        : before(QDir::currentPath())
    {
        QDir::setCurrent(dir.path());
    }
    ~ScratchFolder() { QDir::setCurrent(before); }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    QString path() const { return dir.path(); }
    QString filePath(const QString &name) const { return dir.filePath(name); }

private:
    QTemporaryDir dir;
    QString before;
};

// A file's bytes, none when there is no such file.
inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes a file for a test to read; false when it cannot.
inline bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace TestFiles

#endif
