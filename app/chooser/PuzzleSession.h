#ifndef SWIRLFALL_PUZZLESESSION_H
#define SWIRLFALL_PUZZLESESSION_H

#include "levels/puzzles/LevelGenerator.h"

#include <QHash>
#include <QObject>
#include <QString>

class GameWidget;

// The puzzle being played in the game: every puzzle made is known by its level, whichever way it
// comes to be played (chosen, played through its collection, typed as a seed), and while one is
// played the end of the level says its tier and difficulty.
class PuzzleSession : public QObject
{
    Q_OBJECT

public:
    PuzzleSession(GameWidget *game, QObject *parent = nullptr);

    // The puzzle played now; none when the level played is no puzzle.
    const LevelGenerator::Generated *playing() const;

public slots:
    // A puzzle made: known from now on.
    void remember(const LevelGenerator::Generated &made);

private slots:
    void levelStarted();

private:
    GameWidget *game;
    // What is known of each puzzle made, by the fingerprint of its level.
    QHash<QString, LevelGenerator::Generated> known;
    QString played;
};

#endif
