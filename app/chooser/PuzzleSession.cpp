#include "app/chooser/PuzzleSession.h"

#include "app/chooser/LevelImporter.h"
#include "game/GameLog.h"
#include "game/GameWidget.h"
#include "levels/format/LevelFile.h"
#include "levels/format/UntrustedText.h"
#include "levels/saves/AtomicWriter.h"
#include "levels/saves/DataFolders.h"

#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>

namespace {
constexpr double millisecondsPerSecond = 1000;
constexpr int decimals = 2;

QDate todayUtc()
{
    return QDateTime::currentDateTimeUtc().date();
}

int wellsOf(const Replay &run)
{
    return int(std::count_if(run.actions.begin(), run.actions.end(),
                             [](const Replay::Action &action) { return action.type == Replay::Action::Well; }));
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
    QByteArray bytes;
    QString why;
    // No file is no streak yet; a broken one is a fresh start, said once.
    if (QFileInfo::exists(streakPath()) && (!UntrustedText::readFile(streakPath(), DailyStreak::maxFileBytes, tr("a streak"), &bytes, &why)
                                            || !DailyStreak::read(bytes, &days, &why)))
        qCWarning(gameLog).noquote() << tr("%1: %2; the streak of days starts afresh").arg(streakPath(), why);
}

QString PuzzleSession::streakPath() const
{
    return QDir(game->recordBook().folder()).filePath(QLatin1String(DailyStreak::fileName));
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
    const auto found = known.constFind(last);
    return found == known.constEnd() ? std::nullopt : std::optional<Seed>(found->seed);
}

int PuzzleSession::streak() const
{
    return days.days(todayUtc());
}

QString PuzzleSession::describe(const Seed &seed, const LevelGenerator::Difficulty &difficulty) const
{
    const QString said = LevelGenerator::describe(seed, difficulty);
    if (seed.day != todayUtc() || streak() == 0)
        return said;
    return tr("%1 \u00b7 days in a row: %2").arg(said, QString::number(streak()));
}

QString PuzzleSession::result(const Seed &seed) const
{
    for (const LevelGenerator::Generated &made : known) {
        Replay run;
        if (made.seed.text() != seed.text() || !seed.day.isValid() || !game->recordBook().keptRun(made.level, &run))
            continue;
        const QString time = QLocale().toString(game->recordBook().best(made.level) / millisecondsPerSecond, 'f', decimals);
        // No streak to boast of, none said: a day's puzzle passed late, or a streak started again.
        if (streak() == 0)
            return tr("Swirlfall \u00b7 %1 \u00b7 %2 s \u00b7 wells: %3").arg(seed.shownName(), time, QString::number(wellsOf(run)));
        return tr("Swirlfall \u00b7 %1 \u00b7 %2 s \u00b7 wells: %3 \u00b7 days in a row: %4")
            .arg(seed.shownName(), time, QString::number(wellsOf(run)), QString::number(streak()));
    }
    return QString();
}

void PuzzleSession::remember(const LevelGenerator::Generated &made)
{
    known.insert(made.level.fingerprint(), made);
}

void PuzzleSession::levelStarted()
{
    played = game->level().fingerprint();
    const bool puzzle = playing() != nullptr;
    if (puzzle)
        last = played;
    showEnd();
    emit playingChanged(puzzle);
    emit resultChanged(puzzle && !result(playing()->seed).isEmpty());
}

void PuzzleSession::levelPassed(const Level &level, const Replay &)
{
    const LevelGenerator::Generated *puzzle = playing();
    if (!puzzle || level.fingerprint() != played)
        return;
    if (days.pass(puzzle->seed.day, todayUtc())) {
        QString why;
        if (!AtomicWriter::writeKept(streakPath(), days.write(), &why))
            qCWarning(gameLog).noquote() << tr("the streak could not be kept in %1: %2").arg(streakPath(), why);
    }
    showEnd();
    emit resultChanged(!result(puzzle->seed).isEmpty());
}

void PuzzleSession::showEnd()
{
    const LevelGenerator::Generated *puzzle = playing();
    game->setEndNote(puzzle ? describe(puzzle->seed, puzzle->difficulty) : QString());
}

void PuzzleSession::save()
{
    if (const LevelGenerator::Generated *puzzle = playing()) {
        // The same file in every language: the name in the file is the seed's own.
        importer->addText(puzzle->fileText(), puzzle->seed.fileName() + QLatin1Char('.') + QLatin1String(LevelFile::extension),
                          tr("Save to My levels"));
    }
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
