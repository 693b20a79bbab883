#include "render/ScenePainter.h"

#include "render/HintMarks.h"
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
const QColor momentsPlate(0, 0, 0, 176);

const char *const readyHelp =
    QT_TRANSLATE_NOOP("ScenePainter", "[Left mouse drag] horizontally or vertically to set a gravity well.\n"
                                      "[Left mouse click] on a set gravity well to remove it.\n"
                                      "[Right mouse click] to restart the level.\n"
                                      "[Right / left arrow] to switch level.");
// Between a level's name and "Not proven" beside it.
constexpr int notProvenGap = 16;
constexpr int notProvenFlags = Qt::AlignLeft | Qt::AlignVCenter;
const char *const pausedHelp = QT_TRANSLATE_NOOP("ScenePainter", "[P] or [Left mouse click] to go on.");
const char *const endedHelp = QT_TRANSLATE_NOOP("ScenePainter", "[Left mouse click] to advance to the next level.\n"
                                                                "[Right mouse click] to restart the level.\n"
                                                                "[Right / left arrow] to switch level.");
// For a level with no next one, such as one opened from a file.
const char *const endedAloneHelp =
    QT_TRANSLATE_NOOP("ScenePainter", "[Left or right mouse click] to play the level again.\n"
                                      "[Right / left arrow] to switch level.");

// The characters of value printed in decimal, its sign too: counted, not printed, on every tick.
int printedLength(int value)
{
    constexpr int base = 10;
    int length = value < 0 ? 2 : 1;
    for (qint64 rest = qAbs(qint64(value)); rest >= base; rest /= base)
        ++length;
    return length;
}

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
    if (scene.paused)
        return paintPaused(painter, scene);
    // Everything, or only what inks where the region redraws.
    const auto drawn = [region](const QRect &bound) { return !region || FrameSketch::meets(*region, bound); };
    const auto drawnItem = [&](FrameSketch::SceneItem item) { return !sketch || drawn(sketch->sceneItems[item]); };
    const auto drawnPart = [&](FrameSketch::FixedPart part) { return !sketch || drawn(sketch->part(part).extent); };
    const QList<PlacedText> placed = texts(scene);
    const auto drawnText = [&](const PlacedText &text) {
        if (text.layer == PlacedText::Hints)
            return drawn(text.bound);
        return text.part != FrameSketch::FixedParts ? drawnPart(text.part) : drawnItem(text.item);
    };
    // The hints under all that moves: a faint well each.
    for (int i = 0; i < scene.hints.size(); ++i) {
        if (!sketch || drawn(sketch->hintItems.at(i)))
            HintMarks::drawMark(painter, scene.hints.at(i));
    }
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
    drawTexts(painter, placed, PlacedText::OverLevel, drawnText);
    // When, on a plate of its own: readable over a text it may have to stand on.
    for (const PlacedText &text : placed) {
        if (text.layer == PlacedText::Hints && drawnText(text))
            painter.fillRect(text.bound, momentsPlate);
    }
    drawTexts(painter, placed, PlacedText::Hints, drawnText);
    drawTexts(painter, placed, PlacedText::Times, drawnText);
    drawIcons(painter, BudgetParts{drawnItem(FrameSketch::RedIconItem), drawnItem(FrameSketch::BlueIconItem)});
    drawTexts(painter, placed, PlacedText::Counts, drawnText);
    if (scene.highScores) {
        painter.fillRect(QRect(0, 0, w, h), QBrush(tableShade, Qt::SolidPattern));
        drawTexts(painter, placed, PlacedText::Table, [](const PlacedText &) { return true; });
    }
}

void ScenePainter::paintPaused(QPainter &painter, const Scene &scene)
{
    // Over the whole playfield, so that a pause cannot be used to plan.
    const QRect playfield(0, 0, playfieldWidth, playfieldHeight);
    painter.fillRect(playfield, QBrush(backgroundGradient));
    const QList<PlacedText> placed = texts(scene);
    const auto all = [](const PlacedText &) { return true; };
    for (const PlacedText::Layer layer : {PlacedText::OverLevel, PlacedText::Times})
        drawTexts(painter, placed, layer, all);
    if (scene.highScores) {
        painter.fillRect(playfield, QBrush(tableShade, Qt::SolidPattern));
        drawTexts(painter, placed, PlacedText::Table, all);
    }
}

void ScenePainter::drawTexts(QPainter &painter, const QList<PlacedText> &texts, PlacedText::Layer layer,
                             const std::function<bool(const PlacedText &)> &drawn) const
{
    for (const PlacedText &text : texts) {
        if (text.layer != layer || !drawn(text))
            continue;
        painter.setFont(*text.font);
        switch (text.pen) {
        case PlacedText::TextPen:
            painter.setPen(textPen);
            break;
        case PlacedText::HelpPen:
            painter.setPen(helpPen);
            break;
        case PlacedText::TablePen:
            painter.setPen(tablePen);
            break;
        case PlacedText::KeptPen:
            break;
        }
        if (text.baseline.isNull())
            painter.drawText(text.rect, text.flags, text.text);
        else
            painter.drawText(QPointF(text.baseline), text.text);
    }
}

QString ScenePainter::help(const Scene &scene)
{
    switch (scene.level->status()) {
    case Ready:
        return tr(readyHelp);
    case Failed:
    case Passed:
        return tr(scene.clickGoesOn ? endedHelp : endedAloneHelp);
    default:
        return QString();
    }
}

QString ScenePainter::message(const Scene &scene)
{
    // A level from elsewhere has no number to give.
    const bool numbered = scene.number != 0;
    switch (scene.level->status()) {
    case Ready: {
        const QString ready = numbered ? tr("Ready to start level %1").arg(scene.number) : tr("Ready to start");
        return scene.endNote.isEmpty() ? ready : ready + QLatin1Char('\n') + scene.endNote;
    }
    case Failed: {
        const QString failed = numbered ? tr("Level %1 failed").arg(scene.number) : tr("Level failed");
        return scene.endNote.isEmpty() ? failed : failed + QLatin1Char('\n') + scene.endNote;
    }
    case Passed: {
        QString passed = numbered ? tr("Level %1 passed").arg(scene.number) : tr("Level passed");
        if (scene.newRecord)
            passed += QLatin1Char('\n') + (scene.recordKept ? tr("New record!") : tr("New record! (not kept)"));
        return scene.endNote.isEmpty() ? passed : passed + QLatin1Char('\n') + scene.endNote;
    }
    default:
        return QString();
    }
}

QList<ScenePainter::PlacedText> ScenePainter::texts(const Scene &scene) const
{
    const int w = playfieldWidth;
    const int h = playfieldHeight;
    QList<PlacedText> placed;
    const auto place = [&placed](PlacedText text) {
        if (text.bound.isNull())
            text.bound = text.rect;
        if (!text.text.isEmpty())
            placed.append(text);
    };
    // Each hint's moments by its mark; a pause hides them with the level.
    for (const Scene::Hint &hint : scene.paused ? QList<Scene::Hint>() : scene.hints) {
        const QRect rect = HintMarks::momentsRect(hint, QFontMetrics(helpFont, device));
        place({PlacedText::Hints, FrameSketch::SceneItems, FrameSketch::FixedParts, rect, Qt::AlignCenter, &helpFont, PlacedText::HelpPen,
               HintMarks::moments(hint), FrameSketch::textInk(rect), {}});
    }
    const PlacedText::Pen namePen = scene.paused ? PlacedText::TextPen : PlacedText::KeptPen;
    if (scene.level->status() != Running || scene.paused) {
        const QString name = quotedName(scene);
        place({PlacedText::OverLevel, FrameSketch::NameItem, FrameSketch::FixedParts, nameRect(w, h), Qt::AlignCenter, &titleFont, namePen, name, {}, {}});
        if (!scene.proven)
            place({PlacedText::OverLevel, FrameSketch::NameItem, FrameSketch::FixedParts, notProvenRect(name), notProvenFlags, &messageFont,
                   namePen, tr("Not proven"), {}, {}});
    }
    // The design's lines stay where it centres them, those a feature adds go under them.
    QRect messageAt = messageRect(w, h);
    int messageFlags = Qt::AlignCenter;
    if (!scene.paused && !scene.endNote.isEmpty()) {
        Scene designed = scene;
        designed.endNote.clear();
        messageAt.setTop(QFontMetrics(messageFont, device).boundingRect(messageAt, messageFlags, message(designed)).top());
        messageFlags = Qt::AlignHCenter | Qt::AlignTop;
    }
    place({PlacedText::OverLevel, FrameSketch::MessageItem, FrameSketch::FixedParts, messageAt, messageFlags, &messageFont, namePen,
           scene.paused ? tr("Paused") : message(scene), {}, {}});
    // A note over the strip stands in the help's place.
    place({PlacedText::OverLevel, FrameSketch::HelpItem, FrameSketch::FixedParts, helpRect(w), helpFlags, &helpFont, PlacedText::HelpPen,
           scene.paused ? tr(pausedHelp) : scene.note.isEmpty() ? help(scene) : QString(), {}, {}});
    if (!scene.paused)
        place({PlacedText::OverLevel, FrameSketch::NoteItem, FrameSketch::FixedParts, helpRect(w), helpFlags, &helpFont, PlacedText::HelpPen,
               scene.note, {}, {}});
    place({PlacedText::Times, FrameSketch::SceneItems, FrameSketch::TimePart, QRect(0, 0, w, h), timeFlags, &messageFont, PlacedText::TextPen,
           timesText(scene), {}, {}});
    place({PlacedText::Times, FrameSketch::TimeLabelsItem, FrameSketch::FixedParts, timeLabelsRect(), timeFlags, &messageFont, PlacedText::TextPen,
           timeLabels(), FrameSketch::textInk(timeLabelBounds.translated(w - timeLabelGap, h)), {}});
    // Beside each icon well, the wells of its kind left, with the room up to the next icon.
    for (const int iconX : {redIconX, blueIconX}) {
        const int kind = iconX == redIconX ? RedWell : BlueWell;
        const QPoint baseline = counterBaseline(iconX, h);
        place({PlacedText::Counts, FrameSketch::SceneItems, kind == RedWell ? FrameSketch::RedCounterPart : FrameSketch::BlueCounterPart,
               QRect(baseline.x(), baseline.y() - countRise, counterRoom, countRise + countDrop), Qt::AlignLeft, &countFont,
               PlacedText::TextPen, QString::number(scene.level->wellsLeft(kind)), {}, baseline});
    }
    if (!scene.highScores)
        return placed;
    place({PlacedText::Table, FrameSketch::SceneItems, FrameSketch::FixedParts, QRect(0, 0, w, titleHeight), Qt::AlignCenter, &countFont,
           PlacedText::TextPen, tr("High Scores"), {}, {}});
    const QList<QRect> cells = tableCells(scene);
    for (int k = 0; k < cells.size(); ++k) {
        place({PlacedText::Table, FrameSketch::SceneItems, FrameSketch::FixedParts, cells.at(k), Qt::AlignLeft, &tableFont, PlacedText::TablePen,
               tableRowName(scene, k), {}, {}});
        place({PlacedText::Table, FrameSketch::SceneItems, FrameSketch::FixedParts, cells.at(k), Qt::AlignRight, &tableFont, PlacedText::TablePen,
               tableRowTime(scene, k), {}, {}});
    }
    place({PlacedText::Table, FrameSketch::SceneItems, FrameSketch::FixedParts, QRect(0, footTop, w, footHeight), Qt::AlignCenter, &tableFont,
           PlacedText::TablePen, tableFoot(scene), {}, {}});
    return placed;
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
    drawIcons(painter, BudgetParts{true, true});
    drawTexts(painter, texts(scene), PlacedText::Counts, [](const PlacedText &) { return true; });
}

void ScenePainter::drawIcons(QPainter &painter, const BudgetParts &drawn) const
{
    const int h = playfieldHeight;
    WellObject redIcon(redIconX, h - iconInset, RedWell, false);
    WellObject blueIcon(blueIconX, h - iconInset, BlueWell, false);
    if (drawn.redIcon)
        redIcon.paint(painter);
    if (drawn.blueIcon)
        blueIcon.paint(painter);
}

// In quotes, elided to leave the mark beside it whole on the playfield, inside the frame's band: a
// level from a file may be named with forty characters. A name that fits is drawn as it is.
QString ScenePainter::quotedName(const Scene &scene) const
{
    int room = playfieldWidth - 2 * Physics::frameBand;
    // The name stays centred: the mark's room is kept on either side of it.
    if (!scene.proven)
        room -= 2 * (notProvenGap + QFontMetrics(messageFont, device).horizontalAdvance(tr("Not proven")));
    const QFontMetrics metrics(titleFont, device);
    const QString quote(QLatin1Char('"'));
    const QString quoted = quote + scene.name + quote;
    if (metrics.horizontalAdvance(quoted) <= room)
        return quoted;
    return quote + metrics.elidedText(scene.name, Qt::ElideRight, room - 2 * metrics.horizontalAdvance(quote)) + quote;
}

// Beside the name, as it is shown.
QRect ScenePainter::notProvenRect(const QString &name) const
{
    const QRect rect = nameRect(playfieldWidth, playfieldHeight);
    const QRect named = QFontMetrics(titleFont, device).boundingRect(rect, Qt::AlignCenter, name);
    return QRect(named.right() + notProvenGap, named.top(), rect.right() - named.right(), named.height());
}

QString ScenePainter::timesText(const Scene &scene)
{
    return tr("%1 ms").arg(int(scene.time)) + QLatin1Char('\n') + tr("%1 ms").arg(int(scene.record));
}

QString ScenePainter::timeLabels()
{
    return tr("Time") + QLatin1Char('\n') + tr("Record");
}

QRect ScenePainter::timeLabelsRect()
{
    return QRect(0, 0, playfieldWidth - timeLabelGap, playfieldHeight);
}

void ScenePainter::drawBackdrop(QPainter &painter, const Scene &scene) const
{
    painter.fillRect(QRect(0, 0, playfieldWidth, playfieldHeight), QBrush(backgroundGradient));
    for (const Area &area : std::as_const(scene.level->areas))
        area.paint(painter);
}

// Two columns of cells, each of half the levels named.
QList<QRect> ScenePainter::tableCells(const Scene &scene)
{
    const int rows = int(scene.levelNames.size()) / 2;
    QList<QRect> cells;
    int column = 0;
    int row = 0;
    for (int k = 0; k < scene.bestTimes.size(); ++k) {
        if (row == rows) {
            row = 0;
            ++column;
        }
        cells.append(QRect(tableLeft + columnStride * column, tableTop + rowHeight * row, cellWidth, rowHeight));
        ++row;
    }
    return cells;
}

QString ScenePainter::tableRowName(const Scene &scene, int k)
{
    return QString::number(k + 1) + QStringLiteral(". ") + scene.levelNames.value(k);
}

QString ScenePainter::tableRowTime(const Scene &scene, int k)
{
    const quint32 time = scene.bestTimes.at(k);
    return time != 0 ? QString::number(time) : tr("Not passed");
}

QString ScenePainter::tableFoot(const Scene &scene)
{
    int passed = 0;
    quint32 total = 0;
    for (const quint32 time : scene.bestTimes) {
        passed += time != 0;
        total += time;
    }
    return tr("Total time: %1\nPassed levels: %2 / %3").arg(QString::number(total), QString::number(passed), QString::number(scene.levelNames.size()));
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
    sketch.recordKept = scene.recordKept;
    sketch.highScores = scene.highScores;
    sketch.note = scene.note;
    sketch.endNote = scene.endNote;
    sketch.paused = scene.paused;
    sketch.proven = scene.proven;
    sketch.bestTimes = scene.bestTimes;
    sketch.hints = scene.hints;
    sketch.areas = level.areas;
    if (last && last->sameScene(sketch)) {
        sketch.sceneItems = last->sceneItems;
        sketch.hintItems = last->hintItems;
        sketch.sceneInk = last->sceneInk;
    } else {
        measureScene(scene, sketch);
    }

    // Measuring a text lays it out, too dear for every tick: the time display has one extent for
    // any times of as many characters, and a counter is measured only when its number changes.
    const int characters = qMax(printedLength(int(scene.time)), printedLength(int(scene.record)));
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

// Where each text, icon and hint of the present scene inks. A text drawn into a rectangle stays
// inside it.
void ScenePainter::measureScene(const Scene &scene, FrameSketch &sketch) const
{
    const int h = playfieldHeight;
    std::array<QRect, FrameSketch::SceneItems> &items = sketch.sceneItems;
    for (const Scene::Hint &hint : scene.hints)
        sketch.hintItems.append(HintMarks::markBound(hint));
    for (const PlacedText &text : texts(scene)) {
        if (text.layer == PlacedText::Hints)
            sketch.hintItems.append(text.bound);
        else if (text.item != FrameSketch::SceneItems)
            items[text.item] |= text.bound;
    }
    items[FrameSketch::RedIconItem] = FrameSketch::wellPart(WellObject(redIconX, h - iconInset, RedWell, false)).extent;
    items[FrameSketch::BlueIconItem] = FrameSketch::wellPart(WellObject(blueIconX, h - iconInset, BlueWell, false)).extent;
    if (scene.highScores || scene.paused) {
        sketch.sceneInk = QRect(QPoint(0, 0), playfieldSize());
        return;
    }
    for (const QRect &item : items)
        sketch.sceneInk += item;
    for (const QRect &item : std::as_const(sketch.hintItems))
        sketch.sceneInk += item;
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
        const QString value = tr("%1 ms").arg(QString(characters, widest));
        timeDisplayBounds[characters] = metrics.boundingRect(corner, timeFlags, value + QLatin1Char('\n') + value);
    }
    timeLabelBounds = metrics.boundingRect(corner, timeFlags, timeLabels());
}

