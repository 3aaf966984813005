#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qn2 {

class tPlayer;
struct tLevelCounters;

// What a count condition of a trigger counts.
enum tTriggerSource : std::uint8_t {
  tsKeysLeft = 0,
  tsKeysCollected = 1,
  tsGemsLeft = 2,
  tsGemsCollected = 3,
};

// How a condition tests: the six comparisons of a count, or the player's position.
enum tTriggerTest : std::uint8_t {
  ttEqual = 0,
  ttLess = 1,
  ttGreater = 2,
  ttLessOrEqual = 3,
  ttGreaterOrEqual = 4,
  ttNotEqual = 5,
  ttBeenTo = 6,
  ttAt = 7,
};

// One condition of a trigger expression. Counts use Source and Value, locations CellX
// and CellY.
struct tTriggerCondition {
  std::uint8_t Source = tsKeysLeft;
  std::int32_t Value = 0;
  std::int32_t CellX = 0;
  std::int32_t CellY = 0;
  std::uint8_t Test = ttEqual;
};

// Reads a trigger expression: conditions separated by ";", blanks ignored, keywords in any
// letter case:
//   KeysLeft op n, KeysCollected op n, GemsLeft op n, GemsCollected op n
//     (op one of = < > <= >= <>),
//   At(x,y) (the player stands on the cell), BeenTo(x,y) (the player has taken a turn there).
// An empty text gives no conditions. A text that cannot be read raises Exception
// "Couldn't Interpret Trigger String" + CR + the reason: "Bad start to trigger N",
// "Invalid operator in trigger N", "Not a valid location Specified in trigger N" (N counts
// the conditions from 1) or the message of a number that does not convert.
std::vector<tTriggerCondition> ParseTrigger(const std::string& text);

// Whether one condition holds for the level's counters and the player (none: no location
// holds).
bool ConditionHolds(const tTriggerCondition& condition, const tLevelCounters& counters,
                    const tPlayer* player);
// Whether every condition holds, checked in order up to the first that fails.
bool ExpressionHolds(const std::vector<tTriggerCondition>& conditions,
                     const tLevelCounters& counters, const tPlayer* player);

}  // namespace qn2
