#include "levels/saves/DailyStreak.h"

#include "levels/format/UntrustedText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace {
const char magic[] = "swirlfall-streak 1";
const char dayFormat[] = "yyyy-MM-dd";
// More days than a person plays in a lifetime are no streak.
constexpr int maxDays = 100000;
} // namespace

bool DailyStreak::read(const QByteArray &bytes, DailyStreak *streak, QString *why)
{
    const auto refuse = [why](const QString &what) {
        *why = what;
        return false;
    };
    *why = UntrustedText::sizeProblem(bytes, maxFileBytes, QCoreApplication::translate("DailyStreak", "a streak"));
    QString text;
    if (!why->isEmpty() || !UntrustedText::decode(bytes, &text, why))
        return false;
    static const QRegularExpression form(QStringLiteral("^swirlfall-streak 1\\ndays ([0-9]{1,6})\\nlongest ([0-9]{1,6})\\n"
                                                        "last ([0-9]{4}-[0-9]{2}-[0-9]{2}|none)\\n$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return refuse(QCoreApplication::translate("DailyStreak", "not a streak: it is not \"%1\" and its three lines").arg(QLatin1String(magic)));
    DailyStreak read;
    read.run = m.captured(1).toInt();
    read.best = m.captured(2).toInt();
    read.last = QDate::fromString(m.captured(3), QLatin1String(dayFormat));
    const bool none = m.captured(3) == QLatin1String("none");
    if (read.run > maxDays || read.best > maxDays || read.best < read.run || none != (read.run == 0) || (!none && !read.last.isValid()))
        return refuse(QCoreApplication::translate("DailyStreak", "not a streak: its days, longest and last day do not agree"));
    *streak = read;
    return true;
}

QByteArray DailyStreak::write() const
{
    const QString last = run > 0 ? this->last.toString(QLatin1String(dayFormat)) : QStringLiteral("none");
    return QStringLiteral("%1\ndays %2\nlongest %3\nlast %4\n")
        .arg(QLatin1String(magic), QString::number(run), QString::number(best), last)
        .toUtf8();
}

bool DailyStreak::pass(const QDate &day, const QDate &today)
{
    if (day != today || (run > 0 && last == today))
        return false;
    run = run > 0 && last == today.addDays(-1) ? run + 1 : 1;
    best = qMax(best, run);
    last = today;
    return true;
}

int DailyStreak::days(const QDate &today) const
{
    return run > 0 && (last == today || last == today.addDays(-1)) ? run : 0;
}
