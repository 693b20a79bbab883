#ifndef SWIRLFALL_DAYSCALENDAR_H
#define SWIRLFALL_DAYSCALENDAR_H

#include "levels/saves/DayLog.h"

#include <QCalendarWidget>
#include <QPixmap>

// A month of days, each marked as its puzzle went: passed on its day, passed late, or missed; today
// framed. Days still to come cannot be chosen. Its names of months and days, and the first day of
// its weeks, are the language's the game speaks.
class DaysCalendar : public QCalendarWidget
{
    Q_OBJECT

public:
    // The marks come from days, read each time a cell is painted.
    explicit DaysCalendar(const DayLog *days, QWidget *parent = nullptr);

    // The colour a mark is drawn in, and a chart's bar of that day.
    static QColor markColor(DayLog::Mark mark);
    // A mark as a legend shows it, the size of a line of text.
    static QPixmap markPicture(DayLog::Mark mark, int size);
    // Today as the calendar knows it (UTC): the last day that can be chosen.
    void setToday(const QDate &today);

protected:
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    void paintCell(QPainter *painter, const QRect &rect, QDate date) const override;
#else
    void paintCell(QPainter *painter, const QRect &rect, const QDate &date) const override;
#endif

private:
    const DayLog *days;
    QDate today;
};

#endif
