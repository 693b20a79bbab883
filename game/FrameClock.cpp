#include "game/FrameClock.h"

#include "game/GameWidget.h"

#include <QEvent>
#include <QTimer>

FrameClock::FrameClock(QTimer *timer, GameWidget *game, QObject *window)
    : QObject(window),
      timer(timer),
      game(game)
{
    // After the game's own slot, which was connected first.
    connect(timer, &QTimer::timeout, this, &FrameClock::ticked);
    // A level dropped on a still window, say, comes with no input to wake it.
    connect(game, &GameWidget::levelStarted, this, &FrameClock::wake);
    game->installEventFilter(this);
    window->installEventFilter(this);
}

void FrameClock::wake()
{
    if (!timer->isActive())
        timer->start();
}

void FrameClock::ticked()
{
    if (!game->needsTicks())
        timer->stop();
}

bool FrameClock::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Paint:
    case QEvent::WindowStateChange:
    case QEvent::ActivationChange:
        wake();
        break;
    default:
        break;
    }
    return false;
}
