#include "app/chooser/PuzzleShelf.h"

#include "app/chooser/PuzzleSession.h"
#include "game/GameLog.h"
#include "game/RecordBook.h"
#include "levels/format/UntrustedText.h"
#include "levels/library/LevelLibrary.h"
#include "levels/saves/AtomicWriter.h"
#include "levels/saves/DataFolders.h"
#include "levels/puzzles/PuzzleMaker.h"

#include <QLineEdit>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QRandomGenerator>

namespace {
// A new puzzle's word is a number below this.
constexpr quint32 words = 1000000;
constexpr int progressAfterMs = 500;
// The new puzzle of each tier, kept beside the records: a seed a line, Easy, Medium, Hard.
const char keptFileName[] = "puzzles.txt";
constexpr qint64 maxKeptBytes = 1024;

bool sameSeed(const Seed &a, const Seed &b)
{
    return a.text() == b.text();
}
} // namespace

PuzzleShelf::PuzzleShelf(LevelLibrary *library, const RecordBook *records, PuzzleSession *session, QWidget *window)
    : QObject(window),
      library(library),
      records(records),
      session(session),
      window(window),
      maker(new PuzzleMaker(this))
{
    connect(maker, &PuzzleMaker::made, library, &LevelLibrary::takeMade);
    connect(maker, &PuzzleMaker::made, session, &PuzzleSession::remember);
    readKept();
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

QString PuzzleShelf::keptPath() const
{
    return DataFolders::keptFile(records->folder(), keptFileName);
}

void PuzzleShelf::readKept()
{
    QByteArray bytes;
    QString why;
    // What cannot be read, or is no seed of its tier, is drawn afresh.
    if (!UntrustedText::readFile(keptPath(), maxKeptBytes, QString(), &bytes, &why) || !UntrustedText::sizeProblem(bytes, maxKeptBytes, QString()).isEmpty())
        return;
    const QList<QByteArray> lines = bytes.split('\n');
    for (int tier = Seed::Easy; tier <= Seed::Hard && tier < lines.size(); ++tier) {
        Seed kept;
        if (!Seed::parse(QString::fromUtf8(lines.at(tier)), &kept, &why) || kept.tier != tier || kept.day.isValid())
            return;
        newPuzzles.append(kept);
    }
}

QList<Seed> PuzzleShelf::seeds()
{
    const QList<Seed> before = newPuzzles;
    for (int tier = Seed::Easy; tier <= Seed::Hard; ++tier) {
        const Seed fresh = Seed::of(Seed::Tier(tier), QString::number(QRandomGenerator::global()->bounded(words)));
        if (tier >= newPuzzles.size())
            newPuzzles.append(fresh);
        else if (passed(newPuzzles.at(tier)))
            newPuzzles[tier] = fresh;
    }
    // Kept until passed, across restarts too.
    QStringList kept;
    for (const Seed &seed : std::as_const(newPuzzles))
        kept.append(seed.text());
    QString why;
    if ((before.size() != newPuzzles.size() || !std::equal(before.begin(), before.end(), newPuzzles.begin(), sameSeed))
        && !AtomicWriter::writeKept(keptPath(), (kept.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(), &why))
        qCWarning(gameLog).noquote() << tr("the new puzzles could not be kept in %1: %2").arg(keptPath(), why);
    // The same for every player on a day, wherever it is; yesterday's stays to be played late.
    const QDate today = PuzzleSession::today();
    QList<Seed> offered{Seed::ofDay(today), Seed::ofDay(today.addDays(-1))};
    offered += newPuzzles;
    // The puzzle played last, passed or typed, stays to be saved or shared.
    const std::optional<Seed> last = session->lastPlayed();
    if (last && std::none_of(offered.begin(), offered.end(), [&](const Seed &seed) { return sameSeed(seed, *last); }))
        offered.append(*last);
    return offered;
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
    // One made already is not made again.
    if (const LevelGenerator::Generated *made = session->find(seed)) {
        library->takeMade(*made);
        return then(*made);
    }
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
    // Asked again, with what was typed, until it is a seed or the box is left.
    QString text;
    Seed seed;
    for (;;) {
        bool asked = false;
        text = QInputDialog::getText(window, tr("Play a seed"), tr("A seed, typed or pasted, such as 3-easy-42 or 3-daily-2026-12-20:"),
                                     QLineEdit::Normal, text, &asked);
        if (!asked)
            return;
        QString why;
        const bool parsed = Seed::parse(text, &seed, &why);
        if (parsed && PuzzleSession::opens(seed))
            break;
        // Nothing typed is no seed: said so, as any text that is none.
        if (text.trimmed().isEmpty())
            why = tr("Type or paste a seed to play its level, or Cancel.");
        else if (parsed)
            why = tr("%1 opens on its day: it can be played from then on, and counts for that day only.").arg(seed.shownName());
        QMessageBox box(QMessageBox::Warning, tr("Play a seed"), why, QMessageBox::Ok, window);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    play(seed);
}

void PuzzleShelf::play(const Seed &seed)
{
    waitFor(seed, [this](const LevelGenerator::Generated &made) {
        Level level = made.level;
        level.name = made.seed.shownName();
        emit levelChosen(level);
    });
}
