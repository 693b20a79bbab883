#include "game/GameWidget.h"

#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/ProofCheck.h"
#include "render/Scene.h"
#include "render/SceneLayout.h"
#include "sim/Drag.h"
#include "sim/FrameTick.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

namespace {
QPointF widgetPos(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position();
#else
    return event->localPos();
#endif
}
} // namespace

GameWidget::GameWidget(QWidget *parent, const QString &scoreFileName)
    : QWidget(parent),
      painting(this),
      levelState(0, 0),
      records(scoreFileName, LevelCatalogue::levelCount)
{
    setAttribute(Qt::WA_MouseTracking);
    // Every paint covers the whole widget, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(playfieldSize());
    connect(&pausing, &Pause::changed, this, &GameWidget::pausedChanged);
    connect(&cues, &SoundCues::sounded, this, &GameWidget::sounded);
    levelCount = loadLevel(1);
}

QSize GameWidget::playfieldSize()
{
    return SceneLayout::playfieldSize();
}

PlayfieldView GameWidget::view() const
{
    return PlayfieldView(playfieldSize(), size());
}

QSize GameWidget::sizeHint() const
{
    return QSize(400, 400);
}

QSize GameWidget::minimumSizeHint() const
{
    return QSize(50, 50);
}

void GameWidget::animate()
{
    // A direct call, with no timer behind it, counts as one frame tick.
    const QTimer *timer = qobject_cast<const QTimer *>(sender());
    if (!pausing.isOn())
        step(timer ? timer->interval() : Physics::frameInterval);
    flash.tick();
    cues.follow(levelState, newRecord);
    Scene shown = scene();
    frame.repaintChanges(painting, shown, size(), [this](const QRegion &region) { repaint(region); });
}

void GameWidget::step(int interval)
{
    playback.playTick(*this);
    const bool passed = FrameTick::advance(levelState, totalTime, mousePos, interval);
    run.countTick();
    // Judged against the files as they are now, which another game may have improved since.
    if (passed && !playback.isPlaying()) {
        const Replay passing = run.replay(played.number, totalTime);
        newRecord = records.judge(played, totalTime, passing);
        recordKept = records.lastRecordKept();
        // A pass is a proof: a level played without one is proven from now on.
        if (!played.proof)
            played.proof = passing;
        // Only a run that was really kept can be watched.
        if (newRecord)
            emit bestRunChanged(hasBestRun());
        ending.setPassHints(hints.taken());
        emit levelPassed(played, passing);
    }
    if (levelState.status() != Running) {
        dragging = false;
        // A solution watched to its end leaves the ended level as it is, no record.
        playback.stop();
        run.stop();
    }
}

int GameWidget::loadLevel(int level)
{
    playLevel(LevelCatalogue::level(level));
    if (!levelNamesFilled) {
        levelNames.append(LevelCatalogue::names());
        levelNamesFilled = true;
    }
    return LevelCatalogue::levelCount;
}

void GameWidget::playLevel(const Level &level)
{
    sequence.stop();
    startLevel(level);
}

void GameWidget::playSequence(const QList<Level> &levels, int index)
{
    sequence.start(levels, index);
    startLevel(sequence.current());
}

void GameWidget::startLevel(const Level &level)
{
    if (level.number != 0)
        currentLevel = level.number;
    played = level;
    // What was said for a moment was said of the level left.
    flash = FlashNote();
    ending = EndLine();
    hints.play(level);
    // A proof that fails is none: the level shows as not proven, and S has nothing to show.
    if (played.proof && !ProofCheck::of(played).holds())
        played.proof.reset();
    restartLevel();
    emit bestRunChanged(hasBestRun());
    emit levelStarted();
}

void GameWidget::displayHighScores()
{
    showHighScores = !showHighScores;
}

void GameWidget::paintEvent(QPaintEvent *event)
{
    const KeptFrame::Target target{size(), mapTo(window(), QPoint(0, 0)), devicePixelRatioF(),
                                   QPen(palette().brush(foregroundRole()), 1), palette().brush(backgroundRole()), font()};
    Scene shown = scene();
    QPainter painter;
    painter.begin(this);
    frame.show(painter, event->region(), painting, shown, target);
    painter.end();
}

void GameWidget::drawScene(QPainter &painter)
{
    Scene shown = scene();
    painting.drawScene(painter, shown);
}

Scene GameWidget::scene()
{
    Scene shown;
    shown.level = &levelState;
    shown.number = played.number;
    shown.name = played.number != 0 ? levelNames.value(played.number - 1) : played.name;
    shown.time = totalTime;
    shown.record = records.best(played);
    shown.newRecord = newRecord;
    shown.recordKept = recordKept;
    shown.dragging = dragging;
    shown.dragStart = dragStart;
    shown.pointer = mousePos;
    shown.highScores = showHighScores;
    shown.bestTimes = records.builtInTimes();
    shown.levelNames = levelNames;
    shown.note = stripNote();
    shown.paused = pausing.isOn();
    shown.proven = hasSolution();
    shown.clickGoesOn = played.number != 0 || sequence.isOn();
    shown.endNote = endNote();
    shown.hints = shownHints();
    return shown;
}

void GameWidget::restartLevel()
{
    playback.stop();
    run.stop();
    pausing.set(false);
    newRecord = false;
    totalTime = 0;
    levelState = played.newState();
    cues.restart(levelState);
    hints.hide();
}

void GameWidget::showSolution()
{
    if (const std::optional<Replay> solution = LevelCatalogue::solutionOf(played))
        watch(played, *solution, SolutionPlayback::Solution);
}

void GameWidget::showHint()
{
    if (!playback.isPlaying())
        flash.show(hints.reveal(played, levelState));
}

void GameWidget::watchBestRun()
{
    Replay kept;
    if (records.keptRun(played, &kept))
        watch(played, kept, SolutionPlayback::BestRun);
}

void GameWidget::watchReplay(const Level &level, const Replay &replay)
{
    sequence.stop();
    watch(level, replay, SolutionPlayback::SharedReplay);
}

void GameWidget::watch(const Level &level, const Replay &replay, SolutionPlayback::Kind kind)
{
    startLevel(level);
    // As the player's first press does; the replay counts its ticks from here.
    levelState.start();
    playback.start(replay, kind);
}

PlayfieldInput::Mode GameWidget::mode() const
{
    return PlayfieldInput::modeOf(showHighScores, pausing.isOn(), playback.isPlaying(), levelState.status());
}

void GameWidget::respond(PlayfieldInput::Response response)
{
    using Response = PlayfieldInput::Response;
    switch (response) {
    case Response::Nothing:
    case Response::Ignored:
        return;
    case Response::BeginDrag:
        return beginDrag(mousePos);
    case Response::CompleteDrag:
        return completeDrag(mousePos);
    case Response::Restart:
    case Response::StopWatching:
        return restartLevel();
    case Response::GoOnAfterEnd:
        return goOnAfterEnd();
    case Response::Resume:
        return pausing.set(false);
    case Response::TogglePause:
        return togglePause();
    case Response::Quit:
        emit exit();
        return;
    case Response::ShowTable:
    case Response::HideTable:
        showHighScores = response == Response::ShowTable;
        return;
    case Response::PreviousLevel:
    case Response::NextLevel:
        return goOn(response == Response::PreviousLevel ? -1 : 1);
    }
}

void GameWidget::mousePressEvent(QMouseEvent *event)
{
    const PlayfieldInput::Response pressed = input.press(mode(), event->button(), event->type() != QEvent::MouseButtonPress);
    if (PlayfieldInput::movesPointer(pressed))
        mousePos = eventPos(event);
    respond(pressed);
}

// Where the pointer is on the playfield: the widget may show it scaled, in full screen.
QPoint GameWidget::eventPos(const QMouseEvent *event) const
{
    return view().toPlayfield(widgetPos(event));
}

void GameWidget::mouseMoveEvent(QMouseEvent *event)
{
    mousePos = eventPos(event);
}

void GameWidget::mouseReleaseEvent(QMouseEvent *event)
{
    mousePos = eventPos(event);
    if (event->type() == QEvent::MouseButtonRelease)
        respond(input.release(mode(), event->button()));
}

void GameWidget::goOnAfterEnd()
{
    // A level from elsewhere, on its own, has no next one: it starts again.
    if (sequence.isOn() && sequence.atLast())
        emit sequenceEnded();
    else if (sequence.isOn() || played.number != 0)
        goOn(1);
    else
        restartLevel();
}

void GameWidget::beginDrag(const QPoint &at)
{
    if (levelState.status() == Ready) {
        levelState.start();
        run.start();
    }
    dragging = true;
    dragStart = at;
}

// Completes from dragStart even when a level end has already cleared dragging.
void GameWidget::completeDrag(const QPoint &end)
{
    dragging = false;
    dragEnd = end;
    const Drag drag(dragStart, dragEnd);
    if (drag.applyTo(levelState))
        run.record(drag);
    cues.follow(levelState, newRecord);
}

void GameWidget::keyPressEvent(QKeyEvent *event)
{
    respond(input.keyPress(playback.isPlaying(), event->key()));
}

void GameWidget::keyReleaseEvent(QKeyEvent *event)
{
    respond(input.keyRelease(event->key()));
}

bool GameWidget::event(QEvent *event)
{
    if (PlayfieldInput::keepsKey(playback.isPlaying(), event)) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void GameWidget::goOn(int steps)
{
    if (sequence.isOn())
        startLevel(sequence.step(steps));
    else
        loadLevel((currentLevel - 1 + steps + levelCount) % levelCount + 1);
}

void GameWidget::pause()
{
    if (levelState.status() == Running)
        pausing.set(true);
}

void GameWidget::togglePause()
{
    pausing.toggle(levelState.status() == Running);
}

bool GameWidget::needsTicks() const
{
    return flash.isOn() || (!pausing.isOn() && (dragging || playback.isPlaying() || FrameTick::wouldChange(levelState)));
}
