#pragma once

#include <cstdint>

#include "engine/units/PlayerAwareUnit.h"

namespace qn2 {

class tStateIo;

// A seeker droid waits until the player steps, then steps one cell after it, along the
// longer way to the player's new cell. Next to the player it zaps it with lightning.
class tSeekerDroid : public tPlayerAwareUnit {
  QN2_UNIT_CLASS(tSeekerDroid)
 public:
  tSeekerDroid();
  void StateFields(tStateIo& io) override;

  std::int32_t Glow = 0;  // 0..9, picture index
  bool Zapping = false;
  std::int32_t ZapFrames = 0;

  void Reset() override;
  void TakeTurn() override;
  void Move() override;
  void DeathAnimMove() override;
  void DrawEffects() override;

 private:
  void StepTowards(int targetX, int targetY);
  void DrawBolt(float fromX, float fromY, float toX, float toY);
};

}  // namespace qn2
