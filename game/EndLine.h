#ifndef SWIRLFALL_ENDLINE_H
#define SWIRLFALL_ENDLINE_H

#include <QString>

// What stands under the message before a level starts and once it has ended: what a feature beyond
// the level has to say there, such as a puzzle's tier and difficulty, until another level starts.
class EndLine
{
public:
    void setNote(const QString &line) { note = line; }
    // Its lines under the message; empty for none.
    const QString &text() const { return note; }

private:
    QString note;
};

#endif
