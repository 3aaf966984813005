// Snapshots of a level in play: taken at any tick, put back later, and the play goes on
// exactly as it went on from the moment the snapshot was taken.
#include <algorithm>
#include <unordered_map>

#include "common/Exception.h"
#include "common/LookRandom.h"
#include "engine/board/Level.h"
#include "engine/board/StateIo.h"

namespace qn2 {

namespace {

// A list of units as their serial numbers.
void UnitListFields(tStateIo& io, std::vector<tUnit*>& list) {
  auto count = static_cast<std::uint32_t>(list.size());
  io.Field(count);
  if (io.IsLoading()) list.assign(count, nullptr);
  for (tUnit*& unit : list) io.UnitRef(unit);
}

}  // namespace

// The drawing order only shapes the picture.
void tLevel::DrawListFields(tStateIo& io) {
  if (!io.IsHashing()) UnitListFields(io, DrawList);
}

void tPlayState::StateFields(tStateIo& io) {
  io.Field(Clock.FramesPerTurn);
  io.Field(Clock.SpeedAdjust);
  io.Field(Clock.TurnPhase);
  io.Field(Clock.TurnFraction);
  io.Field(Clock.PrevTurnFraction);
  io.Field(Clock.OOTEnabled);
  io.Field(Clock.OOTStepActive);
  // The early step's values matter only while a step is under way; its frame count runs on
  // between steps.
  const auto step = [&io, this](auto& value) {
    if (Clock.OOTStepActive)
      io.Field(value);
    else
      io.Look(value);
  };
  step(Clock.OOTFrames);
  step(Clock.OOTLength);
  step(Clock.OOTFraction);
  step(Clock.OOTFromX);
  step(Clock.OOTFromY);
  step(Clock.OOTToX);
  step(Clock.OOTToY);
  step(Clock.DrawOOTPlayer);
  io.Field(Counters);
  Carried.StateFields(io);
  io.Field(ButtonsUp);
  io.Look(PlayerCounters.SlowDisplay);
  io.Look(PlayerCounters.PlayerFrameSteps);
  io.Look(PlayerCounters.PlayerDraws);
  // Only the pickup sound reads the turn count; the turn phase is kept in the clock.
  io.Look(LastPickupTurn);
  io.Field(NextSerialNumber);
  io.Look(TickCount);
  io.Look(TurnCount);
  io.Look(FrameCount);
  tRecorderState recording = Recorder.State();
  std::int32_t position = Recorder.Position();
  std::int32_t count = Recorder.Count();
  io.Look(recording);
  io.Look(position);
  io.Look(count);
  if (io.IsLoading()) Recorder.RestorePlace(recording, position, count);
  // Taking a move back takes it out of the run too.
  std::int32_t logged = RunLog.Count();
  io.Look(logged);
  if (io.IsLoading()) RunLog.RestoreCount(logged);
  // The units pick their looks (idle pictures, sparkle, flicker) from the game's one look
  // generator; where it stood belongs to the picture of the play.
  io.Look(LookRandom);
}

void tLevel::SaveState(tSnapshotStream& stream) {
  tStateIo io = tStateIo::Saving(stream);
  WriteState(io);
}

std::uint64_t tLevel::PlayHash() {
  tStateIo io = tStateIo::Hashing();
  WriteState(io);
  return io.Hash();
}

void tLevel::WriteState(tStateIo& io) {
  io.Field(Reserved);
  Play.StateFields(io);
  auto count = static_cast<std::uint32_t>(Units.Count());
  io.Field(count);
  for (const auto& unit : Units) {
    const tUnitClass* unitClass = &unit->ClassType();
    io.Field(unitClass);
    io.Field(unit->SerialNumber);
    unit->StateFields(io);
  }
  io.UnitRef(Player);
  for (auto& row : Rows) UnitListFields(io, row);
  DrawListFields(io);
}

void tLevel::LoadState(tSnapshotStream& stream) {
  tStateIo io = tStateIo::Loading(stream);
  io.Field(Reserved);
  Play.StateFields(io);

  // Every unit leaves the list; those the snapshot names come back in its order.
  std::unordered_map<std::int32_t, std::unique_ptr<tUnit>> before;
  while (!Units.Empty()) {
    std::unique_ptr<tUnit> unit = Units.Extract(Units.Count() - 1);
    const std::int32_t serial = unit->SerialNumber;
    before.emplace(serial, std::move(unit));
  }
  std::uint32_t count = 0;
  io.Field(count);
  std::unordered_map<std::int32_t, tUnit*> bySerial;
  for (std::uint32_t i = 0; i < count; ++i) {
    const tUnitClass* unitClass = nullptr;
    std::int32_t serial = 0;
    io.Field(unitClass);
    io.Field(serial);
    std::unique_ptr<tUnit> unit;
    if (auto found = before.find(serial);
        found != before.end() && &found->second->ClassType() == unitClass) {
      unit = std::move(found->second);
      before.erase(found);
    } else {
      unit = unitClass->Create();
      unit->Level = this;
      unit->SerialNumber = serial;
    }
    unit->StateFields(io);
    bySerial[serial] = Units.Add(std::move(unit));
  }
  io.UnitRef(Player);
  for (auto& row : Rows) UnitListFields(io, row);
  DrawListFields(io);
  io.ResolveUnitRefs([&](std::int32_t serial) -> tUnit* {
    auto found = bySerial.find(serial);
    return found != bySerial.end() ? found->second : nullptr;
  });
  // References to units the snapshot does not hold cannot be resolved; they are dropped.
  for (auto& row : Rows) std::erase(row, nullptr);
  std::erase(DrawList, nullptr);
  // The units made since the snapshot go now, after nothing refers to them any more.
  before.clear();
  for (const auto& unit : Units) unit->StateRestored();
}

}  // namespace qn2
