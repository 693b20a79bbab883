// Guards the way a frame reaches the screen in a real X window: after ticks of a played level,
// what the X server holds in the window, read back from it, must be the frame the game keeps,
// pixel for pixel, whether Qt uploads through shared memory or over the connection. Needs an X
// server (CTest runs it under xvfb-run); QT_XCB_NO_MITSHM chooses the upload, as in the game.
#include "PlayerInput.h"

#include "game/GameWidget.h"
#include "levels/catalogue/LevelCatalogue.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QTest>

namespace {
// Compared on every tick in this many: enough to see the run, the pass and the end.
constexpr int compareEvery = 7;
constexpr int maxTicks = 1000;
// The game sits below a strip the height of a menu bar, as in its window: Qt paints it shifted.
constexpr int menuBarHeight = 21;
} // namespace

class XUploadTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void screenHoldsTheKeptFrame_data();
    void screenHoldsTheKeptFrame();

private:
    // Pixels where the window, as the X server holds it, differs from the kept frame.
    int differences(QString *where);

    QTemporaryDir dir;
    QWidget *window = nullptr;
    GameWidget *game = nullptr;
};

void XUploadTest::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs the xcb platform and an X server");
    // No frame timer: the test ticks the game itself.
    window = new QWidget;
    game = new GameWidget(window, dir.filePath(QStringLiteral("scores.dat")));
    game->move(0, menuBarHeight);
    window->setFixedSize(game->width(), menuBarHeight + game->height());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

int XUploadTest::differences(QString *where)
{
    // The paints the tick asked for, then a round trip: the server has done what went before.
    QCoreApplication::processEvents();
    QGuiApplication::sync();
    const QImage kept = game->keptFrame();
    const QPoint at = game->mapTo(window, QPoint(0, 0));
    const QImage shown = window->screen()
                             ->grabWindow(window->winId(), at.x(), at.y(), game->width(), game->height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    int different = 0;
    for (int y = 0; y < game->height(); ++y) {
        for (int x = 0; x < game->width(); ++x) {
            if (shown.pixel(x, y) != kept.pixel(at.x() + x, at.y() + y)) {
                if (!different++)
                    *where = QStringLiteral("(%1, %2)").arg(x).arg(y);
            }
        }
    }
    return different;
}

void XUploadTest::screenHoldsTheKeptFrame_data()
{
    QTest::addColumn<int>("level");

    QTest::newRow("level 1: one well, one particle") << 1;
    QTest::newRow("level 15: eight particles") << 15;
}

void XUploadTest::screenHoldsTheKeptFrame()
{
    QFETCH(int, level);

    game->loadLevel(level);
    QString where;
    QCOMPARE(differences(&where), 0);
    const Replay solution = LevelCatalogue::solution(level);
    PlayerInput::start(game);
    int next = 0;
    int compared = 0;
    for (int tick = 0; tick < maxTicks && game->state().status() == Running; ++tick) {
        for (; next < solution.actions.size() && solution.actions.at(next).tick == tick; ++next)
            PlayerInput::perform(game, solution.actions.at(next));
        game->animate();
        if (tick % compareEvery == 0) {
            const int different = differences(&where);
            QVERIFY2(different == 0, qPrintable(QStringLiteral("tick %1: %2 pixels differ, the first at %3")
                                                    .arg(tick).arg(different).arg(where)));
            ++compared;
        }
    }
    QCOMPARE(game->state().status(), int(Passed));
    // The pass repaints the whole playfield; the wells fade on the screens after.
    for (int tick = 0; tick < compareEvery * 5; ++tick)
        game->animate();
    QCOMPARE(differences(&where), 0);
    qInfo("%d ticks compared, shared memory %s", compared, qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM") ? "off" : "on");
}

QTEST_MAIN(XUploadTest)
#include "tst_xupload.moc"
