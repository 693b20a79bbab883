#ifndef SWIRLFALL_FILECOMMANDS_H
#define SWIRLFALL_FILECOMMANDS_H

#include "levels/format/Level.h"

#include <QObject>
#include <QString>
#include <QStringList>

class EditorWindow;
class GameWidget;
class QWidget;

// What the window does with files: a level opened from a dialog or by name is played in the
// game, and a replay, or a level with its proof, is watched. A file that cannot be read is named,
// with the line and the reason, in a message box, and the level being played stays. Levels are
// made in editor windows, which try them out in the game and take its passes as proofs. A level
// file dropped on the window is opened too.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    FileCommands(GameWidget *game, QWidget *window);

public slots:
    // Asks for a level file, then opens it.
    void openLevel();
    void openLevelFile(const QString &path);
    // A level already read from path.
    void playLevelFile(const Level &level, const QString &path);
    // Levels already read from files (an empty name for a level from none, such as a puzzle),
    // played one after the other from index, as a collection: each edits as its own file.
    void playFiles(const QList<Level> &levels, const QStringList &files, int index);
    // Asks for a replay, or a level file with its proof, then plays it in the game.
    void openReplay();
    void openReplayFile(const QString &path);
    // An editor on a new level, or on the level played: a copy of a built-in one, the file of one
    // opened from a file.
    void newLevel();
    void editLevel();
    // An editor on the level file at path, or on a new level to be saved there; false, after a
    // message box, when the file cannot be read.
    bool editFile(const QString &path);
    // Plays level in the game window, shown and raised.
    void tryLevel(const Level &level);
    // What was dropped on the window: one level file plays as if opened, several, or the level
    // files of a folder, play one after the other as a collection; what cannot be is named.
    void playDropped(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refuse(const QString &title, const QString &why);
    EditorWindow *openEditor();

    GameWidget *game;
    QWidget *window;
    // The level files played last, and the levels read from them.
    QStringList playedFiles;
    QList<Level> playedLevels;
};

#endif
