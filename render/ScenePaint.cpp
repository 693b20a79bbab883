// The frame of the game widget: background, areas, drag preview, wells, particles, texts,
// the icon wells with their budgets and the high-score table, drawn whole on every paint; the
// screen takes what lies inside the region the paint covers.
#include "game/GameWidget.h"

#include "render/SceneLayout.h"

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
const char endedHelp[] = "[Left mouse click] to advance to the next level.\n"
                         "[Right mouse click] to restart the level.\n"
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

void GameWidget::buildPaintingResources()
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
}

void GameWidget::drawScene(QPainter &painter)
{
    // The areas leave their pen and brush set; every later step sets its own before use.
    backdrop.paint(painter, levelState.areas, [this](QPainter &p) { drawBackdrop(p); });
    drawForeground(painter);
}

// Everything over the background and the areas.
void GameWidget::drawForeground(QPainter &painter)
{
    const int w = playfieldWidth;
    const int h = playfieldHeight;
    WellObject blueIcon(blueIconX, h - iconInset, BlueWell, false);
    WellObject redIcon(redIconX, h - iconInset, RedWell, false);

    if (dragging) {
        const QPoint delta = mousePos - dragStart;
        // The direction rule of a release: a tie is horizontal.
        const bool horizontal = qAbs(delta.x()) >= qAbs(delta.y());
        dragLinePen.setColor(horizontal ? horizontalDragColor : verticalDragColor);
        painter.setPen(dragLinePen);
        const QLine line(dragStart, mousePos);
        painter.drawLines(&line, 1);
        painter.setPen(dragPointPen);
        painter.drawPoints(&dragStart, 1);
    }

    for (WellObject &well : levelState.wells)
        well.paint(painter);
    for (const ParticleObject &particle : std::as_const(levelState.particles))
        particle.paint(painter);

    // The name and message are drawn with the white glyph pen the last particle left set.
    const int status = levelState.status();
    QString message;
    switch (status) {
    case Ready:
        message = QString::asprintf("Ready to start level %d", currentLevel);
        break;
    case Failed:
        message = QString::asprintf("Level %d failed", currentLevel);
        break;
    case Passed:
        message = QString::asprintf("Level %d passed", currentLevel);
        if (newRecord)
            message += QStringLiteral("\nNew record!");
        break;
    default:
        break;
    }
    if (status != Running) {
        painter.setFont(titleFont);
        painter.drawText(nameRect(w, h), Qt::AlignCenter,
                         QLatin1Char('"') + levelNames.value(currentLevel - 1) + QLatin1Char('"'));
    }
    painter.setFont(messageFont);
    painter.drawText(messageRect(w, h), Qt::AlignCenter, message);

    QString help = message;
    if (status == Ready)
        help = QLatin1String(readyHelp);
    else if (status == Failed || status == Passed)
        help = QLatin1String(endedHelp);
    painter.setPen(helpPen);
    painter.setFont(helpFont);
    painter.drawText(helpRect(w), helpFlags, help);
    if (playback)
        drawSolutionNote(painter);

    painter.setFont(messageFont);
    painter.setPen(textPen);
    const QString times = QString::asprintf("%d ms", int(totalTime)) + QLatin1Char('\n')
        + QString::asprintf("%d ms", int(bestTimes.value(currentLevel - 1)));
    painter.drawText(QRect(0, 0, w, h), timeFlags, times);
    painter.drawText(QRect(0, 0, w - timeLabelGap, h), timeFlags, QLatin1String(timeLabels));

    redIcon.paint(painter);
    blueIcon.paint(painter);

    painter.setFont(countFont);
    painter.drawText(QPointF(counterBaseline(redIconX, h)), QString::number(levelState.wellsLeft(RedWell)));
    painter.drawText(QPointF(counterBaseline(blueIconX, h)), QString::number(levelState.wellsLeft(BlueWell)));

    if (showHighScores)
        drawHighScores(painter);
}

void GameWidget::drawBackdrop(QPainter &painter)
{
    painter.fillRect(QRect(0, 0, playfieldWidth, playfieldHeight), QBrush(backgroundGradient));
    for (const Area &area : std::as_const(levelState.areas))
        area.paint(painter);
}

void GameWidget::drawHighScores(QPainter &painter)
{
    const int w = playfieldWidth;
    const int h = playfieldHeight;
    painter.fillRect(QRect(0, 0, w, h), QBrush(tableShade, Qt::SolidPattern));
    // No pen is set: textPen from the time display is still in effect.
    painter.setFont(countFont);
    painter.drawText(QRect(0, 0, w, titleHeight), Qt::AlignCenter, QStringLiteral("High Scores"));

    painter.setPen(tablePen);
    painter.setFont(tableFont);
    const int rows = levelNames.size() / 2;
    int column = 0;
    int row = 0;
    int passed = 0;
    quint32 total = 0;
    for (int k = 0; k < bestTimes.size(); ++k) {
        if (row == rows) {
            row = 0;
            ++column;
        }
        const QRect cell(tableLeft + columnStride * column, tableTop + rowHeight * row, cellWidth, rowHeight);
        const quint32 time = bestTimes.at(k);
        painter.drawText(cell, Qt::AlignLeft, QString::number(k + 1) + QStringLiteral(". ") + levelNames.value(k));
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
                                       int(levelNames.size())));
}
