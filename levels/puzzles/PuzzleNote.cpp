#include "levels/puzzles/PuzzleNote.h"

#include <QRegularExpression>

namespace {
constexpr int percent = 100;
} // namespace

namespace PuzzleNote {

QString of(const Seed &seed, const LevelGenerator::Difficulty &difficulty)
{
    return QStringLiteral("generated from the seed %1; wells its proof sets: %2; slightly-off replays of it "
                          "that pass: %3%; single wells set at random that pass: %4%")
        .arg(seed.text(), QString::number(difficulty.wells), QString::number(difficulty.forgivingPercent),
             QString::number(difficulty.giveAwayPercent));
}

std::optional<LevelGenerator::Generated> read(const Level &level)
{
    static const QRegularExpression form(QStringLiteral("^generated from the seed (\\S+); wells its proof sets: ([0-9]{1,2}); "
                                                        "slightly-off replays of it that pass: ([0-9]{1,3})%; "
                                                        "single wells set at random that pass: ([0-9]{1,3})%$"));
    const QRegularExpressionMatch m = form.match(level.note);
    LevelGenerator::Generated made;
    QString why;
    if (!m.hasMatch() || !Seed::parse(m.captured(1), &made.seed, &why) || made.seed.text() != m.captured(1))
        return std::nullopt;
    made.difficulty.wells = m.captured(2).toInt();
    made.difficulty.forgivingPercent = m.captured(3).toInt();
    made.difficulty.giveAwayPercent = m.captured(4).toInt();
    if (made.difficulty.forgivingPercent > percent || made.difficulty.giveAwayPercent > percent)
        return std::nullopt;
    made.level = level;
    return made;
}

} // namespace PuzzleNote
