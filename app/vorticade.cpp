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

vorticade::vorticade(QWidget *parent)
    : QMainWindow(parent)
{
    GameWidget *game = new GameWidget(this);
    connect(game, SIGNAL(exit()), this, SIGNAL(exit()));

    QMenuBar *bar = new QMenuBar(this);
    QSignalMapper *mapper = new QSignalMapper(this);

    QMenu *menu = new QMenu(QStringLiteral("Menu"), this);
    bar->addMenu(menu);
    QAction *highScores = new QAction(QStringLiteral("High scores"), this);
    highScores->setShortcut(QKeySequence(tr("TAB")));
    connect(highScores, SIGNAL(triggered()), game, SLOT(displayHighScores()));
    menu->addAction(highScores);
    QAction *about = new QAction(QStringLiteral("About"), this);
    about->setShortcut(QKeySequence(tr("F1")));
    connect(about, SIGNAL(triggered()), this, SLOT(displayAbout()));
    menu->addAction(about);
    QAction *quit = new QAction(QStringLiteral("Quit"), this);
    quit->setShortcut(QKeySequence(tr("ESC")));
    connect(quit, SIGNAL(triggered()), this, SIGNAL(exit()));
    menu->addAction(quit);

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
                          "Released for Linux desktops as a free download."));
}
