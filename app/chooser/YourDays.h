#ifndef SWIRLFALL_YOURDAYS_H
#define SWIRLFALL_YOURDAYS_H

#include <QDate>
#include <QDialog>

class DaysCalendar;
class PuzzleSession;
class QLabel;
class QPushButton;
class TimesChart;

// The days at a glance: a month of the puzzles of the days, each marked passed on its day, passed
// late or missed, browsable to earlier months; the days in a row now and at most, the days played;
// the times of the month's days as a chart; and for the day chosen, what became of it and the
// result to share. A day chosen plays its puzzle, late unless it is today's.
class YourDays : public QDialog
{
    Q_OBJECT

public:
    // What it shows is the session's: the streak and the days passed.
    explicit YourDays(const PuzzleSession *session, QWidget *parent = nullptr);

    DaysCalendar *calendar() const { return month; }
    TimesChart *chart() const { return times; }
    // What is said of the day chosen, and of the streak, as shown.
    QString dayText() const;
    QString streakText() const;

public slots:
    // Shows the days as they are now, on today's month.
    void showDays();
    // Plays the puzzle of the day chosen.
    void play();
    void copyResult();

signals:
    void dayChosen(const QDate &day);

private slots:
    void describeDay();
    void refresh();

private:
    QWidget *buildLegend();

    const PuzzleSession *session;
    DaysCalendar *month;
    TimesChart *times;
    QLabel *streak;
    QLabel *chartTitle;
    QLabel *day;
    QLabel *result;
    QPushButton *playButton;
    QPushButton *resultButton;
};

#endif
