#include "app/chooser/LevelRowDelegate.h"

#include "app/chooser/LevelListModel.h"
#include "levels/library/LevelLibrary.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>

namespace {
constexpr int margin = 4;
constexpr int gap = 10;
constexpr int detailsFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
constexpr int nameFlags = Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap;

QFont boldOf(QFont font)
{
    font.setBold(true);
    return font;
}

// The text as it fits the box in words, the last line that fits cut off if there is more.
QString wrapped(const QString &text, const QFont &font, const QRect &box)
{
    QTextLayout layout(text, font);
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrapping);
    const QFontMetrics metrics(font);
    const int lines = qMax(1, box.height() / metrics.lineSpacing());
    layout.beginLayout();
    int lastStart = 0;
    bool more = false;
    for (int n = 0;; ++n) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(box.width());
        if (n == lines) {
            more = true;
            break;
        }
        lastStart = line.textStart();
    }
    layout.endLayout();
    if (!more)
        return text;
    return text.left(lastStart) + metrics.elidedText(text.mid(lastStart), Qt::ElideRight, box.width());
}
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

LevelRowDelegate::Shown LevelRowDelegate::shown(const QStyleOptionViewItem &option, const QModelIndex &index)
{
    const bool readable = index.data(LevelListModel::ReadableRole).toBool();
    const QRect row = option.rect.adjusted(margin, margin, -margin, -margin);
    const QRect text = row.adjusted(LevelListModel::thumbnailSize().width() + gap, 0, 0, 0);
    const int half = text.height() / 2;
    const QFontMetrics bold(boldOf(option.font));
    Shown texts;
    texts.time = readable ? time(index) : QString();
    texts.timeRect = QRect(text.left(), text.top(), text.width(), half);
    texts.nameRect = texts.timeRect.adjusted(0, 0, -(bold.horizontalAdvance(texts.time) + gap), 0);
    // In a large font a long name goes on to a second line rather than be cut.
    texts.name = wrapped(index.data(Qt::DisplayRole).toString(), boldOf(option.font), texts.nameRect);

    // The line under the name may take the lines the row has room for, in words; past them it is cut.
    texts.details = details(index);
    if (!static_cast<const LevelListModel *>(index.model())->filter().isEmpty())
        texts.details = index.data(LevelListModel::CollectionTitleRole).toString() + QStringLiteral(" \u00b7 ") + texts.details;
    texts.detailsRect = QRect(text.left(), text.top() + half, text.width(), half);
    texts.details = wrapped(texts.details, option.font, texts.detailsRect);
    return texts;
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
    const Shown texts = shown(option, index);
    painter->save();
    painter->setPen(option.palette.color(group, role));
    painter->setFont(boldOf(option.font));
    painter->drawText(texts.nameRect, nameFlags, texts.name);
    painter->drawText(texts.timeRect, Qt::AlignRight | Qt::AlignBottom, texts.time);
    painter->setFont(option.font);
    painter->drawText(texts.detailsRect, detailsFlags, texts.details);
    painter->restore();
}
