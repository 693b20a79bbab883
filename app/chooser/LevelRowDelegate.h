#ifndef SWIRLFALL_LEVELROWDELEGATE_H
#define SWIRLFALL_LEVELROWDELEGATE_H

#include <QStyledItemDelegate>

// A row of the level chooser: the level's picture, its name, its best time, what its proof shows
// and whether a best run is kept; a file that cannot be read, greyed, with the reason.
class LevelRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The line under the name: what the proof shows, and a kept run; or why the file is refused.
    static QString details(const QModelIndex &index);
    // " · your best run is kept (W)" where it is, else nothing.
    static QString runKept(const QModelIndex &index);
    // The best time, or that there is none.
    static QString time(const QModelIndex &index);

    // The row's texts where they are painted, each as it is shown: cut off only where the row
    // has no room for it.
    struct Shown
    {
        QRect nameRect;
        QString name;
        QRect timeRect;
        QString time;
        QRect detailsRect;
        QString details;
    };
    static Shown shown(const QStyleOptionViewItem &option, const QModelIndex &index);
};

#endif
