#ifndef SWIRLFALL_DAYLOG_H
#define SWIRLFALL_DAYLOG_H

#include "levels/saves/DailyStreak.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>

// The days whose puzzle was passed, on its own day (in UTC, as its seed names it) or late, each
// with the best time, the wells and the hints of that kind of pass: what the calendar of days and
// the results to share are made from. Kept beside the records in a file of its own, replaced whole,
// a day a line: the day, the day it was first passed on, the time in ms, the wells set and the
// hints taken.
//   swirlfall-days 1
//   2026-12-09 2026-12-09 4810 2 0
//   2026-12-10 2026-12-12 3250 3 2
// Read strictly: the days in order, each once, none passed before its day.
class DayLog
{
public:
    static constexpr char fileName[] = "days.txt";
    // More than a lifetime of days; the oldest go first past it.
    static constexpr int maxDays = 20000;
    static constexpr qint64 maxFileBytes = 1 << 20;

    enum Mark { Unplayed, OnItsDay, Late, Missed };

    struct Day
    {
        bool onItsDay() const { return passedOn == day; }

        QDate day;
        QDate passedOn;
        quint32 ms = 0;
        int wells = 0;
        int hints = 0;
    };

    // False, with why in one line, for bytes that are no file of days.
    static bool read(const QByteArray &bytes, DayLog *log, QString *why);
    QByteArray write() const;

    // The puzzle of passed.day passed on passed.passedOn: true when what is kept changed. A pass
    // before its day counts for no day; a faster pass of the same kind keeps its time, wells and hints.
    bool pass(const Day &passed);
    // The day's, or null.
    const Day *find(const QDate &day) const;
    // How the calendar marks day as of today: a day before today not passed on its day is missed,
    // from the first day anything was passed on.
    Mark mark(const QDate &day, const QDate &today) const;
    // The days whose puzzle was passed, on its day or late.
    int played() const { return int(kept.size()); }
    int onTheirDay() const;
    // The days in a row passed on their day, up to day; 0 when day's was not.
    int runEndingOn(const QDate &day) const;
    // The streak the days passed on their day make, for when the streak's own file is lost.
    DailyStreak streak() const;

private:
    QMap<QDate, Day> kept;
    QDate firstPlayed;
};

#endif
