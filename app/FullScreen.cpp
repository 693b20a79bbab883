// Full screen: the window's state is set, as desktop libraries advise (showFullScreen and
// showNormal would reset its other states). While it lasts the menu bar is hidden and the window
// and the game give up their fixed size, so that the game can show the playfield scaled to the
// screen; leaving it brings the fixed-size window with its menu bar back, on the same level.
#include "app/vorticade.h"

#include "game/GameWidget.h"

#include <QEvent>
#include <QMenuBar>

void vorticade::toggleFullScreen()
{
    // A window manager may refuse to enlarge a window whose size is fixed.
    if (!(windowState() & Qt::WindowFullScreen))
        releaseFixedSize();
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void vorticade::releaseFixedSize()
{
    for (QWidget *widget : {static_cast<QWidget *>(this), centralWidget()}) {
        widget->setMinimumSize(0, 0);
        widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

// Also when the window manager changes the state by itself.
void vorticade::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const bool full = windowState() & Qt::WindowFullScreen;
    menuBar()->setVisible(!full);
    if (full) {
        releaseFixedSize();
    } else {
        centralWidget()->setFixedSize(GameWidget::playfieldSize());
        setFixedSize(sizeHint());
    }
    emit fullScreenChanged(full);
}
