#ifndef SWIRLFALL_ENDLINE_H
#define SWIRLFALL_ENDLINE_H

#include <QCoreApplication>
#include <QString>

// What stands under the message before a level starts and once it has ended: what a feature beyond
// the level has to say there, such as a puzzle's tier and difficulty, until another level starts;
// and above it, while the level stays passed, how many hints the pass took.
class EndLine
{
    Q_DECLARE_TR_FUNCTIONS(EndLine)

public:
    void setNote(const QString &line) { note = line; }
    void setPassHints(int hints) { passHints = hints; }
    // Its lines under the message of a level in status; empty for none.
    QString text(int status) const;
    // "Passed with 2 hints"; empty for a pass that took none.
    static QString hintsLine(int hints);

private:
    QString note;
    int passHints = 0;
};

#endif
