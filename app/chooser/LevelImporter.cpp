#include "app/chooser/LevelImporter.h"

#include "levels/format/LevelFile.h"
#include "levels/library/LevelImport.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

LevelImporter::LevelImporter(const QString &myLevels, QWidget *window)
    : QObject(window),
      myLevels(myLevels),
      window(window)
{
}

void LevelImporter::addFiles()
{
    const QStringList files = QFileDialog::getOpenFileNames(window, tr("Add levels"), QString(), LevelFile::dialogFilter());
    if (!files.isEmpty())
        report(LevelImport::files(files, myLevels), tr("Add levels"));
}

void LevelImporter::addSet()
{
    const QString folder = QFileDialog::getExistingDirectory(window, tr("Add a set of levels"));
    if (!folder.isEmpty())
        report(LevelImport::set(folder, myLevels), tr("Add levels"));
}

void LevelImporter::addPuzzle(const LevelGenerator::Generated &puzzle)
{
    LevelGenerator::Generated kept = puzzle;
    kept.level.name = puzzle.seed.fileName();
    const QString fileName = kept.level.name + QLatin1Char('.') + QLatin1String(LevelFile::extension);
    report(LevelImport::text(kept.fileText(), fileName, myLevels), tr("Save to My levels"));
}

void LevelImporter::report(const LevelImport &done, const QString &title)
{
    QStringList kept;
    QStringList renamed;
    for (const LevelImport::Copy &copy : done.copied) {
        const QString from = QFileInfo(copy.from).fileName();
        const QString to = QFileInfo(copy.to).fileName();
        if (from == to)
            kept.append(from);
        else
            renamed.append(tr("%1 as %2").arg(from, to));
    }
    QStringList present;
    for (const LevelImport::Copy &copy : done.present)
        present.append(tr("%1, as %2").arg(QFileInfo(copy.from).fileName(), QDir(myLevels).relativeFilePath(copy.to)));
    QStringList told;
    const auto tell = [&told](const QString &heading, const QStringList &lines) {
        if (!lines.isEmpty())
            told.append(heading + QLatin1Char('\n') + lines.join(QLatin1Char('\n')));
    };
    tell(tr("Added to My levels:"), kept);
    tell(tr("Added under another name, as a file of that name is there:"), renamed);
    tell(tr("Already in My levels, not added again:"), present);
    tell(tr("Not added:"), done.refused);
    QMessageBox box(done.refused.isEmpty() ? QMessageBox::Information : QMessageBox::Warning, title,
                    told.join(QStringLiteral("\n\n")), QMessageBox::Ok, window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    const QList<LevelImport::Copy> &shown = done.copied.isEmpty() ? done.present : done.copied;
    if (!shown.isEmpty())
        emit added(shown.constFirst().to);
}
