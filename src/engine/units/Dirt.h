#pragma once

#include "engine/units/PlayerAwareUnit.h"

namespace qn2 {

class tSprite;

// A heap of rubble that only the player can walk into; the player clears it by standing
// on it. Level files and the editor call it "Dirt".
class tDirt : public tPlayerAwareUnit {
  QN2_UNIT_CLASS(tDirt)

 public:
  tDirt();

  bool QueryPush(tUnit* pusher, tDirection direction) override;
  // Cleared in the turn after the player has arrived on the cell.
  void TakeTurn() override;
};

// The editor's picture of dirt.
tSprite* DirtIcon();

}  // namespace qn2
