#include "engine/units/Dirt.h"

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "engine/units/Player.h"
#include "engine/units/TerrainGraphics.h"

namespace qn2 {

tDirt::tDirt() {
  Sprite = &TerrainSprites().Dirt;
  QuietWhenStill = true;
}

bool tDirt::QueryPush(tUnit* pusher, tDirection /*direction*/) {
  return dynamic_cast<tPlayer*>(pusher) != nullptr;
}

void tDirt::TakeTurn() {
  const tPlayer* player = Player();
  if (player == nullptr || player->GridX != GridX || player->GridY != GridY) return;
  Dead = true;
  Sound().PlaySample(samples::ClearRubble);
}

tSprite* DirtIcon() {
  return &TerrainSprites().Dirt;
}

}  // namespace qn2
