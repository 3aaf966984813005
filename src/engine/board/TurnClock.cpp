#include "engine/board/TurnClock.h"

namespace qn2 {

tTurnClock TurnClock;
tLevelCounters LevelCounters;

}  // namespace qn2
