#include "app/FileCommands.h"

#include "app/editor/EditorWindow.h"
#include "game/GameWidget.h"
#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/Level.h"
#include "levels/format/LevelFile.h"
#include "levels/library/LevelCollection.h"
#include "levels/saves/DataFolders.h"

#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

namespace {
QString replayFilter()
{
    return FileCommands::tr("Replays and levels (*.txt *.%1);;All files (*)").arg(QLatin1String(LevelFile::extension));
}
} // namespace

FileCommands::FileCommands(GameWidget *game, QWidget *window)
    : QObject(window),
      game(game),
      window(window)
{
    // A level file dropped on the window plays, as the desktop's file managers expect.
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

namespace {
// The level files and folders among what is dragged, in the order given.
QStringList droppedLevels(const QMimeData *dropped)
{
    QStringList paths;
    for (const QUrl &url : dropped->urls()) {
        const QFileInfo file(url.toLocalFile());
        if (url.isLocalFile() && (file.isDir() || file.suffix() == QLatin1String(LevelFile::extension)))
            paths.append(file.filePath());
    }
    return paths;
}
} // namespace

bool FileCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window)
        return false;
    if (event->type() == QEvent::DragEnter) {
        QDragEnterEvent *enter = static_cast<QDragEnterEvent *>(event);
        if (!droppedLevels(enter->mimeData()).isEmpty())
            enter->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        QDropEvent *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = droppedLevels(drop->mimeData());
        if (paths.isEmpty())
            return false;
        drop->acceptProposedAction();
        // After the drop is done: a message box opened inside it would hold the dragging program.
        QMetaObject::invokeMethod(this, [this, paths] { playDropped(paths); }, Qt::QueuedConnection);
        return true;
    }
    return false;
}

void FileCommands::playDropped(const QStringList &paths)
{
    // A folder is played as a set is: its level files in order.
    QStringList files;
    QStringList refused;
    for (const QString &path : paths) {
        if (!QFileInfo(path).isDir()) {
            files.append(path);
            continue;
        }
        const QStringList inside = LevelCollection::levelFiles(path);
        if (inside.isEmpty())
            refused.append(tr("%1: a folder with no level files").arg(path));
        files += inside;
    }
    QList<Level> levels;
    QStringList played;
    for (const QString &file : std::as_const(files)) {
        Level level;
        QString why;
        if (!LevelFile::readFile(file, &level, &why)) {
            refused.append(why);
            continue;
        }
        levels.append(level);
        played.append(file);
    }
    if (levels.size() == 1)
        playLevelFile(levels.first(), played.first());
    else if (!levels.isEmpty())
        playFiles(levels, played, 0);
    if (!refused.isEmpty())
        refuse(tr("Play levels"), refused.join(QLatin1Char('\n')));
}

void FileCommands::openLevel()
{
    const QString path = QFileDialog::getOpenFileName(window, tr("Open level"), QString(), LevelFile::dialogFilter());
    if (!path.isEmpty())
        openLevelFile(path);
}

void FileCommands::openReplay()
{
    const QString path = QFileDialog::getOpenFileName(window, tr("Open replay"), QString(), replayFilter());
    if (!path.isEmpty())
        openReplayFile(path);
}

void FileCommands::openLevelFile(const QString &path)
{
    Level level;
    QString why;
    if (!LevelFile::readFile(path, &level, &why))
        return refuse(tr("Open level"), why);
    playLevelFile(level, path);
}

void FileCommands::playLevelFile(const Level &level, const QString &path)
{
    playedFiles = QStringList{path};
    playedLevels = QList<Level>{level};
    game->playLevel(level);
}

void FileCommands::playFiles(const QList<Level> &levels, const QStringList &files, int index)
{
    playedFiles = files;
    playedLevels = levels;
    game->playSequence(levels, index);
}

void FileCommands::openReplayFile(const QString &path)
{
    Level level;
    QString why;
    if (!LevelCatalogue::readPlayback(path, &level, &why))
        return refuse(tr("Open replay"), why);
    if (!level.proof)
        return refuse(tr("Open replay"), tr("%1: a level without a proof, no replay to play").arg(path));
    game->watchReplay(level, *level.proof);
}

void FileCommands::newLevel()
{
    openEditor();
}

void FileCommands::editLevel()
{
    Level level = game->level();
    // A level played from a file edits that file, as it is written (a puzzle's name shows translated).
    for (int i = 0; level.number == 0 && i < playedLevels.size(); ++i) {
        if (!playedFiles.at(i).isEmpty() && playedLevels.at(i).name == level.name && playedLevels.at(i).playsLike(level)) {
            editFile(playedFiles.at(i));
            return;
        }
    }
    // A built-in level is edited as a copy, its solution the copy's proof.
    if (level.number != 0)
        level.proof = LevelCatalogue::solution(level.number);
    openEditor()->edit(level, QString());
}

bool FileCommands::editFile(const QString &path)
{
    EditorWindow *editor = openEditor();
    if (editor->openFile(path))
        return true;
    editor->close();
    return false;
}

void FileCommands::tryLevel(const Level &level)
{
    window->show();
    window->raise();
    window->activateWindow();
    game->playLevel(level);
}

EditorWindow *FileCommands::openEditor()
{
    EditorWindow *editor = new EditorWindow;
    editor->setSaveFolder(DataFolders::myLevels(game->recordBook().folder()));
    connect(editor, &EditorWindow::tryLevel, this, &FileCommands::tryLevel);
    connect(game, &GameWidget::levelPassed, editor, &EditorWindow::offerProof);
    editor->show();
    return editor;
}

void FileCommands::refuse(const QString &title, const QString &why)
{
    QMessageBox::warning(window, title, tr("This file cannot be opened:\n%1").arg(why));
}
