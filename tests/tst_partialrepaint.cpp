// Guards the partial repaint and the frame timer that sleeps. After every tick, the screen as the
// tick's repaints left it (the window's backing store), and the frame kept for later paints, must
// be pixel for pixel what a whole repaint shows: that of a second game, the reference, fed the
// same input, ticked every time and painted whole once per tick, while the game under test is
// ticked only while its frame clock is awake; and the two games' levels and times must be the
// same. Catches a part whose ink strays outside the region found for it, a change that goes
// unnoticed, an animation that stops advancing because nothing else moved, a toolkit paint
// between ticks that leaves the screen half old, and a clock that sleeps through a tick that
// would have changed something. Every level first plays its
// solution, to a record or watched, then random play with such toolkit paints.
// SWIRLFALL_REPAINT_TICKS=N sets the ticks of random play per level, SWIRLFALL_REPAINT_LEVEL_STEP=N
// plays only every Nth level; QT_SCALE_FACTOR=2 runs it at a device pixel ratio of 2, and
// SWIRLFALL_REPAINT_SIZE=WxH gives the game that size, as full screen does: the playfield is
// then scaled to fit, and every solution is watched.
#include "DirectPainting.h"
#include "PlayerInput.h"
#include "TestFiles.h"

#include "game/FrameClock.h"
#include "game/GameWidget.h"
#include "levels/catalogue/LevelCatalogue.h"

#include <QBackingStore>
#include <QDir>
#include <QPaintEvent>
#include <QTimer>
#include <QWindow>
#include <QTest>

#include <memory>

#include <cstring>

namespace {
constexpr int defaultTicksPerLevel = 400;
// One input in this many comes after a toolkit paint of a random rectangle.
constexpr int toolkitPaintEvery = 30;
constexpr int quietSpellEvery = 40;
constexpr int quietSpell = 50;
constexpr int maxSolutionTicks = 5000;
// The game sits below a strip the height of a menu bar, as in its window: Qt paints it shifted.
constexpr int menuBarHeight = 21;

// Compares from the first row of the playfield down.
bool samePixels(const QImage &a, const QImage &b, int firstRow)
{
    if (a.size() != b.size() || a.format() != b.format())
        return false;
    for (int y = firstRow; y < a.height(); ++y) {
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.bytesPerLine())) != 0)
            return false;
    }
    return true;
}

QString describe(const QRegion &region)
{
    QStringList rects;
    for (const QRect &r : region)
        rects << QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    return rects.isEmpty() ? QStringLiteral("nothing") : rects.join(QStringLiteral(" + "));
}
} // namespace

class PartialRepaintTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void screenIsTheWholeRepaint();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool tick(QString *why);
    bool sameLevel(QString *why) const;
    void toolkitPaint(const QRect &rect);
    void renderReference();
    QImage screen() const;

    std::unique_ptr<TestFiles::ScratchFolder> scratch;
    QWidget *window = nullptr;
    GameWidget *game = nullptr;
    GameWidget *reference = nullptr;
    DirectPainting *referencePainting = nullptr;
    QImage referenceFrame;
    int firstRow = 0;
    bool scaled = false;
    QRegion paintedThisTick;
    long ticks = 0;
    long slept = 0;
    QTimer frameTimer;
    FrameClock *clock = nullptr;
};

void PartialRepaintTest::initTestCase()
{
    scratch = std::make_unique<TestFiles::ScratchFolder>();
    window = new QWidget;
    game = new GameWidget(window);
    reference = new GameWidget(nullptr, QStringLiteral("reference-scores.dat"));
    const QStringList size = qEnvironmentVariable("SWIRLFALL_REPAINT_SIZE").split(QLatin1Char('x'));
    if (size.size() == 2) {
        scaled = true;
        for (GameWidget *widget : {game, reference})
            widget->setFixedSize(size.at(0).toInt(), size.at(1).toInt());
    }
    game->move(0, menuBarHeight);
    window->resize(game->width(), menuBarHeight + game->height());
    game->installEventFilter(this);
    // The game ticks only while its clock is awake; nothing here fires the timer on its own.
    frameTimer.setInterval(10);
    connect(&frameTimer, SIGNAL(timeout()), game, SLOT(animate()));
    clock = new FrameClock(&frameTimer, game, window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // Never shown: it paints only when the test renders it, once per tick. Its records are its own.
    referencePainting = new DirectPainting(reference, reference->view().transform());
    const qreal ratio = window->windowHandle()->devicePixelRatio();
    referenceFrame = QImage(window->size() * ratio, screen().format());
    referenceFrame.setDevicePixelRatio(ratio);
    // The margins around a scaled playfield show the frame's dark colour.
    referenceFrame.fill(QColor(16, 16, 16));
    firstRow = qRound(menuBarHeight * ratio);
    qInfo("device pixel ratio %g, backing store %dx%d", ratio, screen().width(), screen().height());
}

void PartialRepaintTest::cleanupTestCase()
{
    delete window;
    delete referencePainting;
    delete reference;
    scratch.reset();
}

bool PartialRepaintTest::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == game && event->type() == QEvent::Paint)
        paintedThisTick += static_cast<QPaintEvent *>(event)->region();
    return false;
}

QImage PartialRepaintTest::screen() const
{
    QPaintDevice *device = window->backingStore()->paintDevice();
    return device->devType() == QInternal::Image ? *static_cast<QImage *>(device) : QImage();
}

// The reference's whole repaint, once per tick or toolkit paint: it advances its wells too.
void PartialRepaintTest::renderReference()
{
    // The region's corner, not the widget's, goes to the offset given.
    const QRect playfield = reference->view().rect();
    referencePainting->render(&referenceFrame, playfield.topLeft() + QPoint(0, menuBarHeight), playfield,
                             QWidget::DrawChildren);
}

// A paint the tick did not ask for, as after an expose; the reference paints whole then.
void PartialRepaintTest::toolkitPaint(const QRect &rect)
{
    game->repaint(rect);
    renderReference();
}

bool PartialRepaintTest::tick(QString *why)
{
    paintedThisTick = QRegion();
    if (frameTimer.isActive())
        QMetaObject::invokeMethod(&frameTimer, "timeout");
    else
        ++slept;
    reference->animate();
    renderReference();
    ++ticks;
    if (!sameLevel(why))
        return false;
    // The frame kept for later paints must be whole and right too, not only what this tick showed.
    for (const QImage &image : {screen(), game->keptFrame()}) {
        if (samePixels(image, referenceFrame, firstRow))
            continue;
        int differing = 0;
        QPoint first(-1, -1);
        for (int y = firstRow; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != referenceFrame.pixel(x, y) && differing++ == 0)
                    first = QPoint(x, y);
            }
        }
        *why = QStringLiteral("level %1, tick %2 (status %3): in the %4, %5 device pixels differ, the first at "
                              "(%6, %7) of the window; this tick repainted %8 of the game")
                   .arg(game->levelNumber()).arg(ticks).arg(game->state().status())
                   .arg(image.cacheKey() == game->keptFrame().cacheKey() ? "kept frame" : "screen").arg(differing)
                   .arg(first.x()).arg(first.y()).arg(describe(paintedThisTick));
        return false;
    }
    return true;
}

// Everything a tick could change: the status, the time, the budgets, every particle and well.
bool PartialRepaintTest::sameLevel(QString *why) const
{
    const LevelState &a = game->state();
    const LevelState &b = reference->state();
    bool same = a.status() == b.status() && game->attemptTime() == reference->attemptTime()
        && a.wellsLeft(RedWell) == b.wellsLeft(RedWell) && a.wellsLeft(BlueWell) == b.wellsLeft(BlueWell)
        && a.particles.size() == b.particles.size() && a.wells.size() == b.wells.size();
    for (int i = 0; same && i < a.particles.size(); ++i)
        same = QPointF(a.particles.at(i)) == QPointF(b.particles.at(i)) && a.particles.at(i).velocity == b.particles.at(i).velocity;
    for (int i = 0; same && i < a.wells.size(); ++i) {
        const WellObject &x = a.wells.at(i);
        const WellObject &y = b.wells.at(i);
        same = QPointF(x) == QPointF(y) && x.fade == y.fade && x.isRemoved() == y.isRemoved()
            && x.isGone() == y.isGone() && x.highlighted == y.highlighted;
    }
    if (!same)
        *why = QStringLiteral("level %1, tick %2: the level differs from the reference's (the clock %3)")
                   .arg(game->levelNumber()).arg(ticks).arg(frameTimer.isActive() ? "awake" : "asleep");
    return same;
}

void PartialRepaintTest::screenIsTheWholeRepaint()
{
    const int ticksPerLevel = qEnvironmentVariableIsSet("SWIRLFALL_REPAINT_TICKS")
        ? qEnvironmentVariableIntValue("SWIRLFALL_REPAINT_TICKS")
        : defaultTicksPerLevel;
    const int levelStep = qMax(1, qEnvironmentVariableIntValue("SWIRLFALL_REPAINT_LEVEL_STEP"));
    PlayerInput::RandomPlay player(20261207u);
    const QList<GameWidget *> both{game, reference};
    QString why;
    long partial = 0;
    long still = 0;
    for (int level = 1, round = 0; level <= LevelCatalogue::levelCount; level += levelStep, ++round) {
        // Every other level's solution is watched (S): its note, and a pass that sets no record.
        // Scaled, all are: the solutions' points are the playfield's, not the widget's.
        const bool watched = scaled || round % 2 == 1;
        const Replay solution = LevelCatalogue::solution(level);
        for (GameWidget *widget : both) {
            // Random play may have left the table up, which takes no clicks.
            if (widget->showsHighScores())
                widget->displayHighScores();
            widget->loadLevel(level);
            if (watched)
                widget->showSolution();
            else
                PlayerInput::start(widget);
            // Marks over the level until its first well.
            widget->showHint();
        }
        // As the window's menu and the game's keys do.
        clock->wake();
        int next = 0;
        for (int t = 0; t < maxSolutionTicks && game->state().status() == Running; ++t) {
            for (; !watched && next < solution.actions.size() && solution.actions.at(next).tick == t; ++next) {
                for (GameWidget *widget : both)
                    PlayerInput::perform(widget, solution.actions.at(next));
            }
            QVERIFY2(tick(&why), qPrintable(why));
        }
        QCOMPARE(game->state().status(), int(Passed));
        QCOMPARE(game->hasNewRecord(), !watched);

        for (int t = 0, quiet = 0; t < ticksPerLevel; ++t) {
            // Now and then a spell without input, in which the clock alone decides to tick.
            if (quiet > 0 || player.bounded(quietSpellEvery) == 0)
                quiet = quiet > 0 ? quiet - 1 : quietSpell;
            for (int burst = quiet > 0 ? 0 : player.bounded(4); burst > 0; --burst) {
                // Between two inputs, so that what it shows may be gone again by the tick.
                if (player.bounded(toolkitPaintEvery) == 0)
                    toolkitPaint(QRect(player.bounded(800), player.bounded(480), player.bounded(300),
                                       player.bounded(300)));
                player.act(both, [this] { clock->wake(); });
            }
            QVERIFY2(tick(&why), qPrintable(why));
            const QRegion whole(game->rect());
            (paintedThisTick.isEmpty() ? still : partial) += paintedThisTick != whole;
        }
    }
    qInfo("%ld ticks compared: %ld repainted a part, %ld nothing, %ld slept through", ticks, partial, still, slept);
}

QTEST_MAIN(PartialRepaintTest)
#include "tst_partialrepaint.moc"
