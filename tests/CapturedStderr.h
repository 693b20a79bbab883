#ifndef SWIRLFALL_CAPTUREDSTDERR_H
#define SWIRLFALL_CAPTUREDSTDERR_H

#include <QByteArray>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

// What the game writes to standard error while one of these lives, for a test to read: the lines
// a player would find in a terminal.
class CapturedStderr
{
public:
    CapturedStderr()
    {
        file.open();
        std::fflush(stderr);
        saved = dup(STDERR_FILENO);
        dup2(file.handle(), STDERR_FILENO);
    }
    ~CapturedStderr() { restore(); }

    // Everything written so far; standard error is the terminal's again after the first call.
    QByteArray text()
    {
        restore();
        file.seek(0);
        return file.readAll();
    }

private:
    void restore()
    {
        if (saved < 0)
            return;
        std::fflush(stderr);
        dup2(saved, STDERR_FILENO);
        close(saved);
        saved = -1;
    }

    QTemporaryFile file;
    int saved = -1;
};

#endif
