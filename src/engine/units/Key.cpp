#include "engine/units/Key.h"

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "common/LookRandom.h"
#include "engine/board/PlayState.h"
#include "engine/board/StateIo.h"
#include "engine/units/Player.h"
#include "engine/units/TerrainGraphics.h"

namespace qn2 {

tKey::tKey() {
  Sprite = &TerrainSprites().KeyCell;
  SpinFrame = LookRandom.Below(LastSpinStep);
}

bool tKey::QueryPush(tUnit* pusher, tDirection /*direction*/) {
  return dynamic_cast<tPlayer*>(pusher) != nullptr;
}

void tKey::Reset() {
  tUnit::Reset();
  if (Level != nullptr) ++Play().Counters.KeysInLevel;
}

void tKey::TakeTurn() {
  const tPlayer* player = Player();
  if (player == nullptr || player->GridX != GridX || player->GridY != GridY) return;
  Dead = true;
  ++Play().Counters.KeysCollected;
  Sound().PlaySample(samples::CollectKey);
}

void tKey::Move() {
  tUnit::Move();
  if (++SpinFrame > LastSpinStep) SpinFrame = 0;
  Sprite = &TerrainSprites().KeySpin[static_cast<std::size_t>(SpinFrame / 3)];
}

tSprite* KeyIcon() {
  return &TerrainSprites().KeySpin[0];
}

void tKey::StateFields(tStateIo& io) {
  tPlayerAwareUnit::StateFields(io);
  io.Look(SpinFrame);
}

}  // namespace qn2
