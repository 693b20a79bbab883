#include "sim/LevelObject.h"

LevelObject::LevelObject(int x, int y, int kind)
    : QPointF(x, y),
      kind(kind),
      glyphPen(QBrush(Qt::white, Qt::SolidPattern), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin)
{
}

LevelObject::~LevelObject() = default;
