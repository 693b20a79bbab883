#include "game/AutoPause.h"

#include "game/GameWidget.h"

#include <QEvent>

AutoPause::AutoPause(GameWidget *game, QWidget *window)
    : QObject(window),
      game(game),
      window(window)
{
    window->installEventFilter(this);
}

bool AutoPause::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window)
        return false;
    const bool left = event->type() == QEvent::ActivationChange && !window->isActiveWindow();
    const bool minimised = event->type() == QEvent::WindowStateChange && window->isMinimized();
    if (left || minimised || event->type() == QEvent::Hide)
        game->pause();
    return false;
}
