#include "common/Text.h"
#include "data/ConfigFile.h"
#include "data/PackageFiles.h"
#include "data/ProgressFile.h"
#include "data/Recorder.h"
#include "data/TextLines.h"
#include "engine/GameEngine.h"
#include "engine/board/PlayState.h"

namespace qn2 {

namespace {

std::vector<std::string> ReadGameFileLines(const std::string& fileName) {
  auto stream = OpenPackagedFile(fileName);
  const auto bytes = stream->Data();
  return SplitLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace

// --- The episode ---------------------------------------------------------------------------

void tGameEngine::LoadEpisode(const std::string& setFileName) {
  Episode.Assign(setFileName, ParseSetLines(ReadGameFileLines(setFileName)));
  EntryIndex = 0;
  if (const std::string problem = Episode.LoadProgress(); !problem.empty()) ReportProblem(problem);
  ReadTitles(Episode.AllEntries(), ReadGameFileLines);
}

void tGameEngine::StartEntry(const tSetEntry& entry) {
  GameInProgress = true;
  if (entry.IsLevel()) {
    LoadLevelWithMusic(entry.FileName);
    LevelTitleText = Level.Title.empty() ? "Untitled Level" : Level.Title;
  } else if (entry.IsVideo()) {
    VideoFileName = entry.FileName;
    SetGameMode(PackagedFileExists(entry.FileName) ? gmVideo : gmSkipEntry);
  }
}

void tGameEngine::StartCurrentEntry() {
  LevelLabel = EntryLabel(Episode.FileName(), static_cast<std::size_t>(std::max(EntryIndex, 0)));
  if (Episode.InRange(EntryIndex)) StartEntry(Episode.Entry(EntryIndex));
}

void tGameEngine::GoToEntry(std::int32_t index) {
  EntryIndex = index;
  StartCurrentEntry();
}

void tGameEngine::NextEntry() {
  if (EntryIndex + 1 >= Episode.Count()) {
    SetGameMode(gmAllSolved);
    return;
  }
  ++EntryIndex;
  StartCurrentEntry();
}

// Videos are passed over: only a level can be left to solve.
void tGameEngine::NextUnsolvedEntry() {
  if (Episode.AllSolved()) {
    SetGameMode(gmAllSolved);
    return;
  }
  const std::int32_t count = Episode.Count();
  do {
    EntryIndex = (EntryIndex + 1) % count;
  } while (Episode.GetProgress(EntryIndex) == ProgressSolvedAllJewels ||
           Episode.IsVideoEntry(EntryIndex));
  StartCurrentEntry();
}

// --- Solutions -----------------------------------------------------------------------------------

void tGameEngine::StartRecordingSolution() {
  if (GameMode != gmPlaying) return;
  RestartRequested = true;
  Play().Recorder.StartRecording();
}

void tGameEngine::PlayStoredSolution() {
  if (GameMode != gmPlaying) return;
  const std::string name = StoredSolutionName(LevelFileName);
  if (!PackagedFileExists(name)) return;
  // Read before anything changes: a damaged file leaves the play as it was.
  Play().Recorder.LoadFromFile(name);
  RestartRequested = true;
  Play().Recorder.StartPlayback();
  ReplayControls = true;
}

// Whatever the recorder held before goes: the solution stands still after its last decision.
void tGameEngine::PlaySolutionFile(const std::string& fileName) {
  Play().Recorder.Clear();
  Play().Recorder.LoadFromFile(fileName);
  Play().Recorder.StartPlayback();
  ReplayControls = true;
}

// --- A finished level
// ------------------------------------------------------------------------------

// While a solution is recorded or played, finishing the level saves or ends it and the
// level starts again; otherwise the run may be the player's best, the entry's progress
// rises and the episode moves on.
void tGameEngine::LevelFinishedStep() {
  KeepBestRun();
  if (Play().Recorder.State() == rsPlaying) {
    Play().Recorder.Stop();
    RestartLevel();
    return;
  }
  if (Play().Recorder.State() == rsRecording) {
    Play().Recorder.SaveToFile(NewSolutionFileName(LevelFileName));
    Play().Recorder.Stop();
    RestartLevel();
    return;
  }
  const bool allJewels = Play().Counters.JewelsCollected == Play().Counters.JewelsInLevel;
  const std::int32_t value = allJewels ? ProgressSolvedAllJewels : ProgressSolved;
  if (Episode.GetProgress(EntryIndex) < value) Episode.SetProgress(EntryIndex, value);
  Episode.SaveProgress();
  if (Episode.AllSolved()) {
    if (Episode.AllSolvedAtLoad) {
      GameInProgress = false;
      FadeToGameMode(gmPickLevel);
    } else {
      FadeToGameMode(gmAllSolved);
    }
    return;
  }
  RestorePointerBackground();
  if (Settings.Dialogs) {
    OpenMenu();
    SetGameMode(allJewels ? gmSolvedPopup : gmPartlySolvedPopup);
  } else {
    FadeToGameMode(gmNextUnsolved);
  }
}

}  // namespace qn2
