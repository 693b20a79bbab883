#ifndef SWIRLFALL_VORTICADE_H
#define SWIRLFALL_VORTICADE_H

#include <QKeySequence>
#include <QMainWindow>

class FileCommands;
class GameSound;
class GameWidget;
class HowToPlay;
class LevelChooser;
class PuzzleSession;
class YourDays;

// The one window: the playfield under a "Menu" and a "Levels" menu, driven by the frame timer.
class vorticade : public QMainWindow
{
    Q_OBJECT

public:
    // The game keeps its best times in scoreFileName.
    explicit vorticade(QWidget *parent = nullptr, const QString &scoreFileName = QStringLiteral("scores.dat"));
    ~vorticade() override;

    GameWidget *game() const { return playfield; }
    FileCommands *files() const { return fileCommands; }
    PuzzleSession *puzzleSession() const { return puzzles; }
    GameSound *sound() const { return sounds; }

signals:
    void exit();
    void fullScreenChanged(bool on);

public slots:
    void displayAbout();
    // Full screen shows the playfield scaled to the screen, without the menu bar.
    void toggleFullScreen();
    // Every level in one place, to choose one to play.
    void chooseLevel();
    // The goal, the mouse and the keys, in a window beside the game's.
    void showHowToPlay();
    // The puzzles of the days at a glance, to play one.
    void showYourDays();

protected:
    void changeEvent(QEvent *event) override;

private:
    void releaseFixedSize();
    LevelChooser *levelChooser();

    // Beyond the design's window, which keeps no pointer: what the commands beyond it reach.
    GameWidget *playfield;
    FileCommands *fileCommands;
    // The puzzles as they are played, the streak of days among them.
    PuzzleSession *puzzles;
    // What the playfield should be heard saying, started by the command line.
    GameSound *sounds;
    // Made when first asked for, with the puzzles it makes.
    LevelChooser *chooser = nullptr;
    HowToPlay *help = nullptr;
    YourDays *days = nullptr;
};

#endif
