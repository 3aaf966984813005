#pragma once

#include "engine/board/PlayState.h"

namespace qn2 {

class tGameEngine;

// The engine's side of its level: turns what the units report into game modes and answers
// what they ask about the game around them.
class tEnginePlayOwner : public tPlayOwner {
 public:
  explicit tEnginePlayOwner(tGameEngine& engine) : Engine(engine) {}

  void FatalStrikeStarted() override;
  void PlayerKilled(const tUnitClass* killer, tDeathCause cause) override;
  void PlayerGone() override;
  void LevelFinished() override;
  void RestartChosen() override;
  void ResetWarpStarted() override;
  void ResetWarpFinished() override;
  bool ResetWarpWanted(bool warpKeyHeld) override;
  bool EditingLevel() const override;
  bool EditorOpen() const override;
  std::int32_t AnimationFrame() const override;
  bool PaintingStillLayers() const override;
  const tInputDevice* CurrentInput() const override;

 private:
  tGameEngine& Engine;
};

}  // namespace qn2
