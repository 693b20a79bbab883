// Guards the window a player sees first: its fixed size and title, the menus and their
// shortcuts, the level entries, the frame timer, the About box and the ways to quit.
#include "PlayerInput.h"
#include "TestFiles.h"

#include "app/FileCommands.h"
#include "app/GameSound.h"
#include "app/HowToPlay.h"
#include "app/editor/EditorWindow.h"
#include "app/editor/LevelDocument.h"
#include "app/vorticade.h"
#include "app/widgets/KeyTable.h"
#include "game/GameWidget.h"
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/saves/AtomicWriter.h"

#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QRegularExpression>
#include <QSettings>
#include <QUndoStack>
#include <QTest>

#include <memory>

class VorticadeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void fixedWindow();
    void gameMenu_data();
    void gameMenu();
    void levelEntriesLoadTheirLevel();
    void frameTimerDrivesTheGame();
    void leavingTheWindowPauses();
    void quitPaths_data();
    void quitPaths();
    void aboutBox();
    void showSolutionOnAnEndedLevel();
    void watchMyBestRun();
    void openFile_data();
    void openFile();
    void tryItProvesTheLevel();
    void howToPlayListsTheKeysBound();
    void soundSwitch_data();
    void soundSwitch();

private:
    // The menu's entry of that caption, as a player finds it.
    QAction *action(const QString &menu, const QString &caption) const;
    // The window's action of that object name, as the code knows it.
    QAction *named(const char *name) const;
    GameWidget *game() const;

    std::unique_ptr<TestFiles::ScratchFolder> scratch;
    vorticade *window = nullptr;
};

void VorticadeTest::initTestCase()
{
    // As the game's main names it.
    QCoreApplication::setApplicationVersion(QStringLiteral(SWIRLFALL_VERSION));
    scratch = std::make_unique<TestFiles::ScratchFolder>();
    // The sound setting a test turns is kept here, not in the user's own settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch->path());
    window = new vorticade(nullptr);
    window->show();
    // Window shortcuts need an active window; offscreen activation is immediate.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void VorticadeTest::cleanupTestCase()
{
    delete window;
    scratch.reset();
}

QAction *VorticadeTest::action(const QString &menu, const QString &caption) const
{
    for (QAction *top : window->menuBar()->actions()) {
        if (top->text() != menu)
            continue;
        for (QAction *entry : top->menu()->actions()) {
            if (entry->text() == caption)
                return entry;
        }
    }
    return nullptr;
}

QAction *VorticadeTest::named(const char *name) const
{
    return window->findChild<QAction *>(QLatin1String(name));
}

GameWidget *VorticadeTest::game() const
{
    return qobject_cast<GameWidget *>(window->centralWidget());
}

void VorticadeTest::fixedWindow()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 3, 0)
    // The design's own connections are made by signature: one naming no such slot fails here.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("No such (slot|signal)")));
    const vorticade another(nullptr);
#endif
    QCOMPARE(window->windowTitle(), QStringLiteral("Swirlfall"));
    QVERIFY(game());
    QCOMPARE(game()->size(), QSize(800, 480));
    const QSize expected(800, 480 + window->menuBar()->sizeHint().height());
    QCOMPARE(window->size(), expected);
    QCOMPARE(window->minimumSize(), expected);
    QCOMPARE(window->maximumSize(), expected);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
}

void VorticadeTest::gameMenu_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");

    const QString menu = QStringLiteral("Menu");
    const QString levels = QStringLiteral("Levels");
    QTest::newRow("High scores on Tab") << menu << QStringLiteral("High scores") << QKeySequence(Qt::Key_Tab);
    QTest::newRow("Show solution on S") << menu << QStringLiteral("Show solution") << QKeySequence(Qt::Key_S);
    QTest::newRow("Hint on H") << menu << QStringLiteral("Hint") << QKeySequence(Qt::Key_H);
    QTest::newRow("Watch my best run on W") << menu << QStringLiteral("Watch my best run") << QKeySequence(Qt::Key_W);
    QTest::newRow("Open replay on Ctrl+Shift+O") << menu << QStringLiteral("Open replay\u2026")
                                                << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
    QTest::newRow("Sound on M") << menu << QStringLiteral("Sound") << QKeySequence(Qt::Key_M);
    QTest::newRow("How to play on Shift+F1") << menu << QStringLiteral("How to play") << QKeySequence(Qt::SHIFT | Qt::Key_F1);
    QTest::newRow("About on F1") << menu << QStringLiteral("About") << QKeySequence(Qt::Key_F1);
    QTest::newRow("Quit on Escape") << menu << QStringLiteral("Quit") << QKeySequence(Qt::Key_Escape);
    QTest::newRow("Choose level on Ctrl+L") << levels << QStringLiteral("Choose level\u2026")
                                            << QKeySequence(Qt::CTRL | Qt::Key_L);
    QTest::newRow("Open level on Ctrl+O") << levels << QStringLiteral("Open level\u2026") << QKeySequence(QKeySequence::Open);
    QTest::newRow("New level on Ctrl+N") << levels << QStringLiteral("New level\u2026") << QKeySequence(QKeySequence::New);
    QTest::newRow("Edit level on Ctrl+E") << levels << QStringLiteral("Edit level\u2026")
                                          << QKeySequence(Qt::CTRL | Qt::Key_E);
}

void VorticadeTest::gameMenu()
{
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);

    QStringList menus;
    for (QAction *top : window->menuBar()->actions())
        menus.append(top->text());
    QCOMPARE(menus, (QStringList{QStringLiteral("Menu"), QStringLiteral("Levels")}));
    QAction *entry = action(menu, caption);
    QVERIFY(entry);
    QCOMPARE(entry->shortcut(), shortcut);
}

void VorticadeTest::levelEntriesLoadTheirLevel()
{
    QMenu *levels = window->menuBar()->actions().at(1)->menu();
    // The twenty levels, then those from elsewhere: choose, open, new and edit, and the puzzle
    // played: save it, copy its seed, copy the result.
    QCOMPARE(levels->actions().size(), 28);
    QVERIFY(levels->actions().at(20)->isSeparator());
    for (int i = 1; i <= 20; ++i) {
        QAction *entry = levels->actions().at(i - 1);
        QCOMPARE(entry->text(), QStringLiteral("Level %1").arg(i));
        entry->trigger();
        QCOMPARE(game()->levelNumber(), i);
    }
    // Choosing the loaded level again restarts it.
    PlayerInput::start(game());
    levels->actions().at(19)->trigger();
    QCOMPARE(game()->state().status(), int(Ready));

    QAction *highScores = named("highScores");
    highScores->trigger();
    QVERIFY(game()->showsHighScores());
    highScores->trigger();
    QVERIFY(!game()->showsHighScores());
}

void VorticadeTest::frameTimerDrivesTheGame()
{
    const QList<QTimer *> timers = window->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(timers.size(), 1);
    QTimer *timer = timers.first();
    QCOMPARE(timer->interval(), 10);
    QVERIFY(!timer->isSingleShot());
    game()->loadLevel(2);
    PlayerInput::start(game());
    QVERIFY(timer->isActive());
    QMetaObject::invokeMethod(timer, "timeout");
    QCOMPARE(game()->attemptTime(), 10u);
    // A still Ready screen: the tick finds nothing to change, and the timer sleeps until input.
    named("level2")->trigger();
    QVERIFY(timer->isActive());
    QMetaObject::invokeMethod(timer, "timeout");
    QVERIFY(!timer->isActive());
    PlayerInput::mouse(game(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(400, 5));
    QVERIFY(timer->isActive());
}

void VorticadeTest::leavingTheWindowPauses()
{
    // A running level pauses when another window takes over, and stays paused once back.
    QAction *pause = named("pause");
    QCOMPARE(pause->shortcut(), QKeySequence(Qt::Key_P));
    game()->loadLevel(3);
    PlayerInput::start(game());
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(game()->isPaused());
    QVERIFY(pause->isChecked());
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(game()->isPaused());
    pause->trigger();
    QVERIFY(!game()->isPaused() && !pause->isChecked());
    // A level that is not running has nothing to pause: the check mark stays off.
    game()->loadLevel(3);
    pause->trigger();
    QVERIFY(!game()->isPaused() && !pause->isChecked());
}

void VorticadeTest::quitPaths_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("watch");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("exits");

    QTest::newRow("the Quit action") << QStringLiteral("action") << 0 << 0 << 1;
    QTest::newRow("Escape pressed and released in the game, forwarded") << QStringLiteral("game") << 0 << 0 << 1;
    // "[any key] to stop it": the key that stops a watched run does nothing else.
    QTest::newRow("H while the solution plays: stops it only, no hint") << QStringLiteral("watch") << int(Qt::Key_S) << int(Qt::Key_H) << 0;
    QTest::newRow("Escape while the solution plays: stops it only")
        << QStringLiteral("watch") << int(Qt::Key_S) << int(Qt::Key_Escape) << 0;
    QTest::newRow("S while the solution plays: stops it only")
        << QStringLiteral("watch") << int(Qt::Key_S) << int(Qt::Key_S) << 0;
    QTest::newRow("Escape while the best run plays: stops it only")
        << QStringLiteral("watch") << int(Qt::Key_W) << int(Qt::Key_Escape) << 0;
}

void VorticadeTest::quitPaths()
{
    QFETCH(QString, way);
    QFETCH(int, watch);
    QFETCH(int, key);
    QFETCH(int, exits);

    QSignalSpy exited(window, &vorticade::exit);
    if (way == QLatin1String("action")) {
        named("quit")->trigger();
    } else if (way == QLatin1String("game")) {
        // Only the release reaches the game: the window's Quit takes the press.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(game(), &press);
        QTest::keyRelease(game(), Qt::Key_Escape);
    } else {
        game()->loadLevel(1);
        if (!game()->hasBestRun())
            PlayerInput::play(game(), LevelCatalogue::solution(1));
        game()->loadLevel(1);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(game(), Qt::Key(watch));
        QVERIFY(game()->isWatching());
        for (int tick = 0; tick < 70; ++tick)
            game()->animate();
        const int hints = game()->hintsTaken();
        QTest::keyClick(game(), Qt::Key(key));
        QVERIFY(!game()->isWatching());
        QCOMPARE(game()->state().status(), int(Ready));
        QCOMPARE(game()->hintsTaken(), hints);
        // The key spent is given back: H shows its hint now.
        QTest::keyClick(game(), Qt::Key_H);
        QVERIFY(!game()->shownHints().isEmpty());
    }
    QCOMPARE(exited.count(), exits);
}

void VorticadeTest::aboutBox()
{
    QString title;
    QString text;
    QSignalSpy exits(window, &vorticade::exit);
    // The box is modal: read and close it from the event loop it runs, with Escape, whose release
    // then comes to the game: no reason to quit.
    QTimer::singleShot(0, this, [&] {
        QMessageBox *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        QTest::keyPress(box, Qt::Key_Escape);
    });
    QTest::keyClick(game(), Qt::Key_F1);
    QTest::keyRelease(game(), Qt::Key_Escape);
    QCOMPARE(exits.count(), 0);
    QCOMPARE(title, QStringLiteral("About Swirlfall"));
    QCOMPARE(text.split(QLatin1Char('\n')).size(), 3);
    QCOMPARE(text.section(QLatin1Char('\n'), 0, 0), QStringLiteral("Swirlfall " SWIRLFALL_VERSION));
}

void VorticadeTest::showSolutionOnAnEndedLevel()
{
    // S restarts a level that has ended, and plays its solution to the pass.
    GameWidget *widget = game();
    widget->loadLevel(1);
    // A well right on the particle: hit on the next tick.
    PlayerInput::perform(widget, {0, Replay::Action::Well, 150, 200, RedWell});
    widget->animate();
    QCOMPARE(widget->state().status(), int(Failed));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(widget, Qt::Key_S);
    QCOMPARE(widget->state().status(), int(Running));
    QVERIFY(widget->state().wells.isEmpty());
    for (int tick = 0; tick < 10000 && widget->state().status() == Running; ++tick)
        widget->animate();
    QCOMPARE(widget->state().status(), int(Passed));
    QCOMPARE(widget->attemptTime(), LevelCatalogue::solution(1).time);
}

void VorticadeTest::watchMyBestRun()
{
    // Enabled only while the level played has a kept run: after its record, not on another level.
    QAction *watch = named("watchBestRun");
    game()->loadLevel(2);
    QVERIFY(!watch->isEnabled());
    PlayerInput::play(game(), LevelCatalogue::solution(2));
    QVERIFY(game()->hasNewRecord());
    QVERIFY(watch->isEnabled());
    game()->loadLevel(3);
    QVERIFY(!watch->isEnabled());
    game()->loadLevel(2);
    QVERIFY(watch->isEnabled());
    watch->trigger();
    QVERIFY(game()->isWatching());
    for (int tick = 0; tick < 10000 && game()->state().status() == Running; ++tick)
        game()->animate();
    QCOMPARE(game()->attemptTime(), LevelCatalogue::solution(2).time);
    QVERIFY(!game()->hasNewRecord());
}

void VorticadeTest::openFile_data()
{
    QTest::addColumn<bool>("replay");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("refusal");
    // Show solution is offered only where there is one to show.
    QTest::addColumn<bool>("solution");

    const QByteArray level("swirlfall-level 1\nname Shared\nwells red 1 blue 0\nparticle red 150 200\n");
    QTest::newRow("a level: played, no solution offered, edited as its file") << false << level << QString() << false;
    QTest::newRow("a level whose proof fails: no solution offered")
        << false << level + "solution 10\n0 well 577 353 0\n" << QString() << false;
    QTest::newRow("a level whose proof holds: its solution offered")
        << false << LevelCatalogue::fileText(1) << QString() << true;
    QTest::newRow("not a level: named in a box, the level stays")
        << false << QByteArray("swirlfall-level 1\nname Shared\nparticle red 100 100\n")
        << "This file cannot be opened:\nFILE: line 3: the level has no wells line" << true;
    QTest::newRow("a replay: watched") << true << QByteArray("# level 1 time 2680\n0 well 577 353 0\n") << QString()
                                       << true;
    QTest::newRow("a level with its proof: watched")
        << true << level + "solution 0\n0 well 577 353 0\n" << QString() << false;
    QTest::newRow("a level without one: named in a box")
        << true << level << "This file cannot be opened:\nFILE: a level without a proof, no replay to play" << true;
}

void VorticadeTest::openFile()
{
    QFETCH(bool, replay);
    QFETCH(QByteArray, contents);
    QFETCH(QString, refusal);
    QFETCH(bool, solution);

    QTemporaryDir files;
    const QString path = files.filePath(QStringLiteral("shared.swirl"));
    QVERIFY(AtomicWriter::write(path, contents));
    game()->loadLevel(5);
    QString shown;
    QTimer::singleShot(0, this, [&] {
        if (QMessageBox *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    FileCommands *commands = window->findChild<FileCommands *>();
    if (replay)
        commands->openReplayFile(path);
    else
        commands->openLevelFile(path);
    QCOMPARE(shown, QString(refusal).replace(QStringLiteral("FILE"), path));
    QCOMPARE(game()->isWatching(), replay && refusal.isEmpty());
    QCOMPARE(game()->level().number, refusal.isEmpty() ? int(contents.startsWith('#')) : 5);
    QAction *show = named("showSolution");
    QCOMPARE(show->isEnabled(), solution);
    // Greyed, it says why.
    QCOMPARE(show->toolTip().contains(QLatin1String("not proven")), !solution);
    if (replay || !refusal.isEmpty())
        return;
    // Edited, it is the file opened, not a copy.
    named("editLevel")->trigger();
    const std::unique_ptr<EditorWindow> editor(PlayerInput::topLevel<EditorWindow>());
    QVERIFY2(editor && editor->windowTitle().contains(QLatin1String("(shared.swirl)")), qPrintable(editor ? editor->windowTitle() : QString()));
}

void VorticadeTest::tryItProvesTheLevel()
{
    // "Try it" plays the editor's level in the game: the pass proves it, in the editor and in the
    // game, which stops saying "Not proven".
    window->findChild<FileCommands *>()->newLevel();
    EditorWindow *editor = PlayerInput::topLevel<EditorWindow>();
    QVERIFY(editor);
    Level level = LevelCatalogue::level(1);
    level.number = 0;
    level.name = QStringLiteral("Tried");
    editor->edit(level, QString());
    QCOMPARE(editor->proofStatus(), QStringLiteral("Not proven"));
    editor->tryIt();
    QCOMPARE(game()->level().name, level.name);
    QVERIFY(!game()->level().proof);
    PlayerInput::play(game(), LevelCatalogue::solution(1));
    QCOMPARE(editor->proofStatus(), QStringLiteral("Proven: passes in 2680 ms"));
    QVERIFY(game()->level().proof);
    QCOMPARE(game()->level().proof->time, 2680u);
    editor->document()->undoStack()->setClean();
    delete editor;
}

void VorticadeTest::howToPlayListsTheKeysBound()
{
    // Listed from the actions themselves: every key bound is in the help, as bound, and nothing else
    // but the arrows the playfield reads itself.
    window->showHowToPlay();
    HowToPlay *help = window->findChild<HowToPlay *>();
    QVERIFY(help && help->isVisible());
    QStringList listed;
    for (const KeyTable::Row &row : help->keys()->rows())
        listed.append(row.keys);
    QStringList bound;
    for (QAction *action : window->actions())
        bound.append(KeyTable::keysOf(action));
    bound.append(QKeySequence(Qt::Key_Left).toString(QKeySequence::NativeText) + QStringLiteral(", ")
                 + QKeySequence(Qt::Key_Right).toString(QKeySequence::NativeText));
    QCOMPARE(listed, bound);
    QVERIFY(listed.contains(QStringLiteral("Ctrl+L")));
    QCOMPARE(help->mouse()->rows().size(), 5);
    // The goal is told, in words a player reads, and no text stands over another.
    bool goalShown = false;
    int pictures = 0;
    QList<QRect> placed;
    for (QLabel *label : help->findChildren<QLabel *>()) {
        goalShown = goalShown || (label->isVisible() && label->text().startsWith(QLatin1String("Bring every particle")));
        pictures += label->property("pixmap").value<QPixmap>().isNull() ? 0 : 1;
        const QRect at(label->mapTo(help, QPoint(0, 0)), label->size());
        for (const QRect &other : std::as_const(placed))
            QVERIFY2(!at.intersects(other), qPrintable(label->text()));
        placed.append(at);
    }
    QVERIFY(goalShown);
    // Both drags are shown in pictures, a particle going on past the well removed, and a hint.
    QCOMPARE(pictures, 4);
    const QImage kept = HowToPlay::keptSpeedPicture();
    int redBefore = 0;
    int redPast = 0;
    for (int x = 0; x < kept.width(); ++x) {
        for (int y = 0; y < kept.height(); ++y) {
            const QColor at(kept.pixel(x, y));
            (x < kept.width() / 2 ? redBefore : redPast) += at.red() > 200 && at.green() < 120 && at.blue() < 120;
        }
    }
    QVERIFY2(redBefore == 0 && redPast > 0, qPrintable(QStringLiteral("%1 red before, %2 past").arg(redBefore).arg(redPast)));
    // Each row says what its key does, in the command's own words.
    for (const KeyTable::Row &row : help->keys()->rows())
        QVERIFY2(!row.what.isEmpty(), qPrintable(row.keys));
    const QList<KeyTable::Row> rows = help->keys()->rows();
    QVERIFY(std::any_of(rows.begin(), rows.end(), [](const KeyTable::Row &row) {
        return row.keys == QLatin1String("M") && row.what == QLatin1String("Turns the game's sounds off, and on again; the choice is kept");
    }));
    // A blue well and its drag sideways: blue at the well, the drag's blue to its right.
    const QImage blue = HowToPlay::wellPicture(BlueWell);
    QVERIFY(QColor(blue.pixel(60, 60)).blue() > 150);
    QVERIFY(QColor(blue.pixel(110, 60)).blue() > 150 && QColor(blue.pixel(60, 110)).blue() < 150);
    // Its Close button closes it.
    help->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close)->click();
    QVERIFY(!help->isVisible());
}

QTEST_MAIN(VorticadeTest)
#include "tst_vorticade.moc"

void VorticadeTest::soundSwitch_data()
{
    // The choice kept from earlier runs (none, on or off), whether this run may sound at all (not
    // with --no-sound), the presses of M while a solution is watched; then whether the game is
    // heard, and the choice kept for the next run.
    QTest::addColumn<QVariant>("kept");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<int>("presses");
    QTest::addColumn<bool>("heard");
    QTest::addColumn<QVariant>("keptAfter");

    const QVariant none;
    QTest::newRow("first run, no output found: silent, nothing kept") << none << true << 0 << false << none;
    QTest::newRow("first run, M: on, and kept") << none << true << 1 << true << QVariant(true);
    QTest::newRow("kept on: on, though no output opened") << QVariant(true) << true << 0 << true << QVariant(true);
    QTest::newRow("kept on, M: off, and kept") << QVariant(true) << true << 1 << false << QVariant(false);
    QTest::newRow("kept on, M twice: on again") << QVariant(true) << true << 2 << true << QVariant(true);
    QTest::newRow("kept off, M: on, and kept") << QVariant(false) << true << 1 << true << QVariant(true);
    QTest::newRow("--no-sound: silent, M changes nothing kept") << QVariant(true) << false << 1 << false << QVariant(true);
}

void VorticadeTest::soundSwitch()
{
    QFETCH(QVariant, kept);
    QFETCH(bool, allowed);
    QFETCH(int, presses);
    QFETCH(bool, heard);
    QFETCH(QVariant, keptAfter);

    const QString key = QStringLiteral("sound/on");
    const auto settings = [] { return std::make_unique<QSettings>(QStringLiteral("swirlfall"), QStringLiteral("swirlfall")); };
    if (kept.isValid())
        settings()->setValue(key, kept);
    else
        settings()->remove(key);
    vorticade playing(nullptr);
    playing.show();
    playing.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&playing));
#if QT_VERSION >= QT_VERSION_CHECK(6, 3, 0)
    // Said once, when an output is first tried and none opens; never again on a later M.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
#endif
    const bool tried = allowed && (!kept.isValid() || kept.toBool() || presses > 0);
    if (tried)
        QTest::ignoreMessage(QtWarningMsg, "no sound output could be opened; the game plays silently");
    playing.sound()->start(allowed, "no such output");
    QAction *switched = playing.findChild<QAction *>(QStringLiteral("sound"));
    QVERIFY(switched && switched->isEnabled() == allowed);
    // M reaches the switch while a solution is watched, and leaves the solution playing; in a run
    // without sound it is bound to nothing, a key like any other.
    playing.game()->showSolution();
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(playing.game(), Qt::Key_M);
    QCOMPARE(playing.game()->isWatching(), allowed || presses == 0);
    // Said on the playfield for a moment, over what is watched.
    const QString sign = heard ? QStringLiteral("Sound on") : QStringLiteral("Sound off");
    QCOMPARE(playing.game()->stripNote() == sign, allowed && presses > 0);
    for (int tick = 0; tick < FlashNote::shownTicks; ++tick)
        playing.game()->animate();
    QVERIFY(playing.game()->stripNote() != sign);
    QCOMPARE(switched->isChecked(), heard);
    QCOMPARE(playing.sound()->isOn(), heard);
    // A well set is heard, or not.
    playing.game()->loadLevel(1);
    const int before = playing.sound()->played();
    QTest::mousePress(playing.game(), Qt::LeftButton, Qt::NoModifier, QPoint(600, 100));
    QTest::mouseMove(playing.game(), QPoint(600, 160));
    QTest::mouseRelease(playing.game(), Qt::LeftButton, Qt::NoModifier, QPoint(600, 160));
    QCOMPARE(playing.sound()->played() - before, heard ? 1 : 0);
    QCOMPARE(settings()->value(key), keptAfter);
    // The next run starts as this one left it.
    const GameSound next;
    QCOMPARE(next.isOn(), keptAfter.toBool());
}
