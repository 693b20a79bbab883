// The frame of the game widget: background, areas, drag preview, wells, particles, texts,
// the icon wells with their budgets and the high-score table, redrawn whole on every paint.
#include "game/GameWidget.h"

#include <QPainter>

namespace {
const QColor backgroundTop(51, 51, 51, 255);
const QColor backgroundBottom(102, 102, 102, 255);
const QColor helpColor(255, 255, 255, 128);
const QColor horizontalDragColor(51, 153, 255, 255);
const QColor verticalDragColor(255, 68, 0, 255);
const QColor tableShade(0, 0, 0, 204);

constexpr int largePixels = 40;
constexpr int messagePixels = 20;
constexpr int smallPixels = 16;
constexpr qreal dragPenWidth = 5.0;

// The icon wells sit this far from the left and bottom edges; their counters stand to the
// right of and below their centres.
constexpr int blueIconX = 30;
constexpr int redIconX = 150;
constexpr int iconInset = 30;
constexpr int counterDx = 30;
constexpr int counterDy = 15;

// Texts lie in strips of the playfield: the help in the top strip, the name and message centred
// above the bottom strip, the message one line below the name, the time labels left of the values.
constexpr int helpHeight = 100;
constexpr int bottomStrip = 200;
constexpr int messageDrop = 50;
constexpr int timeLabelGap = 120;
// Qt lets AlignVCenter win over AlignTop: the help block is centred in its strip.
constexpr int helpFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::AlignVCenter;
constexpr int timeFlags = Qt::AlignRight | Qt::AlignBottom;

// High-score table: two columns of cells below the title, the foot beneath them.
constexpr int titleHeight = 200;
constexpr int tableLeft = 60;
constexpr int tableTop = 150;
constexpr int columnStride = 340;
constexpr int cellWidth = 300;
constexpr int rowHeight = 20;
constexpr int footTop = 340;
constexpr int footHeight = 100;

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
    backgroundGradient = QLinearGradient(0, 0, 0, height());
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
    const int w = width();
    const int h = height();
    WellObject blueIcon(blueIconX, h - iconInset, BlueWell, false);
    WellObject redIcon(redIconX, h - iconInset, RedWell, false);

    painter.fillRect(QRect(0, 0, w, h), QBrush(backgroundGradient));
    for (const Area &area : std::as_const(levelState.areas))
        area.paint(painter);

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
        painter.drawText(QRect(0, 0, w, h - bottomStrip), Qt::AlignCenter,
                         QLatin1Char('"') + levelNames.value(currentLevel - 1) + QLatin1Char('"'));
    }
    painter.setFont(messageFont);
    painter.drawText(QRect(0, messageDrop, w, h - bottomStrip), Qt::AlignCenter, message);

    QString help = message;
    if (status == Ready)
        help = QLatin1String(readyHelp);
    else if (status == Failed || status == Passed)
        help = QLatin1String(endedHelp);
    painter.setPen(helpPen);
    painter.setFont(helpFont);
    painter.drawText(QRect(0, 0, w, helpHeight), helpFlags, help);

    painter.setFont(messageFont);
    painter.setPen(textPen);
    const QString times = QString::asprintf("%d ms", int(totalTime)) + QLatin1Char('\n')
        + QString::asprintf("%d ms", int(bestTimes.value(currentLevel - 1)));
    painter.drawText(QRect(0, 0, w, h), timeFlags, times);
    painter.drawText(QRect(0, 0, w - timeLabelGap, h), timeFlags, QStringLiteral("Time\nRecord"));

    redIcon.paint(painter);
    blueIcon.paint(painter);

    painter.setFont(countFont);
    painter.drawText(QPointF(redIconX + counterDx, h - iconInset + counterDy),
                     QString::number(levelState.wellsLeft(RedWell)));
    painter.drawText(QPointF(blueIconX + counterDx, h - iconInset + counterDy),
                     QString::number(levelState.wellsLeft(BlueWell)));

    if (showHighScores)
        drawHighScores(painter);
}

void GameWidget::drawHighScores(QPainter &painter)
{
    const int w = width();
    const int h = height();
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
