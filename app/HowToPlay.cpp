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
    QImage picture(pictureSize, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.translate(-corner);
    ScenePainter(&picture).drawScene(painter, scene);
    return picture;
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
    QImage picture(pictureSize, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.translate(-corner);
    ScenePainter(&picture).drawScene(painter, scene);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, wayPenWidth, Qt::DotLine));
    painter.drawPolyline(way);
    return picture;
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
    const struct
    {
        int kind;
        const char *caption;
    } drags[] = {{BlueWell, QT_TR_NOOP("A drag sideways sets a blue well where it began.")},
                 {RedWell, QT_TR_NOOP("A drag up or down sets a red well where it began.")}};
    for (int i = 0; i < 2; ++i) {
        QLabel *picture = new QLabel(this);
        picture->setPixmap(QPixmap::fromImage(wellPicture(drags[i].kind)));
        QLabel *caption = new QLabel(tr(drags[i].caption), this);
        caption->setWordWrap(true);
        pictures->addWidget(picture, 0, i, Qt::AlignHCenter);
        pictures->addWidget(caption, 1, i, Qt::AlignHCenter | Qt::AlignTop);
    }
    // What almost every puzzle turns on.
    QLabel *kept = new QLabel(this);
    kept->setPixmap(QPixmap::fromImage(keptSpeedPicture()));
    QLabel *keptCaption = new QLabel(tr("A particle keeps its speed after its well is removed."), this);
    keptCaption->setWordWrap(true);
    pictures->addWidget(kept, 0, 2, Qt::AlignHCenter);
    pictures->addWidget(keptCaption, 1, 2, Qt::AlignHCenter | Qt::AlignTop);
    layout->addLayout(pictures);

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
