#pragma once

#include <cstdint>

#include "engine/units/PlayerAwareUnit.h"

namespace qn2 {

class tStateIo;

class tSprite;

// A spinning key. Every key of a level counts into KeysInLevel when reset and into
// KeysCollected when the player takes it; the exits open once all are collected.
// Level files and the editor call it "Key".
class tKey : public tPlayerAwareUnit {
  QN2_UNIT_CLASS(tKey)

 public:
  static constexpr std::int32_t LastSpinStep = 93;  // three game frames per picture

  tKey();
  void StateFields(tStateIo& io) override;

  std::int32_t SpinFrame = 0;  // 0..93

  bool QueryPush(tUnit* pusher, tDirection direction) override;
  void Reset() override;
  // Taken in the turn after the player has arrived on the cell.
  void TakeTurn() override;
  void Move() override;
};

// The editor's picture of a key: spin frame 0.
tSprite* KeyIcon();

}  // namespace qn2
