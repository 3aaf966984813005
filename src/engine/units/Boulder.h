#pragma once

#include "engine/units/PlayerAwareUnit.h"

namespace qn2 {

class tSprite;

// A boulder the player pushes one cell at a time. It only moves for the player, so a
// boulder never pushes another boulder; pushed onto open water it sinks and fills it.
// Level files and the editor call it "Boulder".
class tBoulder : public tPlayerAwareUnit {
  QN2_UNIT_CLASS(tBoulder)

 public:
  tBoulder();

  // The player may move into the boulder's cell when the boulder can move on in the same
  // direction.
  bool QueryPush(tUnit* pusher, tDirection direction) override;
  void DoPush(tUnit* pusher, tDirection direction) override;
  // Holds back the player's early step while something is still arriving next to the
  // cell the boulder would be pushed into.
  bool HoldsPlayerTurn() override;
};

// The editor's picture of a boulder.
tSprite* BoulderIcon();

}  // namespace qn2
