#ifndef SWIRLFALL_SCENEPAINTER_H
#define SWIRLFALL_SCENEPAINTER_H

#include "render/FrameSketch.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPen>
#include <QRect>
#include <QRegion>

#include <array>
#include <functional>

class LevelState;
class QPaintDevice;
class QPainter;
struct Scene;

// The game's painting resources and the frame drawn with them: background, areas, drag preview,
// wells, particles, texts, the icon wells with their budgets and the high-score table, always
// whole. It also sketches a frame, so that a tick can tell which pixels it changes.
class ScenePainter
{
    Q_DECLARE_TR_FUNCTIONS(ScenePainter)

public:
    // A text a frame draws: into rect, aligned by flags, or from a baseline, in font, with its pen.
    // Every text of the playfield is one of texts(), which the drawing, the repaint bounds and the
    // fit check all read.
    struct PlacedText
    {
        // Drawn in this order: over the level, then the hints' moments (their marks are under the
        // level), then the time display, then (after the icon wells) the well counts, then the
        // high-score table.
        enum Layer { OverLevel, Hints, Times, Counts, Table };
        // The pen the scene painting left (the design draws the name and message so), or one set.
        enum Pen { KeptPen, TextPen, HelpPen, TablePen };

        Layer layer;
        // The scene item it is part of, whose repaint bound it adds to; SceneItems for a text that
        // changes with the ticks (the time display's values and the well counts: see part), a
        // hint's moments, an item of their own, and the table's texts, under the table's shade.
        FrameSketch::SceneItem item;
        // The part of every tick it shows, measured by the sketch; FixedParts for none.
        FrameSketch::FixedPart part;
        // The room it has; drawn into it unless it has a baseline.
        QRect rect;
        int flags;
        const QFont *font;
        Pen pen;
        QString text;
        // Where it inks: within its rectangle, or as measured.
        QRect bound;
        // The left end of its baseline, for a text drawn from one (a well count, as the design
        // draws it); null for a text drawn into rect.
        QPoint baseline;
    };

    // Texts are measured as painting on device lays them out.
    explicit ScenePainter(const QPaintDevice *device);

    void drawScene(QPainter &painter, Scene &scene);
    // The parts that change only with the level: the background and the areas.
    void drawBackdrop(QPainter &painter, const Scene &scene) const;
    // Everything over them. The areas leave their pen and brush set; every step sets its own.
    void drawForeground(QPainter &painter, Scene &scene);
    // Only what of the foreground inks where region (sketch's redrawRegion) redraws, each thing
    // whole, in order: over the backdrop restored there, the frame is then what a whole redraw
    // shows. Every well grows in or fades out all the same.
    void redrawForeground(QPainter &painter, Scene &scene, const FrameSketch &sketch, const QRegion &region);
    // The level as it starts: the backdrop and the particles, as a picture of it.
    void drawLevel(QPainter &painter, const Scene &scene) const;
    // The level as it is laid out, for an editor: the backdrop, the particles and the budgets.
    void drawLayout(QPainter &painter, Scene &scene) const;
    // The help strip's text for scene: what the mouse and keys do now.
    static QString help(const Scene &scene);
    // The status message under the level's name: "Ready to start level 1", "Level passed", ...
    static QString message(const Scene &scene);
    // Every text a frame of scene draws into a rectangle, in the language the game speaks and in
    // the order drawn; none that is empty.
    QList<PlacedText> texts(const Scene &scene) const;
    // What the frame of scene shows; parts that have not changed since last are taken from it
    // rather than measured again.
    FrameSketch sketch(const Scene &scene, const FrameSketch *last) const;

private:
    // Which of the icons to draw.
    struct BudgetParts
    {
        bool redIcon;
        bool blueIcon;
    };

    QString quotedName(const Scene &scene) const;
    static QString timesText(const Scene &scene);
    static QString timeLabels();
    static QRect timeLabelsRect();
    static QList<QRect> tableCells(const Scene &scene);
    static QString tableRowName(const Scene &scene, int k);
    static QString tableRowTime(const Scene &scene, int k);
    static QString tableFoot(const Scene &scene);
    QRect notProvenRect(const QString &name) const;
    void paintForeground(QPainter &painter, Scene &scene, const FrameSketch *sketch, const QRegion *region);
    // The pause screen: the name, "Paused", how to go on, and the clock, stopped.
    void paintPaused(QPainter &painter, const Scene &scene);
    // The texts of layer, those drawn takes.
    void drawTexts(QPainter &painter, const QList<PlacedText> &texts, PlacedText::Layer layer,
                   const std::function<bool(const PlacedText &)> &drawn) const;
    // The icon wells; the counts beside them are texts.
    void drawIcons(QPainter &painter, const BudgetParts &drawn) const;
    void measureTimeDisplay();
    // Where sketch's texts, icons and hints ink, each apart and all together.
    void measureScene(const Scene &scene, FrameSketch &sketch) const;

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
    // Where the time display may ink, by the characters of its longer value (a sign, ten digits),
    // from the playfield's bottom right corner; and its labels, from their own rectangle's.
    static constexpr int maxTimeCharacters = 11;
    std::array<QRect, maxTimeCharacters + 1> timeDisplayBounds;
    QRect timeLabelBounds;
};

#endif
