#pragma once

#include <cstdint>

namespace qn2 {

class tUnit;

// The turn clock every unit reads, and the state of the out-of-turn step.
// One set for the program; the engine advances it.
struct tTurnClock {
  std::int32_t FramesPerTurn = 12;  // always 12 + SpeedAdjust
  std::int32_t SpeedAdjust = 0;     // -6..+6, larger is slower
  std::int32_t TurnPhase = 0;       // 0 marks a turn boundary
  float TurnFraction = 0;           // TurnPhase / FramesPerTurn, in [0, 1)
  float PrevTurnFraction = 0;

  bool OOTEnabled = true;
  std::int32_t OOTFrames = 0;
  std::int32_t OOTLength = 0;
  float OOTFraction = 0;
  std::int32_t OOTFromX = 0, OOTFromY = 0, OOTToX = 0, OOTToY = 0;
  // The level draws OOTPlayer in place of the real player.
  bool DrawOOTPlayer = false;
  tUnit* OOTPlayer = nullptr;
};

extern tTurnClock TurnClock;

// Keys and jewels placed in the level and collected so far.
struct tLevelCounters {
  std::int32_t KeysInLevel = 0;
  std::int32_t KeysCollected = 0;
  std::int32_t JewelsInLevel = 0;
  std::int32_t JewelsCollected = 0;

  void Clear() { *this = tLevelCounters(); }
};

extern tLevelCounters LevelCounters;

}  // namespace qn2
