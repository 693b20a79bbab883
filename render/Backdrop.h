#ifndef SWIRLFALL_BACKDROP_H
#define SWIRLFALL_BACKDROP_H

#include "sim/Area.h"

#include <QImage>
#include <QList>
#include <QRegion>
#include <QTransform>

#include <functional>

class QPainter;

// The parts of a frame that never change within a level, the background and the areas, kept in
// an image like the one painted on. Copying from it gives the pixels of drawing them there, for
// a small part of the cost.
class Backdrop
{
public:
    using Draw = std::function<void(QPainter &)>;

    // Copies the backdrop of these areas into the painter's image, within stale (in the painter's
    // coordinates) or, when stale is empty, everywhere. draw paints it anew, with the painter's
    // transform and system clip, when the image or the areas differ from the last time; it is
    // then copied everywhere, and paint returns true. On a device other than an image it simply
    // draws, and returns true.
    bool paint(QPainter &painter, const QList<Area> &areas, const Draw &draw, const QRegion &stale = QRegion());

private:
    bool fits(const QImage &target, const QTransform &transform, const QRegion &systemClip,
              const QList<Area> &areas) const;

    QImage image;
    QTransform imageTransform;
    QRegion imageSystemClip;
    QList<Area> imageAreas;
};

#endif
