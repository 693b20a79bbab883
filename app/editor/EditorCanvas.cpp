#include "app/editor/EditorCanvas.h"

#include "app/editor/LevelDocument.h"
#include "levels/format/LevelFile.h"
#include "render/Scene.h"
#include "render/SceneLayout.h"
#include "sim/LevelState.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int grid = 10;
// How near a click must come to a point, or to a particle's centre, to pick it.
constexpr int pointReach = 6;
constexpr int particleReach = 12;
constexpr int markSize = 6;
const QColor selectionColor(255, 220, 0, 255);
const QColor drawingColor(255, 255, 255, 255);

QPoint mousePoint(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position().toPoint();
#else
    return event->pos();
#endif
}

QRect mark(const QPoint &at, int size)
{
    return QRect(at - QPoint(size / 2, size / 2), QSize(size, size));
}

QPoint onPlayfield(const QPoint &p)
{
    return QPoint(qBound(0, p.x(), SceneLayout::playfieldWidth), qBound(0, p.y(), SceneLayout::playfieldHeight));
}
} // namespace

EditorCanvas::EditorCanvas(LevelDocument *document, QWidget *parent)
    : QWidget(parent),
      document(document),
      painting(this)
{
    setFixedSize(SceneLayout::playfieldSize());
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(document, &LevelDocument::changed, this, &EditorCanvas::draftChanged);
}

void EditorCanvas::draftChanged()
{
    if (!applying)
        forgetSelection();
    update();
}

void EditorCanvas::forgetSelection()
{
    selected = Pick();
    dragging = false;
    preview.reset();
}

void EditorCanvas::apply(const QString &what, const std::function<void(Level &)> &change)
{
    applying = true;
    document->edit(what, change);
    applying = false;
}

QSize EditorCanvas::sizeHint() const
{
    return SceneLayout::playfieldSize();
}

void EditorCanvas::setTool(int tool)
{
    drawing.clear();
    forgetSelection();
    current = Tool(tool);
    emit toolChanged(tool);
    update();
}

void EditorCanvas::setSnapping(bool on)
{
    snapping = on;
}

QPoint EditorCanvas::snapped(const QPoint &point) const
{
    if (!snapping)
        return onPlayfield(point);
    return onPlayfield(QPoint(qRound(point.x() / double(grid)) * grid, qRound(point.y() / double(grid)) * grid));
}

// A point of an area first, then a particle, then the topmost area under the click.
EditorCanvas::Pick EditorCanvas::pick(const QPoint &point) const
{
    const Level &level = document->level();
    Pick picked;
    for (int i = int(level.areas.size()) - 1; i >= 0 && picked.what == Pick::Nothing; --i) {
        const QPolygon &polygon = level.areas.at(i).polygon;
        for (int p = 0; p < polygon.size(); ++p) {
            if ((polygon.at(p) - point).manhattanLength() <= pointReach)
                picked = {Pick::Point, i, p};
        }
    }
    for (int i = 0; i < level.particles.size() && picked.what == Pick::Nothing; ++i) {
        const Level::Particle &particle = level.particles.at(i);
        if ((QPoint(particle.x, particle.y) - point).manhattanLength() <= particleReach)
            picked = {Pick::Particle, i, -1};
    }
    for (int i = int(level.areas.size()) - 1; i >= 0 && picked.what == Pick::Nothing; --i) {
        if (level.areas.at(i).polygon.containsPoint(point, Qt::OddEvenFill))
            picked = {Pick::Area, i, -1};
    }
    return picked;
}

Level EditorCanvas::moved(const Level &level, const Pick &picked, const QPoint &delta) const
{
    Level after = level;
    switch (picked.what) {
    case Pick::Particle: {
        Level::Particle &particle = after.particles[picked.index];
        const QPoint at = onPlayfield(QPoint(particle.x, particle.y) + delta);
        particle.x = at.x();
        particle.y = at.y();
        break;
    }
    case Pick::Area:
        for (QPoint &p : after.areas[picked.index].polygon)
            p = onPlayfield(p + delta);
        break;
    case Pick::Point: {
        QPoint &p = after.areas[picked.index].polygon[picked.point];
        p = onPlayfield(p + delta);
        break;
    }
    case Pick::Nothing:
        break;
    }
    return after;
}

void EditorCanvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = mousePoint(event);
    switch (current) {
    case Select:
        selected = pick(at);
        dragging = selected.what != Pick::Nothing;
        dragFrom = at;
        break;
    case RedParticleTool:
    case BlueParticleTool: {
        if (document->level().particles.size() >= LevelFile::maxParticles) {
            emit note(tr("A level has at most %1 particles.").arg(LevelFile::maxParticles));
            break;
        }
        const bool red = current == RedParticleTool;
        const QPoint p = snapped(at);
        apply(red ? tr("Add red particle") : tr("Add blue particle"),
              [&](Level &made) { made.particles.append({red ? RedParticle : BlueParticle, p.x(), p.y()}); });
        break;
    }
    default:
        if (drawing.size() >= LevelFile::maxPoints) {
            emit note(tr("An area has at most %1 points.").arg(LevelFile::maxPoints));
            break;
        }
        if (drawing.isEmpty() || drawing.last() != snapped(at))
            drawing.append(snapped(at));
        break;
    }
    update();
}

void EditorCanvas::mouseMoveEvent(QMouseEvent *event)
{
    pointer = mousePoint(event);
    if (dragging)
        preview = moved(document->level(), selected, dragDelta());
    update();
}

QPoint EditorCanvas::dragDelta() const
{
    return snapping ? snapped(pointer) - snapped(dragFrom) : pointer - dragFrom;
}

void EditorCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !dragging)
        return;
    pointer = mousePoint(event);
    dragging = false;
    preview.reset();
    const Level after = moved(document->level(), selected, dragDelta());
    if (!after.playsLike(document->level())) {
        const QString what = selected.what == Pick::Particle ? tr("Move particle")
            : selected.what == Pick::Area                   ? tr("Move area")
                                                            : tr("Move point");
        apply(what, [&](Level &made) { made = after; });
    }
    update();
}

void EditorCanvas::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && current != Select && current != RedParticleTool
        && current != BlueParticleTool)
        closeArea();
    else
        mousePressEvent(event);
}

void EditorCanvas::closeArea()
{
    if (drawing.size() < LevelFile::minPoints)
        return;
    if (document->level().areas.size() >= LevelFile::maxAreas) {
        emit note(tr("A level has at most %1 areas.").arg(LevelFile::maxAreas));
        return;
    }
    const int kind = current == RedGoalTool ? RedGoal : current == BlueGoalTool ? BlueGoal : Hazard;
    const QString what = kind == RedGoal ? tr("Add red goal")
        : kind == BlueGoal               ? tr("Add blue goal")
                                         : tr("Add hazard");
    const QPolygon polygon = drawing;
    drawing.clear();
    apply(what, [&](Level &made) { made.areas.append({kind, polygon}); });
}

void EditorCanvas::cancel()
{
    if (!drawing.isEmpty()) {
        drawing.clear();
        update();
        return;
    }
    setTool(Select);
}

void EditorCanvas::deleteSelection()
{
    const Pick picked = selected;
    forgetSelection();
    switch (picked.what) {
    case Pick::Particle:
        apply(tr("Delete particle"), [&](Level &made) { made.particles.removeAt(picked.index); });
        break;
    case Pick::Point:
        // An area keeps at least three points; one with fewer goes.
        if (document->level().areas.at(picked.index).polygon.size() > LevelFile::minPoints) {
            apply(tr("Delete point"), [&](Level &made) { made.areas[picked.index].polygon.remove(picked.point); });
            break;
        }
        Q_FALLTHROUGH();
    case Pick::Area:
        apply(tr("Delete area"), [&](Level &made) { made.areas.removeAt(picked.index); });
        break;
    case Pick::Nothing:
        break;
    }
    update();
}

void EditorCanvas::paintEvent(QPaintEvent *)
{
    const Level shown = preview ? *preview : document->level();
    LevelState state = shown.newState();
    Scene scene;
    scene.level = &state;
    QPainter painter(this);
    painting.drawLayout(painter, scene);
    paintOverlay(painter, shown);
}

// What is selected, and the area being drawn, over the level.
void EditorCanvas::paintOverlay(QPainter &painter, const Level &level)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(selectionColor, 2));
    if (selected.what == Pick::Particle) {
        const Level::Particle &particle = level.particles.at(selected.index);
        painter.drawEllipse(QPoint(particle.x, particle.y), particleReach, particleReach);
    } else if (selected.what != Pick::Nothing) {
        const QPolygon &polygon = level.areas.at(selected.index).polygon;
        painter.drawPolygon(polygon);
        for (int p = 0; p < polygon.size(); ++p)
            painter.drawRect(mark(polygon.at(p), p == selected.point ? 2 * markSize : markSize));
    }
    if (drawing.isEmpty())
        return;
    painter.setPen(QPen(drawingColor, 1, Qt::DashLine));
    painter.drawPolyline(drawing);
    painter.drawLine(drawing.last(), snapped(pointer));
    for (const QPoint &p : drawing)
        painter.drawRect(mark(p, markSize));
}
