#include "app/chooser/LevelListModel.h"

#include "app/chooser/PuzzleSession.h"
#include "game/RecordBook.h"
#include "levels/library/LevelLibrary.h"
#include "render/Scene.h"
#include "render/SceneLayout.h"
#include "sim/LevelState.h"

#include <QFileInfo>
#include <QPainter>
#include <QTextDocument>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {
// A fifth of the playfield: enough to tell levels apart at a glance.
constexpr int thumbnailDivisor = 5;
} // namespace

QSize LevelListModel::thumbnailSize()
{
    return SceneLayout::playfieldSize() / thumbnailDivisor;
}

LevelListModel::LevelListModel(LevelLibrary *library, const RecordBook *records, const PuzzleSession *session,
                               QObject *parent)
    : QAbstractListModel(parent),
      library(library),
      records(records),
      session(session),
      painting(nullptr)
{
    connect(library, &LevelLibrary::entryChanged, this, &LevelListModel::entryChanged);
}

void LevelListModel::showCollection(int collection)
{
    beginResetModel();
    shown = collection;
    rows = matches();
    endResetModel();
}

void LevelListModel::releaseThumbnails()
{
    forgetThumbnails();
#ifdef __GLIBC__
    // The pictures were many small blocks: hand the freed pages back, or the game stays as large.
    malloc_trim(0);
#endif
}

void LevelListModel::setFilter(const QString &text)
{
    filtering = text.trimmed();
    showCollection(shown);
}

QList<LevelListModel::Place> LevelListModel::matches() const
{
    QList<Place> found;
    const int collections = int(library->collections().size());
    for (int c = 0; c < collections; ++c) {
        if (filtering.isEmpty() && c != shown)
            continue;
        for (int i = 0; i < library->count(c); ++i) {
            const LevelLibrary::Entry &entry = library->entry(c, i);
            const QString name = entry.readable || entry.path.isEmpty() ? entry.level.name : QFileInfo(entry.path).completeBaseName();
            if (name.contains(filtering, Qt::CaseInsensitive))
                found.append({c, i});
        }
    }
    return found;
}

int LevelListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

QVariant LevelListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return QVariant();
    const Place place = rows.at(index.row());
    const LevelLibrary::Entry &entry = library->entry(place.collection, place.index);
    switch (role) {
    case Qt::DisplayRole:
        // A puzzle being made has its name already.
        return entry.readable || entry.path.isEmpty() ? entry.level.name : QFileInfo(entry.path).fileName();
    case Qt::ToolTipRole:
        if (!entry.seed.isEmpty())
            return tr("Seed %1").arg(entry.seed);
        if (entry.path.isEmpty())
            return QVariant();
        // A tooltip takes what looks like markup for markup: a file's name is text.
        return Qt::convertFromPlainText(entry.readable ? entry.path : entry.path + QStringLiteral(": ") + entry.reason,
                                        Qt::WhiteSpaceNoWrap);
    case ReadableRole:
        return entry.readable;
    case ReasonRole:
        return entry.read ? entry.reason : QString();
    case TimeRole: {
        Seed seed;
        QString why;
        if (!entry.readable)
            return 0u;
        return Seed::parse(entry.seed, &seed, &why) ? session->bestTime(seed, entry.level) : records->best(entry.level);
    }
    case ProofRole:
        return int(entry.proof);
    case RunKeptRole:
        return entry.readable && records->hasRun(entry.level);
    case CollectionTitleRole:
        return library->collections().at(place.collection).title;
    case ThumbnailRole:
        return entry.readable ? thumbnail(place) : QImage();
    case SeedRole:
        return entry.seed;
    case DifficultyRole: {
        Seed seed;
        QString why;
        return entry.read && Seed::parse(entry.seed, &seed, &why) ? session->describe(seed, entry.difficulty) : QString();
    }
    default:
        return QVariant();
    }
}

QImage LevelListModel::thumbnail(const Place &place) const
{
    const LevelLibrary::Entry &entry = library->entry(place.collection, place.index);
    const QString key = !entry.path.isEmpty() ? entry.path : !entry.seed.isEmpty() ? entry.seed : QString::number(entry.level.number);
    if (const QImage *cached = thumbnails.object(key))
        return *cached;
    QImage picture(thumbnailSize(), QImage::Format_RGB32);
    LevelState state = entry.level.newState();
    Scene scene;
    scene.level = &state;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(1.0 / thumbnailDivisor, 1.0 / thumbnailDivisor);
    painting.drawLevel(painter, scene);
    painter.end();
    thumbnails.insert(key, new QImage(picture));
    return picture;
}

void LevelListModel::entryChanged(int collection, int index)
{
    // A name that arrives may match the filter now, or no longer: the rows are found again,
    // once for all that arrive together.
    if (!filtering.isEmpty()) {
        if (!refilterDue) {
            refilterDue = true;
            QTimer::singleShot(0, this, &LevelListModel::refilter);
        }
        return;
    }
    const Place place{collection, index};
    const LevelLibrary::Entry &entry = library->entry(collection, index);
    thumbnails.remove(entry.path);
    const int row = rowOf(place);
    if (row >= 0)
        emit dataChanged(this->index(row), this->index(row));
}

void LevelListModel::refilter()
{
    refilterDue = false;
    const QList<Place> now = matches();
    if (now == rows) {
        emit dataChanged(index(0), index(int(rows.size()) - 1));
        return;
    }
    showCollection(shown);
}
