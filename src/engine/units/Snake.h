#pragma once

#include <cstdint>

#include "engine/units/PlayerAwareUnit.h"

namespace qn2 {

class tStateIo;

// A snake sways on its cell and spits a fireball along its row at a player it can see:
// every cell between them must be open floor or something a shot passes (water, an open
// force field, a button, a low pillar). It never shoots up or down.
class tSnake : public tPlayerAwareUnit {
  QN2_UNIT_CLASS(tSnake)
 public:
  tSnake();
  void StateFields(tStateIo& io) override;

  std::int32_t AnimPos = 0;   // 0..30, position in the swaying animation
  std::int32_t AnimStep = 1;  // +1 or -1
  bool FacingLeft = false;

  void Reset() override;
  void TakeTurn() override;
  void Move() override;

  // Nothing on the row between the snake's column and the player's blocks a shot.
  bool CanSeeAlongRow(int playerX);
};

}  // namespace qn2
