#ifndef SWIRLFALL_HOWTOPLAY_H
#define SWIRLFALL_HOWTOPLAY_H

#include <QDialog>
#include <QList>

class KeyTable;
class QAction;

// How to play, in a window beside the game's: the goal of a level, pictures of the drags that set
// a blue and a red well and of a hint (drawn by the game's own painting), the puzzles and the days
// in a row, what the mouse does and every key, listed from the window's own actions.
class HowToPlay : public QDialog
{
    Q_OBJECT

public:
    HowToPlay(const QList<QAction *> &actions, QWidget *parent = nullptr);

    const KeyTable *mouse() const { return mouseTable; }
    const KeyTable *keys() const { return keyTable; }
    // A well of kind, grown in, and the drag that sets it, as the playfield shows them.
    static QImage wellPicture(int kind);
    // A particle's way, pulled by its well and going on as fast once the well is removed, as the
    // game's own step moves it.
    static QImage keptSpeedPicture();
    // A hint's mark: where and when the solution sets a well.
    static QImage hintPicture();

private:
    KeyTable *mouseTable;
    KeyTable *keyTable;
};

#endif
