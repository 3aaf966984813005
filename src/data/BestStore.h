#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qn2 {

class tRecorder;

// What a finished run of a level achieved: the turns the level was played (as the game counts
// them, the warp-in included, to the door closing behind), and the jewels taken of those
// the level has.
struct tBestRun {
  std::int32_t Turns = 0;
  std::int32_t Jewels = 0;
  std::int32_t JewelsInLevel = 0;
  bool operator==(const tBestRun&) const = default;
};

// The order of runs: more jewels beat fewer turns; with as many jewels, fewer turns win. A
// run that only ties the best does not replace it.
bool BeatsBest(const tBestRun& run, const tBestRun& best);

// "Best: 23 turns, 3/3 jewels"; a level without jewels shows the turns alone.
std::string BestRunText(const tBestRun& run);

// The folder of the player's bests, in the game folder.
inline constexpr const char* BestFolderName = "Best\\";
// The index in that folder: one line per level, "<key> <turns> <jewels> <jewels in level>".
inline constexpr const char* BestIndexName = "Best.txt";

// The player's best run of each level, filed under the level's key (see LevelKey.h): the
// decisions as a solution file "<key>.Solution" in the recorder's format, so the playback
// plays it as it plays any solution, and the counts in the index. Both files are replaced
// whole, so a failed write leaves the best that was kept before.
class tBestStore {
 public:
  // The bests in the folder (a game-style name ending in "\").
  explicit tBestStore(std::string folder = BestFolderName);

  // Told of a damaged index line and of an index that cannot be read.
  std::function<void(const std::string&)> OnProblem;

  // The level's best; none when it has none. The index is read on first use.
  std::optional<tBestRun> Find(std::uint64_t key);
  std::string SolutionFileName(std::uint64_t key) const;
  std::string IndexFileName() const;
  // Puts the decisions of the level's best into the recorder, stopped at the first one.
  // False, and the recorder untouched, when the level has no best. Raises EFileError or
  // Exception when the solution file cannot be read.
  bool LoadSolution(std::uint64_t key, tRecorder& recorder);
  // Keeps the run as the level's best when it beats the best kept (or there is none, or
  // the best's solution file has gone): the solution file first, then the index. True when
  // it was kept. Raises EFileError when a file cannot be written; the best kept before
  // then stands, on disk and here.
  bool Offer(std::uint64_t key, const tBestRun& run, const std::vector<std::int32_t>& decisions);

 private:
  // Reads the index. Damaged lines are reported and left out (and dropped when the index
  // is next written); an index that cannot be read at all is reported and nothing is
  // written over it.
  void LoadIndex();
  static std::string IndexText(const std::map<std::uint64_t, tBestRun>& runs);
  void Report(const std::string& text) const;

  std::string Folder;
  bool Loaded = false;
  bool IndexUnreadable = false;
  std::map<std::uint64_t, tBestRun> Runs;
};

}  // namespace qn2
