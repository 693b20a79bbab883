#include "app/vorticade.h"

#include "app/FileCommands.h"
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

vorticade::vorticade(QWidget *parent, const QString &scoreFileName)
    : QMainWindow(parent)
{
    GameWidget *game = new GameWidget(this, scoreFileName);
    connect(game, SIGNAL(exit()), this, SIGNAL(exit()));

    QMenuBar *bar = new QMenuBar(this);
    QSignalMapper *mapper = new QSignalMapper(this);

    FileCommands *files = new FileCommands(game, this);
    QMenu *menu = new QMenu(QStringLiteral("Menu"), this);
    bar->addMenu(menu);
    addMenuAction(menu, QStringLiteral("High scores"), QKeySequence(tr("TAB")), game, SLOT(displayHighScores()));
    addMenuAction(menu, QStringLiteral("Show solution"), QKeySequence(tr("S")), game, SLOT(showSolution()));
    QAction *bestRun =
        addMenuAction(menu, QStringLiteral("Watch my best run"), QKeySequence(tr("W")), game, SLOT(watchBestRun()));
    bestRun->setEnabled(game->hasBestRun());
    connect(game, SIGNAL(bestRunChanged(bool)), bestRun, SLOT(setEnabled(bool)));
    addMenuAction(menu, QStringLiteral("Open replay\u2026"), QKeySequence(tr("Ctrl+Shift+O")), files, SLOT(openReplay()));
    QAction *pause = addMenuAction(menu, QStringLiteral("Pause"), QKeySequence(tr("P")), game, SLOT(togglePause()));
    pause->setCheckable(true);
    connect(game, SIGNAL(pausedChanged(bool)), pause, SLOT(setChecked(bool)));
    addFullScreenAction(menu);
    addMenuAction(menu, QStringLiteral("About"), QKeySequence(tr("F1")), this, SLOT(displayAbout()));
    addMenuAction(menu, QStringLiteral("Quit"), QKeySequence(tr("ESC")), this, SIGNAL(exit()));

    QMenu *levels = new QMenu(QStringLiteral("Levels"), this);
    bar->addMenu(levels);
    for (int i = 1; i <= LevelCatalogue::levelCount; ++i) {
        QAction *level = new QAction(QString::asprintf("Level %d", i), this);
        connect(level, SIGNAL(triggered()), mapper, SLOT(map()));
        mapper->setMapping(level, i);
        levels->addAction(level);
    }
    connect(mapper, SIGNAL(mappedInt(int)), game, SLOT(loadLevel(int)));
    // Levels from elsewhere come after the built-in ones.
    levels->addSeparator();
    addMenuAction(levels, QStringLiteral("Choose level\u2026"), QKeySequence(tr("Ctrl+L")), this, SLOT(chooseLevel()));
    connect(game, SIGNAL(sequenceEnded()), this, SLOT(chooseLevel()));
    addMenuAction(levels, QStringLiteral("Open level\u2026"), QKeySequence::Open, files, SLOT(openLevel()));
    addMenuAction(levels, QStringLiteral("New level\u2026"), QKeySequence::New, files, SLOT(newLevel()));
    addMenuAction(levels, QStringLiteral("Edit level\u2026"), QKeySequence(tr("Ctrl+E")), files, SLOT(editLevel()));

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
                       tr("Swirlfall\n"
                          "Developed by the Swirlfall team in 2026.\n"
                          "Released for Linux desktops under the GNU GPL, version 3 or later."));
}

QAction *vorticade::addMenuAction(QMenu *menu, const QString &caption, const QKeySequence &shortcut,
                                  QObject *receiver, const char *member)
{
    QAction *action = new QAction(caption, this);
    action->setShortcut(shortcut);
    connect(action, SIGNAL(triggered()), receiver, member);
    menu->addAction(action);
    // The window holds it too, so that its shortcut works while full screen hides the menu bar.
    addAction(action);
    return action;
}
