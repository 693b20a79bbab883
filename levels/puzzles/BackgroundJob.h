#ifndef SWIRLFALL_BACKGROUNDJOB_H
#define SWIRLFALL_BACKGROUNDJOB_H

#include <QFutureWatcher>
#include <QObject>

#include <any>
#include <atomic>
#include <functional>

// A long piece of work behind a window, such as the solver's search or a puzzle being made: run
// on another thread, so that the window stays responsive, its progress said in this thread, cancelled
// at once, and its result taken in this thread once it is done. Destroyed, it cancels its work and
// waits for it. The editor's search for a solution and the puzzles being made each run as one.
// (The level library reads many small files instead, each a result of its own as it comes: a
// mapped future, cancelled between files, fits that better; see LevelLibrary.)
class BackgroundJob : public QObject
{
    Q_OBJECT

public:
    // What the work is handed: a flag set when it is cancelled, for it to stop at once, and a way to
    // say how far it has come. Both may be used from the work's own thread.
    struct Control
    {
        const std::atomic<bool> &cancelled;
        std::function<void(int)> progress;
    };
    using Work = std::function<std::any(const Control &control)>;

    explicit BackgroundJob(QObject *parent = nullptr);
    ~BackgroundJob() override;

    bool isRunning() const { return running; }
    // Starts work; false, doing nothing, while another is under way.
    bool start(const Work &work);
    // What the work done last returned, once finished.
    template <class Result>
    Result result() const
    {
        return std::any_cast<Result>(done);
    }

public slots:
    void cancel();

signals:
    // How far the work under way has come, as it says.
    void progressed(int value);
    // The work is done, or stopped when cancelled; its result can be taken either way.
    void finished(bool cancelled);

private:
    void finish();

    QFutureWatcher<std::any> watcher;
    std::atomic<bool> cancelled{false};
    bool running = false;
    // Counts the works started: a progress said by one before it is another's is dropped.
    int started = 0;
    std::any done;
};

#endif
