#ifndef SWIRLFALL_FILECOMMANDS_H
#define SWIRLFALL_FILECOMMANDS_H

#include <QObject>
#include <QString>

class GameWidget;
class QWidget;

// What the window does with files: a level opened from a dialog or by name is played in the
// game, and a replay, or a level with its proof, is watched. A file that cannot be read is named,
// with the line and the reason, in a message box, and the level being played stays.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    FileCommands(GameWidget *game, QWidget *window);

public slots:
    // Asks for a level file, then opens it.
    void openLevel();
    void openLevelFile(const QString &path);
    // Asks for a replay, or a level file with its proof, then plays it in the game.
    void openReplay();
    void openReplayFile(const QString &path);

private:
    void refuse(const QString &title, const QString &why);

    GameWidget *game;
    QWidget *window;
};

#endif
