#ifndef SWIRLFALL_GAMELOG_H
#define SWIRLFALL_GAMELOG_H

#include <QLoggingCategory>

// What the game says on standard error while it plays on: a record or a run that could not be
// kept, and the like. Named "swirlfall", so that each line starts so, as the command line's do.
Q_DECLARE_LOGGING_CATEGORY(gameLog)

#endif
