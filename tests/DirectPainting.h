#ifndef SWIRLFALL_DIRECTPAINTING_H
#define SWIRLFALL_DIRECTPAINTING_H

#include "game/GameWidget.h"

#include <QPainter>
#include <QTransform>
#include <QWidget>

// Paints a game's whole scene straight onto a widget, through the view that scales the
// playfield in full screen, the way the game painted itself before it kept its frame in an
// image: the reference that frame must match. Render it with the playfield's rectangle as the
// region, which clips the paint as Qt's own paints are clipped.
class DirectPainting : public QWidget
{
public:
    explicit DirectPainting(GameWidget *game, const QTransform &view = QTransform())
        : game(game),
          view(view)
    {
        resize(game->size());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setTransform(view);
        game->drawScene(painter);
    }

private:
    GameWidget *game;
    QTransform view;
};

#endif
