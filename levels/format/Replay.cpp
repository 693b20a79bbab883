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

namespace {
// Every number must fit: an overlong one would otherwise read as 0.
class Numbers
{
public:
    explicit Numbers(const QRegularExpressionMatch &match)
        : match(match)
    {
    }
    int at(int group)
    {
        bool ok = false;
        const int value = match.captured(group).toInt(&ok);
        fit = fit && ok;
        return value;
    }
    bool fit = true;

private:
    const QRegularExpressionMatch &match;
};

// The action on line, or why it is none.
bool parseAction(const QString &line, Replay::Action *action, QString *why)
{
    static const QRegularExpression well(QStringLiteral("^([0-9]+)\\s+well\\s+(-?[0-9]+)\\s+(-?[0-9]+)\\s+(-?[0-9]+)$"));
    static const QRegularExpression remove(QStringLiteral("^([0-9]+)\\s+remove\\s+(-?[0-9]+)\\s+(-?[0-9]+)$"));
    QRegularExpressionMatch m = well.match(line);
    Numbers numbers(m);
    if (m.hasMatch()) {
        action->kind = numbers.at(4);
        if (numbers.fit && action->kind != RedWell && action->kind != BlueWell) {
            *why = QCoreApplication::translate("Replay", "a well's kind is 0 (red) or 1 (blue)");
            return false;
        }
    } else {
        m = remove.match(line);
        if (!m.hasMatch()) {
            *why = QCoreApplication::translate("Replay", "not an action: %1").arg(UntrustedText::printable(line));
            return false;
        }
        action->type = Replay::Action::Remove;
    }
    action->tick = numbers.at(1);
    action->x = numbers.at(2);
    action->y = numbers.at(3);
    if (!numbers.fit)
        *why = QCoreApplication::translate("Replay", "a number too large");
    else if (!action->isWithinReach())
        *why = QCoreApplication::translate("Replay", "(%1, %2) is too far off the playfield").arg(QString::number(action->x), QString::number(action->y));
    return why->isEmpty();
}

// The header's level and time into replay, or why they are wrong; a comment that is no header is
// no error.
bool parseHeader(const QString &line, int levels, Replay *replay, QString *why)
{
    static const QRegularExpression headerLine(QStringLiteral("^#\\s*level\\s+([0-9]+)\\s+time\\s+([0-9]+)\\s*$"));
    const QRegularExpressionMatch m = headerLine.match(line);
    if (levels <= 0 || !m.hasMatch())
        return true;
    Numbers numbers(m);
    replay->level = numbers.at(1);
    bool timeFits = false;
    replay->time = m.captured(2).toUInt(&timeFits);
    if (!numbers.fit || !timeFits)
        *why = QCoreApplication::translate("Replay", "a number too large");
    else if (replay->level < 1 || replay->level > levels)
        *why = QCoreApplication::translate("Replay", "there is no level %1 (the levels are 1 to %2)").arg(replay->level).arg(levels);
    return why->isEmpty();
}
} // namespace

bool Replay::parseLines(const QStringList &lines, int first, int levels, Replay *replay, QString *error)
{
    for (int i = first; i < lines.size(); ++i) {
        QString why;
        QString line = lines.at(i).trimmed();
        // A comment may also end an action's line.
        const QString action = line.section(QLatin1Char('#'), 0, 0).trimmed();
        Action read;
        if (lines.at(i).size() > maxLineLength)
            why = QCoreApplication::translate("Replay", "longer than %1 characters").arg(maxLineLength);
        else if (line.startsWith(QLatin1Char('#')))
            parseHeader(line, levels, replay, &why);
        else if (!action.isEmpty() && parseAction(action, &read, &why)) {
            if (!replay->actions.isEmpty() && read.tick < replay->actions.last().tick)
                why = QCoreApplication::translate("Replay", "ticks go backwards");
            else
                replay->actions.append(read);
        }
        if (!why.isEmpty()) {
            *error = QCoreApplication::translate("Replay", "line %1: %2").arg(QString::number(i + 1), why);
            return false;
        }
    }
    return true;
}

bool Replay::read(const QByteArray &bytes, int levels, Replay *replay, QString *error)
{
    *error = UntrustedText::sizeProblem(bytes, maxFileBytes, noun());
    QString text;
    return error->isEmpty() && UntrustedText::decode(bytes, &text, error) && parse(text, levels, replay, error);
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
