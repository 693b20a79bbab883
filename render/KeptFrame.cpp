// The tick's repaint covers only what changed since the frame the last tick painted, and its
// paint redraws the kept frame only there too: the backdrop copied back and every item whose ink
// meets that region drawn whole, in order, over it, the region grown to hold them all. Every
// other paint draws the whole scene. Each well's grow-in and fade-out advances once per paint,
// drawn or not; a well that is still changing is a changed part on every tick, so a paint
// follows on every tick until it settles or is gone, and no paint is needed once nothing changes.
#include "render/KeptFrame.h"

#include "render/Scene.h"
#include "render/SceneLayout.h"
#include "render/ScenePainter.h"
#include "sim/Area.h"
#include "sim/LevelState.h"

#include <QPaintEngine>
#include <QPainter>

using namespace SceneLayout;

namespace {
// Qt 6 hands a copy of 96 rows or more to its thread pool, which on two cores costs more than the
// copy; copied in bands of fewer rows, the pixels are the same.
constexpr int copyBandRows = 64;
} // namespace

void KeptFrame::forget()
{
    painted.reset();
}

void KeptFrame::repaintChanges(ScenePainter &painter, const Scene &scene, const QSize &widgetSize, const Repaint &repaint)
{
    if (widgetSize != paintedSize)
        painted.reset();
    FrameSketch next = painter.sketch(scene, painted ? &*painted : nullptr);
    const PlayfieldView view(playfieldSize(), widgetSize);
    redraw.reset();
    QRegion changed(QRect(QPoint(0, 0), widgetSize));
    if (painted && painted->sameScene(next)) {
        const QRegion changedHere = next.changedSince(*painted);
        changed = view.toWidgetRegion(changedHere);
        // The pause screen and the table cover everything: they are drawn whole.
        if (!next.paused && !next.highScores)
            redraw = next.redrawRegion(changedHere);
    }
    painted = std::move(next);
    paintedSize = widgetSize;
    tickPainting = true;
    repaint(changed);
    tickPainting = false;
}

// Clipped otherwise, Qt's rasteriser may set an edge of a wide line or a scaled well one pixel
// apart. So the scene is drawn whole into an image, as Qt paints the widget whole into its
// window's backing store: at the window's pixel ratio, shifted by the widget's place in the
// window (a gradient's rounding follows that shift), through the view that scales the playfield
// in full screen, and with the playfield as the system clip (a painter's clip of the same
// rectangle still moves edges). A paint copies from it exactly what a
// whole repaint would show. Between paints the image keeps the last frame, so only where that
// frame inked over the backdrop is the backdrop copied back before the rest is drawn.
const QImage &KeptFrame::wholeFrame(ScenePainter &scenePainter, Scene &scene, const Target &target)
{
    const QPoint offset = target.offset;
    const qreal ratio = target.ratio;
    const QSize deviceSize = QSize(offset.x() + target.size.width(), offset.y() + target.size.height()) * ratio;
    // Only a tick's paint over the frame the last tick left is redrawn in part.
    bool partial = tickPainting && painted && redraw && frameOffset == offset;
    frameOffset = offset;
    if (frameImage.size() != deviceSize || frameImage.devicePixelRatio() != ratio) {
        partial = false;
        frameImage = QImage(deviceSize, QImage::Format_RGB32);
        frameImage.setDevicePixelRatio(ratio);
        // Around a playfield scaled to fit, the margins show the frame's own dark colour.
        frameImage.fill(hazardColor);
        frameInk = QRect(QPoint(0, 0), playfieldSize());
    }
    const PlayfieldView shownView(playfieldSize(), target.size);
    const QRect shown = shownView.rect().translated(offset);
    frameImage.paintEngine()->setSystemClip(QRect(shown.topLeft() * ratio, shown.size() * ratio));
    QPainter painter(&frameImage);
    painter.translate(offset);
    painter.setTransform(shownView.transform(), true);
    painter.setPen(target.pen);
    painter.setBackground(target.background);
    painter.setFont(target.font);
    const QRegion stale = partial ? *redraw : frameInk;
    const bool fresh =
        backdrop.paint(painter, scene.level->areas, [&](QPainter &p) { scenePainter.drawBackdrop(p, scene); }, stale);
    frameInk = (tickPainting && painted ? *painted : scenePainter.sketch(scene, nullptr)).ink();
    if (partial && !fresh)
        scenePainter.redrawForeground(painter, scene, *painted, *redraw);
    else
        scenePainter.drawForeground(painter, scene);
    return frameImage;
}

void KeptFrame::show(QPainter &painter, const QRegion &region, ScenePainter &scenePainter, Scene &scene,
                     const Target &target)
{
    if (!tickPainting)
        painted.reset();
    const QImage &frame = wholeFrame(scenePainter, scene, target);
    const qreal ratio = frame.devicePixelRatio();
    const QPointF offset = QPointF(target.offset) * ratio;
    const int wholeRatio = qRound(ratio);
    // Under a fractional ratio a band's edges would fall between pixels: one copy, clipped to region.
    if (wholeRatio != ratio) {
        painter.drawImage(QPointF(0, 0), frame, QRectF(offset, QSizeF(target.size) * ratio));
        return;
    }
    const int bandRows = qMax(1, copyBandRows / wholeRatio);
    for (const QRect &rect : region) {
        for (int top = rect.top(); top <= rect.bottom(); top += bandRows) {
            const QRect band(rect.left(), top, rect.width(), qMin(bandRows, rect.bottom() - top + 1));
            painter.drawImage(band, frame, QRectF(QPointF(band.topLeft()) * ratio + offset, QSizeF(band.size()) * ratio));
        }
    }
}
