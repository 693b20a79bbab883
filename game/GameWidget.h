#ifndef SWIRLFALL_GAMEWIDGET_H
#define SWIRLFALL_GAMEWIDGET_H

#include "game/EndLine.h"
#include "game/FlashNote.h"
#include "game/LevelSequence.h"
#include "game/Pause.h"
#include "game/PlayfieldInput.h"
#include "game/ProofHints.h"
#include "game/RecordBook.h"
#include "game/RunRecorder.h"
#include "game/SolutionPlayback.h"
#include "game/SoundCues.h"
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/Level.h"
#include "render/KeptFrame.h"
#include "render/PlayfieldView.h"
#include "render/ScenePainter.h"
#include "sim/LevelState.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QPainter;
class Replay;
struct Scene;

// The playfield: owns the live level, the attempt's time, the best times, the drag state and
// the painting resources, and advances the level on every frame tick. It plays the twenty
// built-in levels and any level made elsewhere, such as one read from a file.
class GameWidget : public QWidget
{
    Q_OBJECT

public:
    // Best times are kept in scoreFileName, "scores.dat" in the working folder unless told.
    explicit GameWidget(QWidget *parent = nullptr, const QString &scoreFileName = QStringLiteral("scores.dat"));

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The playfield in the game's own coordinates; the widget shows it scaled when it is larger.
    static QSize playfieldSize();
    // Where the playfield stands in the widget: scaled to fit, in full screen.
    PlayfieldView view() const;

    // A player's drag, in playfield coordinates: the press starts a Ready level, the release sets
    // or removes a well. The mouse handlers and a watched replay both play through here.
    void beginDrag(const QPoint &at);
    void completeDrag(const QPoint &end);

    // What the game shows, read-only: for the window, tools and tests.
    const LevelState &state() const { return levelState; }
    // The built-in level played last: the one played now unless that came from elsewhere.
    int levelNumber() const { return currentLevel; }
    const Level &level() const { return played; }
    quint32 attemptTime() const { return totalTime; }
    const QList<quint32> &bestTimes() const { return records.builtInTimes(); }
    // The best time of the level played now, 0 for none.
    quint32 bestTime() const { return records.best(played); }
    bool hasNewRecord() const { return newRecord; }
    // Whether the new record is kept in the records, or only for this session.
    bool isRecordKept() const { return recordKept; }
    bool showsHighScores() const { return showHighScores; }
    bool isDragging() const { return dragging; }
    QPoint pointer() const { return mousePos; }
    bool isWatching() const { return playback.isPlaying(); }
    // The line over the help strip: a moment's note (see flashNote), or what is watched and how to
    // stop it; empty while there is none.
    QString stripNote() const { return flash.isOn() ? flash.text() : playback.note(); }
    // The lines under the message before the level starts and once it has ended (see setEndNote).
    QString endNote() const { return ending.text(levelState.status()); }
    // The hints taken on the level played, which a restart keeps (see showHint).
    int hintsTaken() const { return hints.taken(); }
    // The hints shown over the playfield now.
    QList<Scene::Hint> shownHints() const { return hints.marks(levelState); }
    // A run that set the record of the level played now is kept, to be watched.
    bool hasBestRun() const { return records.hasRun(played); }
    // The level played now has a solution to show: its own, or a proof that holds.
    bool hasSolution() const { return LevelCatalogue::solutionOf(played).has_value(); }
    // The best times of every level, and the runs kept beside them.
    const RecordBook &recordBook() const { return records; }
    // The level is played as one of a collection's (see playSequence).
    bool isInSequence() const { return sequence.isOn(); }
    bool isPaused() const { return pausing.isOn(); }
    // False while a tick would change nothing, on screen or later: the frame timer may sleep.
    bool needsTicks() const;
    const QList<QString> &names() const { return levelNames; }
    // The frame as the last paint drew it, in the window's device pixels.
    const QImage &keptFrame() const { return frame.image(); }

    // Forgets what the screen shows, so that the next tick repaints the whole widget.
    void invalidateFrame() { frame.forget(); }
    // Paints one whole frame with the painter, as a whole repaint of the widget does, and like
    // it advances the wells' grow-in and fade-out.
    void drawScene(QPainter &painter);
    // Starts level afresh and plays replay, one a player shared, as the player's own drags and
    // clicks, tick by tick; a mouse press or a key stops it.
    void watchReplay(const Level &level, const Replay &replay);

signals:
    void exit();
    // A level was started or switched, not by the player's input: what shows must be drawn.
    void levelStarted();
    // The level played changed, or a record kept a new run of it.
    void bestRunChanged(bool kept);
    // Also when asked for a pause that did not come, so that a check mark can follow.
    void pausedChanged(bool paused);
    // The player passed level with run: a proof of it, which an editor may take.
    void levelPassed(const Level &level, const Replay &run);
    // The click after the last level of a sequence: the collection is played through.
    void sequenceEnded();
    // Something happened that a player should hear, in play or in a watched run.
    void sounded(Sound sound);

public slots:
    void animate();
    void paintEvent(QPaintEvent *event) override;
    int loadLevel(int level);
    // Starts level afresh, Ready, on its own. A level that is not built in (its number is 0) keeps
    // its records apart, by fingerprint, and shows as not proven unless its proof passes it.
    void playLevel(const Level &level);
    // Plays the level at index of levels, a collection's, as one of them: the click after an end
    // goes on to the next (after the last, sequenceEnded), and the arrow keys move among them.
    void playSequence(const QList<Level> &levels, int index);
    void displayHighScores();
    // Restarts the level and plays its solution.
    void showSolution();
    // Restarts the level and plays the run that set its record.
    void watchBestRun();
    // Shows where and when the solution S shows sets its next well, with those shown before, until
    // the player sets a well or restarts; or says why not. A watched run takes none.
    void showHint();
    // A line shown under the message before the level starts and once it has ended, until another
    // level starts; what a feature beyond the level has to say there, such as a puzzle's difficulty.
    void setEndNote(const QString &note) { ending.setNote(note); }
    // A line shown over the help strip for a moment, in its place: what a key did that shows
    // nowhere else on the playfield.
    void flashNote(const QString &note) { flash.show(note); }
    // Pauses a running level (or a watched replay), as when the window is left; P goes on.
    void pause();
    void togglePause();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    // Keeps the window's shortcuts from the keys that stop a watched run.
    bool event(QEvent *event) override;

private:
    // What a press, a release or a key does follows what the playfield is doing.
    PlayfieldInput::Mode mode() const;
    void respond(PlayfieldInput::Response response);
    // The left click after a level ended.
    void goOnAfterEnd();
    // The tick's work on the level, which a pause holds back.
    void step(int interval);
    void restartLevel();
    // Starts level afresh, Ready, in whatever sequence is being played: the one way every level is
    // loaded or switched.
    void startLevel(const Level &level);
    // The left click after an end, and the arrow keys: on by steps, in the sequence or the game's
    // own levels.
    void goOn(int steps);
    void watch(const Level &level, const Replay &replay, SolutionPlayback::Kind kind);
    Scene scene();
    QPoint eventPos(const QMouseEvent *event) const;

    // The painting resources.
    ScenePainter painting;

    QPoint mousePos;
    quint32 totalTime = 0;
    bool dragging = false;
    int currentLevel = 1;
    QPoint dragStart;
    QPoint dragEnd;
    LevelState levelState;
    // The best times, read at the start and saved on each record.
    RecordBook records;
    bool levelNamesFilled = false;
    QList<QString> levelNames;
    bool showHighScores = false;
    int levelCount = 0;
    bool newRecord = false;
    bool recordKept = true;
    EndLine ending;
    PlayfieldInput input;
    // The level as it was loaded, for a restart.
    Level played;

    KeptFrame frame;
    SolutionPlayback playback;
    RunRecorder run;
    Pause pausing;
    LevelSequence sequence;
    SoundCues cues;
    FlashNote flash;
    ProofHints hints;
};

#endif
