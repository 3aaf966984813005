#include "engine/units/Pillar.h"

#include <vector>

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "common/Rounding.h"
#include "engine/board/Level.h"
#include "engine/board/PlayState.h"
#include "engine/board/StateIo.h"
#include "engine/units/Boulder.h"
#include "engine/units/Player.h"
#include "engine/units/SeekerDroid.h"
#include "engine/units/TerrainGraphics.h"

namespace qn2 {

namespace {

// Rising pillars take turns with three sounds; the turn goes on from level to level.
int NextRisingSound = 0;

tSprite* PillarPicture(std::int32_t frame) {
  return &TerrainSprites().Pillar[static_cast<std::size_t>(frame)];
}

}  // namespace

tPillar::tPillar() {
  Risen = false;
  Occupied = false;
}

bool tPillar::IsHeavy(const tUnit& unit) {
  return dynamic_cast<const tPlayer*>(&unit) != nullptr ||
         dynamic_cast<const tBoulder*>(&unit) != nullptr ||
         dynamic_cast<const tSeekerDroid*>(&unit) != nullptr;
}

bool tPillar::QueryPush(tUnit* /*pusher*/, tDirection /*direction*/) {
  return !Risen;
}

bool tPillar::AllowsEntry(tUnit* /*mover*/) {
  return !Risen;
}

bool tPillar::LetsShotPass(tUnit* /*shooter*/) {
  return !Risen;
}

void tPillar::Reset() {
  tUnit::Reset();
  Risen = false;
  Occupied = false;
  Height = 0;
  Sprite = PillarPicture(0);
  Layer = 0;
}

void tPillar::BeginTurn() {
  if (Risen || Level == nullptr) return;
  const bool was = Occupied;
  std::vector<tUnit*> around;
  Level->UnitsAt(GridX, GridY, around);
  Level->UnitsHeadingTo(GridX, GridY, around);
  Occupied = false;
  for (const tUnit* unit : around)
    if (IsHeavy(*unit)) Occupied = true;
  if (Occupied && !was) Sound().PlaySample(samples::PillarIn);
  if (was && !Occupied) {
    Risen = true;
    static const char* const sounds[3] = {samples::PillarOut1, samples::PillarOut2,
                                          samples::PillarOut3};
    Sound().PlaySample(sounds[NextRisingSound]);
    NextRisingSound = (NextRisingSound + 1) % 3;
  }
}

// Rises five steps of height per turn; from height 4 on it stands above the units.
void tPillar::Move() {
  tUnit::Move();
  if (Risen && Height < FullHeight) {
    Height += HeightPerTurn / static_cast<float>(Play().Clock.FramesPerTurn);
    if (Height >= FullHeight) {
      Height = FullHeight;
      Sound().PlaySample(samples::PillarEnd);
    }
    Sprite = PillarPicture(Round(Height));
  }
  Layer = Height >= HighFrom ? 2 : 0;
}

tSprite* PillarIcon() {
  return PillarPicture(tTerrainSprites::PillarFrames - 1);
}

void tPillar::StateFields(tStateIo& io) {
  tUnit::StateFields(io);
  io.Field(Occupied);
  io.Field(Risen);
  io.Field(Height);
}

}  // namespace qn2
