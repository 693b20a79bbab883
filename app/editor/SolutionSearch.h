#ifndef SWIRLFALL_SOLUTIONSEARCH_H
#define SWIRLFALL_SOLUTIONSEARCH_H

#include "levels/format/Level.h"
#include "levels/format/Replay.h"
#include "levels/puzzles/BackgroundJob.h"

#include <QObject>

// The game's solver, run in the background so that the editor stays responsive: it reports its
// progress, stops at a time limit or at once when cancelled, and checks a solution it finds by
// replaying it before handing it over.
class SolutionSearch : public QObject
{
    Q_OBJECT

public:
    explicit SolutionSearch(QObject *parent = nullptr);

    bool isRunning() const { return job.isRunning(); }

public slots:
    void start(const Level &level, int seconds);
    void cancel();

signals:
    // The share of the time limit used, in percent.
    void progressed(int percent);
    // A solution of level that its replay shows to pass it in the time it states.
    void found(const Level &level, const Replay &solution);
    // None within the time limit, or cancelled.
    void notFound(bool cancelled);

private slots:
    void finish(bool cancelled);

private:
    BackgroundJob job;
    Level searched;
};

#endif
