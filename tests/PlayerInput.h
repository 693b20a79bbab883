#ifndef SWIRLFALL_PLAYERINPUT_H
#define SWIRLFALL_PLAYERINPUT_H

#include "levels/format/Replay.h"

#include <QApplication>
#include <QEvent>
#include <QList>
#include <QPoint>
#include <QRandomGenerator>

#include <functional>

class GameWidget;
class QWidget;

// What a player's mouse and keyboard send, delivered straight to game widgets.
namespace PlayerInput {

void mouse(QWidget *widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, const QPoint &at);
void key(QWidget *widget, QEvent::Type type, int key);
// A replay's action as a player makes it, with real mouse events.
void perform(QWidget *widget, const Replay::Action &action);
// A click on the frame band: starts a Ready level without touching a well.
void start(QWidget *widget);
// The first window of that class on the screen, as a player finds one that opened.
template <class Window>
Window *topLevel()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (Window *found = qobject_cast<Window *>(top))
            return found;
    }
    return nullptr;
}
// Plays replay into the level game has loaded, as a player would: a click that starts the level,
// then each action delay ticks later than the replay says, ticking until the level ends.
// Nothing moves before the first well, so a pass comes exactly 10 ms later per tick of delay.
void play(GameWidget *game, const Replay &replay, int delay = 0);

// A seeded stream of everything a player can do, sent alike to every widget given: presses,
// releases near and far from the press, moves, double clicks, Tab, the arrow keys (rarely),
// the "High scores" and "Hint" actions and, more rarely, a "Levels" menu entry.
class RandomPlay
{
public:
    explicit RandomPlay(quint32 seed);

    // menuUsed, if given, is called after a menu action, which the window would also see.
    void act(const QList<GameWidget *> &games, const std::function<void()> &menuUsed = {});
    // Draws from the same stream: 0 <= result < highest.
    int bounded(int highest);

private:
    void mouse(const QList<GameWidget *> &games, QEvent::Type type, Qt::MouseButton button, const QPoint &at);

    QRandomGenerator random;
    QPoint pressedAt;
    Qt::MouseButtons held;
};

} // namespace PlayerInput

#endif
