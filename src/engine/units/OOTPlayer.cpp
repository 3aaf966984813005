#include "engine/units/OOTPlayer.h"

#include "engine/board/PlayState.h"
#include "engine/units/PlayerGraphics.h"

namespace qn2 {

tOOTPlayer::tOOTPlayer() {
  Layer = 0;
  ReservesCell = false;
}

std::unique_ptr<tOOTPlayer> CreateOOTPlayer() {
  return std::make_unique<tOOTPlayer>();
}

void tOOTPlayer::TakeTurn() {
  tPlayer::TakeTurn();
  const tInputAction action = ChooseDirectionAction();
  // The ghost asks what stands ahead but pushes nothing.
  StepFor(action, false);
  if (!Moved) {
    TargetX = GridX;
    TargetY = GridY;
  }
}

void tOOTPlayer::Move() {
  float f = Play().Clock.OOTFraction;
  if (Play().PlayerCounters.SlowDisplay) {
    f = Play().Clock.OOTLength > 0 ? static_cast<float>(Play().Clock.OOTFrames) /
                                         static_cast<float>(2 * Play().Clock.OOTLength)
                                   : 0.0f;
    if (WalkPhase) f += 0.5f;
  }
  if (Direction == tDirection::Up || Direction == tDirection::Left) f = 1 - f;
  Sprite = WalkingSprite(Direction, WalkFrameAt(f));
}

}  // namespace qn2
