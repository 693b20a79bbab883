#include "levels/Replay.h"

#include "levels/LevelCatalogue.h"
#include "sim/LevelState.h"
#include "sim/Physics.h"

#include <QRegularExpression>
#include <QStringList>

namespace {
constexpr int playfieldWidth = 800;
constexpr int playfieldHeight = 480;
// The pointer stays off the playfield: the highlight it drives has no effect on play.
const QPoint pointerAway(-1000, -1000);

int removedWells(const LevelState &state)
{
    int removed = 0;
    for (const WellObject &well : state.wells)
        removed += well.isRemoved();
    return removed;
}

bool insidePlayfield(int x, int y)
{
    return x >= 0 && x < playfieldWidth && y >= 0 && y < playfieldHeight;
}
} // namespace

bool Replay::parse(const QString &text, Replay *replay, QString *error)
{
    static const QRegularExpression header(QStringLiteral("^#\\s*level\\s+(\\d+)\\s+time\\s+(\\d+)\\s*$"));
    static const QRegularExpression well(QStringLiteral("^(\\d+)\\s+well\\s+(-?\\d+)\\s+(-?\\d+)\\s+(-?\\d+)$"));
    static const QRegularExpression remove(QStringLiteral("^(\\d+)\\s+remove\\s+(-?\\d+)\\s+(-?\\d+)$"));

    Replay result;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i).trimmed();
        const auto fail = [&](const QString &why) {
            *error = QStringLiteral("line %1: %2").arg(i + 1).arg(why);
            return false;
        };
        if (line.startsWith(QLatin1Char('#'))) {
            const QRegularExpressionMatch m = header.match(line);
            if (m.hasMatch()) {
                result.level = m.captured(1).toInt();
                result.time = m.captured(2).toUInt();
            }
            continue;
        }
        // A comment may also end an action's line.
        line = line.section(QLatin1Char('#'), 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        Action action;
        QRegularExpressionMatch m = well.match(line);
        if (m.hasMatch()) {
            action.kind = m.captured(4).toInt();
            if (action.kind != RedWell && action.kind != BlueWell)
                return fail(QStringLiteral("a well's kind is 0 (red) or 1 (blue)"));
        } else {
            m = remove.match(line);
            if (!m.hasMatch())
                return fail(QStringLiteral("not an action: %1").arg(line));
            action.type = Action::Remove;
        }
        action.tick = m.captured(1).toInt();
        action.x = m.captured(2).toInt();
        action.y = m.captured(3).toInt();
        if (!insidePlayfield(action.x, action.y))
            return fail(QStringLiteral("(%1, %2) is outside the playfield").arg(action.x).arg(action.y));
        if (!result.actions.isEmpty() && action.tick < result.actions.last().tick)
            return fail(QStringLiteral("ticks go backwards"));
        result.actions.append(action);
    }
    if (result.level < 1 || result.level > LevelCatalogue::levelCount) {
        *error = QStringLiteral("no header \"# level <n> time <ms>\" naming a level");
        return false;
    }
    *replay = result;
    return true;
}

QString Replay::toText() const
{
    QString text = QStringLiteral("# level %1 time %2\n").arg(level).arg(time);
    for (const Action &action : actions) {
        if (action.type == Action::Well)
            text += QStringLiteral("%1 well %2 %3 %4\n").arg(action.tick).arg(action.x).arg(action.y).arg(action.kind);
        else
            text += QStringLiteral("%1 remove %2 %3\n").arg(action.tick).arg(action.x).arg(action.y);
    }
    return text;
}

Replay::Result Replay::run(int maxTicks, const Observer &observe) const
{
    LevelState state(0, 0);
    LevelCatalogue::load(level, state, playfieldWidth, playfieldHeight);
    state.start();
    Result result;
    const float dt = Physics::frameInterval / Physics::millisecondsPerTimeUnit;
    int next = 0;
    for (int tick = 0; tick < maxTicks && state.status() == Running; ++tick) {
        for (; next < actions.size() && actions.at(next).tick == tick; ++next) {
            const Action &action = actions.at(next);
            const int wellsBefore = int(state.wells.size());
            if (action.type == Action::Well) {
                state.addWell(action.x, action.y, action.kind);
                result.ignoredActions += state.wells.size() == wellsBefore;
            } else {
                const int removedBefore = removedWells(state);
                state.removeWellAt(action.x, action.y);
                result.ignoredActions += removedWells(state) == removedBefore;
            }
        }
        state.step(dt, pointerAway);
        if (state.status() == Running)
            result.totalTime += Physics::frameInterval;
        if (observe)
            observe(state, tick);
    }
    result.ignoredActions += int(actions.size()) - next;
    result.status = state.status();
    return result;
}
