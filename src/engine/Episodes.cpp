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
  Episode = ParseSetLines(ReadGameFileLines(setFileName));
  EpisodeProgress.assign(Episode.size(), 0);
  EntryIndex = 0;
  EpisodeFileName = setFileName;
  LoadProgress();
  ReadTitles(Episode, ReadGameFileLines);
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
  LevelLabel = EntryLabel(EpisodeFileName, static_cast<std::size_t>(std::max(EntryIndex, 0)));
  if (EntryInRange(EntryIndex)) StartEntry(Episode[static_cast<std::size_t>(EntryIndex)]);
}

void tGameEngine::GoToEntry(std::int32_t index) {
  EntryIndex = index;
  StartCurrentEntry();
}

void tGameEngine::NextEntry() {
  if (EntryIndex + 1 >= static_cast<std::int32_t>(Episode.size())) {
    SetGameMode(gmAllSolved);
    return;
  }
  ++EntryIndex;
  StartCurrentEntry();
}

void tGameEngine::NextUnsolvedEntry() {
  if (AllSolved()) {
    SetGameMode(gmAllSolved);
    return;
  }
  const auto count = static_cast<std::int32_t>(Episode.size());
  do {
    EntryIndex = (EntryIndex + 1) % count;
  } while (GetProgress(EntryIndex) == ProgressSolvedAllJewels);
  StartCurrentEntry();
}

bool tGameEngine::EntryInRange(std::int32_t index) const {
  return index >= 0 && index < static_cast<std::int32_t>(Episode.size());
}

std::int32_t tGameEngine::GetProgress(std::int32_t index) const {
  return EntryInRange(index) ? EpisodeProgress[static_cast<std::size_t>(index)] : 0;
}

void tGameEngine::SetProgress(std::int32_t index, std::int32_t value) {
  if (EntryInRange(index)) EpisodeProgress[static_cast<std::size_t>(index)] = value;
}

bool tGameEngine::IsLevelEntry(std::int32_t index) const {
  return EntryInRange(index) && Episode[static_cast<std::size_t>(index)].IsLevel();
}

bool tGameEngine::IsDummyEntry(std::int32_t index) const {
  return EntryInRange(index) && Episode[static_cast<std::size_t>(index)].IsDummy();
}

bool tGameEngine::AllSolved() const {
  for (std::int32_t value : EpisodeProgress)
    if (value != ProgressSolvedAllJewels) return false;
  return true;
}

std::string tGameEngine::EntryTitle(std::int32_t index) const {
  return EntryInRange(index) ? Episode[static_cast<std::size_t>(index)].Title : std::string();
}

// --- Progress ----------------------------------------------------------------------------------

void tGameEngine::LoadProgress() {
  qn2::LoadProgress(ProgressFileName(EpisodeFileName), EpisodeProgress);
  AllSolvedAtLoad = AllSolved();
}

void tGameEngine::SaveProgress() {
  if (!Episode.empty()) WriteProgressFile(ProgressFileName(EpisodeFileName), EpisodeProgress);
}

void tGameEngine::ClearProgress() {
  std::fill(EpisodeProgress.begin(), EpisodeProgress.end(), 0);
  SaveProgress();
}

// --- Solutions -----------------------------------------------------------------------------------

void tGameEngine::StartRecordingSolution() {
  if (GameMode != gmPlaying) return;
  RestartRequested = true;
  Recorder.StartRecording();
}

void tGameEngine::PlayStoredSolution() {
  if (GameMode != gmPlaying) return;
  const std::string name = StoredSolutionName(LevelFileName);
  if (!PackagedFileExists(name)) return;
  RestartRequested = true;
  Recorder.LoadFromFile(name);
  Recorder.StartPlayback();
}

// --- A finished level
// ------------------------------------------------------------------------------

// While a solution is recorded or played, finishing the level saves or ends it and the
// level starts again; otherwise the entry's progress rises and the episode moves on.
void tGameEngine::LevelFinishedStep() {
  if (Recorder.State() == rsPlaying) {
    Recorder.Stop();
    RestartLevel();
    return;
  }
  if (Recorder.State() == rsRecording) {
    Recorder.SaveToFile(NewSolutionFileName(LevelFileName));
    Recorder.Stop();
    RestartLevel();
    return;
  }
  const bool allJewels = Play().Counters.JewelsCollected == Play().Counters.JewelsInLevel;
  const std::int32_t value = allJewels ? ProgressSolvedAllJewels : ProgressSolved;
  if (GetProgress(EntryIndex) < value) SetProgress(EntryIndex, value);
  SaveProgress();
  if (AllSolved()) {
    if (AllSolvedAtLoad) {
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
