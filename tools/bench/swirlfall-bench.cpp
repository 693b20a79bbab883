// What one frame tick costs, per level: the simulation step alone, one paint of the whole
// widget, a tick that repaints the whole widget (as after a level load or an expose), a tick of
// a running level that repaints only what changed, and a tick on a still screen; and a played
// level as the window plays it, through its frame timer and the event loop, its solution watched
// over and over, with the note over the help and the status texts of its end. Then what the
// level chooser costs over a thousand levels of a player's own: opening it, shown and painted,
// and scrolling it by a page of rows whose pictures are drawn for the first time.
//   swirlfall-bench [--json FILE] [google benchmark flags]
#include "app/chooser/LevelChooser.h"
#include "app/chooser/LevelListModel.h"
#include "app/chooser/PuzzleSession.h"
#include "app/vorticade.h"
#include "game/GameWidget.h"
#include "game/RecordBook.h"
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/LevelFile.h"
#include "levels/format/ProofCheck.h"
#include "levels/library/LevelCollection.h"
#include "levels/puzzles/LevelFigures.h"
#include "levels/puzzles/PlayerModel.h"
#include "levels/puzzles/LevelGenerator.h"
#include "levels/saves/AtomicWriter.h"
#include "levels/saves/DataFolders.h"
#include "sim/Physics.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <map>
#include <string>
#include <vector>

namespace {
constexpr int repetitions = 10;
constexpr double secondsPerRepetition = 0.05;
// Untimed iterations before each measurement, so caches and glyph tables are warm.
constexpr int warmUp = 50;
constexpr float dt = Physics::frameInterval / Physics::millisecondsPerTimeUnit;
const QPoint pointerAway(-100, -100);

struct Placement
{
    QPoint at;
    int kind;
};

QPoint centroid(const QPolygon &polygon)
{
    QPoint sum;
    for (const QPoint &point : polygon)
        sum += point;
    return sum / polygon.size();
}

QPoint clampToPlayfield(const QPoint &p)
{
    return QPoint(qBound(40, p.x(), 760), qBound(40, p.y(), 440));
}

// Wells that set the particles moving: for the first particle, a well of its own colour on its
// goal, or, without that budget, a well of the other colour behind it, pushing it the same way.
std::vector<Placement> placementsFor(int level)
{
    const LevelState state = LevelCatalogue::level(level).newState();
    const ParticleObject &particle = state.particles.first();
    const bool red = particle.kind == RedParticle;
    QPoint goal;
    for (const Area &area : std::as_const(state.areas)) {
        if (area.isGoalFor(particle.kind)) {
            goal = centroid(area);
            break;
        }
    }
    const int pull = red ? RedWell : BlueWell;
    const int push = red ? BlueWell : RedWell;
    const int pullBudget = state.wellsLeft(pull);
    const QPoint start = particle.toPoint();
    if (pullBudget > 0)
        return {{goal, pull}};
    const QPointF away = QPointF(start - goal) / QLineF(start, goal).length() * 150;
    return {{clampToPlayfield(start + away.toPoint()), push}};
}

LevelState levelWithWells(int level)
{
    LevelState state = LevelCatalogue::level(level).newState();
    state.start();
    for (const Placement &p : placementsFor(level))
        state.addWell(p.at.x(), p.at.y(), p.kind);
    return state;
}

void sendMouse(QWidget &widget, QEvent::Type type, const QPoint &at)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// Starts the level and places its wells with the drags a player would make.
void startWithWells(GameWidget &game, int level)
{
    game.loadLevel(level);
    for (const Placement &p : placementsFor(level)) {
        const QPoint end = p.at + (p.kind == BlueWell ? QPoint(40, 0) : QPoint(0, 40));
        sendMouse(game, QEvent::MouseButtonPress, p.at);
        sendMouse(game, QEvent::MouseMove, end);
        sendMouse(game, QEvent::MouseButtonRelease, end);
    }
    sendMouse(game, QEvent::MouseMove, pointerAway);
}

GameWidget *sharedGame = nullptr;

vorticade *sharedWindow = nullptr;
// The Passed screen stays this many ticks before the solution is watched again.
constexpr int endTicks = 50;

// One tick of the window's frame timer, then the events it leaves, as the event loop runs them.
void benchPlayed(benchmark::State &bench, int level)
{
    GameWidget *game = sharedWindow->findChild<GameWidget *>();
    QTimer *timer = sharedWindow->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    game->loadLevel(level);
    int ended = 0;
    for (auto _ : bench) {
        if (!game->isWatching() && ended++ % endTicks == 0)
            game->showSolution();
        QMetaObject::invokeMethod(timer, "timeout");
        QCoreApplication::processEvents();
    }
}

constexpr int chooserLevels = 1000;
const RecordBook *chooserRecords = nullptr;
PuzzleSession *chooserSession = nullptr;

// A player's thousand levels: the built-in ones over and over, each a particle apart so that no
// two are the same level, with their solutions as proofs for the chooser to check.
void generateLevels(const QString &folder)
{
    QDir().mkpath(folder);
    for (int i = 0; i < chooserLevels; ++i) {
        const int number = i % LevelCatalogue::levelCount + 1;
        Level level = LevelCatalogue::level(number);
        level.name = QStringLiteral("Generated %1").arg(i + 1);
        level.particles.first().x += i / LevelCatalogue::levelCount % 2;
        level.proof = LevelCatalogue::solution(number);
        AtomicWriter::write(QDir(folder).filePath(QStringLiteral("level-%1.swirl").arg(i, 4, 10, QLatin1Char('0'))),
                              LevelFile::toText(level).toUtf8());
    }
}

// From the shortcut to a painted dialog over My levels: the list found, the collection's files
// read, the first rows and their pictures drawn. A fresh chooser each time, with nothing cached.
void benchChooserOpen(benchmark::State &bench)
{
    for (auto _ : bench) {
        LevelChooser *chooser = new LevelChooser(chooserRecords, chooserSession);
        chooser->choose();
        chooser->showCollection(1);
        benchmark::DoNotOptimize(chooser->grab());
        bench.PauseTiming();
        delete chooser;
        bench.ResumeTiming();
    }
}

// A page further down, its pictures drawn for the first time; round to the top at the end.
void benchChooserScroll(benchmark::State &bench)
{
    LevelChooser chooser(chooserRecords, chooserSession);
    chooser.choose();
    chooser.showCollection(1);
    QScrollBar *scroll = chooser.view()->verticalScrollBar();
    for (auto _ : bench) {
        chooser.model()->forgetThumbnails();
        scroll->setValue(scroll->value() < scroll->maximum() ? scroll->value() + scroll->pageStep() : 0);
        benchmark::DoNotOptimize(chooser.view()->viewport()->grab());
    }
}

// The game's resident memory, in MiB, as the system counts it.
double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    constexpr double bytesPerMiB = 1024.0 * 1024.0;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / bytesPerMiB;
}

struct ChooserMemory
{
    double before = 0;
    double pagedThrough = 0;
    double closed = 0;
};

// What paging through a thousand levels keeps, and what closing the chooser gives back.
ChooserMemory chooserMemory()
{
    ChooserMemory memory;
    memory.before = residentMiB();
    LevelChooser chooser(chooserRecords, chooserSession);
    chooser.choose();
    chooser.showCollection(1);
    QScrollBar *scroll = chooser.view()->verticalScrollBar();
    for (scroll->setValue(0);; scroll->setValue(scroll->value() + scroll->pageStep())) {
        chooser.view()->viewport()->grab();
        if (scroll->value() == scroll->maximum())
            break;
    }
    memory.pagedThrough = residentMiB();
    chooser.hide();
    memory.closed = residentMiB();
    return memory;
}

// How designed a set of levels looks: each of the figures (LevelFigures) of every level.
struct Looks
{
    void add(const Level &level)
    {
        const LevelFigures figures = LevelFigures::of(level);
        values[0].push_back(figures.hazardShare);
        values[1].push_back(figures.shapedShare);
        values[2].push_back(figures.blockedShare);
        values[3].push_back(figures.nearShare);
        values[4].push_back(figures.lateShare);
        values[5].push_back(figures.hazards);
        values[6].push_back(figures.goalCorners);
        values[7].push_back(figures.walledGoalShare);
        values[8].push_back(figures.idleShare);
        values[9].push_back(figures.pockets);
    }

    static constexpr int count = 10;
    // The first five figures, then those a person's eye sees.
    static constexpr int firstTable = 5;
    std::vector<double> values[count];
};

const char *const lookNames[Looks::count] = {"hazard", "shaped", "blocked", "near",    "late",
                                             "shapes", "goal corners", "walled goals", "idle", "pockets"};

// The value below which percent of values lie, between the two nearest.
double quantile(std::vector<double> values, double percent)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const double at = percent / 100 * double(values.size() - 1);
    const size_t below = size_t(at);
    const size_t above = std::min(values.size() - 1, below + 1);
    return values[below] + (values[above] - values[below]) * (at - double(below));
}

// What a tier's seeds take and give: the time from a seed to a proven level, what each level's
// proof takes and how designed the levels look, over seedsPerTier seeds; every level verified as
// --verify would.
struct TierFigures
{
    std::vector<double> times;
    std::vector<double> wells;
    std::vector<double> forgiving;
    // How many levels have each number of stars, from one.
    int stars[5] = {};
    int maxGiveAway = 0;
    int failed = 0;
    Looks looks;
};

constexpr int seedsPerTier = 200;

TierFigures tierFigures(Seed::Tier tier)
{
    TierFigures figures;
    for (int i = 1; i <= seedsPerTier; ++i) {
        QElapsedTimer clock;
        clock.start();
        const std::optional<LevelGenerator::Generated> made = LevelGenerator(Seed::of(tier, QString::number(i))).generate();
        figures.times.push_back(clock.nsecsElapsed() / 1e6);
        const ProofCheck check = made ? ProofCheck::of(made->level) : ProofCheck();
        if (!made || !check.holds() || check.time != made->level.proof->time) {
            ++figures.failed;
            continue;
        }
        figures.wells.push_back(made->difficulty.wells);
        figures.forgiving.push_back(made->difficulty.forgivingPercent);
        ++figures.stars[made->difficulty.marks() - 1];
        figures.maxGiveAway = std::max(figures.maxGiveAway, made->difficulty.giveAwayPercent);
        figures.looks.add(made->level);
    }
    return figures;
}

// A row of medians with their quartiles, of the figures from first to last.
void printLooks(const char *name, const Looks &looks, int first, int last)
{
    std::printf("%-9s", name);
    for (int i = first; i < last; ++i) {
        const std::vector<double> &values = looks.values[i];
        std::printf("   %.2f (%.2f-%.2f)", quantile(values, 50), quantile(values, 25), quantile(values, 75));
    }
    std::printf("\n");
}

QJsonObject looksJson(const Looks &looks)
{
    QJsonObject object;
    for (int i = 0; i < Looks::count; ++i) {
        object.insert(QLatin1String(lookNames[i]), QJsonObject{{"median", quantile(looks.values[i], 50)},
                                                               {"low_quartile", quantile(looks.values[i], 25)},
                                                               {"high_quartile", quantile(looks.values[i], 75)}});
    }
    return object;
}

void benchStep(benchmark::State &bench, int level)
{
    LevelState state = levelWithWells(level);
    for (int i = 0; i < warmUp; ++i)
        state.step(dt, pointerAway);
    state = levelWithWells(level);
    for (auto _ : bench) {
        state.step(dt, pointerAway);
        if (state.status() != Running) {
            bench.PauseTiming();
            state = levelWithWells(level);
            bench.ResumeTiming();
        }
    }
}

void benchPaint(benchmark::State &bench, int level)
{
    startWithWells(*sharedGame, level);
    QImage image(GameWidget::playfieldSize(), QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < warmUp; ++i)
        sharedGame->render(&image);
    for (auto _ : bench) {
        sharedGame->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// A tick after which the running level starts again (not timed), with one tick untimed so that
// the next timed tick finds the screen as a running level leaves it.
void restartIfEnded(benchmark::State &bench, int level)
{
    if (sharedGame->state().status() == Running)
        return;
    bench.PauseTiming();
    startWithWells(*sharedGame, level);
    sharedGame->animate();
    bench.ResumeTiming();
}

void benchWholeTick(benchmark::State &bench, int level)
{
    startWithWells(*sharedGame, level);
    for (int i = 0; i < warmUp; ++i)
        sharedGame->repaint();
    for (auto _ : bench) {
        sharedGame->invalidateFrame();
        sharedGame->animate();
        restartIfEnded(bench, level);
    }
}

void benchPartialTick(benchmark::State &bench, int level)
{
    startWithWells(*sharedGame, level);
    for (int i = 0; i < warmUp; ++i)
        sharedGame->animate();
    startWithWells(*sharedGame, level);
    sharedGame->animate();
    for (auto _ : bench) {
        sharedGame->animate();
        restartIfEnded(bench, level);
    }
}

// The level as loaded, before the first press: nothing moves, nothing is drawn.
void benchStillTick(benchmark::State &bench, int level)
{
    sharedGame->loadLevel(level);
    sendMouse(*sharedGame, QEvent::MouseMove, pointerAway);
    for (int i = 0; i < warmUp; ++i)
        sharedGame->animate();
    for (auto _ : bench)
        sharedGame->animate();
}

struct Figure
{
    double median = 0;
    double spread = 0;
};

// Collects the median and the standard deviation of the repetitions, in microseconds.
class Collector : public benchmark::BenchmarkReporter
{
public:
    bool ReportContext(const Context &) override { return true; }
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Aggregate)
                continue;
            const double us = run.GetAdjustedRealTime() * unitToMicroseconds(run.time_unit);
            Figure &figure = figures[run.run_name.function_name];
            if (run.aggregate_name == "median")
                figure.median = us;
            else if (run.aggregate_name == "stddev")
                figure.spread = us;
        }
    }

    std::map<std::string, Figure> figures;

private:
    static double unitToMicroseconds(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kNanosecond:
            return 1e-3;
        case benchmark::kMillisecond:
            return 1e3;
        case benchmark::kSecond:
            return 1e6;
        default:
            return 1;
        }
    }
};

std::string name(const char *what, int level)
{
    return std::string(what) + "/level-" + (level < 10 ? "0" : "") + std::to_string(level);
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QString jsonFile;
    std::vector<char *> args;
    for (int i = 0; i < argc; ++i) {
        if (std::string(argv[i]) == "--json" && i + 1 < argc)
            jsonFile = QString::fromLocal8Bit(argv[++i]);
        else
            args.push_back(argv[i]);
    }
    int benchArgc = int(args.size());
    QApplication app(benchArgc, args.data());
    benchmark::Initialize(&benchArgc, args.data());

    GameWidget game;
    game.show();
    vorticade window;
    window.show();
    // Let the platform expose the windows: repaint() paints nothing before that.
    for (QWidget *shown : {static_cast<QWidget *>(&game), static_cast<QWidget *>(&window)}) {
        while (!shown->windowHandle() || !shown->windowHandle()->isExposed())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    sharedGame = &game;
    sharedWindow = &window;

    // Repeated runs give a median that one slow run cannot move.
    const auto add = [](const std::string &benchName, void (*function)(benchmark::State &, int), int level) {
        benchmark::RegisterBenchmark(benchName.c_str(), function, level)
            ->Repetitions(repetitions)
            ->MinTime(secondsPerRepetition)
            ->ReportAggregatesOnly(true)
            ->Unit(benchmark::kMicrosecond);
    };
    for (int level = 1; level <= LevelCatalogue::levelCount; ++level) {
        add(name("step", level), benchStep, level);
        add(name("paint", level), benchPaint, level);
        add(name("tick", level), benchWholeTick, level);
        add(name("partial", level), benchPartialTick, level);
        add(name("still", level), benchStillTick, level);
        add(name("played", level), benchPlayed, level);
    }
    QTemporaryDir chooserFolder;
    generateLevels(DataFolders::myLevels(chooserFolder.path()));
    GameWidget chooserGame(nullptr, QDir(chooserFolder.path()).filePath(QStringLiteral("scores.dat")));
    PuzzleSession session(&chooserGame, &chooserGame);
    chooserRecords = &chooserGame.recordBook();
    chooserSession = &session;
    for (const auto &[benchName, function] : {std::pair{"chooser-open", benchChooserOpen}, {"chooser-scroll", benchChooserScroll}}) {
        benchmark::RegisterBenchmark(benchName, function)
            ->Repetitions(repetitions)
            ->MinTime(secondsPerRepetition)
            ->ReportAggregatesOnly(true)
            ->Unit(benchmark::kMillisecond);
    }
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();
    const ChooserMemory memory = chooserMemory();
    // Levels from seeds, timed as a player waits for one: each alone, on every core.
    std::map<int, TierFigures> tiers;
    for (const Seed::Tier tier : {Seed::Easy, Seed::Medium, Seed::Hard})
        tiers[tier] = tierFigures(tier);
    constexpr int builtInTrials = 400;
    constexpr quint64 trialSeed = 1;
    int builtInGiveAway = 0;
    Looks builtInLooks;
    QString builtInStars;
    for (int level = 1; level <= LevelCatalogue::levelCount; ++level) {
        builtInGiveAway = std::max(builtInGiveAway, LevelGenerator::giveAwayPercent(LevelCatalogue::level(level), trialSeed, builtInTrials));
        builtInStars += QString::number(PlayerModel::stars(PlayerModel::medianPlays(LevelCatalogue::level(level), trialSeed)));
        Level proven = LevelCatalogue::level(level);
        proven.proof = LevelCatalogue::solution(level);
        builtInLooks.add(proven);
    }

    std::printf("%-6s %16s %16s %16s %16s %16s %16s\n", "level", "step (us)", "paint (us)", "whole tick (us)",
                "partial (us)", "still (us)", "played (us)");
    QJsonArray rows;
    int worstLevel = 0;
    double worstTick = -1;
    const auto entry = [](const Figure &figure) {
        return QJsonObject{{"median", figure.median}, {"stddev", figure.spread}};
    };
    for (int level = 1; level <= LevelCatalogue::levelCount; ++level) {
        const Figure step = collector.figures[name("step", level)];
        const Figure paint = collector.figures[name("paint", level)];
        const Figure tick = collector.figures[name("tick", level)];
        const Figure partial = collector.figures[name("partial", level)];
        const Figure still = collector.figures[name("still", level)];
        const Figure played = collector.figures[name("played", level)];
        std::printf("%-6d %9.3f ±%5.3f %9.1f ±%5.1f %9.1f ±%5.1f %9.1f ±%5.1f %9.2f ±%5.2f %9.1f ±%5.1f\n", level,
                    step.median, step.spread, paint.median, paint.spread, tick.median, tick.spread, partial.median,
                    partial.spread, still.median, still.spread, played.median, played.spread);
        if (tick.median > worstTick) {
            worstTick = tick.median;
            worstLevel = level;
        }
        rows.append(QJsonObject{{"level", level},
                                {"step_us", entry(step)},
                                {"paint_us", entry(paint)},
                                {"tick_us", entry(tick)},
                                {"partial_tick_us", entry(partial)},
                                {"still_tick_us", entry(still)},
                                {"played_tick_us", entry(played)}});
    }
    const double budgetUs = Physics::frameInterval * 1000.0;
    std::printf("worst whole tick: level %d, %.1f us median, %.1f%% of the %d ms budget\n", worstLevel, worstTick,
                100 * worstTick / budgetUs, Physics::frameInterval);
    const Figure open = collector.figures["chooser-open"];
    const Figure scroll = collector.figures["chooser-scroll"];
    constexpr double usPerMs = 1000;
    std::printf("level chooser over %d levels: opened and painted in %.1f ms (±%.1f), a page scrolled in %.2f ms (±%.2f)\n",
                chooserLevels, open.median / usPerMs, open.spread / usPerMs, scroll.median / usPerMs,
                scroll.spread / usPerMs);
    std::printf("level chooser's memory: %.0f MiB resident before, %.0f MiB paged through all %d, %.0f MiB once closed\n",
                memory.before, memory.pagedThrough, chooserLevels, memory.closed);
    std::printf("levels from %d seeds a tier (generator %d), each verified:\n", seedsPerTier, Seed::latestVersion);
    std::printf("%-7s %12s %12s %12s %14s %18s %16s %8s %16s\n", "tier", "median (ms)", "p95 (ms)", "max (ms)", "median wells",
                "median forgiving", "max give-away", "failed", "stars 1 2 3 4 5");
    QJsonArray tierRows;
    for (const auto &[tier, figures] : tiers) {
        std::printf("%-7s %12.0f %12.0f %12.0f %14.0f %17.0f%% %15d%% %8d %4d %2d %2d %2d %2d\n", qPrintable(Seed::tierName(Seed::Tier(tier))),
                    quantile(figures.times, 50), quantile(figures.times, 95), quantile(figures.times, 100),
                    quantile(figures.wells, 50), quantile(figures.forgiving, 50), figures.maxGiveAway, figures.failed,
                    figures.stars[0], figures.stars[1], figures.stars[2], figures.stars[3], figures.stars[4]);
        tierRows.append(QJsonObject{{"tier", Seed::tierName(Seed::Tier(tier))},
                                    {"median_ms", quantile(figures.times, 50)},
                                    {"p95_ms", quantile(figures.times, 95)},
                                    {"max_ms", quantile(figures.times, 100)},
                                    {"median_wells", quantile(figures.wells, 50)},
                                    {"median_forgiving_percent", quantile(figures.forgiving, 50)},
                                    {"max_give_away_percent", figures.maxGiveAway},
                                    {"failed", figures.failed},
                                    {"stars", QJsonArray{figures.stars[0], figures.stars[1], figures.stars[2], figures.stars[3], figures.stars[4]}},
                                    {"looks", looksJson(figures.looks)}});
    }
    std::printf("the built-in levels: a single well set at random passes one at most %d%% of the time (%d trials each)\n",
                builtInGiveAway, builtInTrials);
    std::printf("the stars a model of a player gives the built-in levels, 1 to 20: %s\n", qPrintable(builtInStars));
    std::printf("how designed they look, median (quartiles): the share of the playfield that is hazard, of hazards that are\n"
                "shaped, of particles whose straight line to their goal is blocked, of free space within 40 px of a hazard,\n"
                "of the proof's actions after tick 0; then hazards a level, corners a goal, the share of goals against a wall,\n"
                "of hazards with no job, and pockets of free space no particle reaches\n");
    for (const auto &[first, last] : {std::pair{0, Looks::firstTable}, std::pair{Looks::firstTable, Looks::count}}) {
        std::printf("%-9s", "");
        for (int i = first; i < last; ++i)
            std::printf("   %-16s", lookNames[i]);
        std::printf("\n");
        printLooks("built-in", builtInLooks, first, last);
        for (const auto &[tier, figures] : tiers)
            printLooks(qPrintable(Seed::tierName(Seed::Tier(tier))), figures.looks, first, last);
    }

    if (!jsonFile.isEmpty()) {
        const QJsonObject report{{"qt", qVersion()},
                                 {"cpu", QSysInfo::currentCpuArchitecture()},
                                 {"levels", rows},
                                 {"chooser", QJsonObject{{"levels", chooserLevels},
                                                         {"open_us", entry(open)},
                                                         {"scroll_page_us", entry(scroll)},
                                                         {"resident_mib", QJsonObject{{"before", memory.before},
                                                                                      {"paged_through", memory.pagedThrough},
                                                                                      {"closed", memory.closed}}}}},
                                 {"generated", QJsonObject{{"seeds_per_tier", seedsPerTier},
                                                           {"generator", Seed::latestVersion},
                                                           {"tiers", tierRows},
                                                           {"built_in_max_give_away_percent", builtInGiveAway},
                                                           {"built_in_stars", builtInStars},
                                                           {"built_in_looks", looksJson(builtInLooks)}}},
                                 {"worst", QJsonObject{{"level", worstLevel},
                                                       {"tick_us", worstTick},
                                                       {"budget_share", worstTick / budgetUs}}}};
        QFile out(jsonFile);
        if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(report).toJson()) < 0) {
            std::fprintf(stderr, "swirlfall-bench: cannot write %s\n", qPrintable(jsonFile));
            return 1;
        }
    }
    return 0;
}
