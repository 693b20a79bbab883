#ifndef SWIRLFALL_REPLAY_H
#define SWIRLFALL_REPLAY_H

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

class Drag;
class Level;
class LevelState;

// A recorded play of one level, as plain text, one action per line ('#' starts a comment):
//   <tick> well <x> <y> <kind>   a drag starting at (x, y) places a well of that ObjectKind
//   <tick> remove <x> <y>        a click at (x, y)
// <tick> counts the ticks since the level was started; actions of one tick apply in file order,
// before that tick's step. The header comment "# level <n> time <ms>" names the level and time.
class Replay
{
public:
    struct Action
    {
        enum Type { Well, Remove };

        // Where a player presses for this action, and where they let go: 40 px on in the
        // direction of the well's glyph for a well, on the spot for a click that removes one.
        // Together they make the drag that the game reads as this action.
        QPoint press() const { return QPoint(x, y); }
        QPoint release() const;
        // The action a player's drag makes at that tick: a well where a drag began, or a click
        // where it was let go.
        static Action of(int tick, const Drag &drag);
        // A player's pointer reaches beyond the playfield: a click can end past its edge, and in
        // full screen a drag can start in the margins around it. One playfield's width and
        // height beyond each edge covers any screen, and nothing beyond is a player's.
        bool isWithinReach() const;

        int tick = 0;
        Type type = Well;
        int x = 0;
        int y = 0;
        int kind = 0;
    };

    struct Result
    {
        int status = 0;
        quint32 totalTime = 0;
        // Actions that changed nothing: a well over budget, a click that hit no well.
        int ignoredActions = 0;
    };

    // Called after every tick's step with the level and the tick's number.
    using Observer = std::function<void(const LevelState &state, int tick)>;

    // A replay file is a few lines; anything larger is refused unread.
    static constexpr qint64 maxFileBytes = 1 << 20;
    static constexpr int maxLineLength = 200;

    // False, with a one-line message naming the line, for text no player could have made. Its
    // header names one of the levels 1 to levels: the format knows no catalogue of its own.
    static bool parse(const QString &text, int levels, Replay *replay, QString *error);
    // Reads lines from index first on into replay, naming lines from 1 in messages. With levels,
    // the comment "# level <n> time <ms>" sets the level, one of 1 to levels, and the time;
    // without (0), it is a comment too.
    static bool parseLines(const QStringList &lines, int first, int levels, Replay *replay, QString *error);
    // The same for a file's bytes, refusing more than maxFileBytes.
    static bool read(const QByteArray &bytes, int levels, Replay *replay, QString *error);
    // The same for a file, the message naming it: "FILE: line 3: ticks go backwards".
    static bool readFile(const QString &path, int levels, Replay *replay, QString *error);
    QString toText() const;
    // The actions alone, one a line, as they follow the header.
    QString actionsText() const;
    // Plays the level as the game does, tick by tick, until it ends or maxTicks have run.
    Result run(const Level &level, int maxTicks, const Observer &observe = {}) const;

    int level = 0;
    quint32 time = 0;
    QList<Action> actions;
};

#endif
