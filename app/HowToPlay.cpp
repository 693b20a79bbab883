#include "app/HowToPlay.h"

#include "app/widgets/KeyTable.h"
#include "render/Scene.h"
#include "render/ScenePainter.h"
#include "sim/LevelState.h"
#include "sim/Physics.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace {
const QSize pictureSize(180, 120);
// The well stands left of the picture's centre, or above it, so that its drag fits.
const QPoint blueWellAt(60, 60);
const QPoint redWellAt(90, 30);
constexpr int dragLength = 60;
constexpr int windowWidth = 760;

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

HowToPlay::HowToPlay(const QList<QAction *> &actions, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("How to play"));
    setMinimumWidth(windowWidth);
    QVBoxLayout *layout = new QVBoxLayout(this);

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
        pictures->addWidget(picture, 0, i, Qt::AlignHCenter);
        pictures->addWidget(caption, 1, i, Qt::AlignHCenter | Qt::AlignTop);
    }
    layout->addLayout(pictures);

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
    layout->addWidget(buttons);
}
