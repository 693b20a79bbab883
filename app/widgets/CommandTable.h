#ifndef SWIRLFALL_COMMANDTABLE_H
#define SWIRLFALL_COMMANDTABLE_H

#include <QKeySequence>

class QAction;
class QWidget;

// A window's commands as a table, one entry each, from which their actions are made in one way:
// the caption, the keys and what the status bar (and a list of keys) says of it, translated in the
// window's context, and an object name by which it is found. The window holds each action too, so
// that its key works while a full screen hides the menu bar.
namespace CommandTable {

struct Command
{
    // The action's object name.
    const char *name;
    const char *caption;
    // Keys as text, translated in the window's context as the design's shortcuts are ("Ctrl+L",
    // "Return; Enter" for two), or none; then the platform's own keys for standardKey.
    const char *keys;
    QKeySequence::StandardKey standardKey;
    const char *help;
};

QAction *action(const Command &command, const char *context, QWidget *window);

} // namespace CommandTable

#endif
