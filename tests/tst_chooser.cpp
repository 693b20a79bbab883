// Guards every level in one place. The collections must be found where a player and a package
// put them, in file-name order and named as their set.txt says; a file that cannot be read must be
// listed with its reason and never hide the rest; the marks and times must say what is so; the
// chooser must open on the first level not passed, play the level chosen as one of its
// collection's, on to the next and back to the chooser after the last; and levels added or
// dropped on the window must arrive whole, never over another file.
#include "CapturedMessages.h"
#include "PlayerInput.h"
#include "SpokenLanguage.h"
#include "TestFiles.h"

#include "app/FileCommands.h"
#include "app/Translation.h"
#include "app/chooser/LevelChooser.h"
#include "app/chooser/LevelListModel.h"
#include "app/chooser/LevelRowDelegate.h"
#include "app/chooser/PuzzleSession.h"
#include "app/chooser/PuzzleShelf.h"
#include "app/chooser/DaysCalendar.h"
#include "app/chooser/TimesChart.h"
#include "app/chooser/YourDays.h"
#include "app/editor/EditorWindow.h"
#include "app/vorticade.h"
#include "game/GameWidget.h"
#include "game/RecordBook.h"
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/LevelFile.h"
#include "levels/library/LevelCollection.h"
#include "levels/library/LevelLibrary.h"
#include "levels/puzzles/LevelGenerator.h"
#include "levels/saves/AtomicWriter.h"
#include "levels/saves/DataFolders.h"
#include "levels/saves/ScoreStore.h"

#include <QClipboard>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDirIterator>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

#include <sys/stat.h>

#include <ctime>

namespace {
// Level n as a file, renamed, with its proof as given: "holds", "none" or "fails".
QByteArray levelText(int number, const QString &name, const QString &proof = QStringLiteral("holds"))
{
    Level level = LevelCatalogue::level(number);
    level.name = name;
    if (proof != QLatin1String("none"))
        level.proof = LevelCatalogue::solution(number);
    if (proof == QLatin1String("fails"))
        level.proof->time += 10;
    return LevelFile::toText(level).toUtf8();
}

// Makes each "path=contents" under root; a path ending in '/' is a folder. Contents "level N Name"
// is level N so named, "unproven N Name" without a proof, "<pipe>" a named pipe.
void make(const QString &root, const QStringList &files)
{
    for (const QString &file : files) {
        const QString path = QDir(root).filePath(file.section(QLatin1Char('='), 0, 0));
        const QString contents = file.section(QLatin1Char('='), 1);
        QDir().mkpath(path.endsWith(QLatin1Char('/')) ? path : QFileInfo(path).path());
        if (path.endsWith(QLatin1Char('/')))
            continue;
        if (contents == QLatin1String("<pipe>")) {
            QVERIFY(mkfifo(QFile::encodeName(path).constData(), S_IRUSR | S_IWUSR) == 0);
            continue;
        }
        const QStringList words = contents.split(QLatin1Char(' '));
        QByteArray bytes = contents.toUtf8();
        if (words.size() >= 3 && (words.first() == QLatin1String("level") || words.first() == QLatin1String("unproven")))
            bytes = levelText(words.at(1).toInt(), words.mid(2).join(QLatin1Char(' ')),
                              words.first() == QLatin1String("level") ? QStringLiteral("holds") : QStringLiteral("none"));
        QVERIFY(AtomicWriter::write(path, bytes));
    }
}

QStringList names(const QList<LevelCollection> &collections)
{
    QStringList shown;
    for (const LevelCollection &collection : collections) {
        QStringList files;
        for (const QString &file : collection.files)
            files.append(QFileInfo(file).fileName());
        shown.append(collection.label() + QStringLiteral(": ") + files.join(QLatin1Char(' ')));
    }
    return shown;
}

// The pixels of colour in the calendar's cell of day, as the calendar shows it.
int markPixels(DaysCalendar *calendar, const QDate &day, const QColor &colour)
{
    calendar->setCurrentPage(day.year(), day.month());
    QTableView *cells = calendar->findChild<QTableView *>();
    const QImage shown = cells->viewport()->grab().toImage();
    // The month's days follow its first, in reading order.
    int inMonth = 0;
    for (int row = 0; row < cells->model()->rowCount(); ++row) {
        for (int column = 0; column < cells->model()->columnCount(); ++column) {
            const QModelIndex cell = cells->model()->index(row, column);
            if (cell.data().toString() == QLatin1String("1") || inMonth > 0)
                ++inMonth;
            if (inMonth != day.day())
                continue;
            int found = 0;
            const QRect rect = cells->visualRect(cell);
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                for (int x = rect.left(); x <= rect.right(); ++x)
                    found += shown.pixelColor(x, y) == colour;
            }
            return found;
        }
    }
    return -1;
}

// The bars of colour the chart paints: runs of columns that hold the colour.
int chartBars(QWidget *chart, const QColor &colour)
{
    const QImage shown = chart->grab().toImage();
    int bars = 0;
    bool inBar = false;
    for (int x = 0; x < shown.width(); ++x) {
        bool found = false;
        for (int y = 0; y < shown.height() && !found; ++y)
            found = shown.pixelColor(x, y) == colour;
        bars += found && !inBar;
        inBar = found;
    }
    return bars;
}

QPushButton *saveButton(const LevelChooser *chooser)
{
    return chooser->findChild<QPushButton *>(QStringLiteral("savePuzzle"));
}
} // namespace

class ChooserTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void collectionsAreFound_data();
    void collectionsAreFound();
    void setNames_data();
    void setNames();
    void rowsSayWhatIsSo_data();
    void rowsSayWhatIsSo();
    void opensOnTheFirstNotPassed_data();
    void opensOnTheFirstNotPassed();
    void playsThroughTheCollection_data();
    void playsThroughTheCollection();
    void typingFindsInEveryCollection();
    void addingLevels_data();
    void addingLevels();
    void aDropPlaysAtOnce_data();
    void aDropPlaysAtOnce();
    void aNewLevelIsSavedInMyLevels_data();
    void aNewLevelIsSavedInMyLevels();
    void puzzlesFromSeeds_data();
    void puzzlesFromSeeds();
    void puzzlesAreKept_data();
    void puzzlesAreKept();
    void everyTextIsWhole_data();
    void everyTextIsWhole();
    void yourDays_data();
    void yourDays();

private:
    QString myLevels() const { return DataFolders::myLevels(dir->path()); }
    LevelChooser *openChooser();
    // The window closed and the game started again on the same folder, as after a restart.
    void restart();
    // The puzzles collection shown, every puzzle of it made: its seeds, in order.
    QStringList puzzleSeeds(LevelChooser *chooser);

    QTemporaryDir *dir = nullptr;
    // Where the window keeps its best times, and its other files beside them.
    QString scores;
    vorticade *window = nullptr;
    GameWidget *game = nullptr;
};

void ChooserTest::initTestCase()
{
    // A day is the UTC's: the tests run where the local day is another, whatever the hour. The zones
    // are POSIX rules, not names: a bare machine has no time zone database to look a name up in.
    qputenv("TZ", QDateTime::currentDateTimeUtc().time().hour() >= 10 ? "EAST-14" : "WEST+12");
    tzset();
    QVERIFY(QDate::currentDate() != QDateTime::currentDateTimeUtc().date());
}

void ChooserTest::init()
{
    dir = new QTemporaryDir;
    scores = dir->filePath(QStringLiteral("scores.dat"));
    window = new vorticade(nullptr, scores);
    game = window->findChild<GameWidget *>();
    window->show();
}

void ChooserTest::cleanup()
{
    speak(QString());
    delete window;
    delete dir;
}

LevelChooser *ChooserTest::openChooser()
{
    window->chooseLevel();
    LevelChooser *chooser = window->findChild<LevelChooser *>();
    // Keys go to the chooser only once the main window has let go of activation, which
    // Qt 5 does for offscreen windows after qWaitForWindowActive has already returned.
    chooser->activateWindow();
    if (!QTest::qWaitFor([this] { return QApplication::activeWindow() != window; }))
        qWarning("the main window kept activation over the chooser");
    return chooser;
}

void ChooserTest::restart()
{
    delete window;
    window = new vorticade(nullptr, scores);
    game = window->findChild<GameWidget *>();
    window->show();
}

QStringList ChooserTest::puzzleSeeds(LevelChooser *chooser)
{
    chooser->choose();
    chooser->showCollection(int(chooser->library()->collections().size()) - 1);
    QStringList seeds;
    for (int row = 0; row < chooser->model()->rowCount(); ++row) {
        const QModelIndex made = chooser->model()->index(row);
        if (!QTest::qWaitFor([&] { return made.data(LevelListModel::ReadableRole).toBool(); }, 30000))
            qWarning("a puzzle was not made in time");
        seeds.append(made.data(LevelListModel::SeedRole).toString());
    }
    return seeds;
}

void ChooserTest::collectionsAreFound_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("expected");

    // "my/" is My levels, "data1/" and "data2/" system data folders.
    QTest::newRow("nothing yet: the game's own levels and an empty My levels")
        << QStringList() << QStringList{"Swirlfall (20): ", "My levels (0): "};
    QTest::newRow("level files only, in file-name order")
        << QStringList{"my/02-b.swirl=x", "my/01-a.swirl=x", "my/10-c.swirl=x", "my/notes.txt=x", "my/a.swirl.bak=x"}
        << QStringList{"Swirlfall (20): ", "My levels (3): 01-a.swirl 02-b.swirl 10-c.swirl"};
    QTest::newRow("numbers in names in the order a person reads them")
        << QStringList{"my/gift10.swirl=x", "my/gift9.swirl=x", "my/Gift 2.swirl=x", "my/gift009b.swirl=x"}
        << QStringList{"Swirlfall (20): ", "My levels (4): Gift 2.swirl gift9.swirl gift009b.swirl gift10.swirl"};
    QTest::newRow("a named pipe is listed, to be greyed with its reason")
        << QStringList{"my/a.swirl=x", "my/pipe.swirl=<pipe>"} << QStringList{"Swirlfall (20): ", "My levels (2): a.swirl pipe.swirl"};
    QTest::newRow("a subfolder is a set, named by its set.txt")
        << QStringList{"my/a.swirl=x", "my/tricky/02.swirl=x", "my/tricky/01.swirl=x", "my/tricky/set.txt=name The Tricky Ones"}
        << QStringList{"Swirlfall (20): ", "My levels (1): a.swirl", "The Tricky Ones (2): 01.swirl 02.swirl"};
    QTest::newRow("a set's name is its text, a placeholder in it too")
        << QStringList{"my/sys/1.swirl=x", "my/sys/set.txt=name System %1 Set"}
        << QStringList{"Swirlfall (20): ", "My levels (0): ", "System %1 Set (1): 1.swirl"};
    QTest::newRow("a set without a name of its own takes its folder's")
        << QStringList{"my/first steps/1.swirl=x", "my/odd/set.txt=# no name\n", "my/odd/1.swirl=x"}
        << QStringList{"Swirlfall (20): ", "My levels (0): ", "first steps (1): 1.swirl", "odd (1): 1.swirl"};
    QTest::newRow("sets a package installs come after the player's, folder by folder")
        << QStringList{"data2/swirlfall/levels/late/1.swirl=x", "data1/swirlfall/levels/early/1.swirl=x",
                       "data1/swirlfall/levels/early/set.txt=name Early", "my/mine/1.swirl=x", "data1/other/1.swirl=x"}
        << QStringList{"Swirlfall (20): ", "My levels (0): ", "mine (1): 1.swirl", "Early (1): 1.swirl", "late (1): 1.swirl"};
    QTest::newRow("a folder without level files is no set") << QStringList{"my/empty/", "my/notes/a.txt=x"}
                                                           << QStringList{"Swirlfall (20): ", "My levels (0): "};
}

void ChooserTest::collectionsAreFound()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, expected);

    make(dir->path(), files);
    // The data folders as the desktop names them, the game's name as its main sets it.
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("swirlfall"));
    qputenv("XDG_DATA_HOME", dir->filePath(QStringLiteral("home")).toUtf8());
    qputenv("XDG_DATA_DIRS", (dir->filePath(QStringLiteral("data1")) + QLatin1Char(':') + dir->filePath(QStringLiteral("data2"))).toUtf8());
    const QList<LevelCollection> found = LevelCollection::find(dir->filePath(QStringLiteral("my")), DataFolders::setFolders());
    QCoreApplication::setApplicationName(name);
    QCOMPARE(names(found), expected);
    QCOMPARE(int(found.first().kind), int(LevelCollection::BuiltIn));
}

void ChooserTest::setNames_data()
{
    QTest::addColumn<QByteArray>("setFile");
    QTest::addColumn<QString>("name");

    // set.txt comes with a set from anywhere: a name is the line's rest, if it is one a level may have.
    QTest::newRow("a name") << QByteArray("name The Tricky Ones\n") << "The Tricky Ones";
    QTest::newRow("after a comment, spaces around") << QByteArray("# made by me\n  name   Spaced  \n") << "Spaced";
    QTest::newRow("the first name line") << QByteArray("name One\nname Two\n") << "One";
    QTest::newRow("forty characters") << "name " + QByteArray(40, 'x') << QString(40, QLatin1Char('x'));
    QTest::newRow("forty-one characters: none") << "name " + QByteArray(41, 'x') << QString();
    QTest::newRow("a control character: none") << QByteArray("name \x1b[2Jx\n") << QString();
    QTest::newRow("not UTF-8: none") << QByteArray("name Caf\xe9\n") << QString();
    QTest::newRow("no name line: none") << QByteArray("title X\nnames Y\n") << QString();
    QTest::newRow("a placeholder is text") << QByteArray("name 100% %1\n") << "100% %1";
    QTest::newRow("over 4 KiB: none") << "name X\n" + QByteArray(4096, '#') << QString();
}

void ChooserTest::setNames()
{
    QFETCH(QByteArray, setFile);
    QFETCH(QString, name);

    QCOMPARE(LevelCollection::setName(setFile), name);
}

void ChooserTest::rowsSayWhatIsSo_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<quint32>("best");
    QTest::addColumn<bool>("runKept");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("details");

    const QString file = QStringLiteral("level.swirl");
    QTest::newRow("proven, not passed") << file << levelText(3, QStringLiteral("Three")) << 0u << false << "Three"
                                        << "Not passed" << "Proven";
    QTest::newRow("not proven, passed in 1234 ms") << file << levelText(3, QStringLiteral("Three"), QStringLiteral("none"))
                                                   << 1234u << false << "Three" << "1234 ms" << "Not proven";
    QTest::newRow("a proof that fails, its run kept") << file << levelText(3, QStringLiteral("Three"), QStringLiteral("fails"))
                                                      << 1900u << true << "Three" << "1900 ms"
                                                      << "Its proof fails \u00b7 your best run is kept (W)";
    QTest::newRow("not a level: greyed, its reason on one line")
        << file << QByteArray("swirlfall-level 1\nname X\n") << 0u << false << "level.swirl" << "Not passed"
        << "Cannot be played: line 2: the level has no wells line";
    QTest::newRow("a file name with markup: shown as it is written")
        << QStringLiteral("13-<h1>BIG.swirl") << QByteArray("swirlfall-level 1\nname X\n") << 0u << false
        << "13-<h1>BIG.swirl" << "Not passed" << "Cannot be played: line 2: the level has no wells line";
    QTest::newRow("a long reason: in a large font, the lines the row has whole, the last one cut")
        << file << "swirlfall-level 1\nname X\nwells red 1 blue 0\nparticle red 100 100\nsolution 100\n0 push"
                       + QByteArray(" over and round").repeated(12) + '\n'
        << 0u << false << "level.swirl" << "Not passed"
        << "Cannot be played: line 6: not an action: 0 push over and round over and round ove...";
}

void ChooserTest::rowsSayWhatIsSo()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, contents);
    QFETCH(quint32, best);
    QFETCH(bool, runKept);
    QFETCH(QString, name);
    QFETCH(QString, time);
    QFETCH(QString, details);

    const QString path = QDir(myLevels()).filePath(file);
    make(myLevels(), {file + QStringLiteral("=x")});
    QVERIFY(AtomicWriter::write(path, contents));
    make(myLevels(), {QStringLiteral("zz-after.swirl=level 1 After")});
    Level level;
    QString why;
    const bool readable = LevelFile::read(contents, &level, &why);
    if (best) {
        QVERIFY(AtomicWriter::write(dir->filePath(QStringLiteral("level-records.txt")),
                                      level.fingerprint().toLatin1() + ' ' + QByteArray::number(best)));
    }
    if (runKept) {
        make(dir->path(), {QStringLiteral("replays/%1.swirl=x").arg(level.fingerprint())});
    }
    // Records are read when the game starts.
    delete window;
    window = new vorticade(nullptr, dir->filePath(QStringLiteral("scores.dat")));
    LevelChooser *chooser = openChooser();
    chooser->showCollection(1);
    const QModelIndex row = chooser->model()->index(0);
    QCOMPARE(row.data(Qt::DisplayRole).toString(), name);
    QCOMPARE(LevelRowDelegate::time(row), readable ? time : QStringLiteral("Not passed"));
    // What a proof shows is found in the background.
    QTRY_VERIFY(row.data(LevelListModel::ProofRole).toInt() != LevelLibrary::Unchecked || !readable);
    QCOMPARE(LevelRowDelegate::details(row), details);
    // As drawn in a font that gives the row two lines for it: whole where it fits; past them, the
    // first line whole and the last one cut.
    QStyleOptionViewItem option;
    option.rect = chooser->view()->visualRect(row);
    option.font = chooser->view()->font();
    const int room = LevelRowDelegate::shown(option, row).detailsRect.height();
    for (int pixels = room / 2; pixels > 1; --pixels) {
        option.font.setPixelSize(pixels);
        if (room / QFontMetrics(option.font).lineSpacing() >= 2)
            break;
    }
    const LevelRowDelegate::Shown shown = LevelRowDelegate::shown(option, row);
    const QFontMetrics metrics(option.font);
    QVERIFY(metrics.boundingRect(shown.detailsRect, Qt::TextWordWrap, shown.details).height() / metrics.lineSpacing()
            <= room / metrics.lineSpacing());
    if (shown.details != details) {
        QVERIFY2(shown.details.endsWith(QChar(0x2026)) && details.startsWith(shown.details.chopped(1))
                     && metrics.horizontalAdvance(shown.details) > shown.detailsRect.width(),
                 qPrintable(shown.details));
    }
    // Its tooltip as a tooltip shows it: the file and the reason, as they are written.
    const QString tip = row.data(Qt::ToolTipRole).toString();
    QTextDocument tipShown;
    if (Qt::mightBeRichText(tip))
        tipShown.setHtml(tip);
    else
        tipShown.setPlainText(tip);
    QVERIFY2(tipShown.toPlainText().contains(path), qPrintable(tipShown.toPlainText()));
    // A file that cannot be read hides nothing after it.
    QCOMPARE(chooser->model()->index(1).data(Qt::DisplayRole).toString(), QStringLiteral("After"));
    QCOMPARE(chooser->model()->index(1).data(LevelListModel::ReadableRole).toBool(), true);
    QCOMPARE(row.data(LevelListModel::ThumbnailRole).value<QImage>().isNull(), !readable);
    // A file that cannot be read is greyed: its name is never drawn as dark as a level's.
    const QImage rows = chooser->view()->viewport()->grab().toImage();
    const QRect nameLine(LevelListModel::thumbnailSize().width() + 14, 14, 120, 30);
    int darkest = 255;
    for (int y = nameLine.top(); y <= nameLine.bottom(); ++y) {
        for (int x = nameLine.left(); x <= nameLine.right(); ++x)
            darkest = qMin(darkest, qGray(rows.pixel(x, y)));
    }
    // The first row is selected where the level can be played, and its text is the highlight's.
    QCOMPARE(darkest > 100, !readable || chooser->selectedRow() == 0);
    // A file changed since, as the editor saves it, is read again when the chooser opens again.
    chooser->hide();
    QVERIFY(AtomicWriter::write(path, levelText(2, QStringLiteral("Saved again"))));
    chooser = openChooser();
    chooser->showCollection(1);
    QCOMPARE(chooser->model()->index(0).data(Qt::DisplayRole).toString(), QStringLiteral("Saved again"));
}

void ChooserTest::opensOnTheFirstNotPassed_data()
{
    QTest::addColumn<QList<quint32>>("times");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("row");

    // Carrying on is Ctrl+L, Enter; before it, the chooser was left with an empty collection shown, or
    // with its Close button.
    QTest::newRow("none passed: the first") << QList<quint32>{} << QString() << 0;
    QTest::newRow("1 and 2 passed: the third") << QList<quint32>{2680, 1960} << QString() << 2;
    QTest::newRow("a gap: the gap") << QList<quint32>{2680, 0, 1890} << QString() << 1;
    QList<quint32> all;
    for (int level = 1; level <= LevelCatalogue::levelCount; ++level)
        all.append(1000);
    QTest::newRow("all passed: the first") << all << QString() << 0;
    QTest::newRow("an empty My levels shown last: the game's own, on") << QList<quint32>{2680} << "empty" << 1;
    QTest::newRow("closed with Close, then Ctrl+L, Enter: played all the same") << QList<quint32>{2680} << "close" << 1;
}

void ChooserTest::opensOnTheFirstNotPassed()
{
    QFETCH(QList<quint32>, times);
    QFETCH(QString, before);
    QFETCH(int, row);

    while (times.size() < LevelCatalogue::levelCount)
        times.append(0);
    QVERIFY(ScoreStore::save(dir->filePath(QStringLiteral("scores.dat")), times));
    delete window;
    window = new vorticade(nullptr, dir->filePath(QStringLiteral("scores.dat")));
    game = window->findChild<GameWidget *>();
    LevelChooser *chooser = openChooser();
    if (before == QLatin1String("close")) {
        QPushButton *close = chooser->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close);
        // As a real click does, the button takes the focus first; in a real window it keeps it there
        // when the chooser opens again.
        close->setFocus(Qt::MouseFocusReason);
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!chooser->isVisible());
        chooser = openChooser();
        close->setFocus(Qt::ActiveWindowFocusReason);
    }
    if (before == QLatin1String("empty")) {
        QListWidget *collections = chooser->findChild<QListWidget *>();
        collections->setCurrentRow(1);
        QCOMPARE(chooser->collection(), 1);
        // An empty collection says how to fill it, over the list.
        QLabel *note = chooser->view()->viewport()->findChild<QLabel *>();
        QVERIFY(note && note->isVisible() && note->geometry().intersects(chooser->view()->viewport()->rect()));
        QVERIFY2(note->text().contains(QLatin1String("Add levels")), qPrintable(note->text()));
        QTest::keyClick(chooser, Qt::Key_Escape);
        QVERIFY(!chooser->isVisible());
        chooser = openChooser();
    }
    QCOMPARE(chooser->collection(), 0);
    QCOMPARE(chooser->selectedRow(), row);
    // Enter plays it, as the game's own levels are played.
    QTest::keyClick(chooser, Qt::Key_Return);
    QVERIFY(!chooser->isVisible());
    QCOMPARE(game->level().number, row + 1);
    QVERIFY(!game->isInSequence());
}

void ChooserTest::playsThroughTheCollection_data()
{
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("played");

    // The set: "A" (level 1), a file that cannot be read, "B" (level 2), "C" (level 3).
    QTest::newRow("a pass and a click: the next of the set") << 0 << "pass click" << "B";
    QTest::newRow("the unreadable file is passed over") << 0 << "right" << "B";
    QTest::newRow("left from the first: round to the last") << 0 << "left" << "C";
    QTest::newRow("right from the last: round to the first") << 3 << "right" << "A";
    QTest::newRow("the click after the last: back to the chooser") << 3 << "pass click" << "chooser";
    QTest::newRow("a right click: the same level again") << 2 << "rightclick" << "B";
    QTest::newRow("Ctrl+E: the editor on the level's own file") << 2 << "edit" << "B (3.swirl)";
}

void ChooserTest::playsThroughTheCollection()
{
    QFETCH(int, chosen);
    QFETCH(QString, keys);
    QFETCH(QString, played);

    make(myLevels(), {QStringLiteral("set/1.swirl=level 1 A"), QStringLiteral("set/2.swirl=broken"),
                      QStringLiteral("set/3.swirl=level 2 B"), QStringLiteral("set/4.swirl=level 3 C")});
    LevelChooser *chooser = openChooser();
    chooser->showCollection(2);
    chooser->view()->setCurrentIndex(chooser->model()->index(chosen));
    chooser->play();
    QVERIFY(game->isInSequence());
    QCOMPARE(game->level().number, 0);
    QSignalSpy ended(game, &GameWidget::sequenceEnded);
    for (const QString &key : keys.split(QLatin1Char(' '))) {
        if (key == QLatin1String("pass")) {
            PlayerInput::play(game, LevelCatalogue::solution(chosen == 3 ? 3 : chosen + 1));
            QCOMPARE(game->state().status(), int(Passed));
        } else if (key == QLatin1String("click") || key == QLatin1String("rightclick")) {
            const Qt::MouseButton button = key == QLatin1String("click") ? Qt::LeftButton : Qt::RightButton;
            PlayerInput::mouse(game, QEvent::MouseButtonPress, button, button, QPoint(400, 240));
            PlayerInput::mouse(game, QEvent::MouseButtonRelease, button, Qt::NoButton, QPoint(400, 240));
        } else if (key == QLatin1String("edit")) {
            window->findChild<QAction *>(QStringLiteral("editLevel"))->trigger();
            const std::unique_ptr<EditorWindow> editor(PlayerInput::topLevel<EditorWindow>());
            QVERIFY2(editor && editor->windowTitle().startsWith(played), qPrintable(editor ? editor->windowTitle() : QString()));
            return;
        } else {
            QTest::keyClick(game, key == QLatin1String("left") ? Qt::Key_Left : Qt::Key_Right);
        }
    }
    if (played == QLatin1String("chooser")) {
        QCOMPARE(ended.count(), 1);
        QVERIFY(chooser->isVisible());
        return;
    }
    QCOMPARE(ended.count(), 0);
    QCOMPARE(game->level().name, played);
    QCOMPARE(game->state().status(), int(Ready));
    QVERIFY(game->isInSequence());
    // A level from elsewhere plays on its own again.
    game->loadLevel(5);
    QVERIFY(!game->isInSequence());
}

void ChooserTest::typingFindsInEveryCollection()
{
    make(myLevels(), {QStringLiteral("mine.swirl=level 4 Mine to zig"), QStringLiteral("set/1.swirl=level 5 Zag set")});
    LevelChooser *chooser = openChooser();
    QTest::keyClicks(chooser->focusWidget(), QStringLiteral("zIg"));
    QCOMPARE(chooser->model()->rowCount(), 2);
    QCOMPARE(chooser->model()->index(0).data(Qt::DisplayRole).toString(), QStringLiteral("Zig Zag"));
    QCOMPARE(chooser->model()->index(1).data(Qt::DisplayRole).toString(), QStringLiteral("Mine to zig"));
    // Each row found says which collection it is in, on the line under its name.
    QStyleOptionViewItem option;
    option.rect = chooser->view()->visualRect(chooser->model()->index(1));
    option.font = chooser->view()->font();
    QVERIFY(LevelRowDelegate::shown(option, chooser->model()->index(1)).details.startsWith(QStringLiteral("My levels \u00b7 ")));
    // The selected row is drawn highlighted, the others not.
    const QImage rows = chooser->view()->viewport()->grab().toImage();
    const QPoint text(LevelListModel::thumbnailSize().width() + 60, 10);
    const QColor highlight = chooser->view()->palette().color(QPalette::Highlight);
    QCOMPARE(rows.pixelColor(text).name(), highlight.name());
    QVERIFY(rows.pixelColor(text + QPoint(0, LevelListModel::thumbnailSize().height() + 10)) != highlight);
    // The collections stand on the left, every one listed with its levels counted.
    QListWidget *collections = chooser->findChild<QListWidget *>();
    QVERIFY(collections->isVisible() && collections->geometry().right() < chooser->view()->geometry().left());
    QStringList titles;
    for (int row = 0; row < collections->count(); ++row)
        titles.append(collections->item(row)->text());
    QCOMPARE(titles, (QStringList{"Swirlfall (20)", "My levels (1)", "set (1)", "Puzzles (5)"}));
    // Tab goes from the list to the collections, as it is laid out.
    QTest::keyClick(chooser->focusWidget(), Qt::Key_Tab);
    QCOMPARE(chooser->focusWidget(), static_cast<QWidget *>(chooser->view()));
    // Typing in the list types into the filter and goes on there: Backspace takes the letter back.
    QTest::keyClick(chooser->focusWidget(), Qt::Key_X);
    QCOMPARE(chooser->model()->rowCount(), 0);
    // A filter that finds nothing says so, over the empty list.
    QLabel *note = chooser->view()->viewport()->findChild<QLabel *>();
    QVERIFY(note && note->isVisible());
    QVERIFY2(note->text().contains(QLatin1String("zIgx")), qPrintable(note->text()));
    QTest::keyClick(chooser->focusWidget(), Qt::Key_Backspace);
    QCOMPARE(chooser->model()->rowCount(), 2);
    QVERIFY(!note->isVisible());
    // Escape takes the filter back before it closes the chooser.
    QTest::keyClicks(chooser->focusWidget(), QStringLiteral("q"));
    QTest::keyClick(chooser->focusWidget(), Qt::Key_Escape);
    QVERIFY(chooser->isVisible());
    QCOMPARE(chooser->model()->filter(), QString());
    QTest::keyClicks(chooser->focusWidget(), QStringLiteral("zIg"));
    QTest::keyClick(chooser->focusWidget(), Qt::Key_Tab);
    QTest::keyClick(chooser->focusWidget(), Qt::Key_Tab);
    QVERIFY(qobject_cast<QListWidget *>(chooser->focusWidget()));
    // Typing on the collections finds levels too, and goes on in the filter.
    QTest::keyClick(chooser->focusWidget(), Qt::Key_X);
    QCOMPARE(chooser->model()->filter(), QStringLiteral("zIgx"));
    QTest::keyClick(chooser->focusWidget(), Qt::Key_Backspace);
    QTest::keyClick(chooser->focusWidget(), Qt::Key_Tab);
    QTest::keyClick(chooser->focusWidget(), Qt::Key_Tab);
    // Down moves in the list while typing goes on; Enter plays, as one of its collection's.
    QTest::keyClick(chooser->focusWidget(), Qt::Key_Down);
    QTest::keyClick(chooser->focusWidget(), Qt::Key_Return);
    QCOMPARE(game->level().name, QStringLiteral("Mine to zig"));
    QVERIFY(game->isInSequence());
    // Opened again, the filter is gone and the collection played is shown.
    chooser = openChooser();
    QCOMPARE(chooser->model()->filter(), QString());
    QCOMPARE(chooser->collection(), 1);
    // Close closes it, and the game plays on.
    chooser->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close)->click();
    QVERIFY(!chooser->isVisible());
    QVERIFY(window->isVisible());
    // The set last shown, removed while the game runs: the chooser opens on the game's own levels.
    openChooser()->showCollection(2);
    QVERIFY(QDir(QDir(myLevels()).filePath(QStringLiteral("set"))).removeRecursively());
    chooser = openChooser();
    QCOMPARE(chooser->collection(), 0);
    QCOMPARE(chooser->model()->rowCount(), LevelCatalogue::levelCount);
}

void ChooserTest::addingLevels_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QString>("shown");

    // What My levels holds before: "a.swirl", level 1. The first level added is shown, selected,
    // where it went; the box says what became of each file.
    QTest::newRow("a level file") << QStringList{"in/b.swirl=level 2 B"} << "in/b.swirl" << QStringList{"a.swirl", "b.swirl"}
                                  << "Added to My levels:\nb.swirl" << "My levels: B";
    QTest::newRow("the same name: both kept") << QStringList{"in/a.swirl=level 2 Other A"} << "in/a.swirl"
                                              << QStringList{"a (2).swirl", "a.swirl"}
                                              << "Added under another name, as a file of that name is there:\na.swirl as a (2).swirl"
                                              << "My levels: Other A";
    QTest::newRow("not a level: refused with its reason")
        << QStringList{"in/bad.swirl=nonsense", "in/c.swirl=level 3 C"} << "in/bad.swirl in/c.swirl"
        << QStringList{"a.swirl", "c.swirl"} << "Added to My levels:\nc.swirl\n\nNot added:\nIN/bad.swirl: line 1: "
        << "My levels: C";
    QTest::newRow("a level already there, under any name: not again")
        << QStringList{"in/pull.swirl=level 1 Pull again", "in/d.swirl=level 4 D", "in/d2.swirl=level 4 D too"}
        << "in/pull.swirl in/d.swirl in/d2.swirl" << QStringList{"a.swirl", "d.swirl"}
        << "Added to My levels:\nd.swirl\n\nAlready in My levels, not added again:\npull.swirl, as a.swirl\nd2.swirl, as d.swirl"
        << "My levels: D";
    QTest::newRow("a folder, as a set with its set.txt")
        << QStringList{"in/pack/1.swirl=level 5 P", "in/pack/set.txt=name Pack", "in/pack/x.swirl=bad"} << "in/pack"
        << QStringList{"a.swirl", "pack/1.swirl", "pack/set.txt"}
        << "Added to My levels:\n1.swirl\n\nNot added:\nIN/pack/x.swirl: line 1: " << "Pack: P";
    QTest::newRow("a set added again: no second set, the first shown")
        << QStringList{"in/pack/1.swirl=level 5 P", "in/pack/set.txt=name Pack", "my-levels/pack/1.swirl=level 5 P",
                       "my-levels/pack/set.txt=name Pack"}
        << "in/pack" << QStringList{"a.swirl", "pack/1.swirl", "pack/set.txt"}
        << "Already in My levels, not added again:\n1.swirl, as pack/1.swirl" << "Pack: P";
}

void ChooserTest::addingLevels()
{
    QFETCH(QStringList, files);
    QFETCH(QString, chosen);
    QFETCH(QStringList, after);
    QFETCH(QString, told);
    QFETCH(QString, shown);

    make(myLevels(), {QStringLiteral("a.swirl=level 1 A")});
    make(dir->path(), files);
    const QByteArray before = levelText(1, QStringLiteral("A"));
    LevelChooser *chooser = openChooser();
    // "Add levels...": the file dialog is answered as a player would, then the box of refusals.
    QString refusals;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (QFileDialog *dialog = qobject_cast<QFileDialog *>(modal)) {
            dialog->setDirectory(dir->filePath(QStringLiteral("in")));
            QStringList names;
            for (const QString &file : chosen.split(QLatin1Char(' ')))
                names.append(file.section(QLatin1Char('/'), -1));
            // Several are quoted, as the dialog's own line shows them.
            dialog->selectFile(names.size() == 1 ? names.first()
                                                 : QLatin1Char('"') + names.join(QStringLiteral("\" \"")) + QLatin1Char('"'));
            QMetaObject::invokeMethod(dialog, "accept");
        } else if (QMessageBox *box = qobject_cast<QMessageBox *>(modal)) {
            refusals = box->text();
            box->accept();
        }
    });
    answer.start(0);
    // Through the button's menu, as a player adds them: files first, then a folder as a set.
    QMenu *adding = chooser->findChild<QPushButton *>(QStringLiteral("addLevels"))->menu();
    QVERIFY(adding);
    const bool asSet = chosen.contains(QLatin1Char('/')) && !chosen.endsWith(QLatin1String(".swirl"));
    adding->actions().at(asSet ? 1 : 0)->trigger();
    answer.stop();
    QVERIFY2(refusals.startsWith(QString(told).replace(QStringLiteral("IN"), dir->filePath(QStringLiteral("in")))),
             qPrintable(refusals));
    const QModelIndex selected = chooser->model()->index(chooser->selectedRow());
    QCOMPARE(chooser->library()->collections().at(chooser->collection()).title + QStringLiteral(": ")
                 + selected.data(Qt::DisplayRole).toString(),
             shown);
    QStringList now;
    QDirIterator it(myLevels(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        now.append(QDir(myLevels()).relativeFilePath(it.next()));
    now.sort();
    QCOMPARE(now, after);
    // What was there is as it was.
    QFile old(QDir(myLevels()).filePath(QStringLiteral("a.swirl")));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), before);
}

void ChooserTest::aDropPlaysAtOnce_data()
{
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QStringList>("played");
    QTest::addColumn<QString>("said");

    const QStringList none;
    QTest::newRow("a level file: played") << QStringList{QStringLiteral("b/dropped.swirl")}
                                          << QStringList{QStringLiteral("Dropped")} << QString();
    QTest::newRow("a text file: not taken") << QStringList{QStringLiteral("notes.txt")} << none << QString();
    QTest::newRow("a name with two dots: a level file all the same")
        << QStringList{QStringLiteral("b/v1.2.swirl")} << QStringList{QStringLiteral("Dotted")} << QString();
    QTest::newRow("two files: played one after the other, as dropped")
        << QStringList{QStringLiteral("b/dropped.swirl"), QStringLiteral("a/first.swirl")}
        << QStringList{QStringLiteral("Dropped"), QStringLiteral("First")} << QString();
    QTest::newRow("a folder: its levels, as a set is played")
        << QStringList{QStringLiteral("a")} << QStringList{QStringLiteral("First"), QStringLiteral("Second")}
        << QString();
    QTest::newRow("a folder without levels: says so") << QStringList{QStringLiteral("empty")} << none
                                                      << QStringLiteral("no level files");
    QTest::newRow("a broken file among them: named, the rest played")
        << QStringList{QStringLiteral("b/broken.swirl"), QStringLiteral("b/dropped.swirl")}
        << QStringList{QStringLiteral("Dropped")} << QStringLiteral("broken.swirl: line 1");
}

void ChooserTest::aDropPlaysAtOnce()
{
    QFETCH(QStringList, dropped);
    QFETCH(QStringList, played);
    QFETCH(QString, said);

    make(dir->path(), {QStringLiteral("b/dropped.swirl=level 6 Dropped"), QStringLiteral("notes.txt=x"),
                       QStringLiteral("a/first.swirl=level 2 First"), QStringLiteral("a/second.swirl=level 3 Second"),
                       QStringLiteral("empty/"), QStringLiteral("b/broken.swirl=x"),
                       QStringLiteral("b/v1.2.swirl=level 7 Dotted")});
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &file : dropped)
        urls.append(QUrl::fromLocalFile(dir->filePath(file)));
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    // Only level files and folders are taken.
    QCOMPARE(enter.isAccepted(), !played.isEmpty() || !said.isEmpty());
    if (!enter.isAccepted())
        return;
    QTimer *clock = window->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    // The timer asleep over a still window, painted, as no input has come for a while.
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCoreApplication::processEvents();
    QMetaObject::invokeMethod(clock, "timeout");
    QVERIFY(!clock->isActive());
    QString shown;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        if (QMessageBox *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    answer.start(0);
    QDropEvent drop(QPointF(400, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
    QTRY_VERIFY(!(said.isEmpty() ? played.isEmpty() || game->level().name != played.first() : shown.isEmpty()));
    QVERIFY2(said.isEmpty() ? shown.isEmpty() : shown.contains(said), qPrintable(shown));
    if (played.isEmpty())
        return;
    // Shown at once: the sleeping timer is woken for it.
    QVERIFY(clock->isActive());
    QCOMPARE(game->isInSequence(), played.size() > 1);
    for (const QString &next : played.mid(1)) {
        QTest::keyClick(game, Qt::Key_Right);
        QCOMPARE(game->level().name, next);
    }
}

void ChooserTest::aNewLevelIsSavedInMyLevels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("as named") << QString() << QStringLiteral("New level.swirl");
    QTest::newRow("placeholders kept") << QStringLiteral("Top%1 x") << QStringLiteral("Top%1 x.swirl");
    QTest::newRow("no other folder, no option") << QStringLiteral("../Up/Down") << QStringLiteral("Up-Down.swirl");
    QTest::newRow("not hidden") << QStringLiteral(".hidden") << QStringLiteral("hidden.swirl");
    QTest::newRow("no option either") << QStringLiteral("-x") << QStringLiteral("x.swirl");
    QTest::newRow("nothing left of it: a name still") << QStringLiteral("/") << QStringLiteral("level.swirl");
}

void ChooserTest::aNewLevelIsSavedInMyLevels()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    // Where the game finds it again: Save As of a level not saved yet starts in My levels.
    window->findChild<FileCommands *>()->newLevel();
    EditorWindow *editor = PlayerInput::topLevel<EditorWindow>();
    QVERIFY(editor);
    if (!name.isEmpty()) {
        QLineEdit *nameEdit = nullptr;
        for (QLineEdit *edit : editor->findChildren<QLineEdit *>())
            nameEdit = edit->text() == QLatin1String("New level") ? edit : nameEdit;
        QVERIFY(nameEdit);
        nameEdit->selectAll();
        QTest::keyClicks(nameEdit, name);
    }
    QString offered;
    QTimer::singleShot(0, this, [&] {
        QFileDialog *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        offered = QDir(dialog->directory()).filePath(dialog->selectedFiles().value(0).section(QLatin1Char('/'), -1));
        dialog->reject();
    });
    QVERIFY(!editor->saveAs());
    QCOMPARE(offered, QDir(myLevels()).filePath(file));
    delete editor;
}

void ChooserTest::puzzlesFromSeeds_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("said");

    // Typed: a seed given to "Play a seed...", or "<save>" to keep the puzzle of the day in My
    // levels twice.
    QTest::newRow("the collection: the puzzle of the day and a new one of each tier") << QString() << QString();
    QTest::newRow("a seed typed: its level, played on its own, as --generate gives it") << "2-easy-42" << QString();
    QTest::newRow("a seed that is none: why, and nothing played")
        << "2-pro-7" << "\u201c2-pro-7\u201d is not a seed: its tier is easy, medium, hard or daily, not \u201cpro\u201d.";
    QTest::newRow("markup typed: shown as it was typed")
        << "<b>2-easy-1</b>" << "\u201c<b>2-easy-1</b>\u201d is not a seed: a seed is the generator's version, a tier and a "
                                "word of letters and digits (and - _ . between them), as 3-easy-42.";
    QTest::newRow("tomorrow's puzzle: it opens on its day, nothing played")
        << "<tomorrow>" << "%1 opens on its day: it can be played from then on, and counts for that day only.";
    QTest::newRow("nothing typed: said so, and asked again") << "  " << "Type or paste a seed to play its level, or Cancel.";
    QTest::newRow("saved to My levels, then saved again: there already")
        << "<save>" << "Already in My levels, not added again:";
}

void ChooserTest::puzzlesFromSeeds()
{
    QFETCH(QString, typed);
    QFETCH(QString, said);

    const Seed tomorrow = Seed::ofDay(QDateTime::currentDateTimeUtc().date().addDays(1));
    if (typed == QLatin1String("<tomorrow>")) {
        typed = tomorrow.text();
        said = said.arg(tomorrow.shownName());
    }
    LevelChooser *chooser = openChooser();
    const int puzzles = int(chooser->library()->collections().size()) - 1;
    QCOMPARE(int(chooser->library()->collections().at(puzzles).kind), int(LevelCollection::Puzzles));
    chooser->showCollection(puzzles);
    const QString today = Seed::ofDay(QDateTime::currentDateTimeUtc().date()).shownName();
    QCOMPARE(chooser->model()->index(0).data(Qt::DisplayRole).toString(), today);
    QString shown;
    QTimer answer;
    // The seed box asks again after a seed that is none, with what was typed: left then.
    QStringList asked;
    QStringList titles;
    connect(&answer, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (QInputDialog *input = qobject_cast<QInputDialog *>(modal)) {
            asked.append(input->textValue());
            if (asked.size() > 1)
                return input->reject();
            input->setTextValue(typed);
            input->accept();
        } else if (QMessageBox *box = qobject_cast<QMessageBox *>(modal)) {
            titles.append(box->windowTitle());
            // As a player reads it: markup in it would be shown as such.
            shown += box->textFormat() == Qt::PlainText ? box->text() : QStringLiteral("(as markup) ") + box->text();
            box->accept();
        }
    });
    answer.start(0);
    if (typed.isEmpty()) {
        // Each made in the background, a proven level of its tier: today's, yesterday's, then
        // a new one of each tier.
        QCOMPARE(chooser->model()->index(1).data(Qt::DisplayRole).toString(),
                 Seed::ofDay(QDateTime::currentDateTimeUtc().date().addDays(-1)).shownName());
        for (int row = 0; row < 5; ++row) {
            const QModelIndex made = chooser->model()->index(row);
            QTRY_VERIFY_WITH_TIMEOUT(made.data(LevelListModel::ReadableRole).toBool(), 30000);
            QCOMPARE(made.data(LevelListModel::ProofRole).toInt(), int(LevelLibrary::Proven));
            QVERIFY(LevelRowDelegate::details(made).contains(QStringLiteral(" \u00b7 \u2605")));
        }
        QVERIFY(chooser->model()->index(2).data(Qt::DisplayRole).toString().startsWith(QLatin1String("Easy ")));
        QVERIFY(chooser->model()->index(4).data(Qt::DisplayRole).toString().startsWith(QLatin1String("Hard ")));
        // A filter that shows no puzzle leaves none to save or copy.
        chooser->view()->setCurrentIndex(chooser->model()->index(0));
        QVERIFY(saveButton(chooser)->isVisible());
        QVERIFY(chooser->findChild<QPushButton *>(QStringLiteral("yourDays"))->isVisible());
        // Copy seed copies it, and says so until another row is chosen.
        QPushButton *copy = chooser->findChild<QPushButton *>(QStringLiteral("copySeed"));
        copy->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), Seed::ofDay(QDateTime::currentDateTimeUtc().date()).text());
        QCOMPARE(copy->text(), QStringLiteral("Copied"));
        chooser->view()->setCurrentIndex(chooser->model()->index(1));
        QCOMPARE(copy->text(), QStringLiteral("Copy seed"));
        chooser->view()->setCurrentIndex(chooser->model()->index(0));
        QTest::keyClicks(chooser->view(), QStringLiteral("zq"));
        QCOMPARE(chooser->model()->rowCount(), 0);
        QVERIFY(!saveButton(chooser)->isVisible());
        QTest::keyClick(chooser->focusWidget(), Qt::Key_Escape);
        // Chosen, one plays as one of the collection's.
        chooser->view()->setCurrentIndex(chooser->model()->index(3));
        QTest::keyClick(chooser->view(), Qt::Key_Return);
        QVERIFY(game->isInSequence());
        QVERIFY(game->level().name.startsWith(QLatin1String("Medium ")));
        return;
    }
    if (typed == QLatin1String("<save>")) {
        chooser->view()->setCurrentIndex(chooser->model()->index(0));
        QTRY_VERIFY_WITH_TIMEOUT(chooser->model()->index(0).data(LevelListModel::ReadableRole).toBool(), 30000);
        QPushButton *save = saveButton(chooser);
        QVERIFY(save->isVisible() && save->isEnabled());
        save->click();
        // Under the seed's own name, in every language; the box titled for what was done.
        QVERIFY2(shown.startsWith(QStringLiteral("Added to My levels:\n") + Seed::ofDay(QDateTime::currentDateTimeUtc().date()).fileName()
                                  + QStringLiteral(".swirl")),
                 qPrintable(shown));
        QCOMPARE(titles, QStringList{QStringLiteral("Save to My levels")});
        shown.clear();
        chooser->showCollection(puzzles);
        chooser->view()->setCurrentIndex(chooser->model()->index(0));
        save->click();
        QVERIFY2(shown.startsWith(said), qPrintable(shown));
        return;
    }
    QMetaObject::invokeMethod(chooser->findChild<QPushButton *>(QStringLiteral("playSeed")), "click", Qt::QueuedConnection);
    if (!said.isEmpty()) {
        QTRY_COMPARE(asked.size(), 2);
        QCOMPARE(shown, said);
        QCOMPARE(asked.last(), typed);
        QCOMPARE(game->level().number, 1);
        return;
    }
    Seed seed;
    QString why;
    QVERIFY(Seed::parse(typed, &seed, &why));
    const std::optional<LevelGenerator::Generated> expected = LevelGenerator(seed).generate();
    QTRY_VERIFY_WITH_TIMEOUT(game->level().number == 0, 30000);
    QCOMPARE(game->level().fingerprint(), expected->level.fingerprint());
    QCOMPARE(game->level().proof->actionsText(), expected->level.proof->actionsText());
    QVERIFY(!game->isInSequence());
    QVERIFY(!chooser->isVisible());
    // Its end says what it is, and again after a restart; another level's says nothing.
    QCOMPARE(game->endNote(), LevelGenerator::describe(seed, expected->difficulty));
    PlayerInput::mouse(game, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, QPoint(400, 300));
    QCOMPARE(game->endNote(), LevelGenerator::describe(seed, expected->difficulty));
    game->loadLevel(3);
    QCOMPARE(game->endNote(), QString());
}

void ChooserTest::puzzlesAreKept_data()
{
    QTest::addColumn<QString>("done");

    // What a player does before the game starts again.
    QTest::newRow("nothing passed: every puzzle offered again") << "";
    QTest::newRow("a first run from the desktop menu, its data folder not made yet") << "first";
    QTest::newRow("the day's puzzle chosen at once, then passed: its streak, the longest kept, and result") << "daily";
    QTest::newRow("the day's puzzle passed after two hints: said at its end and in its result, kept, its streak carried") << "daily after hints";
    QTest::newRow("yesterday's puzzle passed late: its result, without a streak") << "late";
    QTest::newRow("yesterday's passed late while the streak runs: its result shares no streak") << "late in a streak";
    QTest::newRow("a broken streak file: a fresh start, said once") << "broken";
    QTest::newRow("a seed played, saved in German: the puzzle stays at hand, one file everywhere") << "seed";
    QTest::newRow("the new Easy puzzle passed: another in its place, kept") << "easy";
}

void ChooserTest::puzzlesAreKept()
{
    QFETCH(QString, done);

    // Played as the day's, after two hints.
    const int hints = done.endsWith(QLatin1String("hints")) ? 2 : 0;
    if (hints > 0)
        done = QStringLiteral("daily");
    QString dailyResult;
    const QString streakFile = dir->filePath(QStringLiteral("streak.txt"));
    const QDate today = QDateTime::currentDateTimeUtc().date();
    // A run of three that ended days ago; a run of one, yesterday.
    const QMap<QString, QByteArray> streaks{{QStringLiteral("broken"), "swirlfall-streak 1\ndays 4\n"},
                                            {QStringLiteral("daily"), "swirlfall-streak 1\ndays 3\nlongest 3\nlast " + today.addDays(-5).toString(Qt::ISODate).toLatin1() + '\n'},
                                            {QStringLiteral("late in a streak"),
                                             "swirlfall-streak 1\ndays 1\nlongest 1\nlast " + today.addDays(-1).toString(Qt::ISODate).toLatin1() + '\n'}};
    QVERIFY(TestFiles::write(streakFile, streaks.value(done)));
    if (!streaks.contains(done))
        QFile::remove(streakFile);
    const int streakNow = int(done == QLatin1String("late in a streak"));
    if (done == QLatin1String("first"))
        scores = dir->filePath(QStringLiteral("data/scores.dat"));
    {
        CapturedMessages said;
        restart();
        QCOMPARE(said.text().count(QLatin1Char('\n')), int(done == QLatin1String("broken")));
    }
    QCOMPARE(window->puzzleSession()->streak(), streakNow);
    LevelChooser *chooser = openChooser();
    QAction *save = window->findChild<QAction *>(QStringLiteral("savePuzzle"));
    QAction *result = window->findChild<QAction *>(QStringLiteral("copyResult"));
    // Nothing played yet: nothing to keep, nothing to share.
    QVERIFY(!save->isEnabled() && !result->isEnabled());
    const QStringList first = puzzleSeeds(chooser);
    // The day's, yesterday's, then Easy: Easy passed, or yesterday's passed late.
    const int passedRow = done == QLatin1String("easy") ? 2 : done.startsWith(QLatin1String("late")) ? 1 : -1;
    if (passedRow >= 0) {
        chooser->view()->setCurrentIndex(chooser->model()->index(passedRow));
        QTest::keyClick(chooser->view(), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(game->isInSequence(), 30000);
        PlayerInput::play(game, *game->level().proof);
        QCOMPARE(game->state().status(), int(Passed));
    }
    if (done == QLatin1String("daily")) {
        // Chosen at once, while the rows are still being made: played through the collection all the same.
        chooser->showCollection(int(chooser->library()->collections().size()) - 1);
        chooser->view()->setCurrentIndex(chooser->model()->index(0));
        QTest::keyClick(chooser->view(), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(game->isInSequence(), 30000);
        QVERIFY(save->isEnabled() && !result->isEnabled());
        for (int hint = 0; hint < hints; ++hint)
            window->findChild<QAction *>(QStringLiteral("hint"))->trigger();
        PlayerInput::play(game, *game->level().proof);
        QCOMPARE(game->state().status(), int(Passed));
        QCOMPARE(window->puzzleSession()->streak(), 1);
        QVERIFY2(game->endNote().endsWith(QStringLiteral(" \u00b7 days in a row: 1, longest 3")), qPrintable(game->endNote()));
        QCOMPARE(game->endNote().startsWith(QStringLiteral("Passed with 2 hints\n")), hints > 0);
        QVERIFY(result->isEnabled());
        result->trigger();
        const QString line = QGuiApplication::clipboard()->text();
        QVERIFY2(line.startsWith(QStringLiteral("Swirlfall \u00b7 ") + Seed::ofDay(today).shownName() + QStringLiteral(" \u00b7 "))
                     && line.endsWith(QStringLiteral(" \u00b7 days in a row: 1") + QString(hints > 0 ? " \u00b7 2 hints" : ""))
                     && !line.contains(QLatin1String("well ")),
                 qPrintable(line));
        dailyResult = line;
        // The chooser's button copies the same line, from the day's row.
        QGuiApplication::clipboard()->clear();
        LevelChooser *shown = openChooser();
        shown->showCollection(int(shown->library()->collections().size()) - 1);
        shown->view()->setCurrentIndex(shown->model()->index(0));
        shown->findChild<QPushButton *>(QStringLiteral("copyResult"))->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), line);
        shown->close();
        // In German, its date and its time as German writes them.
        speak(QStringLiteral("de"));
        result->trigger();
        const QString german = QGuiApplication::clipboard()->text();
        QVERIFY2(german.contains(Seed::ofDay(today).shownName()) && german.contains(QRegularExpression(QStringLiteral(" \\d+,\\d+ s "))),
                 qPrintable(german));
        speak(QString());
        QTest::keyClick(game, Qt::Key_Right);
        QCOMPARE(game->level().name, Seed::ofDay(today.addDays(-1)).shownName());
        QVERIFY(!result->isEnabled());
    }
    if (done.startsWith(QLatin1String("late"))) {
        QCOMPARE(window->puzzleSession()->streak(), streakNow);
        result->trigger();
        const QString line = QGuiApplication::clipboard()->text();
        QVERIFY2(line.startsWith(QStringLiteral("Swirlfall \u00b7 ") + Seed::ofDay(today.addDays(-1)).shownName())
                     && line.contains(QRegularExpression(QStringLiteral(" \u00b7 wells: \\d+$"))),
                 qPrintable(line));
    }
    if (done == QLatin1String("seed")) {
        Seed seed;
        QString why;
        QVERIFY(Seed::parse(QStringLiteral("2-easy-7"), &seed, &why));
        chooser->puzzleShelf()->waitFor(seed, [this](const LevelGenerator::Generated &made) { game->playLevel(made.level); });
        QTRY_VERIFY_WITH_TIMEOUT(save->isEnabled(), 30000);
        speak(QStringLiteral("de"));
        QTimer::singleShot(0, this, [] {
            if (QMessageBox *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->accept();
        });
        save->trigger();
        QCOMPARE(TestFiles::contents(QDir(myLevels()).filePath(QStringLiteral("Easy 7.swirl"))),
                 window->puzzleSession()->find(seed)->fileText());
        // In My levels still a puzzle: named and described in the player's language, its seed to copy.
        chooser->choose();
        chooser->showCollection(1);
        const QModelIndex saved = chooser->model()->index(0);
        chooser->view()->setCurrentIndex(saved);
        QCOMPARE(saved.data().toString(), seed.shownName());
        QCOMPARE(saved.data(LevelListModel::DifficultyRole).toString(),
                 LevelGenerator::describe(seed, window->puzzleSession()->find(seed)->difficulty));
        QVERIFY(chooser->findChild<QPushButton *>(QStringLiteral("copySeed"))->isVisible() && !saveButton(chooser)->isVisible());
        // The days are the puzzles' alone.
        QVERIFY(!chooser->findChild<QPushButton *>(QStringLiteral("yourDays"))->isVisible());
    }
    const QStringList before = puzzleSeeds(chooser);
    QCOMPARE(before.at(2) != first.at(2), done == QLatin1String("easy"));
    QCOMPARE(before.mid(3, 2), first.mid(3, 2));
    restart();
    QCOMPARE(window->puzzleSession()->streak(), qMax(streakNow, int(done == QLatin1String("daily"))));
    // What it shares says the same after a restart.
    if (!dailyResult.isEmpty())
        QCOMPARE(window->puzzleSession()->result(Seed::ofDay(today)), dailyResult);
    // The tiers' puzzles not passed are the same, and the one played last, passed or not, stays at
    // hand after a restart too.
    QCOMPARE(puzzleSeeds(openChooser()), before);
    QCOMPARE(before.size(), 5 + int(done == QLatin1String("seed") || done == QLatin1String("easy")));
}

void ChooserTest::everyTextIsWhole_data()
{
    QTest::addColumn<QString>("language");

    QTest::newRow("English") << QString();
    QTest::newRow("German") << QStringLiteral("de");
    QTest::newRow("French") << QStringLiteral("fr");
}

void ChooserTest::everyTextIsWhole()
{
    QFETCH(QString, language);

    speak(language);
    // The longest a row says: the day's puzzle passed, its run kept, a streak of two digits.
    const QDate yesterday = QDateTime::currentDateTimeUtc().date().addDays(-1);
    QVERIFY(TestFiles::write(dir->filePath(QStringLiteral("streak.txt")),
                             "swirlfall-streak 1\ndays 41\nlongest 41\nlast " + yesterday.toString(Qt::ISODate).toLatin1() + '\n'));
    restart();
    LevelChooser *chooser = openChooser();
    puzzleSeeds(chooser);
    chooser->view()->setCurrentIndex(chooser->model()->index(0));
    QTest::keyClick(chooser->view(), Qt::Key_Return);
    PlayerInput::play(game, *game->level().proof);
    QCOMPARE(window->puzzleSession()->streak(), 42);
    puzzleSeeds(openChooser());

    QStringList cut;
    const QListWidget *collections = chooser->findChild<QListWidget *>();
    for (int c = 0; c < collections->count(); ++c) {
        const QListWidgetItem *item = collections->item(c);
        const QRect ink = collections->fontMetrics().boundingRect(item->text());
        if (collections->visualItemRect(item).height() < ink.height() || collections->visualItemRect(item).width() < ink.width())
            cut.append(item->text());
        chooser->showCollection(c);
        for (int row = 0; row < chooser->model()->rowCount(); ++row) {
            const QModelIndex index = chooser->model()->index(row);
            QStyleOptionViewItem option;
            option.rect = chooser->view()->visualRect(index);
            option.font = chooser->view()->font();
            const LevelRowDelegate::Shown shown = LevelRowDelegate::shown(option, index);
            if (shown.name != index.data().toString() || shown.details != LevelRowDelegate::details(index))
                cut.append(shown.name + QStringLiteral(" | ") + shown.details);
        }
    }
    for (const QPushButton *button : chooser->findChildren<QPushButton *>()) {
        if (button->isVisible() && button->width() < button->sizeHint().width())
            cut.append(button->text());
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

void ChooserTest::yourDays_data()
{
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("done");
    QTest::addColumn<QString>("said");

    // The days before today as the file of days keeps them: O passed on its day, L passed late the
    // day after, - not passed; the streak kept says the last day's run of one, the longest two.
    QTest::newRow("passed, passed, skipped, late, passed: marked so, with the streaks and the day's result")
        << "OO-LO" << "" << "Days in a row: 1\nLongest run of days: 2\nDays played: 4, 3 of them on their day";
    QTest::newRow("a missed day chosen with Enter: its puzzle played and passed late, marked so at once, Enter on Close or after Copy result plays it again")
        << "OO-LO" << "late" << "Days in a row: 1\nLongest run of days: 2\nDays played: 5, 3 of them on their day";
    QTest::newRow("a broken file of days: said once, the streak kept") << "broken" << "" << "Days in a row: 1\nLongest run of days: 2\nDays played: 0, 0 of them on their day";
    QTest::newRow("Escape: closed, nothing played") << "OO-LO" << "escape" << "";
}

void ChooserTest::yourDays()
{
    QFETCH(QString, days);
    QFETCH(QString, done);
    QFETCH(QString, said);

    const QDate today = QDateTime::currentDateTimeUtc().date();
    QByteArray file = "swirlfall-days 1\n";
    for (int i = 0; i < days.size(); ++i) {
        const QDate day = today.addDays(i - int(days.size()));
        if (days.at(i) != QLatin1Char('-'))
            file += day.toString(Qt::ISODate).toLatin1() + ' ' + day.addDays(days.at(i) == QLatin1Char('L')).toString(Qt::ISODate).toLatin1() + " 4810 2 0\n";
    }
    QVERIFY(TestFiles::write(dir->filePath(QStringLiteral("days.txt")), days == QLatin1String("broken") ? QByteArray("swirlfall-days 1\n2026") : file));
    QVERIFY(TestFiles::write(dir->filePath(QStringLiteral("streak.txt")),
                             "swirlfall-streak 1\ndays 1\nlongest 2\nlast " + today.addDays(-1).toString(Qt::ISODate).toLatin1() + '\n'));
    {
        CapturedMessages told;
        restart();
        QCOMPARE(told.text().count(QLatin1Char('\n')), int(days == QLatin1String("broken")));
    }
    window->findChild<QAction *>(QStringLiteral("yourDays"))->trigger();
    YourDays *shown = window->findChild<YourDays *>();
    QVERIFY(shown && shown->isVisible());
    if (done.isEmpty())
        QCOMPARE(shown->streakText(), said);
    // On today, open: the day's puzzle to pass today.
    QCOMPARE(shown->calendar()->selectedDate(), today);
    QVERIFY2(shown->dayText().startsWith(Seed::ofDay(today).shownName() + QStringLiteral(": today's")), qPrintable(shown->dayText()));
    if (done == QLatin1String("escape")) {
        // Keys reach it once the main window has let go of activation, late on Qt 5 offscreen.
        shown->activateWindow();
        QVERIFY(QTest::qWaitFor([shown] { return QApplication::activeWindow() == shown; }));
        QTest::keyClick(shown->calendar()->findChild<QTableView *>(), Qt::Key_Escape);
        QVERIFY(!shown->isVisible());
        QCOMPARE(game->level().number, 1);
        return;
    }
    const QString marks = days == QLatin1String("broken") ? QStringLiteral("-----") : days;
    for (int i = 0; i < marks.size(); ++i) {
        const QDate day = today.addDays(i - int(marks.size()));
        // The run before the first day played is no day missed.
        const DayLog::Mark mark = marks.at(i) == QLatin1Char('O') ? DayLog::OnItsDay : marks.at(i) == QLatin1Char('L') ? DayLog::Late
                                  : marks.at(i) == QLatin1Char('-') && i > 0 && marks.at(0) != QLatin1Char('-') ? DayLog::Missed : DayLog::Unplayed;
        for (const DayLog::Mark other : {DayLog::OnItsDay, DayLog::Late, DayLog::Missed})
            QVERIFY2((markPixels(shown->calendar(), day, DaysCalendar::markColor(other)) > 0) == (other == mark),
                     qPrintable(QStringLiteral("%1 shows mark %2: %3").arg(day.toString(Qt::ISODate)).arg(other).arg(int(mark))));
    }
    QCOMPARE(shown->calendar()->maximumDate(), today);
    if (done != QLatin1String("late"))
        return;
    const QDate missed = today.addDays(-3);
    shown->calendar()->setSelectedDate(missed);
    QTest::keyClick(shown->calendar()->findChild<QTableView *>(), Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(game->level().name == Seed::ofDay(missed).shownName(), 30000);
    QVERIFY(!shown->isVisible());
    PlayerInput::play(game, *game->level().proof);
    QCOMPARE(game->state().status(), int(Passed));
    window->findChild<QAction *>(QStringLiteral("yourDays"))->trigger();
    QCOMPARE(shown->streakText(), said);
    QVERIFY(markPixels(shown->calendar(), missed, DaysCalendar::markColor(DayLog::Late)) > 0);
    shown->calendar()->setSelectedDate(missed);
    // What is shared of a day passed late says no streak.
    QVERIFY2(shown->dayText().startsWith(Seed::ofDay(missed).shownName() + QStringLiteral(": passed late")), qPrintable(shown->dayText()));
    QCOMPARE(window->puzzleSession()->result(Seed::ofDay(missed)).count(QStringLiteral("days in a row")), 0);
    // The month's chart has a bar for each day passed in it, coloured as its mark.
    shown->calendar()->setCurrentPage(today.year(), today.month());
    int onItsDay = 0;
    int late = 0;
    for (int i = 0; i < days.size(); ++i) {
        if (today.addDays(i - int(days.size())).month() != today.month())
            continue;
        onItsDay += days.at(i) == QLatin1Char('O');
        late += days.at(i) == QLatin1Char('L') || i == 2;
    }
    QCOMPARE(chartBars(shown->chart(), DaysCalendar::markColor(DayLog::OnItsDay)), onItsDay);
    QCOMPARE(chartBars(shown->chart(), DaysCalendar::markColor(DayLog::Late)), late);
    shown->calendar()->setSelectedDate(missed);
    // Enter plays the day chosen, with the focus on Close, or on Copy result once it copied.
    QSignalSpy chosen(shown, &YourDays::dayChosen);
    QTest::keyClick(shown->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close), Qt::Key_Return);
    QCOMPARE(chosen.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(game->state().status() == int(Ready), 30000);
    PlayerInput::play(game, *game->level().proof);
    window->findChild<QAction *>(QStringLiteral("yourDays"))->trigger();
    shown->calendar()->setSelectedDate(missed);
    QPushButton *copy = shown->findChild<QPushButton *>(QStringLiteral("copyResult"));
    QTest::mouseClick(copy, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), window->puzzleSession()->result(Seed::ofDay(missed)));
    QTest::keyClick(copy, Qt::Key_Return);
    QVERIFY(!shown->isVisible());
    QCOMPARE(chosen.count(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(game->state().status() == int(Ready), 30000);
}

QTEST_MAIN(ChooserTest)
#include "tst_chooser.moc"
