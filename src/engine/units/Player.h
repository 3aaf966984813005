#pragma once

#include <array>
#include <cstdint>

#include "engine/board/Board.h"
#include "engine/board/Unit.h"

namespace qn2 {

// Program-wide values of the player units: whether the display is too slow to show every
// walk frame, and the counts that decide it.
struct tPlayerCounters {
  bool SlowDisplay = false;
  std::int32_t PlayerFrameSteps = 0;  // tActualPlayer.Move calls
  std::int32_t PlayerDraws = 0;       // player Draw calls
};
extern tPlayerCounters PlayerCounters;

enum class tPlayerState : std::uint8_t { psGone = 0, psDying = 1, psWarpingIn = 2, psPlaying = 3 };

// The common base of the two player-shaped units: the character the user steers and the
// ghost of the early step. Keeps the visited cells, the walk cycle and the life state.
class tPlayer : public tUnit {
 public:
  std::int32_t WarpInTurns = 0;
  std::array<bool, BoardColumns * BoardRows> BeenTo{};  // index x * 15 + y
  bool WalkPhase = false;
  std::int32_t DeathFrame = 0;
  std::uint8_t DeathKind = 0;
  std::int32_t MoveCount = 0;
  bool Moved = false;
  tPlayerState PlayerState = tPlayerState::psGone;
  const tUnitClass* Killer = nullptr;
  std::int32_t IdleVariant = 0;
  std::int32_t IdleCountdown = 0;

  void Reset() override;
  void TakeTurn() override;
  void Draw() override;

  // Out of play: the engine goes to its dead mode.
  void StopPlaying();
  bool IsAt(int x, int y) const { return GridX == x && GridY == y; }
  bool HasBeenTo(int x, int y) const;
  // Kills the player: kind 0 for most deaths, 1 for a spider's; the killer's class picks
  // the death picture. Ignored while dying or after death.
  virtual void Kill(std::uint8_t kind, const tUnitClass* killer) = 0;
};

}  // namespace qn2
