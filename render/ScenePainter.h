#ifndef SWIRLFALL_SCENEPAINTER_H
#define SWIRLFALL_SCENEPAINTER_H

#include "render/FrameSketch.h"

#include <QFont>
#include <QLinearGradient>
#include <QPen>
#include <QRect>
#include <QRegion>

class LevelState;
class QPaintDevice;
class QPainter;
struct Scene;

// The game's painting resources and the frame drawn with them: background, areas, drag preview,
// wells, particles, texts, the icon wells with their budgets and the high-score table, always
// whole. It also sketches a frame, so that a tick can tell which pixels it changes.
class ScenePainter
{
public:
    // Texts are measured as painting on device lays them out.
    explicit ScenePainter(const QPaintDevice *device);

    void drawScene(QPainter &painter, Scene &scene);
    // The parts that change only with the level: the background and the areas.
    void drawBackdrop(QPainter &painter, const Scene &scene) const;
    // Everything over them. The areas leave their pen and brush set; every step sets its own.
    void drawForeground(QPainter &painter, Scene &scene);
    // The level as it starts: the backdrop and the particles, as a picture of it.
    void drawLevel(QPainter &painter, const Scene &scene) const;
    // The level as it is laid out, for an editor: the backdrop, the particles and the budgets.
    void drawLayout(QPainter &painter, Scene &scene) const;
    // The help strip's text for scene: what the mouse and keys do now.
    static QString help(const Scene &scene);
    // What the frame of scene shows; parts that have not changed since last are taken from it
    // rather than measured again.
    FrameSketch sketch(const Scene &scene, const FrameSketch *last) const;

private:
    void drawHighScores(QPainter &painter, const Scene &scene) const;
    void drawTimes(QPainter &painter, const Scene &scene) const;
    void drawName(QPainter &painter, const Scene &scene) const;
    void drawBudgets(QPainter &painter, const LevelState &level) const;
    void drawPauseScreen(QPainter &painter, const Scene &scene) const;
    void measureTimeDisplay();
    QRegion sceneInk(const Scene &scene) const;

    const QPaintDevice *device;
    QLinearGradient backgroundGradient;
    QFont countFont;
    QFont messageFont;
    QFont helpFont;
    QFont tableFont;
    QFont titleFont;
    QPen tablePen;
    QPen textPen;
    QPen helpPen;
    QPen dragLinePen;
    QPen dragPointPen;
    // Where the time display of any times may ink, from the playfield's bottom right corner, and
    // its labels, from the corner of their own rectangle.
    QRect timeDisplayBounds;
    QRect timeLabelBounds;
};

#endif
