#ifndef SWIRLFALL_LEVELFILE_H
#define SWIRLFALL_LEVELFILE_H

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class Level;

// A level as a file (.swirl): UTF-8 text, one item a line; blank lines and lines starting with
// '#' are ignored, and words are separated by spaces.
//   swirlfall-level 1           first: the format and its version
//   name <text>                 the rest of the line, 1 to 40 printable characters
//   wells red <n> blue <n>      the budgets, 0 to 20 each
//   particle red|blue <x> <y>   1 to 100 particles
//   goal red|blue <x> <y> ...   areas of 3 to 100 points, at most 100 areas, kept in file order;
//   hazard <x> <y> ...          the game adds the frame after them
//   solution <ms>               optional and last: the lines after it are a replay of the level
//                               (actions only, no header) that passes it in <ms>
// Coordinates are whole pixels on the playfield, 0 <= x <= 800 and 0 <= y <= 480. The reader is
// strict: a file from anywhere is either a level some editor could have made or refused with one
// line that names the line and the reason.
namespace LevelFile {

constexpr char extension[] = "swirl";
constexpr qint64 maxFileBytes = 1 << 20;
constexpr int maxLineLength = 1000;
constexpr int version = 1;
constexpr int maxNameLength = 40;
constexpr int maxWells = 20;
constexpr int maxParticles = 100;
constexpr int maxAreas = 100;
constexpr int minPoints = 3;
constexpr int maxPoints = 100;

// Each false, with a message such as "line 3: ...", for text no editor could have made.
bool parse(const QString &text, Level *level, QString *error);
// The same for a file's bytes, refusing more than maxFileBytes and anything but UTF-8.
bool read(const QByteArray &bytes, Level *level, QString *error);
// The same for a file, the message naming it: "FILE: line 3: ...".
bool readFile(const QString &path, Level *level, QString *error);
// True when bytes start as a level file does, whatever follows: what tells a level file from a
// replay.
bool looksLikeLevel(const QByteArray &bytes);
QString toText(const Level &level);
// What a file dialog offers for level files: "Swirlfall levels (*.swirl)", then all files.
QString dialogFilter();

} // namespace LevelFile

#endif
