#ifndef SWIRLFALL_FRAMESKETCH_H
#define SWIRLFALL_FRAMESKETCH_H

#include "render/Scene.h"
#include "sim/Area.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>

#include <array>
#include <initializer_list>

class ParticleObject;
class WellObject;

// What a frame shows, reduced to what decides its pixels: the scene, which changes only with
// the level, its status or the table, and the parts that change while a level is played, each
// with the rectangle it may ink. Comparing the sketch of the next frame with that of the last
// painted one gives the region a repaint must cover for the screen to show the next frame.
class FrameSketch
{
public:
    // A moving or changing part of the frame: two parts with the same values draw the same
    // pixels, all of them inside extent.
    struct Part
    {
        bool operator==(const Part &other) const { return values == other.values; }

        std::array<double, 8> values{};
        QRect extent;
    };

    static Part wellPart(const WellObject &well);
    static Part particlePart(const ParticleObject &particle);
    static Part dragPart(bool dragging, const QPoint &start, const QPoint &pointer);
    // A text showing these numbers, measured to fill inked.
    static Part textPart(std::initializer_list<double> numbers, const QRect &inked);
    // Where a text measured to fill inked may ink: glyphs can reach a little past their advances.
    static QRect textInk(const QRect &inked);

    // The parts every sketch starts with, then its particles, then its wells.
    enum FixedPart { TimePart, RedCounterPart, BlueCounterPart, DragPart, FixedParts };
    // What changes only with the scene, each apart: empty where it is not drawn.
    enum SceneItem { NameItem, MessageItem, HelpItem, NoteItem, TimeLabelsItem, RedIconItem, BlueIconItem, SceneItems };

    const Part &part(FixedPart which) const { return parts.at(which); }
    const Part &particle(int index) const { return parts.at(FixedParts + index); }
    const Part &well(int index) const { return parts.at(FixedParts + particles + index); }
    // Where what the foreground draws may ink, in the order it is drawn.
    QList<QRect> itemBounds() const;
    // changed, grown until every item whose ink meets it, or comes within a pixel of it, lies
    // wholly inside: redrawn there, each whole and in order, over the backdrop, the frame is
    // what a whole redraw shows.
    QRegion redrawRegion(const QRegion &changed) const;
    // Whether an item that inks within bound is redrawn in a redraw of region.
    static bool meets(const QRegion &region, const QRect &bound);

    // True when both show the same level in the same status, table, notes, hints and pause.
    bool sameScene(const FrameSketch &other) const;
    // Everything that differs from before, or the whole frame when the scene does.
    QRegion changedSince(const FrameSketch &before) const;
    // Wherever the frame may ink over its background and areas.
    QRegion ink() const;

    // The playfield's size.
    QSize size;
    int level = 0;
    QString name;
    int status = 0;
    bool newRecord = false;
    bool recordKept = true;
    bool highScores = false;
    QString note;
    QString endNote;
    bool paused = false;
    bool proven = true;
    QList<quint32> bestTimes;
    QList<Scene::Hint> hints;
    // A loaded level has areas of its own: a reload shows as a list no longer shared. What changes
    // only with a reload, such as what a click after the end does, need not be kept here.
    QList<Area> areas;
    // Fixed parts first, then the particles, then the wells, whose list grows and shrinks.
    QList<Part> parts;
    int particles = 0;
    // Where the parts that change only with the scene ink: texts, the icons, the table; and each
    // of them apart.
    QRegion sceneInk;
    std::array<QRect, SceneItems> sceneItems;
    // Where each hint's mark inks, then each one's moments.
    QList<QRect> hintItems;
};

#endif
