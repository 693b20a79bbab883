#ifndef SWIRLFALL_EDITORCANVAS_H
#define SWIRLFALL_EDITORCANVAS_H

#include "levels/format/Level.h"
#include "render/ScenePainter.h"

#include <QPoint>
#include <QPolygon>
#include <QWidget>

#include <functional>
#include <optional>

class LevelDocument;

// The playfield of a level being made, drawn by the game's own painting with the frame, and the
// tools that change it: a particle per click, an area's points click by click (closed by a double
// click or Enter, cancelled by Esc), and select, which picks a particle, an area or one of its
// points, moves it by a drag and deletes it. Points snap to a 10-pixel grid while snapping is on.
// A selection points into the draft it was made in: any change from elsewhere (undo, redo, Open,
// New, the panel beside the canvas) drops it, and a drag under way with it.
class EditorCanvas : public QWidget
{
    Q_OBJECT

public:
    enum Tool { Select, RedParticleTool, BlueParticleTool, RedGoalTool, BlueGoalTool, HazardTool };

    explicit EditorCanvas(LevelDocument *document, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    Tool tool() const { return current; }
    bool isSnapping() const { return snapping; }

public slots:
    void setTool(int tool);
    void setSnapping(bool on);
    void deleteSelection();
    // Enter: closes the area being drawn.
    void closeArea();
    // Esc: cancels the area being drawn, or else goes back to select.
    void cancel();

signals:
    void toolChanged(int tool);
    // A short note for the status bar, such as a limit reached.
    void note(const QString &text);

private slots:
    void draftChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    struct Pick
    {
        enum What { Nothing, Particle, Area, Point };
        What what = Nothing;
        int index = -1;
        int point = -1;
    };

    Pick pick(const QPoint &point) const;
    QPoint snapped(const QPoint &point) const;
    // level with what is picked moved by delta.
    Level moved(const Level &level, const Pick &picked, const QPoint &delta) const;
    // How far the drag under way moves what is selected.
    QPoint dragDelta() const;
    // The canvas's own change to the document, which keeps what is selected.
    void apply(const QString &what, const std::function<void(Level &)> &change);
    void forgetSelection();
    void paintOverlay(QPainter &painter, const Level &level);

    LevelDocument *document;
    ScenePainter painting;
    Tool current = Select;
    bool snapping = true;
    QPolygon drawing;
    Pick selected;
    // A drag of what is selected: from where, and the level as it would be after it.
    bool dragging = false;
    QPoint dragFrom;
    std::optional<Level> preview;
    QPoint pointer;
    bool applying = false;
};

#endif
