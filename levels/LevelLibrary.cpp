#include "levels/LevelLibrary.h"

#include "levels/LevelCatalogue.h"
#include "levels/LevelFile.h"
#include "levels/ProofCheck.h"

#include <QFileInfo>
#include <QThread>

namespace {
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

void LevelLibrary::scan(const QString &myLevels, const QStringList &dataFolders)
{
    stopReading();
    found = LevelCollection::find(myLevels, dataFolders);
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
        if (file.read)
            continue;
        file = readFile(file.path);
        known.insert(file.path, file);
    }
}

void LevelLibrary::readInBackground(int first)
{
    stopReading();
    // What is left to do, the collection shown first: reading, then proofs.
    struct Job
    {
        int collection;
        int index;
        Entry entry;
    };
    QList<Job> jobs;
    for (int c = 0; c < entries.size(); ++c) {
        const int collection = (first + c) % int(entries.size());
        for (int i = 0; i < count(collection); ++i) {
            const Entry &file = entry(collection, i);
            if (!file.read || (file.readable && file.proof == Unchecked))
                jobs.append({collection, i, file});
        }
    }
    // Every name before any proof: a player filtering by name needs them first.
    std::stable_sort(jobs.begin(), jobs.end(), [](const Job &a, const Job &b) { return !a.entry.read && b.entry.read; });
    if (jobs.isEmpty())
        return;
    stopping = false;
    const quint64 thisRound = round;
    reader = QThread::create([this, jobs, thisRound]() mutable {
        for (int pass = 0; pass < 2; ++pass) {
            for (Job &job : jobs) {
                if (stopping)
                    return;
                const bool reading = pass == 0;
                if (reading == job.entry.read)
                    continue;
                if (reading)
                    job.entry = readFile(job.entry.path);
                else if (job.entry.readable)
                    job.entry.proof = checkProof(job.entry.level);
                else
                    continue;
                QMetaObject::invokeMethod(
                    this, [this, thisRound, job] { apply(thisRound, job.collection, job.index, job.entry); },
                    Qt::QueuedConnection);
            }
        }
    });
    reader->start();
}

void LevelLibrary::stopReading()
{
    // Results still on their way belong to a round that is over.
    ++round;
    if (!reader)
        return;
    stopping = true;
    reader->wait();
    delete reader;
    reader = nullptr;
}

void LevelLibrary::apply(quint64 from, int collection, int index, const Entry &read)
{
    // A result of a round since stopped belongs to collections that may have changed.
    if (from != round || collection >= entries.size() || index >= count(collection))
        return;
    Entry &file = entries[collection][index];
    if (file.path != read.path)
        return;
    file = read;
    known.insert(read.path, read);
    emit entryChanged(collection, index);
}
