#include "app/chooser/LevelChooser.h"

#include "app/chooser/LevelImporter.h"
#include "app/chooser/LevelListModel.h"
#include "app/chooser/LevelRowDelegate.h"
#include "app/chooser/PuzzleSession.h"
#include "app/chooser/PuzzleShelf.h"
#include "game/RecordBook.h"
#include "levels/library/LevelCollection.h"
#include "levels/library/LevelLibrary.h"
#include "levels/saves/DataFolders.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>


namespace {
constexpr int collectionsWidth = 200;
constexpr int shownRows = 5;
constexpr int listWidth = 560;
constexpr int emptyNoteMargin = 20;
constexpr int labelMargin = 3;

// A collection's row, high enough for its text's ink: an accent over a capital reaches above the
// font's ascent, where the style's row would cut it off.
QSize labelRow(const QFontMetrics &metrics, const QString &label)
{
    const QRect ink = metrics.boundingRect(label);
    const int over = qMax(0, qMax(-ink.top() - metrics.ascent(), ink.bottom() + 1 - metrics.descent()));
    return QSize(metrics.horizontalAdvance(label) + 2 * labelMargin, metrics.height() + 2 * (over + labelMargin));
}
} // namespace

LevelChooser::LevelChooser(const RecordBook *records, PuzzleSession *session, QWidget *parent)
    : QDialog(parent),
      records(records),
      levels(new LevelLibrary(this)),
      list(new LevelListModel(levels, records, session, this)),
      collectionsView(new QListWidget(this)),
      rowsView(new QListView(this)),
      filterEdit(new QLineEdit(this)),
      session(session),
      puzzles(new PuzzleShelf(levels, records, session, this)),
      importer(new LevelImporter(myLevels(), this))
{
    setWindowTitle(tr("Choose a level"));
    collectionsView->setFixedWidth(collectionsWidth);
    collectionsView->installEventFilter(this);
    connect(collectionsView, &QListWidget::currentRowChanged, this, &LevelChooser::showCollection);
    connect(puzzles, &PuzzleShelf::levelChosen, this, &LevelChooser::playOnItsOwn);
    connect(importer, &LevelImporter::added, this, &LevelChooser::showFile);

    filterEdit->setPlaceholderText(tr("Type to find a level by name"));
    filterEdit->setClearButtonEnabled(true);
    filterEdit->installEventFilter(this);
    connect(filterEdit, &QLineEdit::textChanged, this, &LevelChooser::filterChanged);

    rowsView->setModel(list);
    rowsView->setItemDelegate(new LevelRowDelegate(rowsView));
    // Rows of one height: a thousand of them are laid out without asking each.
    rowsView->setUniformItemSizes(true);
    rowsView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rowsView->setMinimumSize(listWidth, shownRows * LevelListModel::thumbnailSize().height());
    rowsView->installEventFilter(this);
    emptyNote = new QLabel(rowsView->viewport());
    emptyNote->setTextFormat(Qt::PlainText);
    emptyNote->setWordWrap(true);
    emptyNote->setAlignment(Qt::AlignCenter);
    emptyNote->setMargin(emptyNoteMargin);
    emptyNote->setEnabled(false);
    rowsView->viewport()->installEventFilter(this);
    connect(rowsView, &QListView::doubleClicked, this, &LevelChooser::play);
    connect(list, &LevelListModel::modelReset, this, &LevelChooser::rowsReset);
    connect(rowsView->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        const LevelListModel::Place place = list->placeOf(current.row());
        keptCollection = place.collection;
        keptIndex = place.index;
        offerSelected();
    });
    connect(levels, &LevelLibrary::entryChanged, this, &LevelChooser::offerSelected);

    QVBoxLayout *right = new QVBoxLayout;
    right->addWidget(filterEdit);
    right->addWidget(rowsView, 1);
    right->addLayout(buildButtons());
    QHBoxLayout *layout = new QHBoxLayout(this);
    layout->addWidget(collectionsView);
    layout->addLayout(right, 1);
}

QLayout *LevelChooser::buildButtons()
{
    QPushButton *add = new QPushButton(tr("Add levels\u2026"), this);
    add->setObjectName(QStringLiteral("addLevels"));
    QMenu *adding = new QMenu(add);
    connect(adding->addAction(tr("Level files\u2026")), &QAction::triggered, importer, &LevelImporter::addFiles);
    connect(adding->addAction(tr("A folder of levels, as a set\u2026")), &QAction::triggered, importer, &LevelImporter::addSet);
    add->setMenu(adding);
    add->setAutoDefault(false);
    QPushButton *seed = new QPushButton(tr("Play a seed\u2026"), this);
    seed->setObjectName(QStringLiteral("playSeed"));
    seed->setAutoDefault(false);
    connect(seed, &QPushButton::clicked, puzzles, &PuzzleShelf::playSeed);
    saveButton = new QPushButton(tr("Save to My levels"), this);
    saveButton->setObjectName(QStringLiteral("savePuzzle"));
    copyButton = new QPushButton(tr("Copy seed"), this);
    copyButton->setObjectName(QStringLiteral("copySeed"));
    resultButton = new QPushButton(tr("Copy result"), this);
    resultButton->setObjectName(QStringLiteral("copyResult"));
    daysButton = new QPushButton(tr("Your days\u2026"), this);
    daysButton->setObjectName(QStringLiteral("yourDays"));
    connect(daysButton, &QPushButton::clicked, this, &LevelChooser::daysWanted);
    for (QPushButton *puzzle : {daysButton, saveButton, copyButton, resultButton}) {
        puzzle->setAutoDefault(false);
        // Their row keeps its place, so that the dialog does not jump as a puzzle is selected.
        QSizePolicy policy = puzzle->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        puzzle->setSizePolicy(policy);
        puzzle->hide();
    }
    connect(saveButton, &QPushButton::clicked, this, &LevelChooser::savePuzzle);
    connect(copyButton, &QPushButton::clicked, this, &LevelChooser::copySeed);
    connect(resultButton, &QPushButton::clicked, this, &LevelChooser::copyResult);
    QDialogButtonBox *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Enter plays, whichever button was clicked last: Close taking the focus must not become the
    // default, as it would in a dialog's way.
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    playButton = buttons->addButton(tr("Play"), QDialogButtonBox::AcceptRole);
    playButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &LevelChooser::play);
    connect(buttons, &QDialogButtonBox::rejected, this, &LevelChooser::reject);

    QHBoxLayout *bottom = new QHBoxLayout;
    bottom->addWidget(add);
    bottom->addWidget(seed);
    bottom->addWidget(buttons, 1);
    // Shown while a puzzle is selected.
    QHBoxLayout *puzzle = new QHBoxLayout;
    puzzle->addWidget(daysButton);
    puzzle->addStretch(1);
    puzzle->addWidget(saveButton);
    puzzle->addWidget(copyButton);
    puzzle->addWidget(resultButton);
    QVBoxLayout *rows = new QVBoxLayout;
    rows->addLayout(puzzle);
    rows->addLayout(bottom);
    setTabOrder(filterEdit, rowsView);
    setTabOrder(rowsView, collectionsView);
    setTabOrder(collectionsView, add);
    setTabOrder(add, seed);
    return rows;
}

LevelChooser::~LevelChooser()
{
    // The children go after the chooser's own part, and say things on the way out (the list's
    // selection, as its model goes): none of it may reach a chooser no longer whole.
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
}

QString LevelChooser::myLevels() const
{
    return DataFolders::myLevels(records->folder());
}

int LevelChooser::collection() const
{
    return list->collection();
}

int LevelChooser::selectedRow() const
{
    return rowsView->currentIndex().isValid() ? rowsView->currentIndex().row() : -1;
}

void LevelChooser::choose()
{
    // The collection shown last, found again by what it is: one since removed is not another.
    const LevelCollection last = levels->collections().value(keptCollection);
    levels->scan(myLevels(), DataFolders::setFolders(), puzzles->seeds());
    int shown = 0;
    for (int c = 0; c < levels->collections().size(); ++c) {
        if (levels->collections().at(c).kind == last.kind && levels->collections().at(c).title == last.title)
            shown = c;
    }
    // Carrying on is Ctrl+L, Enter: never on a collection with nothing to play.
    if (levels->count(shown) == 0)
        shown = 0;
    list->forgetThumbnails();
    {
        const QSignalBlocker quiet(collectionsView);
        collectionsView->clear();
        for (int c = 0; c < levels->collections().size(); ++c) {
            const QString label = levels->collections().at(c).label();
            auto *item = new QListWidgetItem(label, collectionsView);
            item->setSizeHint(labelRow(collectionsView->fontMetrics(), label));
            item->setToolTip(label);
        }
    }
    {
        const QSignalBlocker quiet(filterEdit);
        filterEdit->clear();
        list->setFilter(QString());
    }
    showCollection(shown);
    show();
    raise();
    activateWindow();
    filterEdit->setFocus();
}

void LevelChooser::showCollection(int collection)
{
    if (collection < 0 || collection >= levels->collections().size())
        return;
    // The names and the records of the levels shown are known at once; the rest comes after.
    levels->readNow(collection);
    {
        const QSignalBlocker quiet(collectionsView);
        collectionsView->setCurrentRow(collection);
    }
    keptCollection = collection;
    keptIndex = firstNotPassed(collection);
    daysButton->setVisible(levels->collections().at(collection).kind == LevelCollection::Puzzles);
    list->showCollection(collection);
    levels->readInBackground(collection);
    // Puzzles are made when first shown, in order.
    puzzles->makeUnmade(collection);
}

int LevelChooser::firstNotPassed(int collection) const
{
    for (int i = 0; i < levels->count(collection); ++i) {
        const LevelLibrary::Entry &entry = levels->entry(collection, i);
        if (entry.readable && records->best(entry.level) == 0)
            return i;
    }
    return 0;
}

void LevelChooser::rowsReset()
{
    const int row = list->rowOf({keptCollection, keptIndex});
    select(row >= 0 ? row : 0);
    showEmptyNote();
}

void LevelChooser::showEmptyNote()
{
    emptyNote->setVisible(list->rowCount() == 0);
    emptyNote->setGeometry(rowsView->viewport()->rect());
    if (!list->filter().isEmpty())
        emptyNote->setText(tr("No level's name holds \u201c%1\u201d.").arg(list->filter()));
    else if (levels->collections().value(list->collection()).kind == LevelCollection::MyLevels)
        emptyNote->setText(tr("No levels here yet. \u201c" "Add levels\u2026\u201d copies level files here, the level "
                              "editor (Ctrl+N) saves new levels here, and a level file dropped on the game plays it."));
    else
        emptyNote->setText(tr("No levels here."));
}

void LevelChooser::select(int row)
{
    if (row >= list->rowCount()) {
        // A reset list forgets its current row without a word: nothing shown, nothing offered.
        offerSelected();
        return;
    }
    const QModelIndex index = list->index(row);
    rowsView->setCurrentIndex(index);
    rowsView->scrollTo(index);
}

void LevelChooser::filterChanged(const QString &text)
{
    // Names are found in every collection: those not read yet are read now, once.
    for (int c = 0; !text.isEmpty() && c < levels->collections().size(); ++c)
        levels->readNow(c);
    list->setFilter(text);
}

void LevelChooser::play()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const LevelListModel::Place place = list->placeOf(row);
    // Puzzles still being made are waited for, the one chosen and those played after it: the
    // collection is played through the same however soon it is chosen.
    for (int i = 0; i < levels->count(place.collection); ++i) {
        const LevelLibrary::Entry &entry = levels->entry(place.collection, i);
        Seed seed;
        QString why;
        if (!entry.read && Seed::parse(entry.seed, &seed, &why))
            return puzzles->waitFor(seed, [this](const LevelGenerator::Generated &) { play(); });
    }
    if (!rowsView->currentIndex().data(LevelListModel::ReadableRole).toBool())
        return;
    const LevelLibrary::Entry &chosen = levels->entry(place.collection, place.index);
    hide();
    if (levels->collections().at(place.collection).kind == LevelCollection::BuiltIn) {
        emit builtInChosen(chosen.level.number);
        return;
    }
    // Played as one of its collection's: every level of it that can be played, in order.
    levels->readNow(place.collection);
    QList<Level> playable;
    QStringList files;
    int index = 0;
    for (int i = 0; i < levels->count(place.collection); ++i) {
        const LevelLibrary::Entry &entry = levels->entry(place.collection, i);
        if (i == place.index)
            index = int(playable.size());
        if (entry.readable) {
            playable.append(entry.level);
            files.append(entry.path);
        }
    }
    emit sequenceChosen(playable, files, index);
}

void LevelChooser::showFile(const QString &path)
{
    choose();
    for (int c = 0; c < levels->collections().size(); ++c) {
        const int index = int(levels->collections().at(c).files.indexOf(path));
        if (index < 0)
            continue;
        showCollection(c);
        keptIndex = index;
        rowsReset();
    }
}

void LevelChooser::playOnItsOwn(const Level &level)
{
    hide();
    emit levelChosen(level);
}

void LevelChooser::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    list->releaseThumbnails();
}

QString LevelChooser::selectedSeed() const
{
    return rowsView->currentIndex().data(LevelListModel::SeedRole).toString();
}

void LevelChooser::offerSelected()
{
    const QModelIndex current = rowsView->currentIndex();
    const bool puzzle = !selectedSeed().isEmpty();
    const bool made = current.data(LevelListModel::ReadableRole).toBool();
    playButton->setEnabled(made || puzzle);
    // A puzzle in My levels is kept already.
    saveButton->setVisible(puzzle && levels->collections().value(list->placeOf(selectedRow()).collection).kind == LevelCollection::Puzzles);
    copyButton->setVisible(puzzle);
    saveButton->setEnabled(made);
    Seed seed;
    QString why;
    resultButton->setVisible(puzzle && Seed::parse(selectedSeed(), &seed, &why) && !session->result(seed).isEmpty());
    // What a button said it did is said no longer once another row is chosen.
    copyButton->setText(tr("Copy seed"));
    resultButton->setText(tr("Copy result"));
}

void LevelChooser::savePuzzle()
{
    const LevelListModel::Place place = list->placeOf(selectedRow());
    const LevelLibrary::Entry &entry = levels->entry(place.collection, place.index);
    LevelGenerator::Generated made;
    QString why;
    if (!entry.readable || !Seed::parse(entry.seed, &made.seed, &why))
        return;
    made.level = entry.level;
    made.difficulty = entry.difficulty;
    importer->addPuzzle(made);
}

void LevelChooser::copySeed()
{
    QGuiApplication::clipboard()->setText(selectedSeed());
    copyButton->setText(tr("Copied"));
}

void LevelChooser::copyResult()
{
    Seed seed;
    QString why;
    if (!Seed::parse(selectedSeed(), &seed, &why))
        return;
    QGuiApplication::clipboard()->setText(session->result(seed));
    resultButton->setText(tr("Copied"));
}

bool LevelChooser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == rowsView->viewport() && event->type() == QEvent::Resize)
        emptyNote->setGeometry(rowsView->viewport()->rect());
    if (event->type() != QEvent::KeyPress)
        return false;
    QKeyEvent *key = static_cast<QKeyEvent *>(event);
    // Escape takes back what was typed first, and closes the chooser only then.
    if (key->key() == Qt::Key_Escape && !filterEdit->text().isEmpty()) {
        filterEdit->clear();
        return true;
    }
    // The list's keys work while the filter is typed into, and typing in the list types there.
    if (watched == filterEdit) {
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            QCoreApplication::sendEvent(rowsView, event);
            return true;
        default:
            return false;
        }
    }
    if ((watched == rowsView || watched == collectionsView) && !key->text().isEmpty() && key->text().at(0).isPrint()) {
        filterEdit->setFocus();
        filterEdit->insert(key->text());
        return true;
    }
    return false;
}
