#include "app/vorticade.h"

#include "app/FileCommands.h"
#include "app/HowToPlay.h"
#include "app/chooser/LevelChooser.h"
#include "game/AutoPause.h"
#include "game/FrameClock.h"
#include "game/GameWidget.h"
#include "levels/LevelCatalogue.h"
#include "sim/Physics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalMapper>
#include <QTimer>

namespace {
// Whose slot a command calls.
enum Receiver { Game, Window, Files };

// Every command of the window's two menus (but the twenty levels'), in menu order: its caption,
// its keys (translated as the design's shortcuts are, or a standard key), whose slot it calls,
// and what "How to play" says of it. The window binds them from here and the help lists them
// from the actions so bound, so that a key and its help cannot disagree.
struct Command
{
    bool levelsMenu;
    const char *caption;
    const char *keys;
    QKeySequence::StandardKey standardKey;
    Receiver receiver;
    const char *member;
    const char *help;
};

const Command commands[] = {
    {false, QT_TRANSLATE_NOOP("vorticade", "High scores"), QT_TRANSLATE_NOOP("vorticade", "TAB"),
     QKeySequence::UnknownKey, Game, SLOT(displayHighScores()),
     QT_TRANSLATE_NOOP("vorticade", "Shows the best time of every level (Tab: while it is held)")},
    {false, QT_TRANSLATE_NOOP("vorticade", "Show solution"), QT_TRANSLATE_NOOP("vorticade", "S"), QKeySequence::UnknownKey,
     Game, SLOT(showSolution()), QT_TRANSLATE_NOOP("vorticade", "Plays the level's solution; a click or a key stops it")},
    {false, QT_TRANSLATE_NOOP("vorticade", "Watch my best run"), QT_TRANSLATE_NOOP("vorticade", "W"),
     QKeySequence::UnknownKey, Game, SLOT(watchBestRun()),
     QT_TRANSLATE_NOOP("vorticade", "Plays the run that set your record on the level")},
    {false, QT_TRANSLATE_NOOP("vorticade", "Open replay\u2026"), QT_TRANSLATE_NOOP("vorticade", "Ctrl+Shift+O"),
     QKeySequence::UnknownKey, Files, SLOT(openReplay()),
     QT_TRANSLATE_NOOP("vorticade", "Plays a replay, or a level file with its proof")},
    {false, QT_TRANSLATE_NOOP("vorticade", "Pause"), QT_TRANSLATE_NOOP("vorticade", "P"), QKeySequence::UnknownKey, Game,
     SLOT(togglePause()), QT_TRANSLATE_NOOP("vorticade", "Pauses a running level, and goes on")},
    {false, QT_TRANSLATE_NOOP("vorticade", "Full screen"), QT_TRANSLATE_NOOP("vorticade", "F11"), QKeySequence::FullScreen,
     Window, SLOT(toggleFullScreen()), QT_TRANSLATE_NOOP("vorticade", "Fills the screen with the playfield, and back")},
    {false, QT_TRANSLATE_NOOP("vorticade", "How to play"), QT_TRANSLATE_NOOP("vorticade", "Shift+F1"),
     QKeySequence::UnknownKey, Window, SLOT(showHowToPlay()),
     QT_TRANSLATE_NOOP("vorticade", "Shows how to play: the goal, the mouse and the keys")},
    {false, QT_TRANSLATE_NOOP("vorticade", "About"), QT_TRANSLATE_NOOP("vorticade", "F1"), QKeySequence::UnknownKey, Window,
     SLOT(displayAbout()), QT_TRANSLATE_NOOP("vorticade", "Tells which game this is, and its version")},
    {false, QT_TRANSLATE_NOOP("vorticade", "Quit"), QT_TRANSLATE_NOOP("vorticade", "ESC"), QKeySequence::UnknownKey, Window,
     SIGNAL(exit()), QT_TRANSLATE_NOOP("vorticade", "Quits the game")},
    {true, QT_TRANSLATE_NOOP("vorticade", "Choose level\u2026"), QT_TRANSLATE_NOOP("vorticade", "Ctrl+L"),
     QKeySequence::UnknownKey, Window, SLOT(chooseLevel()),
     QT_TRANSLATE_NOOP("vorticade", "Shows every level, yours and the sets too, to choose one")},
    {true, QT_TRANSLATE_NOOP("vorticade", "Open level\u2026"), nullptr, QKeySequence::Open, Files, SLOT(openLevel()),
     QT_TRANSLATE_NOOP("vorticade", "Plays a level file")},
    {true, QT_TRANSLATE_NOOP("vorticade", "New level\u2026"), nullptr, QKeySequence::New, Files, SLOT(newLevel()),
     QT_TRANSLATE_NOOP("vorticade", "Opens the level editor on a new level")},
    {true, QT_TRANSLATE_NOOP("vorticade", "Edit level\u2026"), QT_TRANSLATE_NOOP("vorticade", "Ctrl+E"),
     QKeySequence::UnknownKey, Files, SLOT(editLevel()),
     QT_TRANSLATE_NOOP("vorticade", "Opens the level editor on the level played")},
};
} // namespace

vorticade::vorticade(QWidget *parent, const QString &scoreFileName)
    : QMainWindow(parent)
{
    GameWidget *game = new GameWidget(this, scoreFileName);
    connect(game, SIGNAL(exit()), this, SIGNAL(exit()));

    QMenuBar *bar = new QMenuBar(this);
    QSignalMapper *mapper = new QSignalMapper(this);

    FileCommands *files = new FileCommands(game, this);
    QMenu *menu = new QMenu(tr("Menu"), this);
    bar->addMenu(menu);
    QMenu *levels = new QMenu(tr("Levels"), this);
    bar->addMenu(levels);
    for (int i = 1; i <= LevelCatalogue::levelCount; ++i) {
        QAction *level = new QAction(tr("Level %1").arg(i), this);
        connect(level, SIGNAL(triggered()), mapper, SLOT(map()));
        mapper->setMapping(level, i);
        levels->addAction(level);
    }
    connect(mapper, SIGNAL(mappedInt(int)), game, SLOT(loadLevel(int)));
    // Levels from elsewhere come after the built-in ones.
    levels->addSeparator();
    QObject *const receivers[] = {game, this, files};
    for (const Command &command : commands) {
        QList<QKeySequence> keys;
        if (command.keys)
            keys.append(QKeySequence(tr(command.keys)));
        // The platform's own key where it has another (Ctrl+Shift+F for full screen on KDE, say).
        for (const QKeySequence &key : QKeySequence::keyBindings(command.standardKey)) {
            if (!keys.contains(key))
                keys.append(key);
        }
        QAction *action = new QAction(tr(command.caption), this);
        action->setShortcuts(keys);
        action->setStatusTip(tr(command.help));
        action->setData(QByteArray(command.member));
        connect(action, SIGNAL(triggered()), receivers[command.receiver], command.member);
        (command.levelsMenu ? levels : menu)->addAction(action);
        // The window holds it too, so that its shortcut works while full screen hides the menu bar.
        addAction(action);
    }
    // Offered only where there is a solution to show; greyed, it says why.
    QAction *solution = commandAction(SLOT(showSolution()));
    const auto offerSolution = [game, solution] {
        solution->setEnabled(game->hasSolution());
        solution->setToolTip(game->hasSolution() ? QString()
                                                 : tr("No solution to show: the level is not proven"));
    };
    offerSolution();
    connect(game, &GameWidget::levelStarted, solution, offerSolution);
    // A pass proves a level that had no proof.
    connect(game, &GameWidget::levelPassed, solution, offerSolution);
    menu->setToolTipsVisible(true);
    QAction *bestRun = commandAction(SLOT(watchBestRun()));
    bestRun->setEnabled(game->hasBestRun());
    connect(game, SIGNAL(bestRunChanged(bool)), bestRun, SLOT(setEnabled(bool)));
    QAction *pause = commandAction(SLOT(togglePause()));
    pause->setCheckable(true);
    connect(game, SIGNAL(pausedChanged(bool)), pause, SLOT(setChecked(bool)));
    QAction *fullScreen = commandAction(SLOT(toggleFullScreen()));
    fullScreen->setCheckable(true);
    connect(this, SIGNAL(fullScreenChanged(bool)), fullScreen, SLOT(setChecked(bool)));
    connect(game, SIGNAL(sequenceEnded()), this, SLOT(chooseLevel()));

    setMenuBar(bar);
    setCentralWidget(game);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowMaximizeButtonHint);
    setFixedSize(sizeHint());
    setWindowTitle(QStringLiteral("Swirlfall"));

    QTimer *timer = new QTimer(this);
    connect(timer, SIGNAL(timeout()), game, SLOT(animate()));
    timer->start(Physics::frameInterval);
    new AutoPause(game, this);
    FrameClock *clock = new FrameClock(timer, game, this);
    for (QMenu *entries : {menu, levels})
        connect(entries, SIGNAL(triggered(QAction *)), clock, SLOT(wake()));
}

vorticade::~vorticade() = default;

void vorticade::chooseLevel()
{
    // Made when first asked for: a player who never chooses pays nothing for it.
    LevelChooser *chooser = findChild<LevelChooser *>();
    if (!chooser) {
        GameWidget *game = findChild<GameWidget *>();
        chooser = new LevelChooser(&game->recordBook(), this);
        connect(chooser, SIGNAL(builtInChosen(int)), game, SLOT(loadLevel(int)));
        connect(chooser, SIGNAL(sequenceChosen(QList<Level>, int)), game, SLOT(playSequence(QList<Level>, int)));
    }
    chooser->choose();
}

void vorticade::displayAbout()
{
    QMessageBox::about(this, tr("About Swirlfall"),
                       tr("Swirlfall %1\n"
                          "Developed by the Swirlfall team in 2026.\n"
                          "Released for Linux desktops under the GNU GPL, version 3 or later.")
                           .arg(QStringLiteral(SWIRLFALL_VERSION)));
}

QAction *vorticade::commandAction(const char *member) const
{
    for (QAction *action : actions()) {
        if (action->data().toByteArray() == member)
            return action;
    }
    return nullptr;
}

void vorticade::showHowToPlay()
{
    // One window, made when first asked for, shown again after that.
    HowToPlay *help = findChild<HowToPlay *>();
    if (!help)
        help = new HowToPlay(actions(), this);
    help->show();
    help->raise();
    help->activateWindow();
}
