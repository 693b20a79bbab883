#include "app/editor/EditorWindow.h"

#include "app/editor/EditorCanvas.h"
#include "app/editor/LevelDocument.h"
#include "app/editor/SolutionSearch.h"
#include "app/widgets/CommandTable.h"
#include "app/widgets/KeyTable.h"
#include "levels/format/LevelCheck.h"
#include "levels/format/LevelFile.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include <iterator>

namespace {
constexpr int panelWidth = 190;
constexpr int defaultSeconds = 30;
constexpr int maxSeconds = 600;
constexpr int noteMs = 4000;
} // namespace

EditorWindow::EditorWindow(QWidget *parent)
    : QMainWindow(parent),
      doc(new LevelDocument(this)),
      board(new EditorCanvas(doc, this)),
      solver(new SolutionSearch(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    QWidget *central = new QWidget(this);
    QHBoxLayout *layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(board);
    layout->addWidget(buildPanel());
    setCentralWidget(central);
    buildMenus();
    // Made now, so that the window has its full size before the first note shows in it.
    statusBar();
    connect(doc, &LevelDocument::changed, this, &EditorWindow::refresh);
    connect(doc->undoStack(), &QUndoStack::cleanChanged, this, &EditorWindow::refresh);
    connect(board, &EditorCanvas::note, this, &EditorWindow::showNote);
    connect(solver, &SolutionSearch::progressed, progress, &QProgressBar::setValue);
    connect(solver, &SolutionSearch::found, this, &EditorWindow::solutionFound);
    connect(solver, &SolutionSearch::notFound, this, &EditorWindow::solutionNotFound);
    refresh();
}

EditorWindow::~EditorWindow()
{
    // The children go after this window's own part, and say things on the way out (the undo
    // stack that it is clean): none of it may reach a window no longer whole.
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
    doc->undoStack()->disconnect(this);
}

QWidget *EditorWindow::buildPanel()
{
    QWidget *panel = new QWidget(this);
    panel->setFixedWidth(panelWidth);
    QFormLayout *form = new QFormLayout(panel);
    nameEdit = new QLineEdit(panel);
    nameEdit->setMaxLength(LevelFile::maxNameLength);
    connect(nameEdit, &QLineEdit::textEdited, this, &EditorWindow::rename);
    // Under its label, as wide as the panel: a name beside it would not fit in every language.
    QLabel *nameLabel = new QLabel(tr("Name"), panel);
    nameLabel->setBuddy(nameEdit);
    form->addRow(nameLabel);
    form->addRow(nameEdit);
    redWells = new QSpinBox(panel);
    blueWells = new QSpinBox(panel);
    for (QSpinBox *wells : {redWells, blueWells})
        wells->setRange(0, LevelFile::maxWells);
    connect(redWells, qOverload<int>(&QSpinBox::valueChanged), this, &EditorWindow::setRedWells);
    connect(blueWells, qOverload<int>(&QSpinBox::valueChanged), this, &EditorWindow::setBlueWells);
    form->addRow(tr("Red wells"), redWells);
    form->addRow(tr("Blue wells"), blueWells);

    status = new QLabel(panel);
    status->setWordWrap(true);
    form->addRow(status);
    QPushButton *tryButton = new QPushButton(tr("Try it (F5)"), panel);
    tryButton->setToolTip(tr("Play the level in the game: a pass becomes its proof."));
    connect(tryButton, &QPushButton::clicked, this, &EditorWindow::tryIt);
    form->addRow(tryButton);
    timeLimit = new QSpinBox(panel);
    timeLimit->setRange(1, maxSeconds);
    timeLimit->setValue(defaultSeconds);
    timeLimit->setSuffix(QStringLiteral(" s"));
    form->addRow(tr("Search for"), timeLimit);
    solveButton = new QPushButton(panel);
    connect(solveButton, &QPushButton::clicked, this, &EditorWindow::findSolution);
    form->addRow(solveButton);
    progress = new QProgressBar(panel);
    form->addRow(progress);
    warnings = new QLabel(panel);
    warnings->setWordWrap(true);
    form->addRow(warnings);
    return panel;
}

namespace {
// What a command of the editor's table does, bound to its action.
using Bind = void (*)(QAction *action, EditorWindow *editor);

// The editor's commands, menu by menu, in menu order (but undo and redo, which its undo stack
// makes): the command and what it does.
struct EditorCommand
{
    const char *menu;
    CommandTable::Command command;
    Bind bind;
};

const char *const fileMenu = QT_TRANSLATE_NOOP("EditorWindow", "File");
const char *const editMenu = QT_TRANSLATE_NOOP("EditorWindow", "Edit");
const char *const levelMenu = QT_TRANSLATE_NOOP("EditorWindow", "Level");
const char *const helpMenu = QT_TRANSLATE_NOOP("EditorWindow", "Help");

const EditorCommand editorCommands[] = {
    {fileMenu,
     {"new", QT_TRANSLATE_NOOP("EditorWindow", "New"), nullptr, QKeySequence::New, QT_TRANSLATE_NOOP("EditorWindow", "Starts a new level")},
     [](QAction *action, EditorWindow *editor) { QObject::connect(action, &QAction::triggered, editor, &EditorWindow::newLevel); }},
    {fileMenu,
     {"open", QT_TRANSLATE_NOOP("EditorWindow", "Open\u2026"), nullptr, QKeySequence::Open,
      QT_TRANSLATE_NOOP("EditorWindow", "Opens a level file")},
     [](QAction *action, EditorWindow *editor) { QObject::connect(action, &QAction::triggered, editor, &EditorWindow::openLevel); }},
    {fileMenu,
     {"save", QT_TRANSLATE_NOOP("EditorWindow", "Save"), nullptr, QKeySequence::Save,
      QT_TRANSLATE_NOOP("EditorWindow", "Saves the level, with its proof if it has one")},
     [](QAction *action, EditorWindow *editor) { QObject::connect(action, &QAction::triggered, editor, &EditorWindow::save); }},
    {fileMenu,
     {"saveAs", QT_TRANSLATE_NOOP("EditorWindow", "Save as\u2026"), "Ctrl+Shift+S", QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("EditorWindow", "Saves the level in another file")},
     [](QAction *action, EditorWindow *editor) { QObject::connect(action, &QAction::triggered, editor, &EditorWindow::saveAs); }},
    {fileMenu,
     {"close", QT_TRANSLATE_NOOP("EditorWindow", "Close"), nullptr, QKeySequence::Close,
      QT_TRANSLATE_NOOP("EditorWindow", "Closes the editor")},
     [](QAction *action, EditorWindow *editor) { QObject::connect(action, &QAction::triggered, editor, &QWidget::close); }},
    {editMenu,
     {"delete", QT_TRANSLATE_NOOP("EditorWindow", "Delete"), nullptr, QKeySequence::Delete,
      QT_TRANSLATE_NOOP("EditorWindow", "Removes what is selected: a particle, an area or one of its points")},
     [](QAction *action, EditorWindow *editor) {
         QObject::connect(action, &QAction::triggered, editor->canvas(), &EditorCanvas::deleteSelection);
     }},
    {editMenu,
     {"closeArea", QT_TRANSLATE_NOOP("EditorWindow", "Close area"), "Return; Enter", QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("EditorWindow", "Closes the area being drawn")},
     [](QAction *action, EditorWindow *editor) {
         QObject::connect(action, &QAction::triggered, editor->canvas(), &EditorCanvas::closeArea);
     }},
    {editMenu,
     {"snap", QT_TRANSLATE_NOOP("EditorWindow", "Snap to grid"), "G", QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("EditorWindow", "Points snap to a 10-pixel grid, or not")},
     [](QAction *action, EditorWindow *editor) {
         action->setToolTip(EditorWindow::tr("Points snap to a 10-pixel grid (G)"));
         action->setCheckable(true);
         action->setChecked(editor->canvas()->isSnapping());
         QObject::connect(action, &QAction::toggled, editor->canvas(), &EditorCanvas::setSnapping);
     }},
    {levelMenu,
     {"tryIt", QT_TRANSLATE_NOOP("EditorWindow", "Try it"), "F5", QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("EditorWindow", "Plays the level in the game: a pass becomes its proof")},
     [](QAction *action, EditorWindow *editor) { QObject::connect(action, &QAction::triggered, editor, &EditorWindow::tryIt); }},
    {levelMenu,
     {"findSolution", QT_TRANSLATE_NOOP("EditorWindow", "Find a solution"), "F6", QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("EditorWindow", "Runs the solver for the time set; F6 again cancels it")},
     [](QAction *action, EditorWindow *editor) {
         QObject::connect(action, &QAction::triggered, editor, &EditorWindow::findSolution);
     }},
    {helpMenu,
     {"keys", QT_TRANSLATE_NOOP("EditorWindow", "Keys and tools"), "Shift+F1", QKeySequence::UnknownKey,
      QT_TRANSLATE_NOOP("EditorWindow", "Lists the editor's keys and tools")},
     [](QAction *action, EditorWindow *editor) { QObject::connect(action, &QAction::triggered, editor, &EditorWindow::showKeys); }},
};

// The tools, each with its key, in the tool bar: EditorCanvas's tools in their order.
struct Tool
{
    const char *caption;
    const char *tip;
    Qt::Key key;
};

const Tool tools[] = {
    {QT_TRANSLATE_NOOP("EditorWindow", "Select"),
     QT_TRANSLATE_NOOP("EditorWindow", "Pick a particle, an area or a point; drag to move it, Delete to remove it"), Qt::Key_Escape},
    {QT_TRANSLATE_NOOP("EditorWindow", "Red particle"), QT_TRANSLATE_NOOP("EditorWindow", "A red particle at each click"), Qt::Key_1},
    {QT_TRANSLATE_NOOP("EditorWindow", "Blue particle"), QT_TRANSLATE_NOOP("EditorWindow", "A blue particle at each click"), Qt::Key_2},
    {QT_TRANSLATE_NOOP("EditorWindow", "Red goal"),
     QT_TRANSLATE_NOOP("EditorWindow", "A red goal, point by point: double click or Enter closes it"), Qt::Key_3},
    {QT_TRANSLATE_NOOP("EditorWindow", "Blue goal"),
     QT_TRANSLATE_NOOP("EditorWindow", "A blue goal, point by point: double click or Enter closes it"), Qt::Key_4},
    {QT_TRANSLATE_NOOP("EditorWindow", "Hazard"),
     QT_TRANSLATE_NOOP("EditorWindow", "A hazard, point by point: double click or Enter closes it"), Qt::Key_5},
};
} // namespace

void EditorWindow::buildMenus()
{
    QMenu *menu = nullptr;
    const char *menuShown = nullptr;
    QAction *snap = nullptr;
    for (const EditorCommand &entry : editorCommands) {
        if (entry.menu != menuShown) {
            menuShown = entry.menu;
            // The tools' keys are listed before the help's.
            if (entry.menu == helpMenu)
                buildTools(snap);
            menu = menuBar()->addMenu(tr(entry.menu));
            // Undo and redo come first in the Edit menu, from the undo stack.
            if (entry.menu == editMenu)
                menu->addActions(undoActions());
        }
        QAction *action = CommandTable::action(entry.command, "EditorWindow", this);
        entry.bind(action, this);
        menu->addAction(action);
        bound.append(action);
        if (action->isCheckable())
            snap = action;
    }
}

QList<QAction *> EditorWindow::undoActions()
{
    QAction *undo = doc->undoStack()->createUndoAction(this, tr("Undo"));
    undo->setObjectName(QStringLiteral("undo"));
    undo->setShortcuts(QKeySequence::Undo);
    undo->setStatusTip(tr("Takes back the last change"));
    QAction *redo = doc->undoStack()->createRedoAction(this, tr("Redo"));
    redo->setObjectName(QStringLiteral("redo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    redo->setStatusTip(tr("Makes the change taken back again"));
    bound += {undo, redo};
    return {undo, redo};
}

void EditorWindow::buildTools(QAction *snap)
{
    QToolBar *bar = addToolBar(tr("Tools"));
    toolActions = new QActionGroup(this);
    for (int tool = 0; tool < int(std::size(tools)); ++tool) {
        const QKeySequence key(tools[tool].key);
        QAction *action = bar->addAction(tr(tools[tool].caption));
        action->setToolTip(QStringLiteral("%1 (%2)").arg(tr(tools[tool].tip), key.toString(QKeySequence::NativeText)));
        action->setStatusTip(tr(tools[tool].caption) + QStringLiteral(": ") + tr(tools[tool].tip));
        action->setShortcut(key);
        action->setCheckable(true);
        action->setData(tool);
        toolActions->addAction(action);
        bound.append(action);
    }
    toolActions->actions().first()->setChecked(true);
    connect(toolActions, &QActionGroup::triggered, this, [this](QAction *action) {
        // Esc first cancels an area being drawn.
        if (action->data().toInt() == EditorCanvas::Select)
            board->cancel();
        else
            board->setTool(action->data().toInt());
    });
    connect(board, &EditorCanvas::toolChanged, this, [this](int tool) { toolActions->actions().at(tool)->setChecked(true); });
    bar->addSeparator();
    bar->addAction(snap);
}

void EditorWindow::showKeys()
{
    QDialog *keys = new QDialog(this);
    keys->setAttribute(Qt::WA_DeleteOnClose);
    keys->setWindowTitle(tr("Keys and tools"));
    QVBoxLayout *layout = new QVBoxLayout(keys);
    layout->addWidget(new KeyTable(bound, {}, keys));
    QDialogButtonBox *buttons = new QDialogButtonBox(QDialogButtonBox::Close, keys);
    connect(buttons, &QDialogButtonBox::rejected, keys, &QWidget::close);
    layout->addWidget(buttons);
    keys->show();
}

QString EditorWindow::proofStatus() const
{
    return doc->draft().proofText();
}

void EditorWindow::refresh()
{
    const Level &level = doc->level();
    const QSignalBlocker blockRed(redWells);
    const QSignalBlocker blockBlue(blueWells);
    if (nameEdit->text() != level.name)
        nameEdit->setText(level.name);
    redWells->setValue(level.redWells);
    blueWells->setValue(level.blueWells);
    status->setText(proofStatus());
    warnings->setText(LevelCheck::warnings(level).join(QLatin1Char('\n')));
    solveButton->setText(solver->isRunning() ? tr("Cancel") : tr("Find a solution (F6)"));
    progress->setVisible(solver->isRunning());
    const QString file = doc->path().isEmpty() ? tr("not saved") : QFileInfo(doc->path()).fileName();
    setWindowTitle(tr("%1 (%2)[*] - Swirlfall level editor").arg(level.name, file));
    setWindowModified(doc->isModified());
}

void EditorWindow::rename(const QString &name)
{
    doc->edit(tr("Rename"), [&](Level &level) { level.name = name; }, LevelDocument::Rename);
}

void EditorWindow::setRedWells(int wells)
{
    doc->edit(tr("Red wells"), [&](Level &level) { level.redWells = wells; }, LevelDocument::RedBudget);
}

void EditorWindow::setBlueWells(int wells)
{
    doc->edit(tr("Blue wells"), [&](Level &level) { level.blueWells = wells; }, LevelDocument::BlueBudget);
}

void EditorWindow::edit(const Level &level, const QString &path)
{
    doc->startFrom(level, path);
}

bool EditorWindow::openFile(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        doc->startNew(path);
        return true;
    }
    QString why;
    return doc->open(path, &why) || complain(tr("Open level"), tr("This file cannot be opened"), why);
}

void EditorWindow::newLevel()
{
    if (maySwitch())
        doc->startNew();
}

void EditorWindow::openLevel()
{
    if (!maySwitch())
        return;
    const QString path = QFileDialog::getOpenFileName(this, tr("Open level"), QString(), LevelFile::dialogFilter());
    if (!path.isEmpty())
        openFile(path);
}

bool EditorWindow::save()
{
    return doc->path().isEmpty() ? saveAs() : saveTo(doc->path());
}

void EditorWindow::setSaveFolder(const QString &folder)
{
    saveFolder = folder;
}

bool EditorWindow::saveAs()
{
    // A new level is saved among the player's own, where the game finds it, under its name: one
    // that would put it in another folder or hide it is made a plain file name.
    QString name = doc->level().name;
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    // Nor one a command line would take for an option.
    while (name.startsWith(QLatin1Char('.')) || name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    if (name.trimmed().isEmpty())
        name = tr("level");
    name += QLatin1Char('.') + QLatin1String(LevelFile::extension);
    if (doc->path().isEmpty() && !saveFolder.isEmpty())
        QDir().mkpath(saveFolder);
    const QString suggested = doc->path().isEmpty() ? QDir(saveFolder).filePath(name) : doc->path();
    QString path = QFileDialog::getSaveFileName(this, tr("Save level"), suggested, LevelFile::dialogFilter());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(LevelFile::extension);
    return saveTo(path);
}

bool EditorWindow::saveTo(const QString &path)
{
    QString why;
    return doc->save(path, &why) || complain(tr("Save level"), tr("The level cannot be saved"), why);
}

bool EditorWindow::complain(const QString &title, const QString &what, const QString &why)
{
    QMessageBox::warning(this, title, what + QStringLiteral(":\n") + why);
    return false;
}

void EditorWindow::tryIt()
{
    if (doc->level().particles.isEmpty())
        return showNote(tr("A level needs a particle to be played."));
    emit tryLevel(doc->level());
}

void EditorWindow::findSolution()
{
    if (solver->isRunning())
        return solver->cancel();
    if (doc->level().particles.isEmpty())
        return showNote(tr("A level needs a particle to be solved."));
    progress->setValue(0);
    solver->start(doc->level(), timeLimit->value());
    refresh();
}

void EditorWindow::offerProof(const Level &level, const Replay &run)
{
    const LevelDraft &draft = doc->draft();
    if (!level.playsLike(draft.level) || (draft.proof == LevelDraft::Proven && draft.level.proof->time <= run.time))
        return;
    doc->prove(run);
    showNote(tr("Your pass in %1 ms is the level's proof.").arg(run.time));
}

void EditorWindow::solutionFound(const Level &level, const Replay &solution)
{
    refresh();
    if (!level.playsLike(doc->level()))
        return showNote(tr("The level changed during the search; its solution is not kept."));
    const LevelDraft &draft = doc->draft();
    if (draft.proof == LevelDraft::Proven && draft.level.proof->time < solution.time)
        return showNote(tr("Found a solution in %1 ms; the proof is faster.").arg(solution.time));
    if (draft.proof == LevelDraft::Proven && draft.level.proof->time == solution.time)
        return showNote(tr("Found a solution in %1 ms, as fast as the proof.").arg(solution.time));
    doc->prove(solution);
    showNote(tr("Found a solution in %1 ms: it is the level's proof.").arg(solution.time));
}

void EditorWindow::solutionNotFound(bool cancelled)
{
    refresh();
    showNote(cancelled ? tr("The search was cancelled.")
                       : tr("No solution found in %1 s.").arg(timeLimit->value()));
}

void EditorWindow::showNote(const QString &note)
{
    statusBar()->showMessage(note, noteMs);
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    if (maySwitch())
        event->accept();
    else
        event->ignore();
}

bool EditorWindow::maySwitch()
{
    if (!doc->isModified())
        return true;
    const QMessageBox::StandardButton answer = QMessageBox::warning(
        this, tr("Unsaved changes"), tr("The level has changes that are not saved. Save them?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}
