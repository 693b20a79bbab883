#ifndef SWIRLFALL_GAMEWIDGET_H
#define SWIRLFALL_GAMEWIDGET_H

#include "game/PlayfieldView.h"
#include "game/SolutionPlayback.h"
#include "render/Backdrop.h"
#include "render/FrameSketch.h"
#include "sim/LevelState.h"

#include <QFile>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QList>
#include <QPen>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <optional>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QPainter;

// The playfield: owns the live level, the attempt's time, the best times, the drag state and
// the painting resources, and advances the level on every frame tick.
class GameWidget : public QWidget
{
    Q_OBJECT

public:
    // Best times are kept in scoreFileName, "scores.dat" in the working folder unless told.
    explicit GameWidget(QWidget *parent = nullptr, const QString &scoreFileName = QStringLiteral("scores.dat"));

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The playfield in the game's own coordinates; the widget shows it scaled when it is larger.
    static QSize playfieldSize();
    // Read access for tools that drive the widget from outside (benchmarks, soak tests).
    const LevelState &state() const { return levelState; }
    // Forgets what the screen shows, so that the next tick repaints the whole widget.
    void invalidateFrame();
    // Paints one whole frame with the painter, as a whole repaint of the widget does, and like
    // it advances the wells' grow-in and fade-out.
    void drawScene(QPainter &painter);
    // Loads the replay's level and plays the replay as the player's own drags and clicks,
    // tick by tick; a mouse press or a key stops it.
    void watchReplay(const Replay &replay);

signals:
    void exit();

public slots:
    void animate();
    void paintEvent(QPaintEvent *event) override;
    int loadLevel(int level);
    void displayHighScores();
    // Restarts the level and plays its solution.
    void showSolution();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    friend class GameWidgetTest;
    friend class RenderTest;
    friend class VorticadeTest;
    friend class SoakTest;
    friend class ReplayTest;
    friend class PartialRepaintTest;
    friend class SolutionPlaybackTest;
    friend class FullScreenTest;

    void restartLevel();
    void addFrameArea();
    void applyRecordRule();
    void beginDrag(const QPoint &at);
    void completeDrag(const QPoint &end);
    void buildPaintingResources();
    void drawBackdrop(QPainter &painter);
    void drawForeground(QPainter &painter);
    void drawHighScores(QPainter &painter);

    // Repainting only what changed (render/RepaintChanges.cpp).
    FrameSketch sketchFrame() const;
    QRegion sceneInk() const;
    void repaintChanges();
    const QImage &wholeFrame();
    void showFrame(QPainter &painter, const QRegion &region);
    void measureTimeDisplay();
    QPoint frameOffset() const;

    // Watching a solution (game/SolutionPlayback.cpp).
    void playDueActions();
    void stopSolution();
    void drawSolutionNote(QPainter &painter);

    // Where the playfield stands in the widget: scaled to fit in full screen.
    PlayfieldView view() const;
    QPoint eventPos(const QMouseEvent *event) const;

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

    QPoint mousePos;
    quint32 totalTime = 0;
    bool dragging = false;
    int currentLevel = 1;
    QPoint dragStart;
    QPoint dragEnd;
    LevelState levelState;
    QFile scoreFile;
    QList<quint32> bestTimes;
    bool levelNamesFilled = false;
    QList<QString> levelNames;
    bool showHighScores = false;
    int levelCount = 0;
    bool newRecord = false;

    // A tick repaints only what changed since the frame it last painted (painted). Anything else
    // that paints leaves the screen unknown, and the next tick repaints it whole. Paints copy
    // from frameImage, the whole frame drawn over a copy of the backdrop.
    Backdrop backdrop;
    QImage frameImage;
    // Where frameImage shows more than the backdrop.
    QRegion frameInk;
    // Where the time display may ink, from the playfield's bottom right corner, and its labels,
    // from the corner of their own rectangle.
    QRect timeDisplayBounds;
    QRect timeLabelBounds;
    std::optional<FrameSketch> painted;
    bool tickPainting = false;

    // The solution being watched, if any.
    std::optional<SolutionPlayback> playback;
};

#endif
