#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "engine/board/Board.h"
#include "engine/board/PlayState.h"
#include "engine/board/Unit.h"
#include "input/InputDevice.h"

namespace qn2 {

class tStateIo;

enum class tPlayerState : std::uint8_t { psGone = 0, psDying = 1, psWarpingIn = 2, psPlaying = 3 };

// The direction a move action walks in: iaUp, iaRight, iaDown, iaLeft; none for any other
// action number.
std::optional<tDirection> DirectionOfAction(std::int32_t action);

// The walking frame 0..15 shown at the walk fraction f (0 at the start of a step).
std::int32_t WalkFrameAt(float f);

// The common base of the two player-shaped units: the character the user steers and the
// ghost of the early step. Keeps the visited cells, the walk cycle and the life state.
class tPlayer : public tUnit {
 public:
  tPlayer() = default;
  void StateFields(tStateIo& io) override;

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

  // The move action the player takes this turn, read from the engine's current input
  // device: a held last key that can be walked keeps the lead; otherwise the axis across
  // the last key's axis wins over the key's own axis, and an axis with both or neither
  // key active gives nothing. iaNone when nothing is active.
  tInputAction ChooseDirectionAction();

 protected:
  // The step of one turn for a direction action: the player turns towards it and moves
  // when it can push into the cell ahead (pushing what stands there when `push` is set);
  // a blocked key does not turn it. The walk phase alternates after each step.
  void StepFor(std::int32_t action, bool push);

  // The input device the units read this turn; none outside an engine.
  const tInputDevice* CurrentInput() const;
  // May the player move one cell that way, pushing what stands there? Asked as a move in
  // that direction, whatever way the player faces now.
  bool CanStepTowards(tDirection direction);
};

}  // namespace qn2
