#include "app/vorticade.h"

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

    QMenu *menu = new QMenu(QStringLiteral("Menu"), this);
    bar->addMenu(menu);
    const auto addMenuAction = [this, menu](const QString &caption, const QString &shortcut, QObject *receiver,
                                        const char *member) {
        QAction *action = new QAction(caption, this);
        action->setShortcut(QKeySequence(shortcut));
        connect(action, SIGNAL(triggered()), receiver, member);
        menu->addAction(action);
        // The window holds it too, so that its shortcut works while full screen hides the menu bar.
        addAction(action);
    };
    addMenuAction(QStringLiteral("High scores"), tr("TAB"), game, SLOT(displayHighScores()));
    addMenuAction(QStringLiteral("Show solution"), tr("S"), game, SLOT(showSolution()));
    addFullScreenAction(menu);
    addMenuAction(QStringLiteral("About"), tr("F1"), this, SLOT(displayAbout()));
    addMenuAction(QStringLiteral("Quit"), tr("ESC"), this, SIGNAL(exit()));

    QMenu *levels = new QMenu(QStringLiteral("Levels"), this);
    bar->addMenu(levels);
    for (int i = 1; i <= LevelCatalogue::levelCount; ++i) {
        QAction *level = new QAction(QString::asprintf("Level %d", i), this);
        connect(level, SIGNAL(triggered()), mapper, SLOT(map()));
        mapper->setMapping(level, i);
        levels->addAction(level);
    }
    connect(mapper, SIGNAL(mappedInt(int)), game, SLOT(loadLevel(int)));

    setMenuBar(bar);
    setCentralWidget(game);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowMaximizeButtonHint);
    setFixedSize(sizeHint());
    setWindowTitle(QStringLiteral("Swirlfall"));

    QTimer *timer = new QTimer(this);
    connect(timer, SIGNAL(timeout()), game, SLOT(animate()));
    timer->start(Physics::frameInterval);
}

vorticade::~vorticade() = default;

void vorticade::displayAbout()
{
    QMessageBox::about(this, tr("About Swirlfall"),
                       tr("Swirlfall\n"
                          "Developed by the Swirlfall team in 2026.\n"
                          "Released for Linux desktops under the GNU GPL, version 3 or later."));
}
