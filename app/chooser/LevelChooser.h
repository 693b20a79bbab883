#ifndef SWIRLFALL_LEVELCHOOSER_H
#define SWIRLFALL_LEVELCHOOSER_H

#include "levels/format/Level.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class LevelImporter;
class LevelLibrary;
class LevelListModel;
class PuzzleSession;
class PuzzleShelf;
class QLabel;
class QLayout;
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
// Its last collection holds puzzles made from seeds (see PuzzleShelf); levels are brought into My
// levels by a LevelImporter.
class LevelChooser : public QDialog
{
    Q_OBJECT

public:
    // Levels are looked up in records, and a player's own kept in "my-levels" beside them.
    // Puzzles made are told to puzzles, which says what to show of them.
    LevelChooser(const RecordBook *records, PuzzleSession *puzzles, QWidget *parent = nullptr);
    ~LevelChooser() override;

    LevelLibrary *library() const { return levels; }
    PuzzleShelf *puzzleShelf() const { return puzzles; }
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
    // The puzzle selected: kept in My levels, or its seed put on the clipboard to share.
    void savePuzzle();
    void copySeed();
    // The result of the day's puzzle selected, passed, to share.
    void copyResult();

signals:
    // One of the game's own levels, by number, to play as the game's levels are played.
    void builtInChosen(int number);
    // A level of a collection: the collection's levels that can be played, their files (none for a
    // puzzle), and which of them.
    void sequenceChosen(const QList<Level> &levels, const QStringList &files, int index);
    // A level to play on its own, as a level file is: a seed's.
    void levelChosen(const Level &level);
    // The days at a glance are asked for.
    void daysWanted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Closed, it lets the pictures go: they are drawn again when it opens.
    void hideEvent(QHideEvent *event) override;

private slots:
    void filterChanged(const QString &text);
    void rowsReset();
    // Shows the level of that file, in the collection it is in.
    void showFile(const QString &path);
    void playOnItsOwn(const Level &level);

private:
    // The buttons under the list: adding levels, a seed, the puzzle's, play and close.
    QLayout *buildButtons();
    // The first level of the collection not passed yet, or its first.
    int firstNotPassed(int collection) const;
    void select(int row);
    // Over a list with no rows, why: nothing matches the filter, or how to add levels.
    void showEmptyNote();
    // The row selected, a puzzle's seed, or an empty string.
    QString selectedSeed() const;
    void offerSelected();

    const RecordBook *records;
    LevelLibrary *levels;
    LevelListModel *list;
    QListWidget *collectionsView;
    QListView *rowsView;
    QLineEdit *filterEdit;
    QPushButton *playButton;
    QPushButton *saveButton;
    QPushButton *copyButton;
    QPushButton *resultButton;
    QPushButton *daysButton;
    QLabel *emptyNote;
    PuzzleSession *session;
    PuzzleShelf *puzzles;
    LevelImporter *importer;
    // What was selected, kept across the list being found again.
    int keptCollection = -1;
    int keptIndex = -1;
};

#endif
