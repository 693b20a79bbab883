#include "app/FileCommands.h"

#include "game/GameWidget.h"
#include "levels/Level.h"
#include "levels/LevelFile.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {
QString levelFilter()
{
    return QStringLiteral("Swirlfall levels (*.%1);;All files (*)").arg(QLatin1String(LevelFile::extension));
}

QString replayFilter()
{
    return QStringLiteral("Replays and levels (*.txt *.%1);;All files (*)").arg(QLatin1String(LevelFile::extension));
}
} // namespace

FileCommands::FileCommands(GameWidget *game, QWidget *window)
    : QObject(window),
      game(game),
      window(window)
{
}

void FileCommands::openLevel()
{
    const QString path = QFileDialog::getOpenFileName(window, QStringLiteral("Open level"), QString(), levelFilter());
    if (!path.isEmpty())
        openLevelFile(path);
}

void FileCommands::openLevelFile(const QString &path)
{
    Level level;
    QString why;
    if (!LevelFile::readFile(path, &level, &why))
        return refuse(QStringLiteral("Open level"), why);
    game->playLevel(level);
}

void FileCommands::openReplay()
{
    const QString path = QFileDialog::getOpenFileName(window, QStringLiteral("Open replay"), QString(), replayFilter());
    if (!path.isEmpty())
        openReplayFile(path);
}

void FileCommands::openReplayFile(const QString &path)
{
    Level level;
    QString why;
    if (!LevelFile::readPlayback(path, &level, &why))
        return refuse(QStringLiteral("Open replay"), why);
    if (!level.proof)
        return refuse(QStringLiteral("Open replay"), path + QStringLiteral(": a level without a proof, no replay to play"));
    game->watchReplay(level, *level.proof);
}

void FileCommands::refuse(const QString &title, const QString &why)
{
    QMessageBox::warning(window, title, QStringLiteral("This file cannot be opened:\n%1").arg(why));
}
