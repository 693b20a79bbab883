// A seeded random stream of everything a player can do, on every level, interleaved with
// ticks. Guards the invariants no hand-picked case covers: budgets that rise or go negative,
// more wells than the budgets allowed, a status that leaves the allowed transitions, time that
// counts outside Running, and painting at a negative scale.
// SWIRLFALL_SOAK_SEED=N replays a reported failure; SWIRLFALL_SOAK_TICKS=N sets the length.
#include "game/GameWidget.h"
#include "levels/LevelCatalogue.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr int defaultTicksPerLevel = 10000;
// Painting drives the wells' fade; it runs on one tick in this many to keep the soak quick.
constexpr int paintEvery = 8;

struct Snapshot
{
    int level;
    int status;
    quint32 time;
    int red;
    int blue;
    int wells;
    int particlesLeft;
};
} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomPlay();

private:
    Snapshot snapshot() const;
    void randomEvent();
    void mouse(QEvent::Type type, Qt::MouseButton button, const QPoint &at);
    void key(QEvent::Type type, int key);
    bool checkAfter(const Snapshot &before, bool ticked, QString *why) const;
    bool checkPainting(QString *why) const;

    QTemporaryDir dir;
    QString oldCurrent;
    GameWidget *game = nullptr;
    QRandomGenerator random;
    QPoint pressedAt;
    Qt::MouseButtons held;
};

void SoakTest::initTestCase()
{
    oldCurrent = QDir::currentPath();
    QDir::setCurrent(dir.path());
    game = new GameWidget;
}

void SoakTest::cleanupTestCase()
{
    delete game;
    QDir::setCurrent(oldCurrent);
}

Snapshot SoakTest::snapshot() const
{
    const LevelState &s = game->levelState;
    return {game->currentLevel, s.status(), game->totalTime, s.wellsLeft(RedWell), s.wellsLeft(BlueWell),
            int(s.wells.size()), s.particlesLeft};
}

void SoakTest::mouse(QEvent::Type type, Qt::MouseButton button, const QPoint &at)
{
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        held |= button;
    else if (type == QEvent::MouseButtonRelease)
        held &= ~button;
    QMouseEvent event(type, QPointF(at), QPointF(at), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(game, &event);
}

void SoakTest::key(QEvent::Type type, int key)
{
    QKeyEvent event(type, key, Qt::NoModifier);
    QApplication::sendEvent(game, &event);
}

void SoakTest::randomEvent()
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
        mouse(QEvent::MouseButtonPress, button, anywhere);
        break;
    case 2:
    case 3: {
        // A release near the last press: clicks, the threshold and drags of every direction.
        const int reach = random.bounded(2) ? 25 : 200;
        const QPoint to = pressedAt + QPoint(random.bounded(-reach, reach + 1), random.bounded(-reach, reach + 1));
        mouse(QEvent::MouseButtonRelease, button, to);
        break;
    }
    case 4:
        mouse(QEvent::MouseButtonRelease, button, anywhere);
        break;
    case 5:
    case 6:
        mouse(QEvent::MouseMove, Qt::NoButton, anywhere);
        break;
    case 7:
        mouse(QEvent::MouseButtonPress, Qt::LeftButton, anywhere);
        mouse(QEvent::MouseButtonRelease, Qt::LeftButton, anywhere);
        mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, anywhere);
        mouse(QEvent::MouseButtonRelease, Qt::LeftButton, anywhere);
        break;
    case 8:
        key(random.bounded(2) ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Tab);
        break;
    case 9: {
        // Arrow keys are rare, or the soak would hardly stay on a level.
        if (random.bounded(20) == 0) {
            const int arrow = random.bounded(2) ? Qt::Key_Left : Qt::Key_Right;
            key(QEvent::KeyPress, arrow);
            key(QEvent::KeyRelease, arrow);
        }
        break;
    }
    case 10:
        // The "High scores" action.
        game->displayHighScores();
        break;
    default:
        // A "Levels" menu entry, rarely.
        if (random.bounded(50) == 0)
            game->loadLevel(int(random.bounded(1, LevelCatalogue::levelCount + 1)));
        break;
    }
}

bool SoakTest::checkAfter(const Snapshot &before, bool ticked, QString *why) const
{
    const Snapshot now = snapshot();
    const LevelState &s = game->levelState;
    const int redBudget = LevelCatalogue::redWells(now.level);
    const int blueBudget = LevelCatalogue::blueWells(now.level);
    // A budget, the status or the time only goes back with a freshly loaded level.
    const bool fresh = now.status == Ready && now.time == 0 && s.wells.isEmpty() && now.red == redBudget
        && now.blue == blueBudget && now.particlesLeft == s.particles.size();
    const bool reloaded = fresh && (now.level != before.level || before.status != Ready || before.time != 0
                                    || before.wells != 0);

    if (now.red < 0 || now.blue < 0)
        return *why = QStringLiteral("a budget went below 0"), false;
    if (!reloaded && (now.red > before.red || now.blue > before.blue))
        return *why = QStringLiteral("a budget rose during a level"), false;
    if (now.wells > redBudget + blueBudget)
        return *why = QStringLiteral("more wells than the budgets allow"), false;
    if (now.particlesLeft > s.particles.size())
        return *why = QStringLiteral("particlesLeft exceeds the particle count"), false;
    if (now.time % 10 != 0)
        return *why = QStringLiteral("totalTime is not a multiple of 10"), false;

    if (!reloaded && now.status != before.status) {
        const bool allowed = (before.status == Ready && now.status == Running && !ticked)
            || (now.status == Failed && ticked) || (before.status == Running && now.status == Passed && ticked);
        if (!allowed)
            return *why = QStringLiteral("status moved from %1 to %2").arg(before.status).arg(now.status), false;
    }
    if (!reloaded && now.time != before.time) {
        const bool counted = ticked && now.status == Running && before.status == Running && now.time == before.time + 10;
        if (!counted)
            return *why = QStringLiteral("time went from %1 to %2").arg(before.time).arg(now.time), false;
    }
    if (reloaded && now.time != 0)
        return *why = QStringLiteral("a loaded level starts with time"), false;
    return true;
}

bool SoakTest::checkPainting(QString *why) const
{
    // A well still painted has a fade in 0..256: its scale and halo alpha are never negative.
    for (const WellObject &well : game->levelState.wells) {
        if (!well.isGone() && (well.fade < 0 || well.fade > 256))
            return *why = QStringLiteral("a well would paint at fade %1").arg(well.fade), false;
    }
    return true;
}

void SoakTest::randomPlay()
{
    const quint32 seed = qEnvironmentVariableIsSet("SWIRLFALL_SOAK_SEED")
        ? quint32(qEnvironmentVariableIntValue("SWIRLFALL_SOAK_SEED"))
        : 20261207u;
    const int ticksPerLevel = qEnvironmentVariableIsSet("SWIRLFALL_SOAK_TICKS")
        ? qEnvironmentVariableIntValue("SWIRLFALL_SOAK_TICKS") / LevelCatalogue::levelCount
        : defaultTicksPerLevel;
    random.seed(seed);
    qInfo("soak seed %u, %d ticks per level", seed, ticksPerLevel);

    QImage image(800, 480, QImage::Format_ARGB32_Premultiplied);
    long events = 0;
    long ticks = 0;
    for (int level = 1; level <= LevelCatalogue::levelCount; ++level) {
        game->loadLevel(level);
        for (int tick = 0; tick < ticksPerLevel; ++tick) {
            const int burst = int(random.bounded(4));
            for (int e = 0; e < burst; ++e) {
                const Snapshot before = snapshot();
                randomEvent();
                ++events;
                QString why;
                QVERIFY2(checkAfter(before, false, &why),
                         qPrintable(QStringLiteral("seed %1, tick %2, event %3: %4").arg(seed).arg(ticks).arg(events).arg(why)));
            }
            const Snapshot before = snapshot();
            game->animate();
            ++ticks;
            QString why;
            QVERIFY2(checkAfter(before, true, &why),
                     qPrintable(QStringLiteral("seed %1, tick %2: %3").arg(seed).arg(ticks).arg(why)));
            if (tick % paintEvery == 0) {
                QVERIFY2(checkPainting(&why), qPrintable(QStringLiteral("seed %1, tick %2: %3").arg(seed).arg(ticks).arg(why)));
                game->render(&image);
            }
        }
    }
    qInfo("soaked %ld ticks and %ld events", ticks, events);
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
