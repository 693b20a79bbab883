#ifndef SWIRLFALL_FRAMECLOCK_H
#define SWIRLFALL_FRAMECLOCK_H

#include <QObject>

class GameWidget;
class QEvent;
class QTimer;

// The frame timer, asleep while nothing moves. After a tick that leaves the game still (see
// GameWidget::needsTicks) it stops; any input, resize or expose the game or its window gets, and
// any action of the window's menus, starts it again. Game time is counted in ticks, so a tick
// skipped while still changes neither a frame nor a record.
class FrameClock : public QObject
{
    Q_OBJECT

public:
    // The timer drives game; the clock watches game and window for what wakes it.
    FrameClock(QTimer *timer, GameWidget *game, QObject *window);

public slots:
    void wake();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void ticked();

private:
    QTimer *timer;
    GameWidget *game;
};

#endif
