#ifndef SWIRLFALL_KEPTFRAME_H
#define SWIRLFALL_KEPTFRAME_H

#include "render/Backdrop.h"
#include "render/FrameSketch.h"
#include "render/PlayfieldView.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QRegion>

#include <functional>
#include <optional>

class QPainter;
class ScenePainter;
struct Scene;

// The frame a widget shows, kept between paints, and what the last tick painted of it. A tick
// repaints only what changed since that frame; any other paint (an expose) leaves the screen
// unknown, and the next tick repaints it whole. A tick's paint redraws the kept image only where
// that tick changed it, every other paint redraws it whole; each copies the part it covers, so
// the screen is always exactly a whole repaint.
class KeptFrame
{
public:
    using Repaint = std::function<void(const QRegion &)>;

    // Where a widget shows the frame.
    struct Target
    {
        QSize size;
        // Its place in its window, whose backing store Qt paints it into, and its pixel ratio.
        QPoint offset;
        qreal ratio = 1;
        // What a painter begun on the widget starts with.
        QPen pen;
        QBrush background;
        QFont font;
    };

    // A tick: asks repaint for the widget's pixels that differ from the frame the last tick
    // painted, or for all of them when the scene, the widget's size or the screen changed.
    void repaintChanges(ScenePainter &painter, const Scene &scene, const QSize &widgetSize, const Repaint &repaint);
    // A paint of the widget: the whole frame drawn, and its pixels within region put on painter.
    void show(QPainter &painter, const QRegion &region, ScenePainter &scenePainter, Scene &scene, const Target &target);
    // Forgets what the screen shows, so that the next tick repaints it whole.
    void forget();
    // The frame as the last paint left it, at the window's offset and pixel ratio.
    const QImage &image() const { return frameImage; }

private:
    const QImage &wholeFrame(ScenePainter &scenePainter, Scene &scene, const Target &target);

    // Paints copy from frameImage, the whole frame drawn over a copy of the backdrop.
    Backdrop backdrop;
    QImage frameImage;
    // Where frameImage shows more than the backdrop.
    QRegion frameInk;
    // What the last tick painted, on a widget of that size.
    std::optional<FrameSketch> painted;
    QSize paintedSize;
    bool tickPainting = false;
    // Where this tick's paint redraws the kept frame, in playfield coordinates: none for a whole
    // redraw. And the widget's place in the window the frame was drawn at.
    std::optional<QRegion> redraw;
    QPoint frameOffset;
};

#endif
