#include "game/GameWidget.h"

#include "game/ScoreStore.h"
#include "levels/LevelCatalogue.h"
#include "render/SceneLayout.h"
#include "sim/Physics.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

using SceneLayout::playfieldHeight;
using SceneLayout::playfieldWidth;

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
      levelState(0, 0),
      scoreFile(scoreFileName)
{
    setAttribute(Qt::WA_MouseTracking);
    // Every paint covers the whole widget, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(playfieldSize());
    // The background gradient spans the playfield's height.
    buildPaintingResources();
    measureTimeDisplay();
    levelCount = loadLevel(1);
    bestTimes = ScoreStore::load(scoreFile.fileName(), levelCount);
}

QSize GameWidget::playfieldSize()
{
    return QSize(playfieldWidth, playfieldHeight);
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
    // Game time is counted in timer intervals, never read from a clock. A direct call, with no
    // timer behind it, counts as one frame tick.
    const QTimer *timer = qobject_cast<const QTimer *>(sender());
    const int interval = timer ? timer->interval() : Physics::frameInterval;
    playDueActions();
    const bool ended = levelState.step(interval / Physics::millisecondsPerTimeUnit, mousePos);
    const int status = levelState.status();
    if (status == Running)
        totalTime += interval;
    else if (status == Passed && ended && !playback)
        applyRecordRule();
    if (status != Running) {
        dragging = false;
        // A solution watched to its end leaves the ended level as it is, no record.
        playback.reset();
    }
    repaintChanges();
}

int GameWidget::loadLevel(int level)
{
    playback.reset();
    newRecord = false;
    totalTime = 0;
    currentLevel = level;
    levelState = LevelState(0, 0);
    LevelCatalogue::addContent(level, levelState);
    if (!levelNamesFilled) {
        levelNames.append(LevelCatalogue::names());
        levelNamesFilled = true;
    }
    levelState.setWellCounts(LevelCatalogue::blueWells(level), LevelCatalogue::redWells(level));
    addFrameArea();
    return LevelCatalogue::levelCount;
}

void GameWidget::displayHighScores()
{
    showHighScores = !showHighScores;
}

void GameWidget::paintEvent(QPaintEvent *event)
{
    if (!tickPainting)
        painted.reset();
    QPainter painter;
    painter.begin(this);
    showFrame(painter, event->region());
    painter.end();
}

void GameWidget::restartLevel()
{
    loadLevel(currentLevel);
}

void GameWidget::addFrameArea()
{
    levelState.addArea(Hazard, LevelCatalogue::framePolygon(playfieldWidth, playfieldHeight));
}

void GameWidget::applyRecordRule()
{
    // Judged against the file as it is now, which another game may have improved since. A failed
    // save is not reported; the new time stays in memory and the old file stays whole.
    ScoreStore::update(scoreFile.fileName(), bestTimes, [this](QList<quint32> &times) {
        quint32 &best = times[currentLevel - 1];
        if (best != 0 && best <= totalTime)
            return false;
        newRecord = true;
        best = totalTime;
        return true;
    });
}

void GameWidget::mousePressEvent(QMouseEvent *event)
{
    if (playback) {
        mousePos = eventPos(event);
        stopSolution();
        return;
    }
    const int status = levelState.status();
    const bool ended = status != Ready && status != Running;
    if (ended && event->button() == Qt::LeftButton)
        return;
    if (showHighScores)
        return;
    // The second press of a double click arrives here too; it begins no drag.
    if (event->type() == QEvent::MouseButtonPress && event->button() == Qt::LeftButton)
        beginDrag(eventPos(event));
    mousePos = eventPos(event);
}

// Where the pointer is on the playfield: the widget may show it scaled, in full screen.
QPoint GameWidget::eventPos(const QMouseEvent *event) const
{
    return view().toPlayfield(widgetPos(event));
}

PlayfieldView GameWidget::view() const
{
    return PlayfieldView(playfieldSize(), size());
}

void GameWidget::mouseMoveEvent(QMouseEvent *event)
{
    mousePos = eventPos(event);
}

void GameWidget::mouseReleaseEvent(QMouseEvent *event)
{
    mousePos = eventPos(event);
    // While a solution plays, only its own drags and clicks place or remove wells.
    if (showHighScores || event->type() != QEvent::MouseButtonRelease || playback)
        return;
    const int status = levelState.status();
    if ((status == Passed || status == Failed) && event->button() == Qt::LeftButton) {
        loadLevel(currentLevel % levelCount + 1);
        return;
    }
    if (event->button() == Qt::RightButton) {
        restartLevel();
        return;
    }
    completeDrag(eventPos(event));
}

// A left press in Ready starts the level, and every left press begins a drag.
void GameWidget::beginDrag(const QPoint &at)
{
    if (levelState.status() == Ready)
        levelState.start();
    dragging = true;
    dragStart = at;
}

// Completes from dragStart even when a level end has already cleared dragging.
void GameWidget::completeDrag(const QPoint &end)
{
    dragging = false;
    dragEnd = end;
    // A drag still Ready began before this level was loaded (a left press starts the level).
    // Its well would pull the particles while the clock stands still, so it places nothing.
    if (levelState.status() == Ready)
        return;
    const QPoint delta = dragStart - dragEnd;
    if (delta.manhattanLength() < Physics::reach) {
        levelState.removeWellAt(dragEnd.x(), dragEnd.y());
        return;
    }
    const bool horizontal = qAbs(delta.x()) >= qAbs(delta.y());
    levelState.addWell(dragStart.x(), dragStart.y(), horizontal ? BlueWell : RedWell);
}

void GameWidget::keyPressEvent(QKeyEvent *event)
{
    if (playback) {
        stopSolution();
        return;
    }
    if (event->key() == Qt::Key_Tab)
        showHighScores = true;
}

void GameWidget::keyReleaseEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        emit exit();
        break;
    case Qt::Key_Tab:
        showHighScores = false;
        break;
    case Qt::Key_Left:
        loadLevel((levelCount + currentLevel - 2) % levelCount + 1);
        break;
    case Qt::Key_Right:
        loadLevel(currentLevel % levelCount + 1);
        break;
    default:
        break;
    }
}
