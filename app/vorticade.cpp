#include "app/vorticade.h"

#include "app/FileCommands.h"
#include "app/HowToPlay.h"
#include "app/chooser/LevelChooser.h"
#include "game/AutoPause.h"
#include "game/FrameClock.h"
#include "game/GameWidget.h"
#include "levels/catalogue/LevelCatalogue.h"
#include "sim/Physics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalMapper>
#include <QTimer>

namespace {
// What a command's action reaches.
struct Targets
{
    GameWidget *game;
    vorticade *window;
    FileCommands *files;
};

// Connects a command's action to what it does, and to what its action shows: greyed, checked.
using Bind = void (*)(QAction *action, const Targets &to);

// Every command of the window's two menus (but the twenty levels'), in menu order: its caption,
// its keys (translated as the design's shortcuts are, or a standard key), what it does and what
// "How to play" says of it. The window binds them from here and the help lists them from the
// actions so bound, so that a key and its help cannot disagree. The design's own three connect by
// signature, as it does; the others by member, which the compiler checks.
struct Command
{
    bool levelsMenu;
    const char *caption;
    const char *keys;
    QKeySequence::StandardKey standardKey;
    Bind bind;
    const char *help;
};

void offerSolution(QAction *action, const GameWidget *game)
{
    action->setEnabled(game->hasSolution());
    // Greyed, it says why.
    action->setToolTip(game->hasSolution() ? QString() : vorticade::tr("No solution to show: the level is not proven"));
}

const Command commands[] = {
    {false, QT_TRANSLATE_NOOP("vorticade", "High scores"), QT_TRANSLATE_NOOP("vorticade", "TAB"), QKeySequence::UnknownKey,
     [](QAction *action, const Targets &to) { QObject::connect(action, SIGNAL(triggered()), to.game, SLOT(displayHighScores())); },
     QT_TRANSLATE_NOOP("vorticade", "Shows the best time of every level (Tab: while it is held)")},
    {false, QT_TRANSLATE_NOOP("vorticade", "Show solution"), QT_TRANSLATE_NOOP("vorticade", "S"), QKeySequence::UnknownKey,
     [](QAction *action, const Targets &to) {
         QObject::connect(action, &QAction::triggered, to.game, &GameWidget::showSolution);
         offerSolution(action, to.game);
         QObject::connect(to.game, &GameWidget::levelStarted, action, [action, to] { offerSolution(action, to.game); });
         // A pass proves a level that had no proof.
         QObject::connect(to.game, &GameWidget::levelPassed, action, [action, to] { offerSolution(action, to.game); });
     },
     QT_TRANSLATE_NOOP("vorticade", "Plays the level's solution; a click or a key stops it")},
    {false, QT_TRANSLATE_NOOP("vorticade", "Watch my best run"), QT_TRANSLATE_NOOP("vorticade", "W"), QKeySequence::UnknownKey,
     [](QAction *action, const Targets &to) {
         QObject::connect(action, &QAction::triggered, to.game, &GameWidget::watchBestRun);
         action->setEnabled(to.game->hasBestRun());
         QObject::connect(to.game, &GameWidget::bestRunChanged, action, &QAction::setEnabled);
     },
     QT_TRANSLATE_NOOP("vorticade", "Plays the run that set your record on the level")},
    {false, QT_TRANSLATE_NOOP("vorticade", "Open replay\u2026"), QT_TRANSLATE_NOOP("vorticade", "Ctrl+Shift+O"),
     QKeySequence::UnknownKey,
     [](QAction *action, const Targets &to) { QObject::connect(action, &QAction::triggered, to.files, &FileCommands::openReplay); },
     QT_TRANSLATE_NOOP("vorticade", "Plays a replay, or a level file with its proof")},
    {false, QT_TRANSLATE_NOOP("vorticade", "Pause"), QT_TRANSLATE_NOOP("vorticade", "P"), QKeySequence::UnknownKey,
     [](QAction *action, const Targets &to) {
         QObject::connect(action, &QAction::triggered, to.game, &GameWidget::togglePause);
         action->setCheckable(true);
         QObject::connect(to.game, &GameWidget::pausedChanged, action, &QAction::setChecked);
     },
     QT_TRANSLATE_NOOP("vorticade", "Pauses a running level, and goes on")},
    {false, QT_TRANSLATE_NOOP("vorticade", "Full screen"), QT_TRANSLATE_NOOP("vorticade", "F11"), QKeySequence::FullScreen,
     [](QAction *action, const Targets &to) {
         QObject::connect(action, &QAction::triggered, to.window, &vorticade::toggleFullScreen);
         action->setCheckable(true);
         QObject::connect(to.window, &vorticade::fullScreenChanged, action, &QAction::setChecked);
     },
     QT_TRANSLATE_NOOP("vorticade", "Fills the screen with the playfield, and back")},
    {false, QT_TRANSLATE_NOOP("vorticade", "How to play"), QT_TRANSLATE_NOOP("vorticade", "Shift+F1"), QKeySequence::UnknownKey,
     [](QAction *action, const Targets &to) { QObject::connect(action, &QAction::triggered, to.window, &vorticade::showHowToPlay); },
     QT_TRANSLATE_NOOP("vorticade", "Shows how to play: the goal, the mouse and the keys")},
    {false, QT_TRANSLATE_NOOP("vorticade", "About"), QT_TRANSLATE_NOOP("vorticade", "F1"), QKeySequence::UnknownKey,
     [](QAction *action, const Targets &to) { QObject::connect(action, SIGNAL(triggered()), to.window, SLOT(displayAbout())); },
     QT_TRANSLATE_NOOP("vorticade", "Tells which game this is, and its version")},
    {false, QT_TRANSLATE_NOOP("vorticade", "Quit"), QT_TRANSLATE_NOOP("vorticade", "ESC"), QKeySequence::UnknownKey,
     [](QAction *action, const Targets &to) { QObject::connect(action, SIGNAL(triggered()), to.window, SIGNAL(exit())); },
     QT_TRANSLATE_NOOP("vorticade", "Quits the game")},
    {true, QT_TRANSLATE_NOOP("vorticade", "Choose level\u2026"), QT_TRANSLATE_NOOP("vorticade", "Ctrl+L"), QKeySequence::UnknownKey,
     [](QAction *action, const Targets &to) { QObject::connect(action, &QAction::triggered, to.window, &vorticade::chooseLevel); },
     QT_TRANSLATE_NOOP("vorticade", "Shows every level, yours and the sets too, to choose one")},
    {true, QT_TRANSLATE_NOOP("vorticade", "Open level\u2026"), nullptr, QKeySequence::Open,
     [](QAction *action, const Targets &to) { QObject::connect(action, &QAction::triggered, to.files, &FileCommands::openLevel); },
     QT_TRANSLATE_NOOP("vorticade", "Plays a level file")},
    {true, QT_TRANSLATE_NOOP("vorticade", "New level\u2026"), nullptr, QKeySequence::New,
     [](QAction *action, const Targets &to) { QObject::connect(action, &QAction::triggered, to.files, &FileCommands::newLevel); },
     QT_TRANSLATE_NOOP("vorticade", "Opens the level editor on a new level")},
    {true, QT_TRANSLATE_NOOP("vorticade", "Edit level\u2026"), QT_TRANSLATE_NOOP("vorticade", "Ctrl+E"), QKeySequence::UnknownKey,
     [](QAction *action, const Targets &to) { QObject::connect(action, &QAction::triggered, to.files, &FileCommands::editLevel); },
     QT_TRANSLATE_NOOP("vorticade", "Opens the level editor on the level played")},
};
} // namespace

vorticade::vorticade(QWidget *parent, const QString &scoreFileName)
    : QMainWindow(parent),
      playfield(new GameWidget(this, scoreFileName)),
      fileCommands(new FileCommands(playfield, this))
{
    GameWidget *game = playfield;
    connect(game, SIGNAL(exit()), this, SIGNAL(exit()));

    QMenuBar *bar = new QMenuBar(this);
    QSignalMapper *mapper = new QSignalMapper(this);

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
    const Targets targets{game, this, fileCommands};
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
        command.bind(action, targets);
        (command.levelsMenu ? levels : menu)->addAction(action);
        // The window holds it too, so that its shortcut works while full screen hides the menu bar.
        addAction(action);
    }
    // A greyed command's tooltip says why.
    menu->setToolTipsVisible(true);
    connect(game, &GameWidget::sequenceEnded, this, &vorticade::chooseLevel);

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
        connect(entries, &QMenu::triggered, clock, &FrameClock::wake);
}

vorticade::~vorticade() = default;

void vorticade::chooseLevel()
{
    // Made when first asked for: a player who never chooses pays nothing for it.
    if (!chooser) {
        chooser = new LevelChooser(&playfield->recordBook(), this);
        connect(chooser, &LevelChooser::builtInChosen, playfield, &GameWidget::loadLevel);
        connect(chooser, &LevelChooser::sequenceChosen, playfield, &GameWidget::playSequence);
        connect(chooser, &LevelChooser::levelChosen, playfield, &GameWidget::playLevel);
    }
    chooser->choose();
}

void vorticade::displayAbout()
{
    QMessageBox::about(this, tr("About Swirlfall"),
                       tr("Swirlfall %1\n"
                          "Developed by the Swirlfall team in 2026.\n"
                          "Released for Linux desktops under the GNU GPL, version 3 or later.")
                           .arg(QCoreApplication::applicationVersion()));
}

void vorticade::showHowToPlay()
{
    // One window, made when first asked for, shown again after that.
    if (!help)
        help = new HowToPlay(actions(), this);
    help->show();
    help->raise();
    help->activateWindow();
}
