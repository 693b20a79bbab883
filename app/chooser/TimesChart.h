#ifndef SWIRLFALL_TIMESCHART_H
#define SWIRLFALL_TIMESCHART_H

#include "levels/saves/DayLog.h"

#include <QWidget>

// The player's times on the puzzles of the days of a month, as bars a day wide: a bar for each
// day whose puzzle was passed, as high as its time, coloured as the calendar marks it.
class TimesChart : public QWidget
{
    Q_OBJECT

public:
    explicit TimesChart(const DayLog *days, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void showMonth(int year, int month);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const DayLog *days;
    QDate first;
};

#endif
