#include "app/chooser/PuzzleSession.h"

#include "app/chooser/LevelImporter.h"
#include "game/GameLog.h"
#include "game/GameWidget.h"
#include "levels/format/UntrustedText.h"
#include "levels/puzzles/PuzzleNote.h"
#include "levels/saves/AtomicWriter.h"
#include "levels/saves/DataFolders.h"

#include <QClipboard>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>

namespace {
constexpr double millisecondsPerSecond = 1000;
constexpr int decimals = 2;
// The puzzle played last, a seed, kept beside the records.
const char lastFileName[] = "last-puzzle.txt";
constexpr qint64 maxLastBytes = 256;

int wellsOf(const Replay &run)
{
    return int(std::count_if(run.actions.begin(), run.actions.end(),
                             [](const Replay::Action &action) { return action.type == Replay::Action::Well; }));
}

// The bytes of a file kept beside the records, read strictly: false, with why, for one that is
// there and cannot be read as read says.
template<typename Read>
bool readKeptFile(const QString &path, qint64 maxBytes, const QString &what, Read read, QString *why)
{
    QByteArray bytes;
    return !QFileInfo::exists(path) || (UntrustedText::readFile(path, maxBytes, what, &bytes, why) && read(bytes, why));
}
} // namespace

PuzzleSession::PuzzleSession(GameWidget *game, QWidget *window)
    : QObject(window),
      game(game),
      window(window),
      importer(new LevelImporter(DataFolders::myLevels(game->recordBook().folder()), window))
{
    connect(game, &GameWidget::levelStarted, this, &PuzzleSession::levelStarted);
    connect(game, &GameWidget::levelPassed, this, &PuzzleSession::levelPassed);
    readKept();
}

QString PuzzleSession::keptPath(const char *name) const
{
    return DataFolders::keptFile(game->recordBook().folder(), name);
}

void PuzzleSession::readKept()
{
    // No file is nothing yet; a broken one is a fresh start, said once. The streak is kept in two:
    // either one read is enough.
    QString why;
    const QString streakPath = keptPath(DailyStreak::fileName);
    const bool streakRead = QFileInfo::exists(streakPath)
        && readKeptFile(streakPath, DailyStreak::maxFileBytes, tr("a streak"),
                        [this](const QByteArray &bytes, QString *why) { return DailyStreak::read(bytes, &days, why); }, &why);
    if (!streakRead && QFileInfo::exists(streakPath))
        qCWarning(gameLog).noquote() << tr("%1: %2; the streak of days starts afresh").arg(streakPath, why);
    const QString logPath = keptPath(DayLog::fileName);
    if (!readKeptFile(logPath, DayLog::maxFileBytes, tr("a file of days"),
                      [this](const QByteArray &bytes, QString *why) { return DayLog::read(bytes, &log, why); }, &why))
        qCWarning(gameLog).noquote() << tr("%1: %2; the days passed start afresh, the streak is kept").arg(logPath, why);
    else if (!streakRead)
        days = log.streak();
    Seed seed;
    if (readKeptFile(keptPath(lastFileName), maxLastBytes, tr("a seed"),
                     [&seed](const QByteArray &bytes, QString *why) { return Seed::parse(QString::fromUtf8(bytes), &seed, why); }, &why)
        && !seed.word.isEmpty())
        last = seed;
}

QDate PuzzleSession::today()
{
    return QDateTime::currentDateTimeUtc().date();
}

bool PuzzleSession::opens(const Seed &seed)
{
    return !seed.day.isValid() || seed.day <= today();
}

const LevelGenerator::Generated *PuzzleSession::playing() const
{
    const auto found = known.constFind(played);
    return found == known.constEnd() ? nullptr : &found.value();
}

const LevelGenerator::Generated *PuzzleSession::find(const Seed &seed) const
{
    for (const LevelGenerator::Generated &made : known) {
        if (made.seed.text() == seed.text())
            return &made;
    }
    return nullptr;
}

std::optional<Seed> PuzzleSession::lastPlayed() const
{
    return last;
}

int PuzzleSession::streak() const
{
    return days.days(today());
}

QString PuzzleSession::describe(const Seed &seed, const LevelGenerator::Difficulty &difficulty) const
{
    const QString said = LevelGenerator::describe(seed, difficulty);
    if (seed.day != today() || longestStreak() == 0)
        return said;
    if (streak() == 0)
        return tr("%1 \u00b7 longest days in a row: %2").arg(said, QString::number(longestStreak()));
    if (streak() == longestStreak())
        return tr("%1 \u00b7 days in a row: %2").arg(said, QString::number(streak()));
    return tr("%1 \u00b7 days in a row: %2, longest %3").arg(said, QString::number(streak()), QString::number(longestStreak()));
}

quint32 PuzzleSession::bestTime(const Seed &seed, const Level &level) const
{
    if (!seed.day.isValid())
        return game->recordBook().best(level);
    const DayLog::Day *passed = log.find(seed.day);
    return passed ? passed->ms : 0;
}

QString PuzzleSession::result(const Seed &seed) const
{
    const DayLog::Day *passed = seed.day.isValid() ? log.find(seed.day) : nullptr;
    if (!passed)
        return QString();
    const QString time = QLocale().toString(passed->ms / millisecondsPerSecond, 'f', decimals);
    // The days in a row that day made: the streak kept, or the days passed around it.
    const int run = passed->onItsDay() ? qMax(days.days(seed.day), log.runEndingOn(seed.day)) : 0;
    // No streak to boast of, none said: a day's puzzle passed late.
    const QString line = run == 0
        ? tr("Swirlfall \u00b7 %1 \u00b7 %2 s \u00b7 wells: %3").arg(seed.shownName(), time, QString::number(passed->wells))
        : tr("Swirlfall \u00b7 %1 \u00b7 %2 s \u00b7 wells: %3 \u00b7 days in a row: %4")
              .arg(seed.shownName(), time, QString::number(passed->wells), QString::number(run));
    return passed->hints == 0 ? line : tr("%1 \u00b7 %n hints", nullptr, passed->hints).arg(line);
}

void PuzzleSession::remember(const LevelGenerator::Generated &made)
{
    known.insert(made.level.fingerprint(), made);
}

void PuzzleSession::levelStarted()
{
    played = game->level().fingerprint();
    // A puzzle saved as a file is known by its note, however it comes to be played.
    if (!playing()) {
        if (const std::optional<LevelGenerator::Generated> saved = PuzzleNote::read(game->level()))
            remember(*saved);
    }
    const LevelGenerator::Generated *puzzle = playing();
    if (puzzle && (!last || last->text() != puzzle->seed.text())) {
        last = puzzle->seed;
        keepLast();
    }
    showEnd();
    emit playingChanged(puzzle != nullptr);
    emit resultChanged(puzzle && !result(puzzle->seed).isEmpty());
}

void PuzzleSession::keepLast()
{
    QString why;
    if (!AtomicWriter::writeKept(keptPath(lastFileName), (last->text() + QLatin1Char('\n')).toUtf8(), &why))
        qCWarning(gameLog).noquote() << tr("the puzzle played last could not be kept in %1: %2").arg(keptPath(lastFileName), why);
}

void PuzzleSession::levelPassed(const Level &level, const Replay &run)
{
    const LevelGenerator::Generated *puzzle = playing();
    if (!puzzle || level.fingerprint() != played)
        return;
    QString why;
    if (days.pass(puzzle->seed.day, today()) && !AtomicWriter::writeKept(keptPath(DailyStreak::fileName), days.write(), &why))
        qCWarning(gameLog).noquote() << tr("the streak could not be kept in %1: %2").arg(keptPath(DailyStreak::fileName), why);
    if (puzzle->seed.day.isValid() && log.pass({puzzle->seed.day, today(), run.time, wellsOf(run), game->hintsTaken()})
        && !AtomicWriter::writeKept(keptPath(DayLog::fileName), log.write(), &why))
        qCWarning(gameLog).noquote() << tr("the days passed could not be kept in %1: %2").arg(keptPath(DayLog::fileName), why);
    showEnd();
    emit resultChanged(!result(puzzle->seed).isEmpty());
    emit daysChanged();
}

void PuzzleSession::showEnd()
{
    const LevelGenerator::Generated *puzzle = playing();
    game->setEndNote(puzzle ? describe(puzzle->seed, puzzle->difficulty) : QString());
}

void PuzzleSession::save()
{
    if (const LevelGenerator::Generated *puzzle = playing())
        importer->addPuzzle(*puzzle);
}

void PuzzleSession::copySeed()
{
    if (const LevelGenerator::Generated *puzzle = playing())
        QGuiApplication::clipboard()->setText(puzzle->seed.text());
}

void PuzzleSession::copyResult()
{
    if (const LevelGenerator::Generated *puzzle = playing()) {
        const QString line = result(puzzle->seed);
        if (!line.isEmpty())
            QGuiApplication::clipboard()->setText(line);
    }
}
