#include "game/GameLog.h"

Q_LOGGING_CATEGORY(gameLog, "swirlfall")
