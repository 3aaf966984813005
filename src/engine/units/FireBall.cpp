#include "engine/units/FireBall.h"

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "common/Rounding.h"
#include "engine/board/StateIo.h"
#include "engine/units/HostileGraphics.h"
#include "engine/units/Player.h"
#include "engine/units/Snake.h"

namespace qn2 {

tFireBall::tFireBall() {
  Temporary = true;
  Layer = 3;
}

void tFireBall::DeathAnimMove() {
  tPlayer* player = Player();
  if (player == nullptr) return;
  if (Hit) {
    HitTime += 0.5f;
    const std::int32_t frame = Round(HitTime);
    if (frame < FireBallHitFrames)
      Sprite = FireBallHitSprite(frame);
    else
      Dead = true;
    // Only the first call takes effect; the player ignores kills while dying.
    player->Kill(0, &tSnake::Class);
    return;
  }
  const bool flyingRight = player->X >= X;
  Sprite = FireBallFlyingSprite(flyingRight);
  X += flyingRight ? 0.25f : -0.25f;
  const float dx = player->X - X;
  const float dy = player->Y - Y;
  if (dx * dx + dy * dy < 0.125f) {
    Hit = true;
    HitTime = 0;
    X = player->X;
    Y = player->Y;
    Sound().PlaySample(samples::Fireball);
  }
}

void tFireBall::StateFields(tStateIo& io) {
  tPlayerAwareUnit::StateFields(io);
  io.Field(Hit);
  io.Field(HitTime);
}

}  // namespace qn2
