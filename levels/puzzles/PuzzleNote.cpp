#include "levels/puzzles/PuzzleNote.h"

#include <QHash>
#include <QRegularExpression>

namespace {
constexpr int percent = 100;
// What a note's parts say, by the words before their number; a later generator says more.
const char seedPart[] = "generated from the seed ";
const char wellsPart[] = "wells its proof sets";
const char playsPart[] = "plans a model of a player tries before its first pass";
const char forgivingParts[][48] = {"slightly-off replays of it that pass", "slightly-off replays of its plan that pass"};
const char giveAwayPart[] = "single wells set at random that pass";
constexpr int maxWells = 99;
constexpr int maxPlays = 999999;
} // namespace

namespace PuzzleNote {

QString of(const Seed &seed, const LevelGenerator::Difficulty &difficulty)
{
    return QStringLiteral("%1%2; %3: %4; %5: %6%; %7: %8%")
        .arg(QLatin1String(seedPart), seed.text(), QLatin1String(wellsPart), QString::number(difficulty.wells),
             QLatin1String(forgivingParts[0]), QString::number(difficulty.forgivingPercent), QLatin1String(giveAwayPart),
             QString::number(difficulty.giveAwayPercent));
}

std::optional<LevelGenerator::Generated> read(const Level &level)
{
    // Each part once, every number within bounds, nothing else: or it is no puzzle's note.
    const QStringList parts = level.note.split(QStringLiteral("; "));
    LevelGenerator::Generated made;
    QString why;
    if (!parts.first().startsWith(QLatin1String(seedPart))
        || !Seed::parse(parts.first().mid(int(qstrlen(seedPart))), &made.seed, &why)
        || made.seed.text() != parts.first().mid(int(qstrlen(seedPart))))
        return std::nullopt;
    static const QRegularExpression part(QStringLiteral("^([a-z -]+): ([0-9]{1,6})(%?)$"));
    static const QRegularExpression idea(QStringLiteral("^idea: [a-z-]{1,40}$"));
    QHash<QString, int> numbers;
    for (const QString &said : parts.mid(1)) {
        const QRegularExpressionMatch m = part.match(said);
        const QString name = said.section(QStringLiteral(": "), 0, 0);
        if (numbers.contains(name) || (!m.hasMatch() && !idea.match(said).hasMatch()))
            return std::nullopt;
        if (!m.hasMatch()) {
            numbers.insert(name, 0);
            continue;
        }
        const bool share = !m.captured(3).isEmpty();
        const bool named = share ? m.captured(1) == QLatin1String(giveAwayPart) || m.captured(1) == QLatin1String(forgivingParts[0])
                                       || m.captured(1) == QLatin1String(forgivingParts[1])
                                 : m.captured(1) == QLatin1String(wellsPart) || m.captured(1) == QLatin1String(playsPart);
        if (!named || (share && m.captured(2).toInt() > percent))
            return std::nullopt;
        numbers.insert(m.captured(1), m.captured(2).toInt());
    }
    const int forgiving = numbers.value(QLatin1String(forgivingParts[0]), numbers.value(QLatin1String(forgivingParts[1]), -1));
    if (!numbers.contains(QLatin1String(wellsPart)) || !numbers.contains(QLatin1String(giveAwayPart)) || forgiving < 0
        || numbers.value(QLatin1String(wellsPart)) > maxWells || numbers.value(QLatin1String(playsPart)) > maxPlays)
        return std::nullopt;
    made.difficulty.wells = numbers.value(QLatin1String(wellsPart));
    made.difficulty.plays = numbers.value(QLatin1String(playsPart));
    made.difficulty.forgivingPercent = forgiving;
    made.difficulty.giveAwayPercent = numbers.value(QLatin1String(giveAwayPart));
    made.level = level;
    return made;
}

} // namespace PuzzleNote
