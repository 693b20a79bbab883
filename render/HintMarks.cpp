#include "render/HintMarks.h"

#include "render/FrameSketch.h"
#include "render/SceneLayout.h"
#include "sim/WellObject.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <iterator>

namespace {
// Faint enough to tell from a well set, plain enough to find.
constexpr qreal markOpacity = 0.4;
// The cross over a well taken away stays inside its body.
constexpr int crossReach = 14;
constexpr qreal crossWidth = 3;
// Between the well's rim and its moments, and how much further they may go to stand clear.
constexpr int momentsGap = 4;
constexpr int maxDrift = 48;
constexpr double millisecondsPerSecond = 1000;
constexpr int decimals = 2;

// The well as the icons draw it: no halo, grown.
WellObject ghost(const Scene::Hint &hint)
{
    return WellObject(hint.at.x(), hint.at.y(), hint.kind, false);
}
} // namespace

void HintMarks::drawMark(QPainter &painter, const Scene::Hint &hint)
{
    painter.save();
    painter.setOpacity(markOpacity);
    WellObject well = ghost(hint);
    well.paint(painter);
    if (hint.takenAt) {
        painter.setPen(QPen(Qt::white, crossWidth));
        painter.translate(hint.at);
        painter.drawLine(-crossReach, -crossReach, crossReach, crossReach);
        painter.drawLine(-crossReach, crossReach, crossReach, -crossReach);
    }
    painter.restore();
}

QRect HintMarks::markBound(const Scene::Hint &hint)
{
    return FrameSketch::wellPart(ghost(hint)).extent;
}

QString HintMarks::moment(int tick)
{
    if (tick == 0)
        return tr("at the start");
    const double seconds = tick * Physics::frameInterval / millisecondsPerSecond;
    return tr("at %1 s").arg(QLocale().toString(seconds, 'f', decimals));
}

QString HintMarks::moments(const Scene::Hint &hint)
{
    const QString set = moment(hint.tick);
    return hint.takenAt ? set + QLatin1Char('\n') + tr("taken away %1", "a well, at a moment").arg(moment(*hint.takenAt)) : set;
}

QRect HintMarks::momentsRect(const Scene::Hint &hint, const QFontMetrics &metrics)
{
    using namespace SceneLayout;
    const QSize size = metrics.boundingRect(QRect(), Qt::AlignCenter, moments(hint)).size();
    const int reach = Physics::wellRadius + momentsGap;
    const QRect under(QPoint(qBound(0, hint.at.x() - size.width() / 2, playfieldWidth - size.width()), hint.at.y() + reach), size);
    const QRect over = under.translated(0, -2 * reach - size.height());
    // Or under the name and the message, where they stand under the well, if that is near.
    QRect past = under;
    for (const QRect &zone : {nameZone, messageZone}) {
        if (past.intersects(zone))
            past.moveTop(zone.bottom() + momentsGap);
    }
    QList<QRect> places{under, over};
    if (past.top() - under.top() <= maxDrift)
        places.append(past);
    // Where no text of the playfield stands, else where the fewest do: the faint help first, then
    // the message, the name; never the well counts and the times.
    const QRect texts[] = {countsZone, timesZone, nameZone, messageZone, helpZone};
    for (int kept = std::size(texts); kept >= 2; --kept) {
        for (const QRect &rect : std::as_const(places)) {
            if (rect.top() >= 0 && rect.bottom() < playfieldHeight
                && std::none_of(texts, texts + kept, [&rect](const QRect &zone) { return rect.intersects(zone); }))
                return rect;
        }
    }
    return under.translated(0, qMin(countsZone.top(), timesZone.top()) - momentsGap - under.bottom());
}
