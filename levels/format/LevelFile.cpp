#include "levels/format/LevelFile.h"

#include "levels/format/Level.h"
#include "levels/format/UntrustedText.h"
#include "sim/Area.h"
#include "sim/LevelObject.h"
#include "sim/Physics.h"

#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>
#include <QStringList>

namespace LevelFile {
namespace {
QString noun()
{
    return QCoreApplication::translate("LevelFile", "a level");
}
const char magic[] = "swirlfall-level";
const char notePrefix[] = "# ";

// Compiled once: a level has thousands of lines, and a chooser reads a thousand levels.
const QRegularExpression &spaces()
{
    static const QRegularExpression between(QStringLiteral("\\s+"));
    return between;
}

// A line's words, the line's number for messages, and the first problem found in them.
class Line
{
public:
    Line(const QString &text, int number)
        : text(text),
          words(text.split(spaces(), Qt::SkipEmptyParts)),
          number(number)
    {
    }

    // The word at index as a whole number, or a problem noted.
    int integer(int index)
    {
        static const QRegularExpression digits(QStringLiteral("^-?[0-9]+$"));
        const QString &word = words.at(index);
        if (!digits.match(word).hasMatch()) {
            fail(QCoreApplication::translate("LevelFile", "'%1' is not a whole number").arg(UntrustedText::printable(word)));
            return 0;
        }
        bool fits = false;
        const int value = word.toInt(&fits);
        if (!fits)
            fail(QCoreApplication::translate("LevelFile", "a number too large"));
        return value;
    }

    // The colour word at index, as one of the two kinds given, or a problem noted.
    int colour(int index, int red, int blue)
    {
        if (words.at(index) == QLatin1String("red"))
            return red;
        if (words.at(index) == QLatin1String("blue"))
            return blue;
        fail(QCoreApplication::translate("LevelFile", "a colour is red or blue, not '%1'").arg(UntrustedText::printable(words.at(index))));
        return red;
    }

    QPolygon points(int from)
    {
        const int count = int(words.size() - from) / 2;
        if ((words.size() - from) % 2 != 0)
            fail(QCoreApplication::translate("LevelFile", "an x without its y"));
        else if (count < minPoints || count > maxPoints)
            fail(QCoreApplication::translate("LevelFile", "an area has %1 to %2 points, not %3").arg(QString::number(minPoints), QString::number(maxPoints), QString::number(count)));
        QPolygon polygon;
        for (int i = from; i + 1 < words.size() && problem.isEmpty(); i += 2)
            polygon.append(point(i));
        return polygon;
    }

    QPoint point(int index)
    {
        const int x = integer(index);
        const QPoint p(x, integer(index + 1));
        if (problem.isEmpty()
            && (p.x() < 0 || p.x() > Physics::playfieldWidth || p.y() < 0 || p.y() > Physics::playfieldHeight))
            fail(QCoreApplication::translate("LevelFile", "(%1, %2) is off the playfield").arg(QString::number(p.x()), QString::number(p.y())));
        return p;
    }

    void fail(const QString &why)
    {
        if (problem.isEmpty())
            problem = QCoreApplication::translate("LevelFile", "line %1: %2").arg(QString::number(number), why);
    }

    QString text;
    QStringList words;
    int number;
    QString problem;
};

// What each line holds once its first word is known; the problem found, if any, goes in the line.
void readItem(Line &line, Level &level, bool &named, bool &budgeted)
{
    const QString &word = line.words.first();
    const int size = int(line.words.size());
    if (word == QLatin1String("name")) {
        const QString name = line.text.trimmed().mid(int(word.size())).trimmed();
        const int length = int(name.toUcs4().size());
        if (named)
            return line.fail(QCoreApplication::translate("LevelFile", "a second name"));
        if (length < 1 || length > maxNameLength)
            return line.fail(QCoreApplication::translate("LevelFile", "a name has 1 to %1 characters, not %2").arg(QString::number(maxNameLength), QString::number(length)));
        for (const QChar c : name) {
            if (!c.isPrint())
                return line.fail(QCoreApplication::translate("LevelFile", "a name has only printable characters"));
        }
        level.name = name;
        named = true;
    } else if (word == QLatin1String("wells")) {
        if (budgeted)
            return line.fail(QCoreApplication::translate("LevelFile", "a second wells line"));
        if (size != 5 || line.words.at(1) != QLatin1String("red") || line.words.at(3) != QLatin1String("blue"))
            return line.fail(QCoreApplication::translate("LevelFile", "wells takes 'red <n> blue <n>'"));
        level.redWells = line.integer(2);
        level.blueWells = line.integer(4);
        for (const int wells : {level.redWells, level.blueWells}) {
            if (wells < 0 || wells > maxWells)
                line.fail(QCoreApplication::translate("LevelFile", "a budget is 0 to %1 wells, not %2").arg(QString::number(maxWells), QString::number(wells)));
        }
        budgeted = true;
    } else if (word == QLatin1String("particle")) {
        if (size != 4)
            return line.fail(QCoreApplication::translate("LevelFile", "particle takes 'red|blue <x> <y>'"));
        if (level.particles.size() == maxParticles)
            return line.fail(QCoreApplication::translate("LevelFile", "more than %1 particles").arg(maxParticles));
        const int kind = line.colour(1, RedParticle, BlueParticle);
        const QPoint at = line.point(2);
        level.particles.append({kind, at.x(), at.y()});
    } else if (word == QLatin1String("goal") || word == QLatin1String("hazard")) {
        if (level.areas.size() == maxAreas)
            return line.fail(QCoreApplication::translate("LevelFile", "more than %1 areas").arg(maxAreas));
        const bool goal = word == QLatin1String("goal");
        if (goal && size < 2)
            return line.fail(QCoreApplication::translate("LevelFile", "goal takes 'red|blue' and its points"));
        const int kind = goal ? line.colour(1, RedGoal, BlueGoal) : int(Hazard);
        level.areas.append({kind, line.points(goal ? 2 : 1)});
    } else {
        line.fail(QCoreApplication::translate("LevelFile", "unknown word '%1'").arg(UntrustedText::printable(word)));
    }
}

// The first line says what the file is, and in which version of the format.
void readFirstLine(Line &line)
{
    if (line.words.first() != QLatin1String(magic) || line.words.size() != 2)
        line.fail(QCoreApplication::translate("LevelFile", "not a Swirlfall level: it starts without \"%1 %2\"")
                      .arg(QLatin1String(magic), QString::number(version)));
    else if (line.integer(1) != version && line.problem.isEmpty())
        line.fail(QCoreApplication::translate("LevelFile", "format version %1, but this game reads version %2").arg(line.words.at(1), QString::number(version)));
}
} // namespace

bool parse(const QString &text, Level *level, QString *error)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    Level result;
    bool started = false;
    int firstLine = 0;
    bool named = false;
    bool budgeted = false;
    int last = int(lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).size() > maxLineLength) {
            *error = QCoreApplication::translate("LevelFile", "line %1: longer than %2 characters").arg(QString::number(i + 1), QString::number(maxLineLength));
            return false;
        }
        Line line(lines.at(i), i + 1);
        // The comment right after the first line is the level's note.
        if (started && i == firstLine + 1 && line.text.startsWith(QLatin1String(notePrefix)))
            result.note = line.text.mid(int(qstrlen(notePrefix)));
        if (line.words.isEmpty() || line.words.first().startsWith(QLatin1Char('#')))
            continue;
        if (!started) {
            firstLine = i;
            readFirstLine(line);
            started = true;
        } else if (line.words.first() == QLatin1String("solution")) {
            Replay proof;
            bool fits = false;
            if (line.words.size() == 2)
                proof.time = line.words.at(1).toUInt(&fits);
            if (!fits)
                line.fail(QCoreApplication::translate("LevelFile", "solution takes the time in ms in which its replay passes the level"));
            else if (!Replay::parseLines(lines, i + 1, 0, &proof, error))
                return false;
            result.proof = proof;
            last = i + 1;
            i = int(lines.size());
        } else {
            readItem(line, result, named, budgeted);
        }
        if (!line.problem.isEmpty()) {
            *error = line.problem;
            return false;
        }
    }
    const auto missing = [&](const QString &what) {
        *error = QCoreApplication::translate("LevelFile", "line %1: the level has no %2").arg(QString::number(last), what);
        return false;
    };
    if (!started)
        return missing(QCoreApplication::translate("LevelFile", "\"%1 %2\" line").arg(QLatin1String(magic), QString::number(version)));
    if (!named)
        return missing(QCoreApplication::translate("LevelFile", "name"));
    if (!budgeted)
        return missing(QCoreApplication::translate("LevelFile", "wells line"));
    if (result.particles.isEmpty())
        return missing(QCoreApplication::translate("LevelFile", "particle"));
    *level = result;
    return true;
}

bool read(const QByteArray &bytes, Level *level, QString *error)
{
    *error = UntrustedText::sizeProblem(bytes, maxFileBytes, noun());
    QString text;
    return error->isEmpty() && UntrustedText::decode(bytes, &text, error) && parse(text, level, error);
}

bool looksLikeLevel(const QByteArray &bytes)
{
    for (const QByteArray &line : bytes.split('\n')) {
        const QByteArray word = line.trimmed();
        if (word.isEmpty() || word.startsWith('#'))
            continue;
        return word.startsWith(magic);
    }
    return false;
}

bool readFile(const QString &path, Level *level, QString *error)
{
    QByteArray bytes;
    QString why;
    if (UntrustedText::readFile(path, maxFileBytes, noun(), &bytes, &why) && read(bytes, level, &why))
        return true;
    *error = path + QStringLiteral(": ") + why;
    return false;
}

QString toText(const Level &level)
{
    const auto colour = [](bool red) { return red ? QStringLiteral("red") : QStringLiteral("blue"); };
    const auto points = [](const QPolygon &polygon) {
        QString text;
        for (const QPoint &point : polygon)
            text += QStringLiteral(" %1 %2").arg(QString::number(point.x()), QString::number(point.y()));
        return text;
    };
    // The name is the player's text, joined on as it is: passed through arg(), a "%1" in it
    // would be filled in by the numbers after it.
    QString text = QLatin1String(magic) + QLatin1Char(' ') + QString::number(version) + QLatin1Char('\n');
    if (!level.note.isEmpty())
        text += QLatin1String(notePrefix) + level.note + QLatin1Char('\n');
    text += QStringLiteral("name ") + level.name
        + QStringLiteral("\nwells red %1 blue %2\n").arg(QString::number(level.redWells), QString::number(level.blueWells));
    for (const Level::Particle &particle : level.particles)
        text += QStringLiteral("particle %1 %2 %3\n").arg(colour(particle.kind == RedParticle), QString::number(particle.x), QString::number(particle.y));
    for (const Level::Shape &area : level.areas) {
        text += area.kind == Hazard ? QStringLiteral("hazard") : QStringLiteral("goal ") + colour(area.kind == RedGoal);
        text += points(area.polygon) + QLatin1Char('\n');
    }
    if (level.proof)
        text += QStringLiteral("solution %1\n").arg(level.proof->time) + level.proof->actionsText();
    return text;
}

QString dialogFilter()
{
    return QCoreApplication::translate("LevelFile", "Swirlfall levels (*.%1);;All files (*)").arg(QLatin1String(extension));
}

} // namespace LevelFile
