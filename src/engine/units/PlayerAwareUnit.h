#pragma once

#include "engine/board/Level.h"
#include "engine/board/Unit.h"

namespace qn2 {

class tPlayer;

// The base of the units that need the player: boulders, keys, exits, snakes, spiders,
// info points and the rest.
class tPlayerAwareUnit : public tUnit {
 public:
  // The level's player, or none.
  tPlayer* Player() const;
};

}  // namespace qn2
