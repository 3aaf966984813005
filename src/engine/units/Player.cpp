#include "engine/units/Player.h"

#include "engine/GameEngine.h"

namespace qn2 {

tPlayerCounters PlayerCounters;

void tPlayer::Reset() {
  tUnit::Reset();
  WarpInTurns = 0;
  BeenTo.fill(false);
  WalkPhase = false;
  DeathFrame = 0;
  DeathKind = 0;
  MoveCount = 0;
  Moved = false;
  PlayerState = tPlayerState::psGone;
  Killer = nullptr;
  IdleVariant = 0;
  IdleCountdown = 0;
}

void tPlayer::TakeTurn() {
  tUnit::TakeTurn();
  if (InsideBoard(GridX, GridY)) BeenTo[static_cast<std::size_t>(GridX * BoardRows + GridY)] = true;
}

void tPlayer::Draw() {
  tUnit::Draw();
  ++PlayerCounters.PlayerDraws;
}

void tPlayer::StopPlaying() {
  PlayerState = tPlayerState::psGone;
  if (GameEngine != nullptr) GameEngine->SetGameMode(gmDead);
}

bool tPlayer::HasBeenTo(int x, int y) const {
  return InsideBoard(x, y) && BeenTo[static_cast<std::size_t>(x * BoardRows + y)];
}

}  // namespace qn2
