#include "app/chooser/PuzzleShelf.h"

#include "game/RecordBook.h"
#include "levels/library/LevelLibrary.h"
#include "levels/puzzles/PuzzleMaker.h"

#include <QDateTime>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QRandomGenerator>

namespace {
// A new puzzle's word is a number below this.
constexpr quint32 words = 1000000;
constexpr int progressAfterMs = 500;
} // namespace

PuzzleShelf::PuzzleShelf(LevelLibrary *library, const RecordBook *records, QWidget *window)
    : QObject(window),
      library(library),
      records(records),
      window(window),
      maker(new PuzzleMaker(this))
{
    connect(maker, &PuzzleMaker::made, library, &LevelLibrary::takeMade);
    connect(maker, &PuzzleMaker::made, this, &PuzzleShelf::made);
}

bool PuzzleShelf::passed(const Seed &seed) const
{
    for (int c = 0; c < library->collections().size(); ++c) {
        for (int i = 0; i < library->count(c); ++i) {
            const LevelLibrary::Entry &entry = library->entry(c, i);
            if (entry.seed == seed.text())
                return entry.readable && records->best(entry.level) != 0;
        }
    }
    return false;
}

QList<Seed> PuzzleShelf::seeds()
{
    for (int tier = Seed::Easy; tier <= Seed::Hard; ++tier) {
        const Seed fresh = Seed::of(Seed::Tier(tier), QString::number(QRandomGenerator::global()->bounded(words)));
        if (tier >= newPuzzles.size())
            newPuzzles.append(fresh);
        else if (passed(newPuzzles.at(tier)))
            newPuzzles[tier] = fresh;
    }
    // The same for every player on a day, wherever it is.
    return QList<Seed>{Seed::ofDay(QDateTime::currentDateTimeUtc().date())} + newPuzzles;
}

void PuzzleShelf::makeUnmade(int collection)
{
    for (int i = 0; i < library->count(collection); ++i) {
        const LevelLibrary::Entry &entry = library->entry(collection, i);
        Seed seed;
        QString why;
        if (!entry.read && Seed::parse(entry.seed, &seed, &why))
            maker->make(seed);
    }
}

void PuzzleShelf::waitFor(const Seed &seed, const std::function<void(const LevelGenerator::Generated &)> &then)
{
    QProgressDialog *progress = new QProgressDialog(tr("Making and proving the level of %1\u2026").arg(seed.text()),
                                                    tr("Cancel"), 0, 0, window);
    progress->setWindowTitle(tr("Play a seed"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(progressAfterMs);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    // The half second is counted from here.
    progress->setValue(0);
    const QString text = seed.text();
    connect(maker, &PuzzleMaker::progressed, progress, [progress, text](const Seed &making, int candidate) {
        if (making.text() == text)
            progress->setLabelText(tr("Making and proving the level of %1: candidate %2\u2026").arg(text, QString::number(candidate + 1)));
    });
    connect(maker, &PuzzleMaker::made, progress, [progress, text, then](const LevelGenerator::Generated &made) {
        if (made.seed.text() != text)
            return;
        progress->close();
        then(made);
    });
    connect(maker, &PuzzleMaker::notMade, progress, [this, progress, text](const Seed &seed, bool cancelled) {
        if (seed.text() != text)
            return;
        progress->close();
        if (!cancelled)
            QMessageBox::warning(window, tr("Play a seed"), tr("The seed %1 gives no level.").arg(text));
    });
    connect(progress, &QProgressDialog::canceled, maker, &PuzzleMaker::cancel);
    maker->make(seed, true);
}

void PuzzleShelf::playSeed()
{
    const QString text = QInputDialog::getText(window, tr("Play a seed"),
                                               tr("A seed, typed or pasted, such as 2-easy-42 or 2-daily-2026-12-09:"));
    if (text.trimmed().isEmpty())
        return;
    Seed seed;
    QString why;
    if (!Seed::parse(text, &seed, &why)) {
        QMessageBox box(QMessageBox::Warning, tr("Play a seed"), why, QMessageBox::Ok, window);
        box.setTextFormat(Qt::PlainText);
        box.exec();
        return;
    }
    waitFor(seed, [this](const LevelGenerator::Generated &made) {
        Level level = made.level;
        level.name = made.seed.shownName();
        emit levelChosen(level);
    });
}
