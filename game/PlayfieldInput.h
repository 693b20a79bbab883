#ifndef SWIRLFALL_PLAYFIELDINPUT_H
#define SWIRLFALL_PLAYFIELDINPUT_H

#include <Qt>

class QEvent;

// What each input does on the playfield, decided in one place by what the playfield is doing (its
// mode): every press, release and key, and whether the window's shortcut for a key may take it.
// A release follows its press: one whose press was spent on something else (going on from a
// pause, stopping a watched run) does nothing more, and Escape quits only on the release of a
// press that came to the playfield, not on that of the Escape that closed a dialog over it.
class PlayfieldInput
{
public:
    // The high-score table first, then a pause, then a watched run, then the level's status.
    enum class Mode { HighScores, Paused, Watching, Ready, Running, Ended };
    // The mode of a playfield showing the table or not, paused or not, watching a run or not, its
    // level in status.
    static Mode modeOf(bool table, bool paused, bool watching, int status);

    enum class Response {
        Nothing,
        // A press that does nothing and leaves the pointer where it was.
        Ignored,
        BeginDrag,
        CompleteDrag,
        Restart,
        // Stops the run watched, giving the level back, Ready.
        StopWatching,
        // The left click after a level ended: on to the next, or again.
        GoOnAfterEnd,
        Resume,
        TogglePause,
        Quit,
        ShowTable,
        HideTable,
        PreviousLevel,
        NextLevel,
    };

    // A press of button; a double click's second press is no new drag.
    Response press(Mode mode, Qt::MouseButton button, bool doubleClick);
    // Whether the pointer moves to a press that had this response: not for one ignored, nor for
    // the click that goes on from a pause.
    static bool movesPointer(Response pressed) { return pressed != Response::Ignored && pressed != Response::Resume; }
    Response release(Mode mode, Qt::MouseButton button);
    // watching: a run is watched, though a pause or the table may hide it.
    Response keyPress(bool watching, int key);
    Response keyRelease(int key);
    // True when event asks whether a window's shortcut may take a key that the playfield keeps:
    // while a run is watched, any but P, M and the commands with Ctrl, Alt or Meta, since any other
    // key stops it and does nothing else.
    static bool keepsKey(bool watching, const QEvent *event);

private:
    // The release of the left press that went on from a pause does nothing else.
    bool leftSpent = false;
    // The release of the key that stopped a watched run does nothing else.
    int keySpent = 0;
    bool escapePressed = false;
};

#endif
