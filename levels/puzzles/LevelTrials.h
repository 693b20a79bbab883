#ifndef SWIRLFALL_LEVELTRIALS_H
#define SWIRLFALL_LEVELTRIALS_H

#include "levels/format/Replay.h"

#include <QPoint>
#include <QRect>

#include <atomic>
#include <functional>
#include <utility>

class Level;
class SeededRandom;

// What every version of the generator asks of a candidate, played as the game plays it: whether a
// run passes, and the share of runs drawn at random that do (single wells set at random, a proof
// played slightly off). Every number here decides what a seed gives, in every version.
namespace LevelTrials {

constexpr int percent = 100;
// Trials of a candidate, each played this long at the most.
constexpr int trials = 40;
constexpr int trialTicks = 1000;
// A slightly-off replay sets each well up to this far away and this many ticks late.
constexpr int offBy = 8;
constexpr int lateBy = 5;

bool passes(const Level &level, const Replay &replay);

// Two numbers, each in its range. A call's arguments are evaluated in an order each compiler picks
// (g++ the last first, clang the first first), so two draws in one call would make another level
// on another compiler; these draw the second number first, as g++ did when version 1 was made.
std::pair<int, int> drawTwo(SeededRandom &random, int firstLow, int firstHigh, int secondLow, int secondHigh);
QPoint pointIn(SeededRandom &random, const QRect &field);

// The share, in percent, of trials that pass the level, each a replay drawn by trial; as soon as
// more than most have passed, or fewer than fewest can, it is no use going on and stops there.
int passingPercent(const Level &level, const std::function<Replay()> &trial, int fewest, int most,
                   const std::atomic<bool> &cancelled);

// A single well set at random at the start.
Replay singleWell(SeededRandom &random);

// proof slightly off: each well up to offBy pixels away and lateBy ticks late, a click on it
// following it.
Replay slightlyOff(const Replay &proof, SeededRandom &random);

} // namespace LevelTrials

#endif
