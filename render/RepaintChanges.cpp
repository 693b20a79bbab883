// The tick's repaint covers only what changed since the frame the last tick painted. Every paint
// still draws the whole scene, so each well's grow-in and fade-out advances once per paint as
// before; a well that is still changing is a changed part on every tick, so a paint follows on
// every tick until it settles or is gone, and no paint is needed once nothing changes.
#include "game/GameWidget.h"

#include "render/SceneLayout.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>

using namespace SceneLayout;

namespace {
// Qt 6 hands a copy of 96 rows or more to its thread pool, which on two cores costs more than the
// copy; copied in bands of fewer rows, the pixels are the same.
constexpr int copyBandRows = 64;
} // namespace

void GameWidget::invalidateFrame()
{
    painted.reset();
}

void GameWidget::repaintChanges()
{
    FrameSketch next = sketchFrame();
    const QRegion changed = painted && painted->sameScene(next) ? view().toWidgetRegion(next.changedSince(*painted))
                                                                : QRegion(rect());
    painted = std::move(next);
    tickPainting = true;
    repaint(changed);
    tickPainting = false;
}

FrameSketch GameWidget::sketchFrame() const
{
    FrameSketch sketch;
    sketch.size = QSize(playfieldWidth, playfieldHeight);
    sketch.widgetSize = size();
    sketch.level = currentLevel;
    sketch.status = levelState.status();
    sketch.newRecord = newRecord;
    sketch.highScores = showHighScores;
    sketch.solutionNote = playback.has_value();
    sketch.bestTimes = bestTimes;
    sketch.areas = levelState.areas;
    sketch.sceneInk = painted && painted->sameScene(sketch) ? painted->sceneInk : sceneInk();

    // Measuring a text lays it out, too dear for every tick: the time display has one extent for
    // any times, and a counter is measured only when its number changes.
    sketch.parts.append(FrameSketch::textPart({double(totalTime), double(bestTimes.value(currentLevel - 1))},
                                              timeDisplayBounds.translated(playfieldWidth, playfieldHeight)));
    for (const int iconX : {redIconX, blueIconX}) {
        const int count = levelState.wellsLeft(iconX == redIconX ? RedWell : BlueWell);
        const int index = sketch.parts.size();
        if (painted && index < painted->parts.size() && painted->parts.at(index).values[0] == count) {
            sketch.parts.append(painted->parts.at(index));
        } else {
            const QRect inked = QFontMetrics(countFont, this).boundingRect(QString::number(count));
            sketch.parts.append(FrameSketch::textPart({double(count)}, inked.translated(counterBaseline(iconX, playfieldHeight))));
        }
    }
    sketch.parts.append(FrameSketch::dragPart(dragging, dragStart, mousePos));
    for (const ParticleObject &particle : levelState.particles)
        sketch.parts.append(FrameSketch::particlePart(particle));
    for (const WellObject &well : levelState.wells)
        sketch.parts.append(FrameSketch::wellPart(well));
    return sketch;
}

// Where the texts, icons and table of the present scene ink. A text drawn into a rectangle stays
// inside it.
QRegion GameWidget::sceneInk() const
{
    const int w = playfieldWidth;
    const int h = playfieldHeight;
    if (showHighScores)
        return QRect(0, 0, w, h);
    QRegion ink = FrameSketch::textInk(timeLabelBounds.translated(w - timeLabelGap, h));
    for (const WellObject &icon : {WellObject(blueIconX, h - iconInset, BlueWell, false),
                                   WellObject(redIconX, h - iconInset, RedWell, false)})
        ink += FrameSketch::wellPart(icon).extent;
    if (levelState.status() != Running) {
        ink += nameRect(w, h);
        ink += messageRect(w, h);
        ink += helpRect(w);
    }
    if (playback)
        ink += helpRect(w);
    return ink;
}

// Clipped otherwise, Qt's rasteriser may set an edge of a wide line or a scaled well one pixel
// apart. So the scene is drawn whole into an image, as Qt paints the widget whole into its
// window's backing store: at the window's pixel ratio, shifted by the widget's place in the
// window (a gradient's rounding follows that shift), through the view that scales the playfield
// in full screen, and with the playfield as the system clip (a painter's clip of the same
// rectangle still moves edges). A paint copies from it exactly what a
// whole repaint would show. Between paints the image keeps the last frame, so only where that
// frame inked over the backdrop is the backdrop copied back before the rest is drawn.
const QImage &GameWidget::wholeFrame()
{
    const QPoint offset = frameOffset();
    const qreal ratio = devicePixelRatioF();
    const QSize deviceSize = QSize(offset.x() + width(), offset.y() + height()) * ratio;
    if (frameImage.size() != deviceSize || frameImage.devicePixelRatio() != ratio) {
        frameImage = QImage(deviceSize, QImage::Format_RGB32);
        frameImage.setDevicePixelRatio(ratio);
        // Around a playfield scaled to fit, the margins show the frame's own dark colour.
        frameImage.fill(hazardColor);
        frameInk = QRect(0, 0, playfieldWidth, playfieldHeight);
    }
    const PlayfieldView shownView = view();
    const QRect shown = shownView.rect().translated(offset);
    frameImage.paintEngine()->setSystemClip(QRect(shown.topLeft() * ratio, shown.size() * ratio));
    QPainter painter(&frameImage);
    painter.translate(offset);
    painter.setTransform(shownView.transform(), true);
    // What a painter begun on the widget would start with.
    painter.setPen(QPen(palette().brush(foregroundRole()), 1));
    painter.setBackground(palette().brush(backgroundRole()));
    painter.setFont(font());
    backdrop.paint(painter, levelState.areas, [this](QPainter &p) { drawBackdrop(p); }, frameInk);
    frameInk = (tickPainting && painted ? *painted : sketchFrame()).ink();
    drawForeground(painter);
    return frameImage;
}

// Draws the whole frame and puts its pixels within region on the widget's painter.
void GameWidget::showFrame(QPainter &painter, const QRegion &region)
{
    const QImage &frame = wholeFrame();
    const qreal ratio = frame.devicePixelRatio();
    const QPointF offset = QPointF(frameOffset()) * ratio;
    const int wholeRatio = qRound(ratio);
    // Under a fractional ratio a band's edges would fall between pixels: one copy, clipped to region.
    if (wholeRatio != ratio) {
        painter.drawImage(QPointF(0, 0), frame, QRectF(offset, QSizeF(size()) * ratio));
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

// Where the time display of any times may ink, and its labels, measured once: from the bottom
// right corner of the rectangle each is drawn into.
void GameWidget::measureTimeDisplay()
{
    // "%d ms" of any time is at most a sign, ten digits and the unit, on each of two lines.
    const QFontMetrics metrics(messageFont, this);
    QChar widest = QLatin1Char('0');
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(digit);
    }
    const QString value = QLatin1Char('-') + QString(10, widest) + QStringLiteral(" ms");
    const QRect corner(-playfieldWidth, -playfieldHeight, playfieldWidth, playfieldHeight);
    timeDisplayBounds = metrics.boundingRect(corner, timeFlags, value + QLatin1Char('\n') + value);
    timeLabelBounds = metrics.boundingRect(corner, timeFlags, QLatin1String(timeLabels));
}

QPoint GameWidget::frameOffset() const
{
    return mapTo(window(), QPoint(0, 0));
}
