#ifndef SWIRLFALL_DAILYSTREAK_H
#define SWIRLFALL_DAILYSTREAK_H

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QtGlobal>

// The days in a row on which the day's puzzle was passed on its own day (in UTC, as its seed
// names it), and the longest such run. Kept beside the records in a small file of its own,
// replaced whole like them:
//   swirlfall-streak 1
//   days 5
//   longest 9
//   last 2026-12-09
// It is read strictly, as any file may have been changed by hand: one that is not exactly this is
// no streak, and the streak starts afresh.
class DailyStreak
{
public:
    static constexpr char fileName[] = "streak.txt";
    static constexpr qint64 maxFileBytes = 256;

    // False, with why in one line, for bytes that are no streak file.
    static bool read(const QByteArray &bytes, DailyStreak *streak, QString *why);
    QByteArray write() const;

    // The puzzle of day was passed on today: it counts for the streak only on its own day. True
    // when the streak changed.
    bool pass(const QDate &day, const QDate &today);
    // The days in a row as of today: a run that was not carried on yesterday or today is over.
    int days(const QDate &today) const;
    int longest() const { return best; }

private:
    int run = 0;
    int best = 0;
    QDate last;
};

#endif
