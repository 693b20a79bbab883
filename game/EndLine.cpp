#include "game/EndLine.h"

#include "sim/LevelState.h"

#include <QStringList>

QString EndLine::text(int status) const
{
    QStringList lines{status == Passed ? hintsLine(passHints) : QString(), note};
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}

QString EndLine::hintsLine(int hints)
{
    return hints > 0 ? tr("Passed with %n hints", nullptr, hints) : QString();
}
