#include "audio/SoundPort.h"
#include "engine/GameEngine.h"

namespace qn2 {

namespace {

bool TakesMovesBack(tGameMode mode) {
  return mode == gmPlaying || mode == gmDying || mode == gmDead;
}

}  // namespace

// The snapshot is taken at the end of the tick before a turn begins, so that putting it
// back lets the next tick play that turn as it came the first time.
void tGameEngine::RecordTurnAhead() {
  if (!KeepsHistory || GameMode != gmPlaying || Paused || !AtTurnEdge()) return;
  tSnapshotStream snapshot;
  SaveState(snapshot);
  Turns.Record(std::move(snapshot), PlayerMark());
}

tPlayHistory::tPlayerMark tGameEngine::PlayerMark() const {
  tPlayHistory::tPlayerMark mark;
  if (Level.Player != nullptr) {
    mark.X = Level.Player->TargetX;
    mark.Y = Level.Player->TargetY;
  }
  mark.Carried = Play().Carried.Size();
  return mark;
}

bool tGameEngine::UndoMove() {
  if (!TakesMovesBack(GameMode)) return false;
  tSnapshotStream live;
  SaveState(live);
  return PutBack(Turns.Back(live, PlayerMark()));
}

bool tGameEngine::RedoMove() {
  if (!TakesMovesBack(GameMode)) return false;
  return PutBack(Turns.Forward());
}

// A death stopped the music; play brought back from it starts the music again, and a death
// played forward again stops it.
bool tGameEngine::PutBack(tSnapshotStream* snapshot) {
  if (snapshot == nullptr) return false;
  const bool silentBefore = GameMode == gmDead;
  snapshot->Rewind();
  LoadState(*snapshot);
  LiveInput.Consume(AllActionsMask);
  if (GameMode == gmDead)
    Sound().StopMusic();
  else if (silentBefore && !MusicFileName.empty())
    Sound().PlayMusic();
  return true;
}

}  // namespace qn2
