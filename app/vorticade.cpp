#include "app/vorticade.h"

#include "app/FileCommands.h"
#include "app/GameSound.h"
#include "app/HowToPlay.h"
#include "app/chooser/LevelChooser.h"
#include "app/chooser/PuzzleSession.h"
#include "app/chooser/PuzzleShelf.h"
#include "app/chooser/YourDays.h"
#include "app/widgets/CommandTable.h"
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
    PuzzleSession *puzzles;
    GameSound *sound;
};

// Connects a command's action to what it does, and to what its action shows: greyed, checked.
using Bind = void (*)(QAction *action, const Targets &to);

// Every command of the window's two menus (but the twenty levels'), in menu order: the command
// (its caption, its keys, translated as the design's shortcuts are, or a standard key, and what
// "How to play" says of it) and what it does. The window binds them from here and the help lists
// them from the actions so bound, so that a key and its help cannot disagree. The design's own three
// connect by signature, as it does; the others by member, which the compiler checks.
struct Command
{
    bool levelsMenu;
    CommandTable::Command command;
    Bind bind;
};

void offerSolution(QAction *action, const GameWidget *game)
{
    action->setEnabled(game->hasSolution());
    // Greyed, it says why.
    action->setToolTip(game->hasSolution() ? QString() : vorticade::tr("No solution to show: the level is not proven"));
}

const Command commands[] = {
    {false,
     {"highScores", QT_TRANSLATE_NOOP("vorticade", "High scores"), QT_TRANSLATE_NOOP("vorticade", "TAB"), QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("vorticade", "Shows the best time of every level (Tab: while it is held)")},
     [](QAction *action, const Targets &to) { QObject::connect(action, SIGNAL(triggered()), to.game, SLOT(displayHighScores())); }},
    {false,
     {"showSolution", QT_TRANSLATE_NOOP("vorticade", "Show solution"), QT_TRANSLATE_NOOP("vorticade", "S"), QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("vorticade", "Plays the level's solution; a click or a key stops it")},
     [](QAction *action, const Targets &to) {
         QObject::connect(action, &QAction::triggered, to.game, &GameWidget::showSolution);
         offerSolution(action, to.game);
         QObject::connect(to.game, &GameWidget::levelStarted, action, [action, to] { offerSolution(action, to.game); });
         // A pass proves a level that had no proof.
         QObject::connect(to.game, &GameWidget::levelPassed, action, [action, to] { offerSolution(action, to.game); });
     }},
    {false,
     {"hint", QT_TRANSLATE_NOOP("vorticade", "Hint"), QT_TRANSLATE_NOOP("vorticade", "H"), QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("vorticade", "Shows where and when the solution sets its next well, with those shown before")},
     [](QAction *action, const Targets &to) { QObject::connect(action, &QAction::triggered, to.game, &GameWidget::showHint); }},
    {false,
     {"watchBestRun", QT_TRANSLATE_NOOP("vorticade", "Watch my best run"), QT_TRANSLATE_NOOP("vorticade", "W"), QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("vorticade", "Plays the run that set your record on the level")},
     [](QAction *action, const Targets &to) {
         QObject::connect(action, &QAction::triggered, to.game, &GameWidget::watchBestRun);
         action->setEnabled(to.game->hasBestRun());
         QObject::connect(to.game, &GameWidget::bestRunChanged, action, &QAction::setEnabled);
     }},
    {false,
     {"openReplay", QT_TRANSLATE_NOOP("vorticade", "Open replay\u2026"), QT_TRANSLATE_NOOP("vorticade", "Ctrl+Shift+O"), QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("vorticade", "Plays a replay, or a level file with its proof")},
     [](QAction *action, const Targets &to) { QObject::connect(action, &QAction::triggered, to.files, &FileCommands::openReplay); }},
    {false,
     {"pause", QT_TRANSLATE_NOOP("vorticade", "Pause"), QT_TRANSLATE_NOOP("vorticade", "P"), QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("vorticade", "Pauses a running level, and goes on")},
     [](QAction *action, const Targets &to) {
         QObject::connect(action, &QAction::triggered, to.game, &GameWidget::togglePause);
         action->setCheckable(true);
         QObject::connect(to.game, &GameWidget::pausedChanged, action, &QAction::setChecked);
     }},
    {false,
     {"fullScreen", QT_TRANSLATE_NOOP("vorticade", "Full screen"), QT_TRANSLATE_NOOP("vorticade", "F11"), QKeySequence::FullScreen,
      QT_TRANSLATE_NOOP("vorticade", "Fills the screen with the playfield, and back")},
     [](QAction *action, const Targets &to) {
         QObject::connect(action, &QAction::triggered, to.window, &vorticade::toggleFullScreen);
         action->setCheckable(true);
         QObject::connect(to.window, &vorticade::fullScreenChanged, action, &QAction::setChecked);
     }},
    {false,
     {"sound", QT_TRANSLATE_NOOP("vorticade", "Sound"), QT_TRANSLATE_NOOP("vorticade", "M"), QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("vorticade", "Turns the game's sounds off, and on again; the choice is kept")},
     [](QAction *action, const Targets &to) {
         action->setCheckable(true);
         const auto follow = [action, to] {
             action->setChecked(to.sound->isOn());
             action->setEnabled(to.sound->isAllowed());
         };
         follow();
         QObject::connect(action, &QAction::triggered, to.sound, &GameSound::setOn);
         // A sign on the playfield too, where the player looks.
         QObject::connect(action, &QAction::triggered, to.game, [to] {
             to.game->flashNote(to.sound->isOn() ? vorticade::tr("Sound on") : vorticade::tr("Sound off"));
         });
         QObject::connect(to.sound, &GameSound::onChanged, action, follow);
     }},
    {false,
     {"yourDays", QT_TRANSLATE_NOOP("vorticade", "Your days\u2026"), QT_TRANSLATE_NOOP("vorticade", "Ctrl+D"), QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("vorticade", "Shows the puzzles of the days at a glance: passed, late or missed, the streaks and your times")},
     [](QAction *action, const Targets &to) { QObject::connect(action, &QAction::triggered, to.window, &vorticade::showYourDays); }},
    {false,
     {"howToPlay", QT_TRANSLATE_NOOP("vorticade", "How to play"), QT_TRANSLATE_NOOP("vorticade", "Shift+F1"), QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("vorticade", "Shows how to play: the goal, the mouse and the keys")},
     [](QAction *action, const Targets &to) { QObject::connect(action, &QAction::triggered, to.window, &vorticade::showHowToPlay); }},
    {false,
     {"about", QT_TRANSLATE_NOOP("vorticade", "About"), QT_TRANSLATE_NOOP("vorticade", "F1"), QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("vorticade", "Tells which game this is, and its version")},
     [](QAction *action, const Targets &to) { QObject::connect(action, SIGNAL(triggered()), to.window, SLOT(displayAbout())); }},
    {false,
     {"quit", QT_TRANSLATE_NOOP("vorticade", "Quit"), QT_TRANSLATE_NOOP("vorticade", "ESC"), QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("vorticade", "Quits the game")},
     [](QAction *action, const Targets &to) { QObject::connect(action, SIGNAL(triggered()), to.window, SIGNAL(exit())); }},
    {true,
     {"chooseLevel", QT_TRANSLATE_NOOP("vorticade", "Choose level\u2026"), QT_TRANSLATE_NOOP("vorticade", "Ctrl+L"), QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("vorticade", "Shows every level, yours and the sets too, to choose one")},
     [](QAction *action, const Targets &to) { QObject::connect(action, &QAction::triggered, to.window, &vorticade::chooseLevel); }},
    {true,
     {"openLevel", QT_TRANSLATE_NOOP("vorticade", "Open level\u2026"), nullptr, QKeySequence::Open,
      QT_TRANSLATE_NOOP("vorticade", "Plays a level file")},
     [](QAction *action, const Targets &to) { QObject::connect(action, &QAction::triggered, to.files, &FileCommands::openLevel); }},
    {true,
     {"newLevel", QT_TRANSLATE_NOOP("vorticade", "New level\u2026"), nullptr, QKeySequence::New,
      QT_TRANSLATE_NOOP("vorticade", "Opens the level editor on a new level")},
     [](QAction *action, const Targets &to) { QObject::connect(action, &QAction::triggered, to.files, &FileCommands::newLevel); }},
    {true,
     {"editLevel", QT_TRANSLATE_NOOP("vorticade", "Edit level\u2026"), QT_TRANSLATE_NOOP("vorticade", "Ctrl+E"), QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("vorticade", "Opens the level editor on the level played")},
     [](QAction *action, const Targets &to) { QObject::connect(action, &QAction::triggered, to.files, &FileCommands::editLevel); }},
    {true,
     {"savePuzzle", QT_TRANSLATE_NOOP("vorticade", "Save puzzle to My levels"), QT_TRANSLATE_NOOP("vorticade", "Ctrl+S"),
      QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("vorticade", "Keeps the puzzle played in My levels")},
     [](QAction *action, const Targets &to) {
         QObject::connect(action, &QAction::triggered, to.puzzles, &PuzzleSession::save);
         action->setEnabled(false);
         QObject::connect(to.puzzles, &PuzzleSession::playingChanged, action, &QAction::setEnabled);
     }},
    {true,
     {"copySeed", QT_TRANSLATE_NOOP("vorticade", "Copy puzzle's seed"), QT_TRANSLATE_NOOP("vorticade", "Ctrl+Shift+C"),
      QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("vorticade", "Puts the seed of the puzzle played on the clipboard, to share")},
     [](QAction *action, const Targets &to) {
         QObject::connect(action, &QAction::triggered, to.puzzles, &PuzzleSession::copySeed);
         action->setEnabled(false);
         QObject::connect(to.puzzles, &PuzzleSession::playingChanged, action, &QAction::setEnabled);
     }},
    {true,
     {"copyResult", QT_TRANSLATE_NOOP("vorticade", "Copy result"), QT_TRANSLATE_NOOP("vorticade", "Ctrl+C"), QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("vorticade", "Puts your result on the puzzle of the day on the clipboard, to share: no answer in it")},
     [](QAction *action, const Targets &to) {
         QObject::connect(action, &QAction::triggered, to.puzzles, &PuzzleSession::copyResult);
         action->setEnabled(false);
         QObject::connect(to.puzzles, &PuzzleSession::resultChanged, action, &QAction::setEnabled);
     }},
};
} // namespace

vorticade::vorticade(QWidget *parent, const QString &scoreFileName)
    : QMainWindow(parent),
      playfield(new GameWidget(this, scoreFileName)),
      fileCommands(new FileCommands(playfield, this)),
      puzzles(new PuzzleSession(playfield, this)),
      sounds(new GameSound(this))
{
    GameWidget *game = playfield;
    connect(game, SIGNAL(exit()), this, SIGNAL(exit()));
    connect(game, &GameWidget::sounded, sounds, &GameSound::play);

    QMenuBar *bar = new QMenuBar(this);
    QSignalMapper *mapper = new QSignalMapper(this);

    QMenu *menu = new QMenu(tr("Menu"), this);
    menu->setObjectName(QStringLiteral("menu"));
    bar->addMenu(menu);
    QMenu *levels = new QMenu(tr("Levels"), this);
    levels->setObjectName(QStringLiteral("levels"));
    bar->addMenu(levels);
    for (int i = 1; i <= LevelCatalogue::levelCount; ++i) {
        QAction *level = new QAction(tr("Level %1").arg(i), this);
        level->setObjectName(QStringLiteral("level%1").arg(i));
        connect(level, SIGNAL(triggered()), mapper, SLOT(map()));
        mapper->setMapping(level, i);
        levels->addAction(level);
    }
    connect(mapper, SIGNAL(mappedInt(int)), game, SLOT(loadLevel(int)));
    // Levels from elsewhere come after the built-in ones.
    levels->addSeparator();
    const Targets targets{game, this, fileCommands, puzzles, sounds};
    for (const Command &command : commands) {
        QAction *action = CommandTable::action(command.command, "vorticade", this);
        command.bind(action, targets);
        (command.levelsMenu ? levels : menu)->addAction(action);
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

LevelChooser *vorticade::levelChooser()
{
    // Made when first asked for: a player who never chooses pays nothing for it.
    if (!chooser) {
        chooser = new LevelChooser(&playfield->recordBook(), puzzles, this);
        connect(chooser, &LevelChooser::builtInChosen, playfield, &GameWidget::loadLevel);
        connect(chooser, &LevelChooser::sequenceChosen, fileCommands, &FileCommands::playFiles);
        connect(chooser, &LevelChooser::levelChosen, playfield, &GameWidget::playLevel);
        connect(chooser, &LevelChooser::daysWanted, this, &vorticade::showYourDays);
    }
    return chooser;
}

void vorticade::chooseLevel()
{
    levelChooser()->choose();
}

void vorticade::showYourDays()
{
    if (!days) {
        days = new YourDays(puzzles, this);
        // Made by the chooser's puzzles, and played as a puzzle chosen there is.
        connect(days, &YourDays::dayChosen, this, [this](const QDate &day) { levelChooser()->puzzleShelf()->play(Seed::ofDay(day)); });
    }
    days->showDays();
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
