#include "levels/format/Replay.h"

#include "levels/format/Level.h"
#include "levels/format/UntrustedText.h"
#include "sim/Drag.h"
#include "sim/FrameTick.h"
#include "sim/LevelState.h"
#include "sim/Physics.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace {
// The pointer stays off the playfield: the highlight it drives has no effect on play.
const QPoint pointerAway(-1000, -1000);
QString noun()
{
    return QCoreApplication::translate("Replay", "a replay");
}

// Past the 20 px that tell a drag from a click.
constexpr int dragLength = 40;


} // namespace

QPoint Replay::Action::release() const
{
    if (type == Remove)
        return press();
    return press() + (kind == BlueWell ? QPoint(dragLength, 0) : QPoint(0, dragLength));
}

bool Replay::Action::isWithinReach() const
{
    const int w = Physics::playfieldWidth;
    const int h = Physics::playfieldHeight;
    return x >= -w && x < 2 * w && y >= -h && y < 2 * h;
}

Replay::Action Replay::Action::of(int tick, const Drag &drag)
{
    if (drag.isClick())
        return {tick, Remove, drag.end.x(), drag.end.y(), 0};
    return {tick, Well, drag.start.x(), drag.start.y(), drag.wellKind()};
}

bool Replay::parse(const QString &text, int levels, Replay *replay, QString *error)
{
    Replay result;
    if (!parseLines(text.split(QLatin1Char('\n')), 0, levels, &result, error))
        return false;
    if (result.level == 0) {
        *error = QCoreApplication::translate("Replay", "no header \"# level <n> time <ms>\" names the level");
        return false;
    }
    *replay = result;
    return true;
}

bool Replay::parseLines(const QStringList &lines, int first, int levels, Replay *replay, QString *error)
{
    static const QRegularExpression headerLine(QStringLiteral("^#\\s*level\\s+([0-9]+)\\s+time\\s+([0-9]+)\\s*$"));
    static const QRegularExpression well(QStringLiteral("^([0-9]+)\\s+well\\s+(-?[0-9]+)\\s+(-?[0-9]+)\\s+(-?[0-9]+)$"));
    static const QRegularExpression remove(QStringLiteral("^([0-9]+)\\s+remove\\s+(-?[0-9]+)\\s+(-?[0-9]+)$"));

    Replay &result = *replay;
    for (int i = first; i < lines.size(); ++i) {
        const auto fail = [&](const QString &why) {
            *error = QCoreApplication::translate("Replay", "line %1: %2").arg(QString::number(i + 1), why);
            return false;
        };
        if (lines.at(i).size() > maxLineLength)
            return fail(QCoreApplication::translate("Replay", "longer than %1 characters").arg(maxLineLength));
        QString line = lines.at(i).trimmed();
        // Every number must fit: an overlong one would otherwise read as 0.
        bool fits = true;
        const auto number = [&fits](const QRegularExpressionMatch &m, int group) {
            bool ok = false;
            const int value = m.captured(group).toInt(&ok);
            fits = fits && ok;
            return value;
        };
        if (line.startsWith(QLatin1Char('#'))) {
            const QRegularExpressionMatch m = headerLine.match(line);
            if (levels > 0 && m.hasMatch()) {
                result.level = number(m, 1);
                bool timeFits = false;
                result.time = m.captured(2).toUInt(&timeFits);
                if (!fits || !timeFits)
                    return fail(QCoreApplication::translate("Replay", "a number too large"));
                if (result.level < 1 || result.level > levels)
                    return fail(QCoreApplication::translate("Replay", "there is no level %1 (the levels are 1 to %2)")
                                    .arg(result.level)
                                    .arg(levels));
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
            action.kind = number(m, 4);
            if (fits && action.kind != RedWell && action.kind != BlueWell)
                return fail(QCoreApplication::translate("Replay", "a well's kind is 0 (red) or 1 (blue)"));
        } else {
            m = remove.match(line);
            if (!m.hasMatch())
                return fail(QCoreApplication::translate("Replay", "not an action: %1").arg(UntrustedText::printable(line)));
            action.type = Action::Remove;
        }
        action.tick = number(m, 1);
        action.x = number(m, 2);
        action.y = number(m, 3);
        if (!fits)
            return fail(QCoreApplication::translate("Replay", "a number too large"));
        if (!action.isWithinReach())
            return fail(QCoreApplication::translate("Replay", "(%1, %2) is too far off the playfield").arg(QString::number(action.x), QString::number(action.y)));
        if (!result.actions.isEmpty() && action.tick < result.actions.last().tick)
            return fail(QCoreApplication::translate("Replay", "ticks go backwards"));
        result.actions.append(action);
    }
    return true;
}

bool Replay::read(const QByteArray &bytes, int levels, Replay *replay, QString *error)
{
    *error = UntrustedText::sizeProblem(bytes, maxFileBytes, noun());
    return error->isEmpty() && parse(QString::fromUtf8(bytes), levels, replay, error);
}

bool Replay::readFile(const QString &path, int levels, Replay *replay, QString *error)
{
    QByteArray bytes;
    QString why;
    if (UntrustedText::readFile(path, maxFileBytes, noun(), &bytes, &why) && read(bytes, levels, replay, &why))
        return true;
    *error = path + QStringLiteral(": ") + why;
    return false;
}

QString Replay::toText() const
{
    return QStringLiteral("# level %1 time %2\n").arg(QString::number(level), QString::number(time)) + actionsText();
}

QString Replay::actionsText() const
{
    QString text;
    for (const Action &action : actions) {
        if (action.type == Action::Well)
            text += QStringLiteral("%1 well %2 %3 %4\n")
                        .arg(QString::number(action.tick), QString::number(action.x), QString::number(action.y),
                             QString::number(action.kind));
        else
            text += QStringLiteral("%1 remove %2 %3\n").arg(QString::number(action.tick), QString::number(action.x), QString::number(action.y));
    }
    return text;
}

Replay::Result Replay::run(const Level &level, int maxTicks, const Observer &observe) const
{
    LevelState state = level.newState();
    state.start();
    Result result;
    int next = 0;
    for (int tick = 0; tick < maxTicks && state.status() == Running; ++tick) {
        for (; next < actions.size() && actions.at(next).tick == tick; ++next) {
            const Action &action = actions.at(next);
            result.ignoredActions += !Drag(action.press(), action.release()).applyTo(state);
        }
        FrameTick::advance(state, result.totalTime, pointerAway);
        if (observe)
            observe(state, tick);
    }
    result.ignoredActions += int(actions.size()) - next;
    result.status = state.status();
    return result;
}
