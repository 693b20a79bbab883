#include "app/chooser/YourDays.h"

#include "app/chooser/DaysCalendar.h"
#include "app/chooser/PuzzleSession.h"
#include "app/chooser/TimesChart.h"
#include "levels/puzzles/Seed.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr double millisecondsPerSecond = 1000;
constexpr int decimals = 2;
const QSize calendarSize(400, 260);

QLabel *plainLabel(QWidget *parent)
{
    QLabel *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}
} // namespace

YourDays::YourDays(const PuzzleSession *session, QWidget *parent)
    : QDialog(parent),
      session(session),
      month(new DaysCalendar(&session->passedDays(), this)),
      times(new TimesChart(&session->passedDays(), this)),
      streak(plainLabel(this)),
      chartTitle(plainLabel(this)),
      day(plainLabel(this)),
      result(plainLabel(this))
{
    setWindowTitle(tr("Your days"));
    month->setMinimumSize(calendarSize);
    result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(month, &QCalendarWidget::selectionChanged, this, &YourDays::describeDay);
    connect(month, &QCalendarWidget::currentPageChanged, times, &TimesChart::showMonth);
    connect(month, &QCalendarWidget::currentPageChanged, this, &YourDays::describeDay);
    connect(month, &QCalendarWidget::activated, this, &YourDays::play);
    connect(session, &PuzzleSession::daysChanged, this, &YourDays::refresh);

    QVBoxLayout *side = new QVBoxLayout;
    side->addWidget(streak);
    side->addWidget(buildLegend());
    side->addStretch(1);
    QHBoxLayout *top = new QHBoxLayout;
    top->addWidget(month, 1);
    top->addLayout(side);

    QDialogButtonBox *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    resultButton = buttons->addButton(tr("Copy result"), QDialogButtonBox::ActionRole);
    resultButton->setObjectName(QStringLiteral("copyResult"));
    resultButton->setAutoDefault(false);
    playButton = buttons->addButton(tr("Play the day's puzzle"), QDialogButtonBox::AcceptRole);
    playButton->setDefault(true);
    connect(resultButton, &QPushButton::clicked, this, &YourDays::copyResult);
    connect(buttons, &QDialogButtonBox::accepted, this, &YourDays::play);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    QVBoxLayout *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(day);
    layout->addWidget(result);
    layout->addWidget(chartTitle);
    layout->addWidget(times, 1);
    layout->addWidget(buttons);
}

QWidget *YourDays::buildLegend()
{
    QWidget *legend = new QWidget(this);
    QGridLayout *rows = new QGridLayout(legend);
    rows->setContentsMargins(0, 0, 0, 0);
    const int size = fontMetrics().height();
    const struct
    {
        DayLog::Mark mark;
        const char *text;
    } marks[] = {{DayLog::OnItsDay, QT_TR_NOOP("passed on its day")},
                 {DayLog::Late, QT_TR_NOOP("passed late")},
                 {DayLog::Missed, QT_TR_NOOP("missed")}};
    for (int i = 0; i < 3; ++i) {
        QLabel *picture = new QLabel(legend);
        picture->setPixmap(DaysCalendar::markPicture(marks[i].mark, size));
        QLabel *text = plainLabel(legend);
        text->setText(tr(marks[i].text));
        rows->addWidget(picture, i, 0);
        rows->addWidget(text, i, 1);
    }
    rows->setColumnStretch(1, 1);
    return legend;
}

void YourDays::showDays()
{
    const QDate today = PuzzleSession::today();
    month->setToday(today);
    month->setSelectedDate(today);
    month->setCurrentPage(today.year(), today.month());
    times->showMonth(today.year(), today.month());
    refresh();
    show();
    raise();
    activateWindow();
    month->setFocus();
}

void YourDays::refresh()
{
    streak->setText(streakText());
    // Drawn afresh, today as it is now: a dialog left open over midnight moves on with it.
    month->setToday(PuzzleSession::today());
    times->update();
    describeDay();
}

QString YourDays::streakText() const
{
    const DayLog &days = session->passedDays();
    return tr("Days in a row: %1\nLongest run of days: %2\nDays played: %3, %4 of them on their day")
        .arg(QString::number(session->streak()), QString::number(session->longestStreak()), QString::number(days.played()),
             QString::number(days.onTheirDay()));
}

QString YourDays::dayText() const
{
    return day->text();
}

void YourDays::describeDay()
{
    const QDate chosen = month->selectedDate();
    const Seed seed = Seed::ofDay(chosen);
    const DayLog::Day *passed = session->passedDays().find(chosen);
    const QLocale here;
    const QDate first(month->yearShown(), month->monthShown(), 1);
    chartTitle->setText(tr("Your times on the puzzles of %1:").arg(here.toString(first, tr("MMMM yyyy", "a month of the calendar"))));
    if (passed && passed->onItsDay()) {
        day->setText(tr("%1: passed on its day, in %2 s.").arg(seed.shownName(), here.toString(passed->ms / millisecondsPerSecond, 'f', decimals)));
    } else if (passed) {
        day->setText(tr("%1: passed late, on %2, in %3 s.")
                         .arg(seed.shownName(), here.toString(passed->passedOn, tr("d MMMM", "the day a puzzle was passed late on")),
                              here.toString(passed->ms / millisecondsPerSecond, 'f', decimals)));
    } else if (chosen == PuzzleSession::today()) {
        day->setText(tr("%1: today's, to pass today for the days in a row.").arg(seed.shownName()));
    } else {
        day->setText(tr("%1: not passed; it can still be played, late.").arg(seed.shownName()));
    }
    const QString shared = session->result(seed);
    result->setText(shared.isEmpty() ? QString() : tr("To share: %1").arg(shared));
    resultButton->setEnabled(!shared.isEmpty());
}

void YourDays::play()
{
    const QDate chosen = month->selectedDate();
    if (!chosen.isValid() || chosen > PuzzleSession::today())
        return;
    accept();
    emit dayChosen(chosen);
}

void YourDays::copyResult()
{
    QGuiApplication::clipboard()->setText(session->result(Seed::ofDay(month->selectedDate())));
}
