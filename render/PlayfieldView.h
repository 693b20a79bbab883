#ifndef SWIRLFALL_PLAYFIELDVIEW_H
#define SWIRLFALL_PLAYFIELDVIEW_H

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QTransform>

// Where the playfield stands in a widget of any size: scaled uniformly to the largest size that
// fits, and centred. In a widget of the playfield's own size it stands as it is, unscaled. The
// game itself lives in playfield coordinates; painting goes through transform(), and the
// pointer comes back through toPlayfield().
class PlayfieldView
{
public:
    PlayfieldView() = default;
    PlayfieldView(const QSize &playfield, const QSize &widget);

    bool operator==(const PlayfieldView &other) const;

    // Playfield coordinates to the widget's.
    const QTransform &transform() const { return toWidget; }
    // The playfield's rectangle in the widget, in whole pixels.
    const QRect &rect() const { return shown; }
    QPoint toPlayfield(const QPointF &widgetPoint) const;
    // The widget's pixels that a playfield region covers, a pixel more on every side.
    QRegion toWidgetRegion(const QRegion &playfieldRegion) const;

private:
    QTransform toWidget;
    QTransform fromWidget;
    QRect shown;
};

#endif
