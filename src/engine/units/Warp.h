#pragma once

#include <cstdint>

#include "engine/board/Unit.h"

namespace qn2 {

class tStateIo;

// The teleport shimmer over the player's start cell when a level starts: 70 frames, the
// character appears under it. While it plays the player takes no early steps.
class tWarp : public tUnit {
  QN2_UNIT_CLASS(tWarp)
 public:
  tWarp();
  void StateFields(tStateIo& io) override;

  std::int32_t WarpFrame = 0;  // frames shown so far
  bool Reverse = false;        // played backwards: the character is taken away

  void Move() override { WarpStep(); }
  void DeathAnimMove() override { WarpStep(); }
  bool HoldsPlayerTurn() override { return true; }

 protected:
  // One frame of the shimmer: its sound on frame 5, dead after frame 70.
  void WarpStep();
};

// The shimmer played backwards over the player when the level restarts or the dead player
// is taken away. Making one puts the engine into its warping mode; when it is over the
// engine carries out its WarpAction.
class tResetWarp : public tWarp {
  QN2_UNIT_CLASS(tResetWarp)
 public:
  // Starts where the engine's level player stands.
  tResetWarp();

  void Move() override { ResetWarpStep(); }
  void DeathAnimMove() override { ResetWarpStep(); }

 private:
  void ResetWarpStep();
};

}  // namespace qn2
