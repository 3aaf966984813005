#pragma once

#include "engine/units/PlayerAwareUnit.h"

namespace qn2 {

class tStateIo;

// The snake's shot: flies along its row a quarter of a cell per frame while the player
// dies, and bursts on the player.
class tFireBall : public tPlayerAwareUnit {
  QN2_UNIT_CLASS(tFireBall)
 public:
  tFireBall();
  void StateFields(tStateIo& io) override;

  bool Hit = false;
  float HitTime = 0;

  void DeathAnimMove() override;
};

}  // namespace qn2
