#ifndef SWIRLFALL_LEVELLIBRARY_H
#define SWIRLFALL_LEVELLIBRARY_H

#include "levels/format/Level.h"
#include "levels/library/LevelCollection.h"
#include "levels/puzzles/LevelGenerator.h"

#include <QDateTime>
#include <QFutureWatcher>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

// Every collection of levels and what is known of each of its files: read or not yet, the level
// or why it cannot be read, and what its proof shows. Reading a thousand files and playing their
// proofs takes seconds, so it is done in the background on every core, the collection shown
// first, every file read before any proof is played, and each result arrives as entryChanged;
// nothing waits for it. A rescan keeps what was read of files that have not changed since.
class LevelLibrary : public QObject
{
    Q_OBJECT

public:
    enum Proof { Unchecked, Proven, NotProven, ProofFails };

    struct Entry
    {
        // A level file's, or a puzzle's seed to make it from; both for a puzzle saved as a file.
        QString path;
        QString seed;
        // A puzzle's, once made.
        LevelGenerator::Difficulty difficulty;
        bool read = false;
        // False for a file that cannot be read, with the reason in one line.
        bool readable = false;
        QString reason;
        Level level;
        Proof proof = Unchecked;
        // What the file was when it was read: a changed file is read again.
        QDateTime modified;
        qint64 size = -1;
    };

    explicit LevelLibrary(QObject *parent = nullptr);
    // Stops the reading thread.
    ~LevelLibrary() override;

    // Finds the collections afresh (see LevelCollection::find), then the puzzles of seeds, if any.
    void scan(const QString &myLevels, const QStringList &setFolders, const QList<Seed> &puzzles = {});
    const QList<LevelCollection> &collections() const { return found; }
    int count(int collection) const;
    const Entry &entry(int collection, int index) const;
    // Reads the files of collection that are not read yet, now, without their proofs: what must
    // be known before the collection is shown or played.
    void readNow(int collection);
    // Reads the rest and plays every proof in the background, collection first.
    void readInBackground(int collection);

    static Entry readFile(const QString &path);
    static Proof checkProof(const Level &level);
    // A puzzle made: the entry of its seed has it from now on, under its name in the player's
    // language.
    void takeMade(const LevelGenerator::Generated &made);

signals:
    void entryChanged(int collection, int index);

private:
    // A file to read, or a level whose proof to play, and where it stands.
    struct Job
    {
        int collection;
        int index;
        Entry entry;
    };

    // What is wanted of the collections from the one shown first on, round to the one before it.
    QList<Job> jobs(bool reading) const;
    void run(const QList<Job> &jobs, bool reading);
    static Job read(const Job &job);
    static Job prove(const Job &job);
    void stopReading();
    void apply(const Job &job);

    QList<LevelCollection> found;
    QList<QList<Entry>> entries;
    // What was read of each file, by path, kept across scans.
    QHash<QString, Entry> known;
    int shownFirst = 0;
    // The work under way, read by index as its results arrive; none once stopped.
    QFutureWatcher<Job> *work = nullptr;
};

#endif
