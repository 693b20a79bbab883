#include "app/chooser/PuzzleSession.h"

#include "game/GameWidget.h"

PuzzleSession::PuzzleSession(GameWidget *game, QObject *parent)
    : QObject(parent),
      game(game)
{
    connect(game, &GameWidget::levelStarted, this, &PuzzleSession::levelStarted);
}

const LevelGenerator::Generated *PuzzleSession::playing() const
{
    const auto found = known.constFind(played);
    return found == known.constEnd() ? nullptr : &found.value();
}

void PuzzleSession::remember(const LevelGenerator::Generated &made)
{
    known.insert(made.level.fingerprint(), made);
}

void PuzzleSession::levelStarted()
{
    played = game->level().fingerprint();
    const LevelGenerator::Generated *puzzle = playing();
    game->setEndNote(puzzle ? LevelGenerator::describe(puzzle->seed, puzzle->difficulty) : QString());
}
