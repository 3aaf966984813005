#include "engine/GameEngine.h"
#include "engine/board/StateIo.h"

namespace qn2 {

namespace {

void InputFields(tStateIo& io, tInputDevice& input) {
  tInputDevice::tLatches latches = input.Latches();
  io.Field(latches);
  if (io.IsLoading()) input.SetLatches(latches);
}

}  // namespace

// The engine's part follows the level's in the same stream. The live input is the
// player's hands on the keys now, so it is not part of a snapshot.
void tGameEngine::SaveState(tSnapshotStream& stream) {
  Level.SaveState(stream);
  tStateIo io = tStateIo::Saving(stream);
  EngineStateFields(io);
}

void tGameEngine::LoadState(tSnapshotStream& stream) {
  Level.LoadState(stream);
  tStateIo io = tStateIo::Loading(stream);
  EngineStateFields(io);
  FullRedraw = true;
}

std::uint64_t tGameEngine::PlayHash() {
  tStateIo io = tStateIo::Hashing();
  std::uint64_t level = Level.PlayHash();
  io.Field(level);
  EngineStateFields(io);
  return io.Hash();
}

void tGameEngine::EngineStateFields(tStateIo& io) {
  io.Field(GameMode);
  io.Field(DeadTicks);
  io.Field(WarpAction);
  io.Field(WarpFinished);
  io.Field(RestartRequested);
  io.Look(AnimCounter);
  io.Field(LastDeath.Killer);
  io.Field(LastDeath.Cause);
  InputFields(io, PreviousInput);
  InputFields(io, OlderInput);
  bool readingOlder = CurrentInput == &OlderInput;
  io.Field(readingOlder);
  CurrentInput = readingOlder ? &OlderInput : &LiveInput;
  if (OOTPlayer != nullptr) {
    OOTPlayer->StateFields(io);
    // The ghost lives outside the level's unit list; it never refers to other units.
    io.ResolveUnitRefs([](std::int32_t) -> tUnit* { return nullptr; });
  }
}

}  // namespace qn2
