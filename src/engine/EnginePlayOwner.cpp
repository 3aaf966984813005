#include "engine/EnginePlayOwner.h"

#include "engine/GameEngine.h"

namespace qn2 {

void tEnginePlayOwner::FatalStrikeStarted() {
  Engine.SetGameMode(gmDying);
}

void tEnginePlayOwner::PlayerKilled(const tUnitClass* killer, tDeathCause cause) {
  Engine.SetGameMode(gmDying);
  Engine.LastDeath = {killer, cause};
  if (Engine.OnPlayerKilled) Engine.OnPlayerKilled(Engine.LastDeath);
}

void tEnginePlayOwner::PlayerGone() {
  Engine.SetGameMode(gmDead);
}

void tEnginePlayOwner::LevelFinished() {
  Engine.ExitReached = true;
  Engine.SetGameMode(gmLevelDone);
}

void tEnginePlayOwner::RestartChosen() {
  Engine.WarpAction = WarpRestart;
}

void tEnginePlayOwner::ResetWarpStarted() {
  Engine.SetGameMode(gmWarping);
}

void tEnginePlayOwner::ResetWarpFinished() {
  Engine.WarpFinished = true;
}

// After the death pop-up its choice has set the warp's action already; lying dead, the
// action or restart key restarts the level.
bool tEnginePlayOwner::ResetWarpWanted(bool warpKeyHeld) {
  if (Engine.GameMode == gmPopupClosed) return true;
  if (Engine.GameMode != gmDead || !warpKeyHeld) return false;
  Engine.WarpAction = WarpRestart;
  return true;
}

bool tEnginePlayOwner::EditingLevel() const {
  return Engine.GameMode == gmEditing;
}

bool tEnginePlayOwner::EditorOpen() const {
  return Engine.Editing;
}

std::int32_t tEnginePlayOwner::AnimationFrame() const {
  return Engine.AnimCounter;
}

bool tEnginePlayOwner::PaintingStillLayers() const {
  return Engine.BuildingBackground || Engine.Editing;
}

const tInputDevice* tEnginePlayOwner::CurrentInput() const {
  return Engine.CurrentInput;
}

}  // namespace qn2
