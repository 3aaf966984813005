#include "engine/units/ActualPlayer.h"

#include <algorithm>
#include <memory>

#include "common/LookRandom.h"
#include "data/Recorder.h"
#include "engine/board/CarriedItems.h"
#include "engine/board/Level.h"
#include "engine/board/PlayState.h"
#include "engine/units/PlayerGraphics.h"
#include "engine/units/Warp.h"

namespace qn2 {

namespace {

constexpr std::int32_t WarpInTurnCount = 2;
constexpr std::int32_t IdleDelay = 50;  // frames after a step before the idle pictures vary
constexpr std::int32_t LastDyingFrame = PlayerDyingFrames - 1;
constexpr std::int32_t DeathAnimationFrames = 40;
constexpr float ResetWarpBelowBody = 0.2f;

}  // namespace

tActualPlayer::tActualPlayer() {
  Layer = 2;
  ReservesCell = false;  // the player never reserves the cell it walks into
}

void tActualPlayer::Reset() {
  tPlayer::Reset();
  MoveCount = 0;
  DeathFrame = 0;
  Dead = false;
  if (Level != nullptr) Level->Player = this;
  if (Owner().EditingLevel()) {
    Sprite = WalkingSprite(tDirection::Down, 0);
    return;
  }
  Sprite = nullptr;
  if (Level != nullptr) {
    Play().PlayerCounters.PlayerFrameSteps = 0;
    Play().PlayerCounters.PlayerDraws = 0;
    auto warp = std::make_unique<tWarp>();
    warp->X = X;
    warp->Y = Y;
    Level->AddUnit(std::move(warp));
  }
  PlayerState = tPlayerState::psWarpingIn;
  WarpInTurns = WarpInTurnCount;
}

void tActualPlayer::TakeTurn() {
  tPlayer::TakeTurn();
  switch (PlayerState) {
    case tPlayerState::psWarpingIn:
      if (WarpInTurns > 0) --WarpInTurns;
      if (WarpInTurns == 0) {
        PlayerState = tPlayerState::psPlaying;
        Sprite = WalkingSprite(Direction, 0);
        // More game frames than player pictures drawn: the display cannot keep up, and
        // each walk cycle is spread over two steps. With nothing drawn at all there is
        // nothing to go by, and the display counts as keeping up.
        const std::int32_t draws = Play().PlayerCounters.PlayerDraws;
        Play().PlayerCounters.SlowDisplay =
            draws > 0 && Play().PlayerCounters.PlayerFrameSteps / draws > 1;
      }
      break;
    case tPlayerState::psPlaying:
      PlayTurn();
      break;
    case tPlayerState::psGone:
    case tPlayerState::psDying:
      break;
  }
}

void tActualPlayer::ReadDecision(std::int32_t& action, bool& drop) {
  if (Play().Recorder.State() == rsPlaying) {
    const std::int32_t code = Play().Recorder.PlayBackValue();
    action = DecodedDirection(code);
    drop = DecodedActionFlag(code);
    // A played turn is part of the run too: the player may take the level over later.
    Play().RunLog.Append(code);
    return;
  }
  const tInputDevice* input = CurrentInput();
  drop = input != nullptr && (input->WasPressed(iaAction) || input->WasPressed(iaSelect));
  action = ChooseDirectionAction();
  const std::int32_t decision = EncodeDecision(action, drop);
  if (Play().Recorder.State() == rsRecording) Play().Recorder.RecordValue(decision);
  Play().RunLog.Append(decision);
}

void tActualPlayer::DropOldestItem() {
  tUnit* item = Play().Carried.QueueTakeFirst();
  if (item == nullptr) return;
  item->GridX = item->TargetX = GridX;
  item->GridY = item->TargetY = GridY;
  item->X = X;
  item->Y = Y;
  item->Drop();
}

void tActualPlayer::PlayTurn() {
  std::int32_t action = iaNone;
  bool drop = false;
  ReadDecision(action, drop);
  if (drop) DropOldestItem();

  StepFor(action, true);
}

void tActualPlayer::Move() {
  tPlayer::Move();
  ++MoveCount;
  ++Play().PlayerCounters.PlayerFrameSteps;
  if (PlayerState != tPlayerState::psPlaying) return;

  // Where in its walk cycle the character is; on a slow display one cycle spans two steps.
  float f = Play().Clock.TurnFraction;
  if (Play().PlayerCounters.SlowDisplay) {
    f = static_cast<float>(Play().Clock.TurnPhase) /
        static_cast<float>(2 * Play().Clock.FramesPerTurn);
    if (WalkPhase) f += 0.5f;
  }
  if (Direction == tDirection::Up || Direction == tDirection::Left) f = 1 - f;

  if (Moved) {
    Sprite = WalkingSprite(Direction, WalkFrameAt(f));
    IdleCountdown = IdleDelay;
    IdleVariant = 0;
  } else {
    if (--IdleCountdown < 0) {
      IdleCountdown = LookRandom.Below(IdleDelay) + IdleDelay;
      IdleVariant = LookRandom.Below(PlayerIdleVariants);
    }
    Sprite = StandingSprite(Direction, IdleVariant);
  }

  const tInputDevice* input = CurrentInput();
  if (input != nullptr && input->IsActive(iaRestart)) {
    StopPlaying();
    Owner().RestartChosen();
    StartResetWarp(0);
  }
}

void tActualPlayer::DeathAnimMove() {
  if (PlayerState == tPlayerState::psDying) {
    ++DeathFrame;
    Sprite = DyingSprite(std::min(LastDyingFrame, DeathFrame / 3));
    if (DeathFrame >= DeathAnimationFrames) StopPlaying();
  }
  const tInputDevice* input = CurrentInput();
  const bool keyForWarp =
      input != nullptr && (input->IsActive(iaAction) || input->IsActive(iaRestart));
  if (Owner().ResetWarpWanted(keyForWarp)) StartResetWarp(ResetWarpBelowBody);
}

// The warp's report switches the engine to its warping mode, so only one is made.
void tActualPlayer::StartResetWarp(float below) {
  if (Level == nullptr) return;
  auto warp = std::make_unique<tResetWarp>();
  warp->X = X;
  warp->Y = Y + below;
  Level->AddUnit(std::move(warp));
  Owner().ResetWarpStarted();
}

void tActualPlayer::Kill(std::uint8_t kind, const tUnitClass* killer) {
  if (PlayerState != tPlayerState::psWarpingIn && PlayerState != tPlayerState::psPlaying) return;
  DeathFrame = 0;
  DeathKind = kind;
  PlayerState = tPlayerState::psDying;
  Killer = killer;
  Owner().PlayerKilled(killer, kind == 1 ? tDeathCause::Spider : tDeathCause::General);
}

}  // namespace qn2
