#ifndef SWIRLFALL_DATAFOLDERS_H
#define SWIRLFALL_DATAFOLDERS_H

#include <QString>
#include <QStringList>

// Where the game keeps what it saves and finds what others installed, in one place. The user's
// data folder is Qt's for the application (QStandardPaths::AppDataLocation, named by the
// application's name: ~/.local/share/swirlfall); everything else is kept beside the best times.
namespace DataFolders {

constexpr char scoreFileName[] = "scores.dat";
constexpr char myLevelsFolder[] = "my-levels";
constexpr char setsFolder[] = "levels";

// scores.dat in the user's data folder; empty when no such folder is known (HOME is not set).
QString userScoreFile();
// A file the game keeps by itself beside the records, in recordsFolder.
QString keptFile(const QString &recordsFolder, const char *name);
// The player's own levels: "my-levels" in recordsFolder, the folder the records are kept in.
QString myLevels(const QString &recordsFolder);
// The folders whose subfolders are installed sets: "levels" in the game's data folder of the
// user, then of the system ($XDG_DATA_HOME, then $XDG_DATA_DIRS).
QStringList setFolders();

} // namespace DataFolders

#endif
