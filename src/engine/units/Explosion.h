#pragma once

#include <cstdint>

#include "engine/board/Unit.h"

namespace qn2 {

class tStateIo;

// The burst left by a trapped spider and by everything a blast catches. An explosion
// attached to a unit sits on it and removes it at the next turn, while the burst plays on
// for 27 frames.
class tExplosion1 : public tUnit {
  QN2_UNIT_CLASS(tExplosion1)
 public:
  tExplosion1();
  void StateFields(tStateIo& io) override;

  std::int32_t ExplosionFrame = 0;
  tUnit* AttachedTo = nullptr;  // not owned

  // Sits the explosion on the unit (or on nothing).
  void Attach(tUnit* unit);

  void TakeTurn() override;
  void Move() override;
  // The attached unit is kept as its serial number and found again in the level on loading.
  void SaveState(tSnapshotStream& stream) override;
  void LoadState(tSnapshotStream& stream) override;
};

// Blows the unit up: an explosion attached to it joins the unit's level.
void ExplodeUnit(tUnit* unit);

}  // namespace qn2
