#include "render/ScenePainter.h"

#include "render/Scene.h"
#include "render/SceneLayout.h"
#include "sim/Drag.h"
#include "sim/LevelState.h"

#include <QFontMetrics>
#include <QPainter>

using namespace SceneLayout;

namespace {
const QColor backgroundTop(51, 51, 51, 255);
const QColor backgroundBottom(102, 102, 102, 255);
const QColor helpColor(255, 255, 255, 128);
const QColor horizontalDragColor(51, 153, 255, 255);
const QColor verticalDragColor(255, 68, 0, 255);
const QColor tableShade(0, 0, 0, 204);

const char readyHelp[] = "[Left mouse drag] horizontally or vertically to set a gravity well.\n"
                         "[Left mouse click] on a set gravity well to remove it.\n"
                         "[Right mouse click] to restart the level.\n"
                         "[Right / left arrow] to switch level.";
// Between a level's name and "Not proven" beside it.
constexpr int notProvenGap = 16;
const char pausedHelp[] = "[P] or [Left mouse click] to go on.";
const char endedHelp[] = "[Left mouse click] to advance to the next level.\n"
                         "[Right mouse click] to restart the level.\n"
                         "[Right / left arrow] to switch level.";
// For a level with no next one, such as one opened from a file.
const char endedAloneHelp[] = "[Left or right mouse click] to play the level again.\n"
                              "[Right / left arrow] to switch level.";

QFont fontOfPixelSize(int pixels)
{
    QFont font;
    font.setPixelSize(pixels);
    return font;
}

QPen cosmeticPen(const QColor &color)
{
    QPen pen(color);
    pen.setWidth(0);
    return pen;
}
} // namespace

ScenePainter::ScenePainter(const QPaintDevice *device)
    : device(device)
{
    backgroundGradient = QLinearGradient(0, 0, 0, playfieldHeight);
    backgroundGradient.setColorAt(0, backgroundTop);
    backgroundGradient.setColorAt(1, backgroundBottom);
    countFont = fontOfPixelSize(largePixels);
    messageFont = fontOfPixelSize(messagePixels);
    helpFont = fontOfPixelSize(smallPixels);
    tableFont = fontOfPixelSize(smallPixels);
    titleFont = fontOfPixelSize(largePixels);
    tablePen = cosmeticPen(Qt::white);
    textPen = cosmeticPen(Qt::white);
    helpPen = cosmeticPen(helpColor);
    dragLinePen = QPen(QBrush(Qt::white, Qt::SolidPattern), dragPenWidth, Qt::SolidLine, Qt::SquareCap,
                       Qt::BevelJoin);
    dragPointPen = dragLinePen;
    measureTimeDisplay();
}

void ScenePainter::drawScene(QPainter &painter, Scene &scene)
{
    drawBackdrop(painter, scene);
    drawForeground(painter, scene);
}

void ScenePainter::drawForeground(QPainter &painter, Scene &scene)
{
    paintForeground(painter, scene, nullptr, nullptr);
}

void ScenePainter::redrawForeground(QPainter &painter, Scene &scene, const FrameSketch &sketch, const QRegion &region)
{
    paintForeground(painter, scene, &sketch, &region);
}

void ScenePainter::paintForeground(QPainter &painter, Scene &scene, const FrameSketch *sketch, const QRegion *region)
{
    const int w = playfieldWidth;
    const int h = playfieldHeight;
    LevelState &level = *scene.level;
    if (scene.paused) {
        drawPauseScreen(painter, scene);
        return;
    }
    // Everything, or only what inks where the region redraws.
    const auto drawn = [region](const QRect &bound) { return !region || FrameSketch::meets(*region, bound); };
    const auto drawnItem = [&](FrameSketch::SceneItem item) { return !sketch || drawn(sketch->sceneItems[item]); };
    const auto drawnPart = [&](FrameSketch::FixedPart part) { return !sketch || drawn(sketch->part(part).extent); };
    if (scene.dragging && drawnPart(FrameSketch::DragPart)) {
        // Coloured as the release would read it.
        dragLinePen.setColor(Drag(scene.dragStart, scene.pointer).wellKind() == BlueWell ? horizontalDragColor
                                                                                        : verticalDragColor);
        painter.setPen(dragLinePen);
        const QLine line(scene.dragStart, scene.pointer);
        painter.drawLines(&line, 1);
        painter.setPen(dragPointPen);
        painter.drawPoints(&scene.dragStart, 1);
    }

    for (int i = 0; i < level.wells.size(); ++i) {
        WellObject &well = level.wells[i];
        // A well not drawn still grows in or fades out, as at every paint.
        if (!sketch || drawn(sketch->well(i).extent))
            well.paint(painter);
        else
            well.advancePaint();
    }
    for (int i = 0; i < level.particles.size(); ++i) {
        if (!sketch || drawn(sketch->particle(i).extent))
            level.particles.at(i).paint(painter);
    }

    // The name and message are drawn with the white glyph pen the last particle left set, also
    // when that particle was not drawn.
    if (sketch && !level.particles.isEmpty())
        painter.setPen(level.particles.last().glyphPen);
    const int status = level.status();
    QString message;
    // A level from elsewhere has no number to give.
    const bool numbered = scene.number != 0;
    switch (status) {
    case Ready:
        message = numbered ? QString::asprintf("Ready to start level %d", scene.number) : QStringLiteral("Ready to start");
        break;
    case Failed:
        message = numbered ? QString::asprintf("Level %d failed", scene.number) : QStringLiteral("Level failed");
        break;
    case Passed:
        message = numbered ? QString::asprintf("Level %d passed", scene.number) : QStringLiteral("Level passed");
        if (scene.newRecord)
            message += QStringLiteral("\nNew record!");
        break;
    default:
        break;
    }
    if (status != Running && drawnItem(FrameSketch::NameItem))
        drawName(painter, scene);
    painter.setFont(messageFont);
    if (drawnItem(FrameSketch::MessageItem))
        painter.drawText(messageRect(w, h), Qt::AlignCenter, message);

    painter.setPen(helpPen);
    painter.setFont(helpFont);
    if (drawnItem(FrameSketch::HelpItem))
        painter.drawText(helpRect(w), helpFlags, help(scene));
    if (!scene.note.isEmpty() && drawnItem(FrameSketch::NoteItem))
        painter.drawText(helpRect(w), helpFlags, scene.note);

    drawTimes(painter, scene, drawnPart(FrameSketch::TimePart), drawnItem(FrameSketch::TimeLabelsItem));
    drawBudgets(painter, level,
                BudgetParts{drawnItem(FrameSketch::RedIconItem), drawnItem(FrameSketch::BlueIconItem),
                            drawnPart(FrameSketch::RedCounterPart), drawnPart(FrameSketch::BlueCounterPart)});

    if (scene.highScores)
        drawHighScores(painter, scene);
}

QString ScenePainter::help(const Scene &scene)
{
    switch (scene.level->status()) {
    case Ready:
        return QLatin1String(readyHelp);
    case Failed:
    case Passed:
        return QLatin1String(scene.clickGoesOn ? endedHelp : endedAloneHelp);
    default:
        return QString();
    }
}

void ScenePainter::drawLevel(QPainter &painter, const Scene &scene) const
{
    drawBackdrop(painter, scene);
    for (const ParticleObject &particle : std::as_const(scene.level->particles))
        particle.paint(painter);
}

void ScenePainter::drawLayout(QPainter &painter, Scene &scene) const
{
    drawLevel(painter, scene);
    drawBudgets(painter, *scene.level);
}

// The icon wells, and beside each the number of its wells left.
void ScenePainter::drawBudgets(QPainter &painter, const LevelState &level, const BudgetParts &drawn) const
{
    const int h = playfieldHeight;
    WellObject redIcon(redIconX, h - iconInset, RedWell, false);
    WellObject blueIcon(blueIconX, h - iconInset, BlueWell, false);
    if (drawn.redIcon)
        redIcon.paint(painter);
    if (drawn.blueIcon)
        blueIcon.paint(painter);
    painter.setPen(textPen);
    painter.setFont(countFont);
    if (drawn.redCount)
        painter.drawText(QPointF(counterBaseline(redIconX, h)), QString::number(level.wellsLeft(RedWell)));
    if (drawn.blueCount)
        painter.drawText(QPointF(counterBaseline(blueIconX, h)), QString::number(level.wellsLeft(BlueWell)));
}

// In quotes, with "Not proven" beside it for a level whose proof is missing or fails.
void ScenePainter::drawName(QPainter &painter, const Scene &scene) const
{
    const QRect rect = nameRect(playfieldWidth, playfieldHeight);
    const QString name = QLatin1Char('"') + scene.name + QLatin1Char('"');
    painter.setFont(titleFont);
    painter.drawText(rect, Qt::AlignCenter, name);
    if (scene.proven)
        return;
    const QRect named = QFontMetrics(titleFont, device).boundingRect(rect, Qt::AlignCenter, name);
    painter.setFont(messageFont);
    painter.drawText(QRect(named.right() + notProvenGap, named.top(), rect.right() - named.right(), named.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Not proven"));
}

void ScenePainter::drawTimes(QPainter &painter, const Scene &scene, bool values, bool labels) const
{
    const int w = playfieldWidth;
    const int h = playfieldHeight;
    painter.setFont(messageFont);
    painter.setPen(textPen);
    if (values) {
        const QString times = QString::asprintf("%d ms", int(scene.time)) + QLatin1Char('\n')
            + QString::asprintf("%d ms", int(scene.record));
        painter.drawText(QRect(0, 0, w, h), timeFlags, times);
    }
    if (labels)
        painter.drawText(QRect(0, 0, w - timeLabelGap, h), timeFlags, QLatin1String(timeLabels));
}

// Over the whole playfield, so that a pause cannot be used to plan: the name, "Paused", how to go
// on, and the clock, stopped.
void ScenePainter::drawPauseScreen(QPainter &painter, const Scene &scene) const
{
    const int w = playfieldWidth;
    const int h = playfieldHeight;
    painter.fillRect(QRect(0, 0, w, h), QBrush(backgroundGradient));
    painter.setPen(textPen);
    drawName(painter, scene);
    painter.setFont(messageFont);
    painter.drawText(messageRect(w, h), Qt::AlignCenter, QStringLiteral("Paused"));
    painter.setPen(helpPen);
    painter.setFont(helpFont);
    painter.drawText(helpRect(w), helpFlags, QLatin1String(pausedHelp));
    drawTimes(painter, scene);
    if (scene.highScores)
        drawHighScores(painter, scene);
}

void ScenePainter::drawBackdrop(QPainter &painter, const Scene &scene) const
{
    painter.fillRect(QRect(0, 0, playfieldWidth, playfieldHeight), QBrush(backgroundGradient));
    for (const Area &area : std::as_const(scene.level->areas))
        area.paint(painter);
}

void ScenePainter::drawHighScores(QPainter &painter, const Scene &scene) const
{
    const int w = playfieldWidth;
    const int h = playfieldHeight;
    painter.fillRect(QRect(0, 0, w, h), QBrush(tableShade, Qt::SolidPattern));
    // No pen is set: textPen from the time display is still in effect.
    painter.setFont(countFont);
    painter.drawText(QRect(0, 0, w, titleHeight), Qt::AlignCenter, QStringLiteral("High Scores"));

    painter.setPen(tablePen);
    painter.setFont(tableFont);
    const int rows = scene.levelNames.size() / 2;
    int column = 0;
    int row = 0;
    int passed = 0;
    quint32 total = 0;
    for (int k = 0; k < scene.bestTimes.size(); ++k) {
        if (row == rows) {
            row = 0;
            ++column;
        }
        const QRect cell(tableLeft + columnStride * column, tableTop + rowHeight * row, cellWidth, rowHeight);
        const quint32 time = scene.bestTimes.at(k);
        painter.drawText(cell, Qt::AlignLeft, QString::number(k + 1) + QStringLiteral(". ") + scene.levelNames.value(k));
        if (time != 0) {
            painter.drawText(cell, Qt::AlignRight, QString::number(time));
            ++passed;
        } else {
            painter.drawText(cell, Qt::AlignRight, QStringLiteral("Not passed"));
        }
        total += time;
        ++row;
    }
    painter.drawText(QRect(0, footTop, w, footHeight), Qt::AlignCenter,
                     QString::asprintf("Total time: %u\nPassed levels: %d / %d", total, passed,
                                       int(scene.levelNames.size())));
}

FrameSketch ScenePainter::sketch(const Scene &scene, const FrameSketch *last) const
{
    const LevelState &level = *scene.level;
    FrameSketch sketch;
    sketch.size = QSize(playfieldWidth, playfieldHeight);
    sketch.level = scene.number;
    sketch.name = scene.name;
    sketch.status = level.status();
    sketch.newRecord = scene.newRecord;
    sketch.highScores = scene.highScores;
    sketch.note = scene.note;
    sketch.paused = scene.paused;
    sketch.proven = scene.proven;
    sketch.bestTimes = scene.bestTimes;
    sketch.areas = level.areas;
    if (last && last->sameScene(sketch)) {
        sketch.sceneItems = last->sceneItems;
        sketch.sceneInk = last->sceneInk;
    } else {
        sketch.sceneItems = sceneItems(scene);
        sketch.sceneInk = sceneInk(scene, sketch.sceneItems);
    }

    // Measuring a text lays it out, too dear for every tick: the time display has one extent for
    // any times of as many characters, and a counter is measured only when its number changes.
    const int characters = int(qMax(QByteArray::number(int(scene.time)).size(), QByteArray::number(int(scene.record)).size()));
    sketch.parts.append(FrameSketch::textPart({double(scene.time), double(scene.record)},
                                              timeDisplayBounds.at(characters).translated(playfieldWidth, playfieldHeight)));
    for (const int iconX : {redIconX, blueIconX}) {
        const int count = level.wellsLeft(iconX == redIconX ? RedWell : BlueWell);
        const int index = sketch.parts.size();
        if (last && index < last->parts.size() && last->parts.at(index).values[0] == count) {
            sketch.parts.append(last->parts.at(index));
        } else {
            const QRect inked = QFontMetrics(countFont, device).boundingRect(QString::number(count));
            sketch.parts.append(FrameSketch::textPart({double(count)}, inked.translated(counterBaseline(iconX, playfieldHeight))));
        }
    }
    sketch.parts.append(FrameSketch::dragPart(scene.dragging, scene.dragStart, scene.pointer));
    sketch.particles = int(level.particles.size());
    for (const ParticleObject &particle : level.particles)
        sketch.parts.append(FrameSketch::particlePart(particle));
    for (const WellObject &well : level.wells)
        sketch.parts.append(FrameSketch::wellPart(well));
    return sketch;
}

// Where each text and icon of the present scene inks. A text drawn into a rectangle stays inside
// it.
std::array<QRect, FrameSketch::SceneItems> ScenePainter::sceneItems(const Scene &scene) const
{
    const int w = playfieldWidth;
    const int h = playfieldHeight;
    std::array<QRect, FrameSketch::SceneItems> items;
    if (scene.level->status() != Running) {
        items[FrameSketch::NameItem] = nameRect(w, h);
        items[FrameSketch::MessageItem] = messageRect(w, h);
        items[FrameSketch::HelpItem] = helpRect(w);
    }
    if (!scene.note.isEmpty())
        items[FrameSketch::NoteItem] = helpRect(w);
    items[FrameSketch::TimeLabelsItem] = FrameSketch::textInk(timeLabelBounds.translated(w - timeLabelGap, h));
    items[FrameSketch::RedIconItem] = FrameSketch::wellPart(WellObject(redIconX, h - iconInset, RedWell, false)).extent;
    items[FrameSketch::BlueIconItem] = FrameSketch::wellPart(WellObject(blueIconX, h - iconInset, BlueWell, false)).extent;
    return items;
}

// Where the texts, icons and table of the present scene ink.
QRegion ScenePainter::sceneInk(const Scene &scene, const std::array<QRect, FrameSketch::SceneItems> &items) const
{
    if (scene.highScores || scene.paused)
        return QRect(QPoint(0, 0), playfieldSize());
    QRegion ink;
    for (const QRect &item : items)
        ink += item;
    return ink;
}

// Where the time display of any times may ink, and its labels, measured once: from the bottom
// right corner of the rectangle each is drawn into.
void ScenePainter::measureTimeDisplay()
{
    // "%d ms" of any time is a sign and up to ten digits, then the unit, on each of two lines: the
    // extent for n characters is that of n of the widest of them. A bound of all eleven would
    // reach the labels, and redraw them with every tick.
    const QFontMetrics metrics(messageFont, device);
    QChar widest = QLatin1Char('-');
    for (char digit = '0'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(digit);
    }
    const QRect corner(-playfieldWidth, -playfieldHeight, playfieldWidth, playfieldHeight);
    for (int characters = 1; characters < int(timeDisplayBounds.size()); ++characters) {
        const QString value = QString(characters, widest) + QStringLiteral(" ms");
        timeDisplayBounds[characters] = metrics.boundingRect(corner, timeFlags, value + QLatin1Char('\n') + value);
    }
    timeLabelBounds = metrics.boundingRect(corner, timeFlags, QLatin1String(timeLabels));
}

