#ifndef SWIRLFALL_LEVELCHOOSER_H
#define SWIRLFALL_LEVELCHOOSER_H

#include "levels/format/Level.h"
#include "levels/puzzles/LevelGenerator.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <functional>

class LevelImport;
class LevelLibrary;
class LevelListModel;
class PuzzleMaker;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class RecordBook;

// Every level in one place: on one side the collections (the game's own, My levels, each set),
// on the other the chosen collection's levels with their pictures, best times and proofs. Typing
// finds levels by name in every collection; Enter or a double click plays the one selected, as
// one of its collection's. It opens on the first level of the collection not passed yet, so that
// carrying on is Ctrl+L, Enter. Files are read in the background; a thousand of them open at once.
// Its last collection holds puzzles made from seeds: the puzzle of the day (the same for every
// player on a day, in UTC) and a new one of each tier, made in the background when it is shown;
// "Play a seed..." makes the level of a seed typed or pasted. A level still being made is waited
// for, with progress after half a second and a Cancel that stops it at once.
class LevelChooser : public QDialog
{
    Q_OBJECT

public:
    // Levels are looked up in records, and a player's own kept in "my-levels" beside them.
    LevelChooser(const RecordBook *records, QWidget *parent = nullptr);
    ~LevelChooser() override;

    LevelLibrary *library() const { return levels; }
    LevelListModel *model() const { return list; }
    QListView *view() const { return rowsView; }
    // The collection shown, and the row selected in it (-1 for none).
    int collection() const;
    int selectedRow() const;
    QString myLevels() const;

public slots:
    // Finds the collections and levels afresh and shows the dialog.
    void choose();
    void showCollection(int collection);
    void play();
    // Asks for level files, or a folder as a set, and copies them into My levels.
    void addFiles();
    void addSet();
    // Asks for a seed, and plays its level once made.
    void playSeed();
    // The puzzle selected: kept in My levels, or its seed put on the clipboard to share.
    void savePuzzle();
    void copySeed();

signals:
    // One of the game's own levels, by number, to play as the game's levels are played.
    void builtInChosen(int number);
    // A level of a collection: the collection's levels that can be played, and which of them.
    void sequenceChosen(const QList<Level> &levels, int index);
    // A level to play on its own, as a level file is: a seed's.
    void levelChosen(const Level &level);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Closed, it lets the pictures go: they are drawn again when it opens.
    void hideEvent(QHideEvent *event) override;

private slots:
    void filterChanged(const QString &text);
    void rowsReset();

private:
    // The first level of the collection not passed yet, or its first.
    int firstNotPassed(int collection) const;
    void select(int row);
    // Over a list with no rows, why: nothing matches the filter, or how to add levels.
    void showEmptyNote();
    // The puzzles: the one of today, and a new one of each tier for those passed.
    QList<Seed> puzzleSeeds();
    // Waits, with progress, for seed's level, then hands it to then.
    void waitFor(const Seed &seed, const std::function<void(const LevelGenerator::Generated &)> &then);
    // The row selected, a puzzle's seed, or an empty string.
    QString selectedSeed() const;
    void offerSelected();
    // Says what was added, renamed, there already or refused, then shows the first level added.
    void reportImport(const LevelImport &added);

    const RecordBook *records;
    LevelLibrary *levels;
    LevelListModel *list;
    QListWidget *collectionsView;
    QListView *rowsView;
    QLineEdit *filterEdit;
    QPushButton *playButton;
    QPushButton *saveButton;
    QPushButton *copyButton;
    QLabel *emptyNote;
    PuzzleMaker *maker;
    // The new puzzle of each tier, by its word: kept until it is passed.
    QList<Seed> newPuzzles;
    // What was selected, kept across the list being found again.
    int keptCollection = -1;
    int keptIndex = -1;
};

#endif
