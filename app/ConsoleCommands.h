#ifndef SWIRLFALL_CONSOLECOMMANDS_H
#define SWIRLFALL_CONSOLECOMMANDS_H

#include "levels/puzzles/Seed.h"

#include <QString>

#include <QStringList>

#include <cstdio>

class CommandLine;

// What the command line can ask for without a window: each returns the exit status.
namespace ConsoleCommands {

// The exit status of a game that will not start: a bad option, a file that cannot be used.
constexpr int refusedStatus = 2;

// Help, the version, a refusal, --verify, --export-level or --generate, as options ask.
int answer(const CommandLine &options);
// Why the game will not start, in one line on standard error; 2.
int refuse(const QString &why);

// One line per file, starting with its name, saying what its proof shows: 0 when every proof
// holds, 1 when one is missing or does not hold, 2 when a file cannot be read.
int verify(const QStringList &files, std::FILE *out);
// Level n as a level file, with its built-in solution as the proof.
int exportLevel(int level, std::FILE *out);
// The level seed gives, as a level file with its proof; 1, with a line on stderr, when it gives none.
int generate(const Seed &seed, std::FILE *out);

} // namespace ConsoleCommands

#endif
