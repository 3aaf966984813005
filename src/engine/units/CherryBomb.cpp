#include "engine/units/CherryBomb.h"

#include <algorithm>
#include <cstdlib>

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "common/LookRandom.h"
#include "engine/board/CarriedItems.h"
#include "engine/board/StateIo.h"
#include "engine/units/Boulder.h"
#include "engine/units/Dirt.h"
#include "engine/units/Explosion.h"
#include "engine/units/HostileGraphics.h"
#include "engine/units/Player.h"
#include "engine/units/Snake.h"
#include "engine/units/Spider.h"
#include "render/Dib16.h"
#include "render/DibStack.h"

namespace qn2 {

namespace {

constexpr int FullVolume = 255;
constexpr int FlickerVolume = 64;
constexpr std::int32_t NearlyOut = 5;      // below this many turns the bomb flashes
constexpr std::int32_t PickupQuiet = 10;   // turns between two pickup sounds
constexpr std::int32_t BlastLength = 112;  // frames the blast is shown

}  // namespace

tCherryBomb::tCherryBomb() {
  Sprite = BombLyingSprite();
}

tCherryBomb::~tCherryBomb() {
  StopFuseSound();
}

bool tCherryBomb::QueryPush(tUnit* pusher, tDirection /*direction*/) {
  return dynamic_cast<tPlayer*>(pusher) != nullptr;
}

// A burning or blasting bomb next to the player holds back its early step.
bool tCherryBomb::HoldsPlayerTurn() {
  if (BombState != bsLit && BombState != bsFuseNearlyOut && BombState != bsBlasting) return false;
  tPlayer* player = Player();
  return player != nullptr && WithinReach(*player);
}

bool tCherryBomb::WithinReach(const tUnit& unit) const {
  return std::max(std::abs(unit.GridX - GridX), std::abs(unit.GridY - GridY)) <= 1;
}

void tCherryBomb::Reset() {
  tUnit::Reset();
  Layer = 1;
  BombState = bsLying;
  Fuse = FuseTurns;
  Sprite = BombLyingSprite();
  BlastFrame = 0;
  StopFuseSound();
  if (Level != nullptr) Play().LastPickupTurn = -9;
}

void tCherryBomb::StopFuseSound() {
  if (FuseChannel == -1) return;
  Sound().StopChannel(FuseChannel);
  Sound().SetChannelVolume(FuseChannel, FullVolume);
  FuseChannel = -1;
}

void tCherryBomb::MuteSounds() {
  if (FuseChannel != -1) Sound().SetChannelVolume(FuseChannel, 0);
}

void tCherryBomb::UnmuteSounds() {
  if (FuseChannel != -1) Sound().SetChannelVolume(FuseChannel, FullVolume);
}

void tCherryBomb::TakeTurn() {
  switch (BombState) {
    case bsLying: {
      if (Carried) return;
      tPlayer* player = Player();
      if (player == nullptr || player->GridX != GridX || player->GridY != GridY) return;
      if (!Play().Carried.QueueFull() && Play().LastPickupTurn + PickupQuiet < Play().TurnCount) {
        Sound().PlaySample(samples::CherryBombPickup);
        Play().LastPickupTurn = Play().TurnCount;
      }
      PickUp();
      return;
    }
    case bsLit:
    case bsFuseNearlyOut:
      BurnFuse();
      return;
    case bsExploding:
      BombState = bsBlasting;
      return;
    case bsBlasting: {
      Present = false;
      --BlastTurns;
      if (BlastTurns == 0) Blast();
      tPlayer* player = Player();
      if (BlastTurns > 0 && player != nullptr && !player->Dead && WithinReach(*player))
        player->Kill(0, &tCherryBomb::Class);
      return;
    }
    default:
      return;
  }
}

// The fuse sound flickers in the last turns, then the bomb goes off.
void tCherryBomb::BurnFuse() {
  --Fuse;
  if (Fuse < NearlyOut) {
    BombState = bsFuseNearlyOut;
    if (FuseChannel != -1) Sound().SetChannelVolume(FuseChannel, Fuse % 2 != 0 ? FlickerVolume : 0);
  }
  if (Fuse == 0) Explode();
}

void tCherryBomb::Drop() {
  Carried = false;
  BombState = bsLit;
  FuseChannel = Sound().PlaySample(samples::CherryBombFuse);
  Sound().PlaySample(samples::DropBomb);
}

void tCherryBomb::Explode() {
  StopFuseSound();
  BombState = bsExploding;
  Sound().PlaySample(samples::CherryBombExplosion);
  Layer = 3;
  BlastTurns = 2;
}

// Everything live within one cell, diagonals included: the player is killed, rubble,
// boulders and monsters blow up, and bombs lying there go off in turn.
void tCherryBomb::Blast() {
  if (Level == nullptr) return;
  const std::size_t count = Level->Units.Count();
  for (std::size_t i = 0; i < count; ++i) {
    tUnit* unit = Level->Units[i];
    if (unit == this || !unit->IsLive() || !WithinReach(*unit)) continue;
    if (auto* player = dynamic_cast<tPlayer*>(unit); player != nullptr) {
      player->Kill(0, &tCherryBomb::Class);
    } else if (dynamic_cast<tBoulder*>(unit) != nullptr ||
               dynamic_cast<tSpider*>(unit) != nullptr || dynamic_cast<tDirt*>(unit) != nullptr ||
               dynamic_cast<tSnake*>(unit) != nullptr) {
      ExplodeUnit(unit);
    } else if (auto* bomb = dynamic_cast<tCherryBomb*>(unit); bomb != nullptr) {
      if (bomb->BombState != bsExploding && bomb->BombState != bsBlasting) bomb->Explode();
    }
  }
}

void tCherryBomb::Move() {
  tUnit::Move();
  if (BombState == bsFuseNearlyOut) {
    ++FlashCount;
    if (LookRandom.Below(20) + 4 < FlashCount / 2) FlashCount = 0;
  } else if (BombState == bsBlasting) {
    ++BlastFrame;
    if (BlastFrame >= BlastLength) Dead = true;
  }
}

// Bombs keep burning and blasting while the player dies.
void tCherryBomb::DeathAnimMove() {
  Move();
}

void tCherryBomb::Draw() {
  switch (BombState) {
    case bsLying:
      Sprite = BombLyingSprite();
      break;
    case bsLit:
      FuseFrame = FuseFrame >= BombLitFrames - 1 ? 0 : FuseFrame + 1;
      Sprite = BombLitSprite(FuseFrame);
      break;
    case bsFuseNearlyOut:
      Sprite = BombFlashingSprite(std::min(FlashCount / 2, BombFlashFrames - 1));
      break;
    case bsBlasting: {
      Sprite = BlastSprite(BlastFrame / 4);
      // The blast is drawn over the overlay tiles too.
      tDib16* dib = CurrentDib;
      if (dib != nullptr) dib->MaskActive = false;
      tUnit::Draw();
      if (dib != nullptr) dib->MaskActive = dib->HasMask();
      return;
    }
    default:
      break;
  }
  tUnit::Draw();
}

void tCherryBomb::SaveState(tSnapshotStream& stream) {
  tUnit::SaveState(stream);
  stream.Write(Layer);
  stream.Write(BombState);
  stream.Write(Fuse);
  stream.Write(Sprite);
  stream.Write(BlastFrame);
}

void tCherryBomb::LoadState(tSnapshotStream& stream) {
  tUnit::LoadState(stream);
  Layer = stream.Read<std::uint8_t>();
  BombState = stream.Read<std::uint8_t>();
  Fuse = stream.Read<std::int32_t>();
  Sprite = stream.Read<tSprite*>();
  BlastFrame = stream.Read<std::int32_t>();
}

void tCherryBomb::StateFields(tStateIo& io) {
  tPlayerAwareUnit::StateFields(io);
  io.Field(Fuse);
  io.Look(FuseFrame);
  io.Look(FlashCount);
  io.Field(BlastFrame);
  io.Field(BlastTurns);
  io.Field(BombState);
}

// After a snapshot is put back the fuse sound plays exactly while the fuse burns.
void tCherryBomb::StateRestored() {
  if (BombState != bsLit && BombState != bsFuseNearlyOut) {
    StopFuseSound();
    return;
  }
  if (FuseChannel == -1) FuseChannel = Sound().PlaySample(samples::CherryBombFuse);
  if (BombState == bsFuseNearlyOut && FuseChannel != -1)
    Sound().SetChannelVolume(FuseChannel, Fuse % 2 != 0 ? FlickerVolume : 0);
}

}  // namespace qn2
