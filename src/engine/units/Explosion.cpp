#include "engine/units/Explosion.h"

#include <memory>

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "engine/board/Level.h"
#include "engine/board/StateIo.h"
#include "engine/units/HostileGraphics.h"

namespace qn2 {

tExplosion1::tExplosion1() {
  Temporary = true;
  Sound().PlaySample(samples::SpiderExplosion);
  Sprite = ExplosionSprite(0);
  Layer = 3;
}

void tExplosion1::Attach(tUnit* unit) {
  AttachedTo = unit;
  if (unit == nullptr) return;
  X = unit->X;
  Y = unit->Y;
  GridX = unit->GridX;
  GridY = unit->GridY;
}

void tExplosion1::TakeTurn() {
  if (AttachedTo == nullptr) return;
  AttachedTo->Dead = true;
  AttachedTo = nullptr;
}

// Called on game frames only: the burst holds still while the player dies.
void tExplosion1::Move() {
  ++ExplosionFrame;
  if (AttachedTo != nullptr) {
    X = AttachedTo->X;
    Y = AttachedTo->Y;
  }
  if (ExplosionFrame < ExplosionFrames)
    Sprite = ExplosionSprite(ExplosionFrame);
  else
    Dead = true;
}

void tExplosion1::SaveState(tSnapshotStream& stream) {
  tUnit::SaveState(stream);
  stream.Write(ExplosionFrame);
  stream.Write<std::int32_t>(AttachedTo != nullptr ? AttachedTo->SerialNumber : -1);
}

void tExplosion1::LoadState(tSnapshotStream& stream) {
  tUnit::LoadState(stream);
  ExplosionFrame = stream.Read<std::int32_t>();
  const std::int32_t serial = stream.Read<std::int32_t>();
  AttachedTo = nullptr;
  if (serial < 0 || Level == nullptr) return;
  for (const auto& unit : Level->Units)
    if (unit->SerialNumber == serial && unit.get() != this) AttachedTo = unit.get();
}

void ExplodeUnit(tUnit* unit) {
  if (unit == nullptr || unit->Level == nullptr) return;
  auto explosion = std::make_unique<tExplosion1>();
  explosion->Attach(unit);
  unit->Level->AddUnit(std::move(explosion));
}

void tExplosion1::StateFields(tStateIo& io) {
  tUnit::StateFields(io);
  io.Field(ExplosionFrame);
  io.UnitRef(AttachedTo);
}

}  // namespace qn2
