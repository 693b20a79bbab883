#include "app/chooser/LevelRowDelegate.h"

#include "app/chooser/LevelListModel.h"
#include "levels/library/LevelLibrary.h"

#include <QApplication>
#include <QPainter>

namespace {
constexpr int margin = 4;
constexpr int gap = 10;
} // namespace

QString LevelRowDelegate::details(const QModelIndex &index)
{
    const QString seed = index.data(LevelListModel::SeedRole).toString();
    if (!index.data(LevelListModel::ReadableRole).toBool()) {
        const QString reason = index.data(LevelListModel::ReasonRole).toString();
        if (!seed.isEmpty())
            return tr("Being made and proven\u2026");
        return reason.isEmpty() ? tr("Not read yet") : tr("Cannot be played: %1").arg(reason);
    }
    // A puzzle is proven as it is made: how hard it is is what its row says.
    if (!seed.isEmpty())
        return index.data(LevelListModel::DifficultyRole).toString() + runKept(index);
    QString proof;
    switch (index.data(LevelListModel::ProofRole).toInt()) {
    case LevelLibrary::Proven:
        proof = tr("Proven");
        break;
    case LevelLibrary::NotProven:
        proof = tr("Not proven");
        break;
    case LevelLibrary::ProofFails:
        proof = tr("Its proof fails");
        break;
    default:
        proof = tr("Checking its proof\u2026");
        break;
    }
    return proof + runKept(index);
}

QString LevelRowDelegate::runKept(const QModelIndex &index)
{
    return index.data(LevelListModel::RunKeptRole).toBool() ? tr(" \u00b7 your best run is kept (W)") : QString();
}

QString LevelRowDelegate::time(const QModelIndex &index)
{
    const quint32 best = index.data(LevelListModel::TimeRole).toUInt();
    return best ? tr("%1 ms").arg(best) : tr("Not passed");
}

QSize LevelRowDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    // As wide as the list, however wide that is: only the height matters.
    const QSize picture = LevelListModel::thumbnailSize();
    return QSize(picture.width() + 2 * margin, picture.height() + 2 * margin);
}

void LevelRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    plain.text.clear();
    QStyle *style = plain.widget ? plain.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);

    const bool readable = index.data(LevelListModel::ReadableRole).toBool();
    const QRect row = option.rect.adjusted(margin, margin, -margin, -margin);
    const QSize pictureSize = LevelListModel::thumbnailSize();
    const QRect picture(row.topLeft(), pictureSize);
    if (readable)
        painter->drawImage(picture, index.data(LevelListModel::ThumbnailRole).value<QImage>());
    else
        painter->fillRect(picture, option.palette.color(QPalette::Disabled, QPalette::Window));

    const QPalette::ColorGroup group = readable ? QPalette::Normal : QPalette::Disabled;
    const QPalette::ColorRole role = option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setPen(option.palette.color(group, role));
    const QRect text = row.adjusted(pictureSize.width() + gap, 0, 0, 0);
    const int half = text.height() / 2;
    QFont bold = option.font;
    bold.setBold(true);
    painter->setFont(bold);
    const QString shownTime = readable ? time(index) : QString();
    const int timeWidth = QFontMetrics(bold).horizontalAdvance(shownTime) + gap;
    QRect nameLine(text.left(), text.top(), text.width() - timeWidth, half);
    painter->drawText(nameLine, Qt::AlignLeft | Qt::AlignBottom,
                      painter->fontMetrics().elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, nameLine.width()));
    painter->drawText(QRect(text.left(), text.top(), text.width(), half), Qt::AlignRight | Qt::AlignBottom, shownTime);
    painter->setFont(option.font);
    QString below = details(index);
    const QString collection = index.data(LevelListModel::CollectionTitleRole).toString();
    if (!static_cast<const LevelListModel *>(index.model())->filter().isEmpty())
        below = collection + QStringLiteral(" \u00b7 ") + below;
    const QRect detailLine(text.left(), text.top() + half, text.width(), half);
    painter->drawText(detailLine, Qt::AlignLeft | Qt::AlignTop,
                      painter->fontMetrics().elidedText(below, Qt::ElideRight, detailLine.width()));
    painter->restore();
}
