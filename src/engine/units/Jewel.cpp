#include "engine/units/Jewel.h"

#include <array>

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "common/LookRandom.h"
#include "engine/board/PlayState.h"
#include "engine/board/StateIo.h"
#include "engine/units/Player.h"
#include "engine/units/TerrainGraphics.h"

namespace qn2 {

namespace {

tSprite* SpinPicture(tJewelKind kind, std::int32_t frame) {
  return &TerrainSprites()
              .JewelSpin[static_cast<std::size_t>(kind) & 3][static_cast<std::size_t>(frame)];
}

}  // namespace

const std::vector<std::string>& JewelKindNames() {
  static const std::vector<std::string> names{"Blue_50", "Magenta_100", "Yellow_250", "Green_1000"};
  return names;
}

std::int32_t LastJewelFrame(tJewelKind kind) {
  static constexpr std::array<std::int32_t, 4> last{31, 15, 12, 15};
  return last[static_cast<std::size_t>(kind) & 3];
}

tJewel::tJewel() {
  Sprite = &TerrainSprites().JewelCell;
  SpinFrame = LookRandom.Below(3 * LastJewelFrame(Kind));
}

const tPropertyList& tJewel::Properties() {
  static const tPropertyList list = [] {
    tPropertyList l = tUnit::Properties();
    Publish<tJewel>(l).Enumeration("Kind", JewelKindNames(), &tJewel::Kind, &tJewel::Kind);
    return l;
  }();
  return list;
}

bool tJewel::QueryPush(tUnit* pusher, tDirection /*direction*/) {
  return dynamic_cast<tPlayer*>(pusher) != nullptr;
}

void tJewel::Reset() {
  tUnit::Reset();
  Sprite = SpinPicture(Kind, 0);
  if (Level != nullptr) ++Play().Counters.JewelsInLevel;
}

void tJewel::TakeTurn() {
  const tPlayer* player = Player();
  if (player == nullptr || player->GridX != GridX || player->GridY != GridY) return;
  Dead = true;
  ++Play().Counters.JewelsCollected;
  Sound().PlaySample(samples::CollectGem);
}

// The last picture of a spin shows for one game frame only, the others for three.
void tJewel::Move() {
  tUnit::Move();
  if (++SpinFrame > 3 * LastJewelFrame(Kind)) SpinFrame = 0;
  Sprite = SpinPicture(Kind, SpinFrame / 3);
}

tSprite* JewelIcon() {
  return SpinPicture(tJewelKind::Magenta_100, 5);
}

void tJewel::StateFields(tStateIo& io) {
  tPlayerAwareUnit::StateFields(io);
  io.Look(SpinFrame);
}

}  // namespace qn2
