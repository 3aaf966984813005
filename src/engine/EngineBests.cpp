// The player's best runs: kept when a level is finished, played back on F9.
#include "common/Exception.h"
#include "common/LastMessage.h"
#include "data/LevelKey.h"
#include "data/Recorder.h"
#include "engine/GameEngine.h"
#include "engine/board/PlayState.h"

namespace qn2 {

namespace {

// As long as the game-speed message stays up.
constexpr std::int32_t NoBestMessageTicks = 80;

}  // namespace

void tGameEngine::KeepBestRun() {
  if (!ExitReached) return;
  ExitReached = false;
  const tRecorderState recorder = Play().Recorder.State();
  if (recorder == rsRecording || recorder == rsPlaying || Editing || !LevelKey) return;
  // Turns counted as the game counts them everywhere ("Level solved in N turns", the
  // solver), the player's warp-in included.
  const tBestRun run{Play().TurnCount, Play().Counters.JewelsCollected,
                     Play().Counters.JewelsInLevel};
  try {
    Bests.Offer(*LevelKey, run, Play().RunLog.Decisions());
  } catch (const Exception& e) {
    ReportProblem("Your best run of this level could not be saved: " + e.message());
  }
}

void tGameEngine::PlayBestSolution() {
  if (GameMode != gmPlaying) return;
  bool found = false;
  try {
    found = LevelKey && Bests.LoadSolution(*LevelKey, Play().Recorder);
  } catch (const Exception& e) {
    ReportProblem("Your best run of this level cannot be played: " + e.message());
    return;
  }
  if (!found) {
    MessageText = "No best run of this level yet";
    MessageTicks = NoBestMessageTicks;
    return;
  }
  RestartRequested = true;
  Play().Recorder.StartPlayback();
  ReplayControls = true;
}

std::optional<tBestRun> tGameEngine::BestOfLevel(const std::string& levelFileName) {
  try {
    return Bests.Find(LevelFileKey(levelFileName));
  } catch (const Exception&) {
    return std::nullopt;
  }
}

void tGameEngine::ReportProblem(const std::string& text) {
  LastMessage = text;
  if (Messages != nullptr) Messages->ShowMessage(text);
}

}  // namespace qn2
