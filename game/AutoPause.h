#ifndef SWIRLFALL_AUTOPAUSE_H
#define SWIRLFALL_AUTOPAUSE_H

#include <QObject>

class GameWidget;
class QWidget;

// Pauses a running level when its window stops being the active one, is minimised or is hidden:
// a phone call in the middle of a level costs no attempt. Full screen and the menus, which leave
// the window active, do not pause it.
class AutoPause : public QObject
{
    Q_OBJECT

public:
    AutoPause(GameWidget *game, QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    GameWidget *game;
    QWidget *window;
};

#endif
