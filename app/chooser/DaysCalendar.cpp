#include "app/chooser/DaysCalendar.h"

#include <QLocale>
#include <QPainter>

namespace {
const QColor onItsDayColor(46, 160, 67);
const QColor lateColor(214, 140, 0);
const QColor missedColor(200, 55, 45);
const QColor todayColor(51, 153, 255);
// A mark's size as a share of the cell's height, and the pen of a ring or a cross.
constexpr double markShare = 0.3;
constexpr double markPen = 2.0;
constexpr int todayPen = 2;
constexpr int widestDay = 28;

// The mark of a day drawn in the square box.
void drawMark(QPainter &painter, DayLog::Mark mark, const QRectF &box)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (mark) {
    case DayLog::OnItsDay:
        painter.setPen(Qt::NoPen);
        painter.setBrush(DaysCalendar::markColor(mark));
        painter.drawEllipse(box);
        break;
    case DayLog::Late:
        painter.setPen(QPen(DaysCalendar::markColor(mark), markPen));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(box.adjusted(markPen / 2, markPen / 2, -markPen / 2, -markPen / 2));
        break;
    case DayLog::Missed:
        painter.setPen(QPen(DaysCalendar::markColor(mark), markPen, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
        break;
    case DayLog::Unplayed:
        break;
    }
    painter.restore();
}
} // namespace

DaysCalendar::DaysCalendar(const DayLog *days, QWidget *parent)
    : QCalendarWidget(parent),
      days(days)
{
    setLocale(QLocale());
    setFirstDayOfWeek(QLocale().firstDayOfWeek());
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(false);
}

QColor DaysCalendar::markColor(DayLog::Mark mark)
{
    return mark == DayLog::OnItsDay ? onItsDayColor : mark == DayLog::Late ? lateColor : missedColor;
}

void DaysCalendar::setToday(const QDate &day)
{
    today = day;
    setMaximumDate(today);
    updateCells();
}

QPixmap DaysCalendar::markPicture(DayLog::Mark mark, int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    drawMark(painter, mark, QRectF(markPen, markPen, size - 2 * markPen, size - 2 * markPen));
    return picture;
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
void DaysCalendar::paintCell(QPainter *painter, const QRect &rect, QDate date) const
#else
void DaysCalendar::paintCell(QPainter *painter, const QRect &rect, const QDate &date) const
#endif
{
    // A day still to come cannot be chosen, and looks it.
    if (date > today) {
        painter->fillRect(rect, palette().brush(QPalette::Base));
        painter->setPen(palette().color(QPalette::Disabled, QPalette::Text));
        painter->drawText(rect, Qt::AlignCenter, locale().toString(date.day()));
        return;
    }
    QCalendarWidget::paintCell(painter, rect, date);
    // Beside the day's number, right of the widest a month has.
    const double side = rect.height() * markShare;
    const double after = fontMetrics().horizontalAdvance(locale().toString(widestDay)) / 2.0 + markPen;
    const QRectF box(rect.center().x() + after, rect.center().y() - side / 2, side, side);
    drawMark(*painter, days->mark(date, today), box);
    if (date == today) {
        painter->save();
        painter->setPen(QPen(todayColor, todayPen));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(1, 1, -todayPen, -todayPen));
        painter->restore();
    }
}
