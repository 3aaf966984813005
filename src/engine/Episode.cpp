#include "engine/Episode.h"

#include <algorithm>

#include "data/ProgressFile.h"

namespace qn2 {

void tEpisode::Assign(const std::string& setFileName, std::vector<tSetEntry> entries) {
  SetFileName = setFileName;
  Entries = std::move(entries);
  Progress.assign(Entries.size(), 0);
}

std::int32_t tEpisode::GetProgress(std::int32_t index) const {
  return InRange(index) ? Progress[static_cast<std::size_t>(index)] : 0;
}

void tEpisode::SetProgress(std::int32_t index, std::int32_t value) {
  if (InRange(index)) Progress[static_cast<std::size_t>(index)] = value;
}

bool tEpisode::IsLevelEntry(std::int32_t index) const {
  return InRange(index) && Entry(index).IsLevel();
}

bool tEpisode::IsDummyEntry(std::int32_t index) const {
  return InRange(index) && Entry(index).IsDummy();
}

bool tEpisode::IsVideoEntry(std::int32_t index) const {
  return InRange(index) && Entry(index).IsVideo();
}

bool tEpisode::AllSolved() const {
  for (std::int32_t index = 0; index < Count(); ++index)
    if (!IsVideoEntry(index) && GetProgress(index) != ProgressSolvedAllJewels) return false;
  return true;
}

std::string tEpisode::EntryTitle(std::int32_t index) const {
  return InRange(index) ? Entry(index).Title : std::string();
}

std::string tEpisode::LoadProgress() {
  std::string problem = qn2::LoadProgress(ProgressFileName(SetFileName), Progress);
  AllSolvedAtLoad = AllSolved();
  return problem;
}

void tEpisode::SaveProgress() {
  if (!Entries.empty()) WriteProgressFile(ProgressFileName(SetFileName), Progress);
}

void tEpisode::ClearProgress() {
  std::fill(Progress.begin(), Progress.end(), 0);
  SaveProgress();
}

}  // namespace qn2
