#include "engine/units/Player.h"

#include <algorithm>

#include "common/Rounding.h"
#include "engine/board/StateIo.h"

namespace qn2 {

std::optional<tDirection> DirectionOfAction(std::int32_t action) {
  switch (action) {
    case iaUp:
      return tDirection::Up;
    case iaDown:
      return tDirection::Down;
    case iaLeft:
      return tDirection::Left;
    case iaRight:
      return tDirection::Right;
    default:
      return std::nullopt;
  }
}

std::int32_t WalkFrameAt(float f) {
  return std::clamp(Round(static_cast<double>(f) * 16.0), 0, 15);
}

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
  ++Play().PlayerCounters.PlayerDraws;
}

void tPlayer::StopPlaying() {
  PlayerState = tPlayerState::psGone;
  Owner().PlayerGone();
}

bool tPlayer::HasBeenTo(int x, int y) const {
  return InsideBoard(x, y) && BeenTo[static_cast<std::size_t>(x * BoardRows + y)];
}

const tInputDevice* tPlayer::CurrentInput() const {
  return Owner().CurrentInput();
}

// The units on the cell are asked whether they let the player in as a move in that
// direction (a boulder answers for a push that way), so the facing is set for the question.
bool tPlayer::CanStepTowards(tDirection direction) {
  if (Level == nullptr) return false;
  const tCellOffset offset = DirectionOffset(direction);
  const tDirection facing = Direction;
  Direction = direction;
  const bool free = CanPushInto(GridX + offset.DX, GridY + offset.DY);
  Direction = facing;
  return free;
}

tInputAction tPlayer::ChooseDirectionAction() {
  const tInputDevice* input = CurrentInput();
  if (input == nullptr) return iaNone;
  const tInputAction last = input->LastAction;

  if (input->IsHeld(last)) {
    const std::optional<tDirection> lead = DirectionOfAction(last);
    if (lead && CanStepTowards(*lead)) return last;
  }

  // The one active action of a pair; none when both or neither are active.
  auto onlyOneOf = [input](tInputAction first, tInputAction second) {
    const bool a = input->IsActive(first);
    const bool b = input->IsActive(second);
    return a == b ? iaNone : (a ? first : second);
  };
  const bool lastVertical = last == iaUp || last == iaDown;
  tInputAction chosen = last;
  if (lastVertical) {
    if (const tInputAction vertical = onlyOneOf(iaUp, iaDown); vertical != iaNone)
      chosen = vertical;
  }
  if (const tInputAction horizontal = onlyOneOf(iaLeft, iaRight); horizontal != iaNone)
    chosen = horizontal;
  if (!lastVertical) {
    if (const tInputAction vertical = onlyOneOf(iaUp, iaDown); vertical != iaNone)
      chosen = vertical;
  }
  return input->IsActive(chosen) ? chosen : iaNone;
}

void tPlayer::StepFor(std::int32_t action, bool push) {
  const tDirection facing = Direction;
  const std::optional<tDirection> step = DirectionOfAction(action);
  if (step) Direction = *step;
  if (Moved) WalkPhase = !WalkPhase;
  Moved = false;
  if (step && Level != nullptr) {
    const tCellOffset offset = DirectionOffset(*step);
    const int x = GridX + offset.DX;
    const int y = GridY + offset.DY;
    if (CanPushInto(x, y)) {
      if (push) PushInto(x, y);
      StartMove(Direction);
      Moved = true;
    }
  }
  if (!Moved) Direction = facing;
}

void tPlayer::StateFields(tStateIo& io) {
  tUnit::StateFields(io);
  io.Field(WarpInTurns);
  // Only the hint triggers read where the player has been, and hints stay quiet while a
  // solution plays back.
  io.Look(BeenTo);
  io.Look(WalkPhase);
  io.Field(DeathFrame);
  io.Field(DeathKind);
  io.Look(MoveCount);
  io.Field(Moved);
  io.Field(PlayerState);
  io.Field(Killer);
  io.Look(IdleVariant);
  io.Look(IdleCountdown);
}

}  // namespace qn2
