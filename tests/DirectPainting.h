#ifndef SWIRLFALL_DIRECTPAINTING_H
#define SWIRLFALL_DIRECTPAINTING_H

#include "game/GameWidget.h"

#include <QPainter>
#include <QWidget>

// Paints a game's whole scene straight onto a widget of its size, the way the game painted
// itself before it kept its frame in an image: the reference that frame must match.
class DirectPainting : public QWidget
{
public:
    explicit DirectPainting(GameWidget *game)
        : game(game)
    {
        resize(game->size());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        game->drawScene(painter);
    }

private:
    GameWidget *game;
};

#endif
