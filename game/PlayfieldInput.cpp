#include "game/PlayfieldInput.h"

#include "sim/LevelState.h"

#include <QKeyEvent>

using Mode = PlayfieldInput::Mode;
using Response = PlayfieldInput::Response;

Mode PlayfieldInput::modeOf(bool table, bool paused, bool watching, int status)
{
    // The table first, as ever: while it shows, presses and releases do nothing.
    if (table)
        return Mode::HighScores;
    if (paused)
        return Mode::Paused;
    if (watching)
        return Mode::Watching;
    return status == Ready ? Mode::Ready : status == Running ? Mode::Running : Mode::Ended;
}

Response PlayfieldInput::press(Mode mode, Qt::MouseButton button, bool doubleClick)
{
    const bool left = button == Qt::LeftButton;
    switch (mode) {
    case Mode::HighScores:
        return Response::Ignored;
    case Mode::Ended:
        // The left click after an end acts on its release.
        return left ? Response::Ignored : Response::Nothing;
    case Mode::Paused:
        // A left press goes on, and nothing else; any other does nothing.
        if (!left)
            return Response::Ignored;
        leftSpent = true;
        return Response::Resume;
    case Mode::Watching:
        return Response::StopWatching;
    case Mode::Ready:
    case Mode::Running:
        return left && !doubleClick ? Response::BeginDrag : Response::Nothing;
    }
    return Response::Nothing;
}

Response PlayfieldInput::release(Mode mode, Qt::MouseButton button)
{
    const bool left = button == Qt::LeftButton;
    if (left && leftSpent) {
        leftSpent = false;
        return Response::Nothing;
    }
    switch (mode) {
    case Mode::HighScores:
    case Mode::Watching:
        return Response::Nothing;
    case Mode::Paused:
        // A right click restarts a paused level; nothing else reaches it.
        return button == Qt::RightButton ? Response::Restart : Response::Nothing;
    case Mode::Ended:
        if (left)
            return Response::GoOnAfterEnd;
        break;
    case Mode::Ready:
    case Mode::Running:
        break;
    }
    return button == Qt::RightButton ? Response::Restart : Response::CompleteDrag;
}

Response PlayfieldInput::keyPress(bool watching, int key)
{
    // The window's action takes P first where there is one.
    if (key == Qt::Key_P)
        return Response::TogglePause;
    // Any other key stops a watched run, and its release then does nothing.
    if (watching) {
        keySpent = key;
        return Response::StopWatching;
    }
    if (key == Qt::Key_Escape)
        escapePressed = true;
    return key == Qt::Key_Tab ? Response::ShowTable : Response::Nothing;
}

Response PlayfieldInput::keyRelease(int key)
{
    if (key == keySpent) {
        keySpent = 0;
        return Response::Nothing;
    }
    switch (key) {
    case Qt::Key_Escape: {
        const bool quits = escapePressed;
        escapePressed = false;
        return quits ? Response::Quit : Response::Nothing;
    }
    case Qt::Key_Tab:
        return Response::HideTable;
    case Qt::Key_Left:
        return Response::PreviousLevel;
    case Qt::Key_Right:
        return Response::NextLevel;
    default:
        return Response::Nothing;
    }
}

bool PlayfieldInput::keepsKey(bool watching, const QEvent *event)
{
    if (!watching || event->type() != QEvent::ShortcutOverride)
        return false;
    constexpr Qt::KeyboardModifiers commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const QKeyEvent *key = static_cast<const QKeyEvent *>(event);
    // A pause and the sound switch leave what is watched as it is.
    return key->key() != Qt::Key_P && key->key() != Qt::Key_M && !(key->modifiers() & commandModifiers);
}
