// A seeded random stream of everything a player can do, on every level, interleaved with
// ticks. Guards the invariants no hand-picked case covers: budgets that rise or go negative,
// more wells than the budgets allowed, a status that leaves the allowed transitions, time that
// counts outside Running, and painting at a negative scale; and, on a level random play passes
// often, that the run kept beside every record replays to exactly the record's time, however
// the player clicked, dragged, restarted or switched levels on the way.
// SWIRLFALL_SOAK_SEED=N replays a reported failure; SWIRLFALL_SOAK_TICKS=N sets the length.
#include "PlayerInput.h"
#include "TestFiles.h"

#include "game/GameWidget.h"
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/LevelFile.h"
#include "levels/format/ProofCheck.h"

#include <QDir>
#include <QImage>
#include <QTest>

#include <memory>

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
    void recordsKeepTheirRuns();

private:
    Snapshot snapshot() const;
    bool checkAfter(const Snapshot &before, bool ticked, QString *why) const;
    bool checkPainting(QString *why) const;

    std::unique_ptr<TestFiles::ScratchFolder> scratch;
    GameWidget *game = nullptr;
};

void SoakTest::initTestCase()
{
    scratch = std::make_unique<TestFiles::ScratchFolder>();
    game = new GameWidget;
}

void SoakTest::cleanupTestCase()
{
    delete game;
    scratch.reset();
}

Snapshot SoakTest::snapshot() const
{
    const LevelState &s = game->state();
    return {game->levelNumber(), s.status(), game->attemptTime(), s.wellsLeft(RedWell), s.wellsLeft(BlueWell),
            int(s.wells.size()), s.particlesLeft};
}

bool SoakTest::checkAfter(const Snapshot &before, bool ticked, QString *why) const
{
    const Snapshot now = snapshot();
    const LevelState &s = game->state();
    const Level level = LevelCatalogue::level(now.level);
    const int redBudget = level.redWells;
    const int blueBudget = level.blueWells;
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
    for (const WellObject &well : game->state().wells) {
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
    PlayerInput::RandomPlay player(seed);
    qInfo("soak seed %u, %d ticks per level", seed, ticksPerLevel);

    QImage image(GameWidget::playfieldSize(), QImage::Format_ARGB32_Premultiplied);
    long events = 0;
    long ticks = 0;
    for (int level = 1; level <= LevelCatalogue::levelCount; ++level) {
        game->loadLevel(level);
        for (int tick = 0; tick < ticksPerLevel; ++tick) {
            const int burst = player.bounded(4);
            for (int e = 0; e < burst; ++e) {
                const Snapshot before = snapshot();
                player.act({game});
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

void SoakTest::recordsKeepTheirRuns()
{
    constexpr int wantedRecords = 40;
    constexpr int maxTicks = 200000;
    // A red particle just over a goal as wide as the playfield: most wells below it pass the level.
    Level easy;
    easy.name = QStringLiteral("Easy");
    easy.redWells = 3;
    easy.blueWells = 3;
    easy.areas = {{RedGoal, QPolygon(QRect(20, 300, 760, 160))}};
    PlayerInput::RandomPlay player(20261208u);
    int records = 0;
    for (int tick = 0; tick < maxTicks && records < wantedRecords; ++tick) {
        // A fresh copy after every second record: the first pass of each is a record, and so is
        // one that beats it.
        easy.particles = {{RedParticle, 100 + 15 * (records / 2), 295}};
        if (!game->level().playsLike(easy))
            game->playLevel(easy);
        for (int burst = player.bounded(4); burst > 0; --burst)
            player.act({game});
        const bool before = game->hasNewRecord();
        game->animate();
        if (before || !game->hasNewRecord())
            continue;
        const Level &level = game->level();
        const QString kept = level.number ? QStringLiteral("replays/level-%1.txt").arg(level.number, 2, 10, QLatin1Char('0'))
                                          : QStringLiteral("replays/%1.swirl").arg(level.fingerprint());
        Level run;
        QString error;
        QVERIFY2(LevelCatalogue::readPlayback(kept, &run, &error), qPrintable(error));
        const ProofCheck check = ProofCheck::of(run);
        QVERIFY2(check.holds() && check.time == game->attemptTime(),
                 qPrintable(QStringLiteral("tick %1: %2 ms, but the kept run %3").arg(tick).arg(game->attemptTime()).arg(check.text())));
        ++records;
    }
    QCOMPARE(records, wantedRecords);
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
