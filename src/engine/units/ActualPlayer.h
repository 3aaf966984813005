#pragma once

#include <cstdint>

#include "engine/units/Player.h"

namespace qn2 {

// The character the user steers; "Player" in level files. A level holds exactly one, and
// the level's player reference points at it. It warps in over two turns, then walks one
// cell per turn, pushing what lies ahead, dropping carried items on the action key, and
// can be killed, after which it is taken away by a reverse warp.
class tActualPlayer : public tPlayer {
  QN2_UNIT_CLASS(tActualPlayer)
 public:
  tActualPlayer();

  void Move() override;
  void DeathAnimMove() override;
  void TakeTurn() override;
  // Nothing pushes the player; anything may move into its cell.
  void DoPush(tUnit* /*pusher*/, tDirection /*direction*/) override {}
  bool QueryPush(tUnit* /*pusher*/, tDirection /*direction*/) override { return true; }
  void Reset() override;
  void Kill(std::uint8_t kind, const tUnitClass* killer) override;

 private:
  void PlayTurn();
  // This turn's decision: from the recording being played back, else from the input
  // (recorded when a recording is made).
  void ReadDecision(std::int32_t& action, bool& drop);
  // Puts the oldest carried item down on the player's cell.
  void DropOldestItem();
  // Adds the reverse warp that takes the player away.
  void StartResetWarp(float below);
};

}  // namespace qn2
