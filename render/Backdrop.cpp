#include "render/Backdrop.h"

#include <QPaintEngine>
#include <QPainter>

#include <cstring>

namespace {
bool sameAreas(const QList<Area> &a, const QList<Area> &b)
{
    if (a.isSharedWith(b))
        return true;
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a.at(i).kind != b.at(i).kind || static_cast<const QPolygon &>(a.at(i)) != b.at(i))
            return false;
    }
    return true;
}
} // namespace

bool Backdrop::paint(QPainter &painter, const QList<Area> &areas, const Draw &draw, const QRegion &stale)
{
    if (painter.device()->devType() != QInternal::Image) {
        draw(painter);
        return true;
    }
    const QImage &target = *static_cast<QImage *>(painter.device());
    const QTransform transform = painter.transform();
    // The clip Qt gives a paint: one set through a painter would place some edges differently.
    const QRegion systemClip = painter.paintEngine()->systemClip();
    const bool drawn = !fits(target, transform, systemClip, areas);
    if (drawn) {
        image = QImage(target.size(), target.format());
        image.setDevicePixelRatio(target.devicePixelRatio());
        image.paintEngine()->setSystemClip(systemClip);
        QPainter imagePainter(&image);
        imagePainter.setTransform(transform);
        draw(imagePainter);
        imageTransform = transform;
        imageSystemClip = systemClip;
        imageAreas = areas;
    }
    // Row by row: the same pixels as a painter's copy, without its set-up and thread hand-offs.
    // A pixel an edge of stale only grazes is copied too; copying more is always safe.
    QRegion copied = QRegion(image.rect());
    if (!drawn && !stale.isEmpty()) {
        copied = QRegion();
        for (const QRect &rect : painter.deviceTransform().map(stale))
            copied += rect.adjusted(-1, -1, 1, 1);
    }
    if (!systemClip.isEmpty())
        copied &= systemClip;
    QImage &out = *static_cast<QImage *>(painter.device());
    const int pixelBytes = image.depth() / 8;
    for (const QRect &rect : copied & image.rect()) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            std::memcpy(out.scanLine(y) + rect.left() * pixelBytes, image.constScanLine(y) + rect.left() * pixelBytes,
                        size_t(rect.width() * pixelBytes));
        }
    }
    return drawn || stale.isEmpty();
}

bool Backdrop::fits(const QImage &target, const QTransform &transform, const QRegion &systemClip,
                    const QList<Area> &areas) const
{
    return !image.isNull() && image.size() == target.size() && image.format() == target.format()
        && image.devicePixelRatio() == target.devicePixelRatio() && imageTransform == transform
        && imageSystemClip == systemClip && sameAreas(imageAreas, areas);
}
