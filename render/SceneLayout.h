#ifndef SWIRLFALL_SCENELAYOUT_H
#define SWIRLFALL_SCENELAYOUT_H

#include "sim/Physics.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

// Where the frame's parts stand, in widget pixels. Painting and the search for what a tick
// changed both read them here, so that the two cannot drift apart.
namespace SceneLayout {

using Physics::playfieldHeight;
using Physics::playfieldWidth;

inline QSize playfieldSize()
{
    return QSize(playfieldWidth, playfieldHeight);
}

constexpr int largePixels = 40;
constexpr int messagePixels = 20;
constexpr int smallPixels = 16;
constexpr double dragPenWidth = 5.0;

// The icon wells sit this far from the left and bottom edges; their counters stand to the
// right of and below their centres.
constexpr int blueIconX = 30;
constexpr int redIconX = 150;
constexpr int iconInset = 30;
constexpr int counterDx = 30;
constexpr int counterDy = 15;

// A count is drawn in the large font: its glyphs rise this far above its baseline and drop this far
// below, and it has this much room before the next icon's halo.
constexpr int countRise = largePixels;
constexpr int countDrop = largePixels / 4;
constexpr int counterRoom = redIconX - blueIconX - counterDx - Physics::wellRadius - Physics::haloMargin;

// The left end of the baseline of the counter beside the icon at iconX.
inline QPoint counterBaseline(int iconX, int height)
{
    return QPoint(iconX + counterDx, height - iconInset + counterDy);
}

// Texts lie in strips of the playfield: the help in the top strip, the name and message centred
// above the bottom strip, the message one line below the name, the time labels left of the values.
constexpr int helpHeight = 100;
constexpr int bottomStrip = 200;
constexpr int messageDrop = 50;
constexpr int timeLabelGap = 120;
// Qt lets AlignVCenter win over AlignTop: the help block is centred in its strip.
constexpr int helpFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::AlignVCenter;
constexpr int timeFlags = Qt::AlignRight | Qt::AlignBottom;

// The rectangles those texts are drawn into on a width x height playfield.
inline QRect nameRect(int width, int height)
{
    return QRect(0, 0, width, height - bottomStrip);
}

inline QRect messageRect(int width, int height)
{
    return QRect(0, messageDrop, width, height - bottomStrip);
}

inline QRect helpRect(int width)
{
    return QRect(0, 0, width, helpHeight);
}

// Where the texts of a puzzle's playfield ink, in every language the game speaks, with some room:
// a level made from a seed keeps its particles and goals clear of the name, the status message,
// the well counts and the times, and its goals clear of the help too. A test measures each text
// of ScenePainter::texts() against its zone.
constexpr QRect nameZone(60, 110, 680, 64);
constexpr QRect messageZone(200, 150, 400, 86);
constexpr QRect helpZone(30, 8, 740, 86);
constexpr QRect countsZone(0, 414, 256, 66);
constexpr QRect timesZone(544, 426, 256, 54);

// High-score table: two columns of cells below the title, the foot beneath them.
constexpr int titleHeight = 200;
constexpr int tableLeft = 60;
constexpr int tableTop = 150;
constexpr int columnStride = 340;
constexpr int cellWidth = 300;
constexpr int rowHeight = 20;
constexpr int footTop = 340;
constexpr int footHeight = 100;

} // namespace SceneLayout

#endif
