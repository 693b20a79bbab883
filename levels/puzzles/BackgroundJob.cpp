#include "levels/puzzles/BackgroundJob.h"

#include <QtConcurrent>

BackgroundJob::BackgroundJob(QObject *parent)
    : QObject(parent)
{
    connect(&watcher, &QFutureWatcherBase::finished, this, &BackgroundJob::finish);
}

BackgroundJob::~BackgroundJob()
{
    if (!running)
        return;
    cancelled = true;
    watcher.waitForFinished();
}

bool BackgroundJob::start(const Work &work)
{
    if (running)
        return false;
    running = true;
    cancelled = false;
    const int run = ++started;
    const auto progress = [this, run](int value) {
        QMetaObject::invokeMethod(
            this,
            [this, run, value] {
                if (running && run == started)
                    emit progressed(value);
            },
            Qt::QueuedConnection);
    };
    watcher.setFuture(QtConcurrent::run([this, work, progress] { return work(Control{cancelled, progress}); }));
    return true;
}

void BackgroundJob::cancel()
{
    if (running)
        cancelled = true;
}

void BackgroundJob::finish()
{
    running = false;
    done = watcher.result();
    emit finished(cancelled);
}
