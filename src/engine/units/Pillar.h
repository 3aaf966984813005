#pragma once

#include <cstdint>

#include "engine/board/Unit.h"

namespace qn2 {

class tStateIo;

class tSprite;

// A flat pillar in the floor that rises behind whatever heavy thing (the player, a boulder,
// a seeker droid) has stood on it, so it can be crossed only once. Level files and the
// editor call it "Pillar".
class tPillar : public tUnit {
  QN2_UNIT_CLASS(tPillar)

 public:
  static constexpr float FullHeight = 11.0f;
  static constexpr float HeightPerTurn = 5.0f;
  // From this height on the pillar is drawn above the units walking past.
  static constexpr float HighFrom = 4.0f;

  tPillar();
  void StateFields(tStateIo& io) override;

  bool Occupied = false;  // something stood on the pillar at the last BeginTurn
  bool Risen = false;     // the pillar has started to rise
  float Height = 0;       // 0 .. 11

  bool QueryPush(tUnit* pusher, tDirection direction) override;
  bool AllowsEntry(tUnit* mover) override;
  bool LetsShotPass(tUnit* shooter) override;
  void Reset() override;
  // Notices something stepping on and, later, stepping off.
  void BeginTurn() override;
  // The rising animation.
  void Move() override;

  // True for the units whose weight the pillar notices.
  static bool IsHeavy(const tUnit& unit);
};

// The editor's picture of a pillar: fully risen.
tSprite* PillarIcon();

}  // namespace qn2
