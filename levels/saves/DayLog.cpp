#include "levels/saves/DayLog.h"

#include "levels/format/UntrustedText.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace {
const char magic[] = "swirlfall-days 1";
const char dayFormat[] = "yyyy-MM-dd";
// A pass longer than a day is none, and no level has more wells than this, nor its proof more to
// hint.
constexpr quint32 maxMs = 86400000;
constexpr int maxWells = 40;

} // namespace

bool DayLog::read(const QByteArray &bytes, DayLog *log, QString *why)
{
    const auto refuse = [why](int line, const QString &what) {
        *why = QCoreApplication::translate("DayLog", "not a file of days: line %1: %2").arg(QString::number(line), what);
        return false;
    };
    *why = UntrustedText::sizeProblem(bytes, maxFileBytes, QCoreApplication::translate("DayLog", "a file of days"));
    QString text;
    if (!why->isEmpty() || !UntrustedText::decode(bytes, &text, why))
        return false;
    if (!text.endsWith(QLatin1Char('\n')))
        return refuse(int(text.count(QLatin1Char('\n'))) + 1, QCoreApplication::translate("DayLog", "it does not end with a whole line"));
    const QStringList lines = text.left(text.size() - 1).split(QLatin1Char('\n'));
    if (lines.first() != QLatin1String(magic))
        return refuse(1, QCoreApplication::translate("DayLog", "it is not \"%1\"").arg(QLatin1String(magic)));
    if (lines.size() - 1 > maxDays)
        return refuse(maxDays + 2, QCoreApplication::translate("DayLog", "more than %1 days").arg(maxDays));
    static const QRegularExpression form(QStringLiteral("^([0-9]{4}-[0-9]{2}-[0-9]{2}) ([0-9]{4}-[0-9]{2}-[0-9]{2}) ([1-9][0-9]{0,7}) (0|[1-9][0-9]?) (0|[1-9][0-9]?)$"));
    DayLog read;
    for (int i = 1; i < lines.size(); ++i) {
        const QRegularExpressionMatch m = form.match(lines.at(i));
        Day day;
        if (m.hasMatch()) {
            day.day = QDate::fromString(m.captured(1), QLatin1String(dayFormat));
            day.passedOn = QDate::fromString(m.captured(2), QLatin1String(dayFormat));
            day.ms = m.captured(3).toUInt();
            day.wells = m.captured(4).toInt();
            day.hints = m.captured(5).toInt();
        }
        if (!day.day.isValid() || !day.passedOn.isValid() || day.ms == 0 || day.ms > maxMs || day.wells > maxWells || day.hints > maxWells)
            return refuse(i + 1, QCoreApplication::translate("DayLog", "not a day, the day passed on, a time, wells and hints"));
        if (day.passedOn < day.day || (!read.kept.isEmpty() && read.kept.lastKey() >= day.day))
            return refuse(i + 1, QCoreApplication::translate("DayLog", "a day out of order, or passed before it came"));
        read.pass(day);
    }
    *log = read;
    return true;
}

QByteArray DayLog::write() const
{
    QString text = QLatin1String(magic) + QLatin1Char('\n');
    for (const Day &day : kept) {
        text += QStringLiteral("%1 %2 %3 %4 %5\n")
                    .arg(day.day.toString(QLatin1String(dayFormat)), day.passedOn.toString(QLatin1String(dayFormat)),
                         QString::number(day.ms), QString::number(day.wells), QString::number(day.hints));
    }
    return text.toUtf8();
}

bool DayLog::pass(const Day &passed)
{
    if (passed.passedOn < passed.day)
        return false;
    const auto found = kept.find(passed.day);
    if (found == kept.end()) {
        kept.insert(passed.day, passed);
        while (kept.size() > maxDays)
            kept.erase(kept.begin());
    } else if (found->onItsDay() == passed.onItsDay() && passed.ms < found->ms) {
        found->ms = passed.ms;
        found->wells = passed.wells;
        found->hints = passed.hints;
    } else {
        return false;
    }
    if (!firstPlayed.isValid() || passed.passedOn < firstPlayed)
        firstPlayed = passed.passedOn;
    return true;
}

const DayLog::Day *DayLog::find(const QDate &day) const
{
    const auto found = kept.constFind(day);
    return found == kept.constEnd() ? nullptr : &found.value();
}

DayLog::Mark DayLog::mark(const QDate &day, const QDate &today) const
{
    if (const Day *passed = find(day))
        return passed->onItsDay() ? OnItsDay : Late;
    return firstPlayed.isValid() && day >= firstPlayed && day < today ? Missed : Unplayed;
}

int DayLog::onTheirDay() const
{
    return int(std::count_if(kept.begin(), kept.end(), [](const Day &day) { return day.onItsDay(); }));
}

int DayLog::runEndingOn(const QDate &day) const
{
    int run = 0;
    for (const Day *passed = find(day); passed && passed->onItsDay(); passed = find(day.addDays(-run)))
        ++run;
    return run;
}

DailyStreak DayLog::streak() const
{
    DailyStreak rebuilt;
    for (const Day &day : kept) {
        if (day.onItsDay())
            rebuilt.pass(day.day, day.day);
    }
    return rebuilt;
}
