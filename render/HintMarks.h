#ifndef SWIRLFALL_HINTMARKS_H
#define SWIRLFALL_HINTMARKS_H

#include "render/Scene.h"

#include <QCoreApplication>
#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;

// A hint as the playfield marks it: a faint well of its kind where the proof sets it, crossed out
// when the proof takes it away again, and when each happens written by it, whole on the playfield
// and clear of the other texts where it can be.
class HintMarks
{
    Q_DECLARE_TR_FUNCTIONS(HintMarks)

public:
    static void drawMark(QPainter &painter, const Scene::Hint &hint);
    // Where drawMark inks.
    static QRect markBound(const Scene::Hint &hint);
    // "at the start", "at 1.20 s", and for a well taken away a line "taken away at 2.50 s".
    static QString moments(const Scene::Hint &hint);
    // The rectangle its moments fill, as metrics measures them.
    static QRect momentsRect(const Scene::Hint &hint, const QFontMetrics &metrics);

private:
    static QString moment(int tick);
};

#endif
