#include "levels/library/LevelLibrary.h"

#include "levels/catalogue/LevelCatalogue.h"
#include "levels/format/LevelFile.h"
#include "levels/format/ProofCheck.h"
#include "levels/puzzles/PuzzleNote.h"

#include <QFileInfo>
#include <QtConcurrent>

namespace {
QString puzzleKey(const QString &seed)
{
    return QStringLiteral("seed:") + seed;
}

bool unchanged(const LevelLibrary::Entry &entry, const QFileInfo &file)
{
    return entry.read && entry.modified == file.lastModified() && entry.size == file.size();
}
} // namespace

LevelLibrary::LevelLibrary(QObject *parent)
    : QObject(parent)
{
}

LevelLibrary::~LevelLibrary()
{
    stopReading();
}

void LevelLibrary::scan(const QString &myLevels, const QStringList &setFolders, const QList<Seed> &puzzles)
{
    stopReading();
    found = LevelCollection::find(myLevels, setFolders);
    if (!puzzles.isEmpty()) {
        LevelCollection made;
        made.kind = LevelCollection::Puzzles;
        made.title = tr("Puzzles");
        made.seeds = puzzles;
        found.append(made);
    }
    entries.clear();
    for (const LevelCollection &collection : std::as_const(found)) {
        QList<Entry> files;
        if (collection.kind == LevelCollection::BuiltIn) {
            // The game's own levels, proven by the solutions they carry.
            for (int number = 1; number <= LevelCatalogue::levelCount; ++number) {
                Entry builtIn;
                builtIn.read = builtIn.readable = true;
                builtIn.level = LevelCatalogue::level(number);
                builtIn.proof = Proven;
                files.append(builtIn);
            }
        }
        for (const QString &path : collection.files) {
            Entry unread;
            unread.path = path;
            const Entry &seen = known.value(path);
            files.append(unchanged(seen, QFileInfo(path)) ? seen : unread);
        }
        // A seed gives the same level every time: one made is kept.
        for (const Seed &seed : collection.seeds) {
            Entry unmade;
            unmade.seed = seed.text();
            unmade.level.name = seed.shownName();
            files.append(known.value(puzzleKey(unmade.seed), unmade));
        }
        entries.append(files);
    }
}

int LevelLibrary::count(int collection) const
{
    return int(entries.value(collection).size());
}

const LevelLibrary::Entry &LevelLibrary::entry(int collection, int index) const
{
    return entries.at(collection).at(index);
}

LevelLibrary::Entry LevelLibrary::readFile(const QString &path)
{
    Entry read;
    read.path = path;
    read.read = true;
    const QFileInfo file(path);
    read.modified = file.lastModified();
    read.size = file.size();
    QString why;
    read.readable = LevelFile::readFile(path, &read.level, &why);
    // The file's name is said in the list already: the reason alone, on one line.
    read.reason = why.mid(path.size() + 2);
    // A puzzle saved is still one: its seed, its difficulty, and its name in the player's language
    // while it keeps the seed's.
    if (const std::optional<LevelGenerator::Generated> puzzle = read.readable ? PuzzleNote::read(read.level) : std::nullopt) {
        read.seed = puzzle->seed.text();
        read.difficulty = puzzle->difficulty;
        if (read.level.name == puzzle->seed.fileName())
            read.level.name = puzzle->seed.shownName();
    }
    return read;
}

LevelLibrary::Proof LevelLibrary::checkProof(const Level &level)
{
    const ProofCheck check = ProofCheck::of(level);
    if (check.outcome == ProofCheck::Missing)
        return NotProven;
    return check.holds() ? Proven : ProofFails;
}

void LevelLibrary::readNow(int collection)
{
    for (int i = 0; i < count(collection); ++i) {
        Entry &file = entries[collection][i];
        // A puzzle takes too long to make for now: it comes made.
        if (file.read || file.path.isEmpty())
            continue;
        file = readFile(file.path);
        known.insert(file.path, file);
    }
}

QList<LevelLibrary::Job> LevelLibrary::jobs(bool reading) const
{
    QList<Job> wanted;
    for (int c = 0; c < entries.size(); ++c) {
        const int collection = (shownFirst + c) % int(entries.size());
        for (int i = 0; i < count(collection); ++i) {
            const Entry &file = entry(collection, i);
            if (!file.path.isEmpty() && (reading ? !file.read : file.readable && file.proof == Unchecked))
                wanted.append({collection, i, file});
        }
    }
    return wanted;
}

void LevelLibrary::readInBackground(int collection)
{
    stopReading();
    shownFirst = collection;
    // Every name before any proof: a player filtering by name needs them first.
    const QList<Job> unread = jobs(true);
    if (!unread.isEmpty())
        run(unread, true);
    else
        run(jobs(false), false);
}

void LevelLibrary::run(const QList<Job> &jobs, bool reading)
{
    // After the files are read, their watcher goes once it is done.
    if (work) {
        work->disconnect(this);
        work->deleteLater();
        work = nullptr;
    }
    if (jobs.isEmpty())
        return;
    work = new QFutureWatcher<Job>(this);
    QFutureWatcher<Job> *watcher = work;
    connect(watcher, &QFutureWatcherBase::resultReadyAt, this, [this, watcher](int index) { apply(watcher->resultAt(index)); });
    if (reading)
        connect(watcher, &QFutureWatcherBase::finished, this, [this] { run(this->jobs(false), false); });
    watcher->setFuture(QtConcurrent::mapped(jobs, reading ? &LevelLibrary::read : &LevelLibrary::prove));
}

LevelLibrary::Job LevelLibrary::read(const Job &job)
{
    return {job.collection, job.index, readFile(job.entry.path)};
}

LevelLibrary::Job LevelLibrary::prove(const Job &job)
{
    Job proven = job;
    proven.entry.proof = checkProof(job.entry.level);
    return proven;
}

void LevelLibrary::stopReading()
{
    if (!work)
        return;
    // What is still on its way belongs to collections that may have changed.
    work->disconnect(this);
    work->cancel();
    work->waitForFinished();
    delete work;
    work = nullptr;
}

void LevelLibrary::apply(const Job &job)
{
    if (job.collection >= entries.size() || job.index >= count(job.collection))
        return;
    Entry &file = entries[job.collection][job.index];
    if (file.path != job.entry.path)
        return;
    file = job.entry;
    known.insert(file.path, file);
    emit entryChanged(job.collection, job.index);
}

void LevelLibrary::takeMade(const LevelGenerator::Generated &made)
{
    Entry entry;
    entry.seed = made.seed.text();
    entry.read = entry.readable = true;
    entry.level = made.level;
    entry.level.name = made.seed.shownName();
    entry.proof = Proven;
    entry.difficulty = made.difficulty;
    known.insert(puzzleKey(entry.seed), entry);
    for (int c = 0; c < entries.size(); ++c) {
        for (int i = 0; i < count(c); ++i) {
            if (entries[c][i].seed != entry.seed)
                continue;
            entries[c][i] = entry;
            emit entryChanged(c, i);
        }
    }
}
