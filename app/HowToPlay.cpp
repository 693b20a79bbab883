#include "app/HowToPlay.h"

#include "app/widgets/KeyTable.h"
#include "render/Scene.h"
#include "render/ScenePainter.h"
#include "sim/FrameTick.h"
#include "sim/LevelState.h"
#include "sim/Physics.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
const QSize pictureSize(180, 120);
// The well stands left of the picture's centre, or above it, so that its drag fits.
const QPoint blueWellAt(60, 60);
const QPoint redWellAt(90, 30);
constexpr int dragLength = 60;
constexpr int windowWidth = 760;
// Of the screen's room, at most.
constexpr double screenShare = 0.9;
// The particle starts on the left, pulled by its well on the right, let go before it and past it.
const QPoint particleAt(15, 60);
const QPoint keptWellAt(100, 60);
constexpr int pulledTicks = 75;
constexpr int freeTicks = 120;
constexpr qreal wayPenWidth = 2;
// The hint's well stands high in the picture, its moment under it: 1.2 s in.
const QPoint hintWellAt(90, 40);
constexpr int hintTick = 120;

// The part of the playfield scene shows whose top left corner is at corner.
QImage cutOut(Scene &scene, const QPoint &corner)
{
    QImage picture(pictureSize, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.translate(-corner);
    ScenePainter(&picture).drawScene(painter, scene);
    return picture;
}

QLabel *heading(const QString &text, QWidget *parent)
{
    QLabel *label = new QLabel(QStringLiteral("<b>%1</b>").arg(text.toHtmlEscaped()), parent);
    return label;
}
} // namespace

QImage HowToPlay::wellPicture(int kind)
{
    // Where the playfield shows them, away from its texts; the picture is cut out around them.
    const QPoint centre(Physics::playfieldWidth / 2, Physics::playfieldHeight / 2);
    const bool blue = kind == BlueWell;
    const QPoint corner = centre - (blue ? blueWellAt : redWellAt);
    LevelState state(1, 1);
    state.start();
    state.addWell(centre.x(), centre.y(), kind);
    state.wells[0].fade = WellObject::settledFade;
    Scene scene;
    scene.level = &state;
    scene.dragging = true;
    scene.dragStart = centre;
    scene.pointer = centre + (blue ? QPoint(dragLength, 0) : QPoint(0, dragLength));
    return cutOut(scene, corner);
}

QImage HowToPlay::keptSpeedPicture()
{
    const QPoint corner(Physics::playfieldWidth / 2, Physics::playfieldHeight / 2);
    LevelState state(0, 1);
    state.addParticle(RedParticle, corner.x() + particleAt.x(), corner.y() + particleAt.y());
    state.start();
    const QPoint well = corner + keptWellAt;
    state.addWell(well.x(), well.y(), RedWell);
    QPolygonF way;
    quint32 time = 0;
    for (int tick = 0; tick < pulledTicks + freeTicks; ++tick) {
        if (tick == pulledTicks)
            state.removeWellAt(well.x(), well.y());
        way.append(state.particles.first());
        FrameTick::advance(state, time, QPoint());
    }
    Scene scene;
    scene.level = &state;
    QImage picture = cutOut(scene, corner);
    QPainter painter(&picture);
    painter.translate(-corner);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, wayPenWidth, Qt::DotLine));
    painter.drawPolyline(way);
    return picture;
}

QImage HowToPlay::hintPicture()
{
    const QPoint centre(Physics::playfieldWidth / 2, Physics::playfieldHeight / 2);
    LevelState state(0, 0);
    state.start();
    Scene scene;
    scene.level = &state;
    scene.hints = {{centre, RedWell, hintTick, std::nullopt}};
    return cutOut(scene, centre - hintWellAt);
}

HowToPlay::HowToPlay(const QList<QAction *> &actions, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("How to play"));
    // All of it in a page that scrolls where the screen is lower than the page.
    QWidget *page = new QWidget(this);
    page->setMinimumWidth(windowWidth);
    QVBoxLayout *layout = new QVBoxLayout(page);

    layout->addWidget(heading(tr("The goal"), this));
    QLabel *goal = new QLabel(tr("Bring every particle into the goal of its colour, without letting one touch a well, "
                                 "a hazard or the goal of the other colour. Each well pulls the particles of its own "
                                 "colour and pushes the others, with the same strength at any distance."),
                              this);
    goal->setWordWrap(true);
    layout->addWidget(goal);

    QGridLayout *pictures = new QGridLayout;
    int column = 0;
    const auto addPicture = [&](const QImage &image, const QString &text) {
        QLabel *picture = new QLabel(this);
        picture->setPixmap(QPixmap::fromImage(image));
        QLabel *caption = new QLabel(text, this);
        caption->setWordWrap(true);
        pictures->addWidget(picture, 0, column, Qt::AlignHCenter);
        pictures->addWidget(caption, 1, column++, Qt::AlignHCenter | Qt::AlignTop);
    };
    addPicture(wellPicture(BlueWell), tr("A drag sideways sets a blue well where it began."));
    addPicture(wellPicture(RedWell), tr("A drag up or down sets a red well where it began."));
    // What almost every puzzle turns on.
    addPicture(keptSpeedPicture(), tr("A particle keeps its speed after its well is removed."));
    layout->addLayout(pictures);

    layout->addWidget(heading(tr("Stuck?"), this));
    QHBoxLayout *stuck = new QHBoxLayout;
    QLabel *hint = new QLabel(this);
    hint->setPixmap(QPixmap::fromImage(hintPicture()));
    stuck->addWidget(hint);
    QLabel *hints = new QLabel(tr("H shows where and when the level's solution sets its next well: a faint well, and its moment, until "
                                  "you set a well or start again. Each H shows one well more, those before too; a well the solution "
                                  "takes away again is crossed out. A pass after hints is a pass, and says how many it took. S plays "
                                  "the whole solution."),
                               this);
    hints->setWordWrap(true);
    stuck->addWidget(hints, 1);
    layout->addLayout(stuck);

    layout->addWidget(heading(tr("Puzzles and the days in a row"), this));
    QLabel *about = new QLabel(tr("Puzzles, the chooser's last collection, are made from seeds and proven before they are offered: "
                                  "Easy, Medium or Hard, with one to five stars. The puzzle of the day is the same for everyone on "
                                  "a day (in UTC); passed on its day, it carries your days in a row on, and a day missed starts them "
                                  "again. Your days, in the Menu, shows them all."),
                              this);
    about->setWordWrap(true);
    layout->addWidget(about);

    layout->addWidget(heading(tr("The mouse"), this));
    mouseTable = new KeyTable({},
                              {{tr("Left drag, sideways"), tr("Sets a blue well where the drag began")},
                               {tr("Left drag, up or down"), tr("Sets a red well where the drag began")},
                               {tr("Left click on a well"), tr("Removes it; the well is not given back")},
                               {tr("Left click after the end"), tr("Goes on to the next level")},
                               {tr("Right click"), tr("Starts the level again")}},
                              this);
    layout->addWidget(mouseTable);
    layout->addWidget(heading(tr("The keys"), this));
    // The arrows are read by the playfield itself, not bound to a menu.
    const QString arrows = QKeySequence(Qt::Key_Left).toString(QKeySequence::NativeText) + QStringLiteral(", ")
        + QKeySequence(Qt::Key_Right).toString(QKeySequence::NativeText);
    keyTable = new KeyTable(actions, {{arrows, tr("The previous, the next level (of the collection played)")}}, this);
    layout->addWidget(keyTable);

    QDialogButtonBox *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    QScrollArea *scroll = new QScrollArea(this);
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QVBoxLayout *window = new QVBoxLayout(this);
    window->addWidget(scroll);
    window->addWidget(buttons);
    const QRect screen = this->screen()->availableGeometry();
    const QMargins margins = window->contentsMargins();
    const QSize wanted(qMax(windowWidth, page->sizeHint().width()) + scroll->verticalScrollBar()->sizeHint().width() + margins.left() + margins.right(),
                       page->sizeHint().height() + window->spacing() + buttons->sizeHint().height() + margins.top() + margins.bottom());
    setMinimumWidth(wanted.width());
    resize(wanted.width(), qMin(wanted.height(), int(screen.height() * screenShare)));
}
