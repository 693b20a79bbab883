#include "levels/puzzles/Seed.h"

#include "levels/format/UntrustedText.h"

#include <QLocale>
#include <QRegularExpression>

namespace {
const char *const tierWords[] = {"easy", "medium", "hard"};
const char dailyWord[] = "daily";
const char *const tierNames[] = {QT_TRANSLATE_NOOP("Seed", "Easy"), QT_TRANSLATE_NOOP("Seed", "Medium"),
                                 QT_TRANSLATE_NOOP("Seed", "Hard")};
// The puzzle of a day is of the middle tier.
constexpr Seed::Tier dailyTier = Seed::Medium;
// A level's name in its file is the same in every language.
const char *const monthNames[] = {"January", "February", "March", "April", "May", "June", "July",
                                  "August", "September", "October", "November", "December"};
const char dayFormat[] = "yyyy-MM-dd";
// The first day each generator made the day's puzzle, from version 2 on; version 1 made none.
constexpr int firstDailyVersion = 2;
const QDate firstDays[] = {QDate(2026, 12, 11)};
} // namespace

bool Seed::parse(const QString &text, Seed *seed, QString *error)
{
    // A word is letters of any script, digits and marks, with - _ and . between them; the same
    // word however it was typed: trimmed, in lower case, its accents composed.
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,9})-(\\p{L}+)-([\\p{L}\\p{N}\\p{M}]+(?:[-_.][\\p{L}\\p{N}\\p{M}]+)*)$"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    const QString written = text.trimmed().toLower().normalized(QString::NormalizationForm_C);
    const QRegularExpressionMatch m = form.match(written);
    const QString typed = UntrustedText::typed(text.trimmed());
    const auto refuse = [&](const QString &why) {
        *error = why;
        return false;
    };
    if (!m.hasMatch())
        return refuse(tr("\u201c%1\u201d is not a seed: a seed is the generator's version, a tier and a word of letters "
                         "and digits (and - _ . between them), as 3-easy-42.")
                          .arg(typed));
    const int version = m.captured(1).toInt();
    if (version < 1 || version > latestVersion)
        return refuse(tr("\u201c%1\u201d is a seed of generator %2; this game's generators are 1 to %3.")
                          .arg(typed, m.captured(1), QString::number(latestVersion)));
    const int length = int(m.captured(3).toUcs4().size());
    if (length > maxWordLength)
        return refuse(tr("\u201c%1\u201d is not a seed: its word has %2 characters, and a seed's word has at most %3.")
                          .arg(typed, QString::number(length), QString::number(maxWordLength)));
    Seed read;
    read.version = version;
    read.word = m.captured(3);
    if (m.captured(2) == QLatin1String(dailyWord)) {
        read.tier = dailyTier;
        read.day = QDate::fromString(read.word, QLatin1String(dayFormat));
        if (!read.day.isValid())
            return refuse(tr("\u201c%1\u201d is not a seed: the puzzle of a day is named by its date, as 3-daily-2026-12-20.")
                              .arg(typed));
        *seed = read;
        return true;
    }
    for (int tier = Easy; tier <= Hard; ++tier) {
        if (m.captured(2) == QLatin1String(tierWords[tier])) {
            read.tier = Tier(tier);
            *seed = read;
            return true;
        }
    }
    return refuse(tr("\u201c%1\u201d is not a seed: its tier is easy, medium, hard or daily, not \u201c%2\u201d.")
                      .arg(typed, m.captured(2)));
}

int Seed::versionOfDay(const QDate &day)
{
    int version = firstDailyVersion;
    for (const QDate &first : firstDays)
        version += day >= first;
    return version;
}

Seed Seed::ofDay(const QDate &day)
{
    Seed seed;
    seed.version = versionOfDay(day);
    seed.tier = dailyTier;
    seed.day = day;
    seed.word = day.toString(QLatin1String(dayFormat));
    return seed;
}

Seed Seed::of(Tier tier, const QString &word)
{
    Seed seed;
    seed.tier = tier;
    seed.word = word;
    return seed;
}

QString Seed::text() const
{
    const QLatin1String tierWord(day.isValid() ? dailyWord : tierWords[tier]);
    return QStringLiteral("%1-%2-%3").arg(QString::number(version), tierWord, word);
}

QString Seed::fileName() const
{
    if (day.isValid()) {
        return QStringLiteral("Puzzle of %1 %2 %3")
            .arg(QString::number(day.day()), QLatin1String(monthNames[day.month() - 1]), QString::number(day.year()));
    }
    return QLatin1String(tierNames[tier]) + QLatin1Char(' ') + word;
}

QString Seed::shownName() const
{
    if (day.isValid())
        return tr("Puzzle of %1").arg(QLocale().toString(day, tr("d MMMM yyyy", "the day of a puzzle of the day")));
    return tierName(tier) + QLatin1Char(' ') + word;
}

QString Seed::tierName(Tier tier)
{
    return tr(tierNames[tier]);
}
