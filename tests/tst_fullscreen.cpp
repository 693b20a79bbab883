// Guards full screen: the playfield scaled to the largest size that fits and centred, the
// pointer mapped back so that a drag means what it means in the window, and the way back to the
// fixed-size window with its menu bar, showing the same frame pixel for pixel.
#include "PlayerInput.h"
#include "TestFiles.h"

#include "app/vorticade.h"
#include "game/GameWidget.h"

#include <QBackingStore>
#include <QDir>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include <memory>

class FullScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void playfieldFits_data();
    void playfieldFits();
    void dragPassesLevelOne_data();
    void dragPassesLevelOne();
    void backToTheWindow_data();
    void backToTheWindow();

private:
    std::unique_ptr<TestFiles::ScratchFolder> scratch;
};

void FullScreenTest::init()
{
    scratch = std::make_unique<TestFiles::ScratchFolder>();
}

void FullScreenTest::cleanup()
{
    scratch.reset();
}

void FullScreenTest::playfieldFits_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QRect>("playfield");

    QTest::newRow("1920 x 1080: the full height, centred across") << QSize(1920, 1080) << QRect(60, 0, 1800, 1080);
    QTest::newRow("1280 x 1024: the full width, centred down") << QSize(1280, 1024) << QRect(0, 128, 1280, 768);
    QTest::newRow("the window's own 800 x 480") << QSize(800, 480) << QRect(0, 0, 800, 480);
}

void FullScreenTest::playfieldFits()
{
    QFETCH(QSize, screen);
    QFETCH(QRect, playfield);

    GameWidget game;
    game.setFixedSize(screen);
    QCOMPARE(game.view().rect(), playfield);
    // The pointer at the playfield's corners and centre is at the game's corners and centre.
    const struct
    {
        QPoint onScreen;
        QPoint inGame;
    } points[] = {{playfield.topLeft(), QPoint(0, 0)},
                  {playfield.topLeft() + QPoint(playfield.width(), playfield.height()), QPoint(800, 480)},
                  {playfield.topLeft() + QPoint(playfield.width() / 2, playfield.height() / 2), QPoint(400, 240)}};
    for (const auto &point : points) {
        PlayerInput::mouse(&game, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, point.onScreen);
        QCOMPARE(game.pointer(), point.inGame);
    }
}

void FullScreenTest::dragPassesLevelOne_data()
{
    QTest::addColumn<QSize>("screen");

    QTest::newRow("1920 x 1080") << QSize(1920, 1080);
    QTest::newRow("1280 x 1024") << QSize(1280, 1024);
}

void FullScreenTest::dragPassesLevelOne()
{
    // In the window, a red well set by a drag from (700, 350) passes level 1.
    QFETCH(QSize, screen);

    GameWidget game;
    game.setFixedSize(screen);
    const QTransform view = game.view().transform();
    const QPoint from = view.map(QPointF(700, 350)).toPoint();
    const QPoint to = view.map(QPointF(700, 410)).toPoint();
    PlayerInput::mouse(&game, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from);
    PlayerInput::mouse(&game, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, to);
    QCOMPARE(game.state().wells.size(), 1);
    QCOMPARE(QPointF(game.state().wells.first()), QPointF(700, 350));
    for (int tick = 0; tick < 1000 && game.state().status() == Running; ++tick)
        game.animate();
    QCOMPARE(game.state().status(), int(Passed));
}

void FullScreenTest::backToTheWindow_data()
{
    QTest::addColumn<bool>("byWindowManager");

    QTest::newRow("F11") << false;
    // As a desktop's own full-screen key does: the window's state changes, not through the game.
    QTest::newRow("the window manager") << true;
}

void FullScreenTest::backToTheWindow()
{
    QFETCH(bool, byWindowManager);

    vorticade window(nullptr);
    const auto toggle = [&] {
        if (byWindowManager)
            window.setWindowState(window.windowState() ^ Qt::WindowFullScreen);
        else
            window.toggleFullScreen();
    };
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    GameWidget *game = window.findChild<GameWidget *>();
    const QSize windowSize = window.size();
    const auto frame = [&] {
        QPaintDevice *device = window.backingStore()->paintDevice();
        const QRect shown(game->mapTo(&window, QPoint(0, 0)), game->size());
        return static_cast<QImage *>(device)->copy(shown);
    };
    const QImage before = frame();
    // The menu's item shows which way it goes, however full screen was reached.
    QAction *fullScreen = window.findChild<QAction *>(QStringLiteral("fullScreen"));
    QVERIFY(fullScreen && !fullScreen->isChecked());

    toggle();
    QTRY_VERIFY(window.windowState() & Qt::WindowFullScreen);
    QVERIFY(fullScreen->isChecked());
    QVERIFY(!window.menuBar()->isVisible());
    QTRY_COMPARE(window.size(), window.screen()->size());
    QCOMPARE(game->size(), window.size());
    game->loadLevel(3);

    toggle();
    QTRY_VERIFY(!(window.windowState() & Qt::WindowFullScreen));
    QVERIFY(!fullScreen->isChecked());
    QVERIFY(window.menuBar()->isVisible());
    QCOMPARE(game->size(), QSize(800, 480));
    QCOMPARE(window.size(), windowSize);
    QCOMPARE(window.minimumSize(), windowSize);
    QCOMPARE(window.maximumSize(), windowSize);
    QCOMPARE(game->levelNumber(), 3);
    game->loadLevel(1);
    game->animate();
    QCOMPARE(frame(), before);
}

QTEST_MAIN(FullScreenTest)
#include "tst_fullscreen.moc"
