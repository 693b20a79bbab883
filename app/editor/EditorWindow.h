#ifndef SWIRLFALL_EDITORWINDOW_H
#define SWIRLFALL_EDITORWINDOW_H

#include <QMainWindow>

class EditorCanvas;
class Level;
class LevelDocument;
class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class Replay;
class SolutionSearch;

// The level editor, a window of its own: the canvas with its tools, the name and the budgets
// beside it, and a status that always says whether the level is proven. A level is proven by
// playing it in the game ("Try it"), whose pass becomes the proof, or by the solver ("Find a
// solution"); any change to what is played drops the proof, and undo brings it back.
class EditorWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit EditorWindow(QWidget *parent = nullptr);
    ~EditorWindow() override;

    LevelDocument *document() const { return doc; }
    EditorCanvas *canvas() const { return board; }
    SolutionSearch *search() const { return solver; }
    // The status line: "Proven: passes in 3310 ms", "Not proven", ...
    QString proofStatus() const;
    // Where Save As starts for a level not saved yet: the player's own levels.
    void setSaveFolder(const QString &folder);

public slots:
    // Starts on level, to be saved to path (none yet for a copy of a built-in level).
    void edit(const Level &level, const QString &path);
    // Opens the level file at path, or starts a new level to be saved there when there is none;
    // a file that cannot be read is named in a message box. False when nothing was opened.
    bool openFile(const QString &path);
    void newLevel();
    void openLevel();
    bool save();
    bool saveAs();
    void tryIt();
    void findSolution();
    // A pass of level in the game: its run becomes the proof when it is the first or the fastest.
    void offerProof(const Level &level, const Replay &run);

signals:
    // Asks the game to play level, as a player does.
    void tryLevel(const Level &level);

protected:
    void closeEvent(QCloseEvent *event) override;

public slots:
    // The editor's keys and tools, listed from its actions.
    void showKeys();

private slots:
    void refresh();
    void rename(const QString &name);
    void setRedWells(int wells);
    void setBlueWells(int wells);
    void solutionFound(const Level &level, const Replay &solution);
    void solutionNotFound(bool cancelled);
    void showNote(const QString &note);

private:
    QWidget *buildPanel();
    void buildMenus();
    // Undo and redo, from the undo stack, with their keys.
    QList<QAction *> undoActions();
    // The tool bar: a tool per key, then snap.
    void buildTools(QAction *snap);
    // Asks what to do with unsaved changes; false when the player would rather stay.
    bool maySwitch();
    bool saveTo(const QString &path);
    // A message box saying what failed and why; false.
    bool complain(const QString &title, const QString &what, const QString &why);

    LevelDocument *doc;
    EditorCanvas *board;
    SolutionSearch *solver;
    QActionGroup *toolActions;
    QLineEdit *nameEdit;
    QSpinBox *redWells;
    QSpinBox *blueWells;
    QLabel *status;
    QLabel *warnings;
    QSpinBox *timeLimit;
    QPushButton *solveButton;
    QProgressBar *progress;
    QString saveFolder;
    // Every action with a key, in menu order, then the tools.
    QList<QAction *> bound;
};

#endif
