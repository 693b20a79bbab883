#include "app/chooser/TimesChart.h"

#include "app/chooser/DaysCalendar.h"

#include <QLocale>
#include <QPainter>

namespace {
const QSize preferred(420, 120);
// A dialog squeezed to its least still shows the bars.
const QSize least(210, 80);
constexpr int gap = 4;
constexpr double millisecondsPerSecond = 1000;
constexpr int decimals = 2;
} // namespace

TimesChart::TimesChart(const DayLog *days, QWidget *parent)
    : QWidget(parent),
      days(days)
{
}

QSize TimesChart::sizeHint() const
{
    return preferred;
}

QSize TimesChart::minimumSizeHint() const
{
    return least;
}

void TimesChart::showMonth(int year, int month)
{
    first = QDate(year, month, 1);
    update();
}

void TimesChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    quint32 slowest = 0;
    for (int day = 0; day < first.daysInMonth(); ++day) {
        if (const DayLog::Day *passed = days->find(first.addDays(day)))
            slowest = qMax(slowest, passed->ms);
    }
    if (slowest == 0) {
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, tr("No puzzle of a day passed in this month."));
        return;
    }
    // The slowest time beside the top, the month's first and last day under its ends.
    const QFontMetrics metrics = fontMetrics();
    const QString top = tr("%1 s").arg(QLocale().toString(slowest / millisecondsPerSecond, 'f', decimals));
    const int left = metrics.horizontalAdvance(top) + gap;
    const QRect plot(left, metrics.height() / 2, width() - left - 1, height() - metrics.height() * 3 / 2 - gap);
    painter.drawText(QRect(0, 0, left - gap, metrics.height()), Qt::AlignRight | Qt::AlignTop, top);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    const double barWidth = double(plot.width()) / first.daysInMonth();
    const QRect under(plot.left(), plot.bottom() + gap, plot.width(), metrics.height());
    painter.drawText(under, Qt::AlignLeft | Qt::AlignTop, QLocale().toString(first, QStringLiteral("d MMM")));
    painter.drawText(under, Qt::AlignRight | Qt::AlignTop,
                     QLocale().toString(first.addDays(first.daysInMonth() - 1), QStringLiteral("d MMM")));
    painter.setPen(Qt::NoPen);
    for (int day = 0; day < first.daysInMonth(); ++day) {
        const DayLog::Day *passed = days->find(first.addDays(day));
        if (!passed)
            continue;
        const double high = plot.height() * double(passed->ms) / slowest;
        painter.setBrush(DaysCalendar::markColor(passed->onItsDay() ? DayLog::OnItsDay : DayLog::Late));
        painter.drawRect(QRectF(plot.left() + day * barWidth + 1, plot.bottom() - high, barWidth - 2, high));
    }
}
