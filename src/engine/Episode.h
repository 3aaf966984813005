#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/SetFile.h"

namespace qn2 {

// The running episode: the entries of its set file, the player's progress on each, and the
// progress file that keeps it. What the level-pick screen reads.
class tEpisode {
 public:
  // The set file the episode was read from.
  const std::string& FileName() const { return SetFileName; }
  // Takes the entries of a set file; every entry starts unsolved until LoadProgress.
  void Assign(const std::string& setFileName, std::vector<tSetEntry> entries);

  std::int32_t Count() const { return static_cast<std::int32_t>(Entries.size()); }
  bool Empty() const { return Entries.empty(); }
  bool InRange(std::int32_t index) const { return index >= 0 && index < Count(); }
  // The entry; the caller has checked the index.
  const tSetEntry& Entry(std::int32_t index) const {
    return Entries[static_cast<std::size_t>(index)];
  }
  std::vector<tSetEntry>& AllEntries() { return Entries; }
  const std::vector<std::int32_t>& AllProgress() const { return Progress; }

  // Progress of an entry; out-of-range reads 0 and writes nothing.
  std::int32_t GetProgress(std::int32_t index) const;
  void SetProgress(std::int32_t index, std::int32_t value);
  bool IsLevelEntry(std::int32_t index) const;
  bool IsDummyEntry(std::int32_t index) const;
  bool IsVideoEntry(std::int32_t index) const;
  // Every entry but the videos has progress 2 (true for an empty episode). A video is
  // watched, never solved, so it does not hold the episode back.
  bool AllSolved() const;
  std::string EntryTitle(std::int32_t index) const;

  // The progress file of the set file. LoadProgress returns a message for the player when
  // the file was damaged and has been copied aside ("" when it was sound).
  std::string LoadProgress();
  void SaveProgress();
  void ClearProgress();
  // Every entry was solved with all jewels when the progress was last loaded.
  bool AllSolvedAtLoad = false;

 private:
  std::string SetFileName;
  std::vector<tSetEntry> Entries;
  std::vector<std::int32_t> Progress;
};

}  // namespace qn2
