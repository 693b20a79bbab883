#include "PlayerInput.h"

#include "game/GameWidget.h"
#include "levels/catalogue/LevelCatalogue.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace PlayerInput {
namespace {
const QPoint onFrameBand(400, 5);
constexpr int maxTicks = 100000;
} // namespace

void mouse(QWidget *widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, const QPoint &at)
{
    QMouseEvent event(type, QPointF(at), QPointF(at), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void key(QWidget *widget, QEvent::Type type, int key)
{
    QKeyEvent event(type, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void perform(QWidget *widget, const Replay::Action &action)
{
    mouse(widget, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, action.press());
    mouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, action.release());
}

void start(QWidget *widget)
{
    mouse(widget, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, onFrameBand);
    mouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, onFrameBand);
}

void play(GameWidget *game, const Replay &replay, int delay)
{
    start(game);
    int next = 0;
    for (int tick = 0; tick < maxTicks && game->state().status() == Running; ++tick) {
        for (; next < replay.actions.size() && replay.actions.at(next).tick + delay == tick; ++next)
            perform(game, replay.actions.at(next));
        game->animate();
    }
}

RandomPlay::RandomPlay(quint32 seed)
    : random(seed)
{
}

int RandomPlay::bounded(int highest)
{
    return int(random.bounded(highest));
}

void RandomPlay::mouse(const QList<GameWidget *> &games, QEvent::Type type, Qt::MouseButton button, const QPoint &at)
{
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        held |= button;
    else if (type == QEvent::MouseButtonRelease)
        held &= ~button;
    for (GameWidget *game : games)
        PlayerInput::mouse(game, type, button, held, at);
}

void RandomPlay::act(const QList<GameWidget *> &games, const std::function<void()> &menuUsed)
{
    // Anywhere in the widget and up to 40 px outside it.
    const QPoint anywhere(random.bounded(-40, 841), random.bounded(-40, 521));
    static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                              Qt::MiddleButton};
    const Qt::MouseButton button = buttons[random.bounded(5)];
    switch (random.bounded(12)) {
    case 0:
    case 1:
        pressedAt = anywhere;
        mouse(games, QEvent::MouseButtonPress, button, anywhere);
        break;
    case 2:
    case 3: {
        // A release near the last press: clicks, the threshold and drags of every direction.
        const int reach = random.bounded(2) ? 25 : 200;
        const QPoint to = pressedAt + QPoint(random.bounded(-reach, reach + 1), random.bounded(-reach, reach + 1));
        mouse(games, QEvent::MouseButtonRelease, button, to);
        break;
    }
    case 4:
        mouse(games, QEvent::MouseButtonRelease, button, anywhere);
        break;
    case 5:
    case 6:
        mouse(games, QEvent::MouseMove, Qt::NoButton, anywhere);
        break;
    case 7:
        mouse(games, QEvent::MouseButtonPress, Qt::LeftButton, anywhere);
        mouse(games, QEvent::MouseButtonRelease, Qt::LeftButton, anywhere);
        mouse(games, QEvent::MouseButtonDblClick, Qt::LeftButton, anywhere);
        mouse(games, QEvent::MouseButtonRelease, Qt::LeftButton, anywhere);
        break;
    case 8: {
        const QEvent::Type type = random.bounded(2) ? QEvent::KeyPress : QEvent::KeyRelease;
        for (GameWidget *game : games)
            key(game, type, Qt::Key_Tab);
        break;
    }
    case 9:
        // Arrow keys are rare, or play would hardly stay on a level.
        if (random.bounded(20) == 0) {
            const int arrow = random.bounded(2) ? Qt::Key_Left : Qt::Key_Right;
            for (GameWidget *game : games) {
                key(game, QEvent::KeyPress, arrow);
                key(game, QEvent::KeyRelease, arrow);
            }
        }
        break;
    case 10:
        // The table, or now and then a hint.
        for (GameWidget *game : games)
            button == Qt::RightButton ? game->showHint() : game->displayHighScores();
        if (menuUsed)
            menuUsed();
        break;
    default:
        if (random.bounded(50) == 0) {
            const int level = int(random.bounded(1, LevelCatalogue::levelCount + 1));
            for (GameWidget *game : games)
                game->loadLevel(level);
            if (menuUsed)
                menuUsed();
        }
        break;
    }
}

} // namespace PlayerInput
