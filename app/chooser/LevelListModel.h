#ifndef SWIRLFALL_LEVELLISTMODEL_H
#define SWIRLFALL_LEVELLISTMODEL_H

#include "render/ScenePainter.h"

#include <QAbstractListModel>
#include <QCache>
#include <QImage>
#include <QList>
#include <QString>

class LevelLibrary;
class PuzzleSession;
class RecordBook;

// The levels of one collection, or, while a filter is typed, those of every collection whose
// name holds it, each with what a chooser shows of it: its name, its best time, what its proof
// shows, whether a best run is kept, and a picture of it drawn by the game's own painting the
// first time it is shown.
class LevelListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        ReadableRole = Qt::UserRole,
        ReasonRole,
        TimeRole,
        ProofRole,
        RunKeptRole,
        CollectionTitleRole,
        ThumbnailRole,
        // A puzzle's seed, and, once made, its tier and difficulty in words.
        SeedRole,
        DifficultyRole,
    };

    // Where a row's level is: its collection and its place in it.
    struct Place
    {
        bool operator==(const Place &other) const { return collection == other.collection && index == other.index; }

        int collection = -1;
        int index = -1;
    };

    static QSize thumbnailSize();

    // A puzzle's row says what session says of it.
    LevelListModel(LevelLibrary *library, const RecordBook *records, const PuzzleSession *session, QObject *parent = nullptr);

    void showCollection(int collection);
    int collection() const { return shown; }
    // Levels of every collection whose names hold text, whatever the case; none shows one collection.
    void setFilter(const QString &text);
    const QString &filter() const { return filtering; }
    Place placeOf(int row) const { return rows.value(row); }
    // -1 when the place is not shown.
    int rowOf(const Place &place) const { return int(rows.indexOf(place)); }
    // Forgets the pictures, for files that may have changed.
    void forgetThumbnails() { thumbnails.clear(); }
    // The same, and hands the memory they took back, as when the list is closed.
    void releaseThumbnails();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private slots:
    void entryChanged(int collection, int index);
    void refilter();

private:
    QList<Place> matches() const;
    QImage thumbnail(const Place &place) const;

    LevelLibrary *library;
    const RecordBook *records;
    const PuzzleSession *session;
    int shown = 0;
    QString filtering;
    bool refilterDue = false;
    QList<Place> rows;
    ScenePainter painting;
    // The pictures drawn last, a few pages' worth: a thousand levels paged through would keep
    // 60 MB of them; one scrolled back to is drawn again.
    static constexpr int keptThumbnails = 100;
    mutable QCache<QString, QImage> thumbnails{keptThumbnails};
};

#endif
