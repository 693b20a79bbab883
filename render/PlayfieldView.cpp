#include "render/PlayfieldView.h"

#include <QtMath>

PlayfieldView::PlayfieldView(const QSize &playfield, const QSize &widget)
{
    const qreal scale = qMin(qreal(widget.width()) / playfield.width(), qreal(widget.height()) / playfield.height());
    const QSize scaled(qRound(playfield.width() * scale), qRound(playfield.height() * scale));
    shown = QRect(QPoint((widget.width() - scaled.width()) / 2, (widget.height() - scaled.height()) / 2), scaled);
    if (scaled == playfield)
        toWidget = QTransform::fromTranslate(shown.left(), shown.top());
    else
        toWidget = QTransform(scale, 0, 0, scale, shown.left(), shown.top());
    fromWidget = toWidget.inverted();
}

bool PlayfieldView::operator==(const PlayfieldView &other) const
{
    return toWidget == other.toWidget && shown == other.shown;
}

QPoint PlayfieldView::toPlayfield(const QPointF &widgetPoint) const
{
    return fromWidget.map(widgetPoint).toPoint();
}

QRegion PlayfieldView::toWidgetRegion(const QRegion &playfieldRegion) const
{
    if (toWidget.isIdentity())
        return playfieldRegion;
    QRegion region;
    for (const QRect &rect : playfieldRegion)
        region += toWidget.mapRect(QRectF(rect)).toAlignedRect().adjusted(-1, -1, 1, 1);
    return region;
}
