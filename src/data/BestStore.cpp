#include "data/BestStore.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <system_error>

#include "common/Exception.h"
#include "data/DiskFiles.h"
#include "data/DiskWrite.h"
#include "data/FileStream.h"
#include "data/LevelKey.h"
#include "data/Recorder.h"
#include "data/TextLines.h"

namespace qn2 {

namespace {

// The blank-separated words of an index line.
std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (true) {
    at = line.find_first_not_of(" \t", at);
    if (at == std::string_view::npos) return words;
    const std::size_t end = line.find_first_of(" \t", at);
    words.push_back(line.substr(at, end == std::string_view::npos ? end : end - at));
    if (end == std::string_view::npos) return words;
    at = end;
  }
}

std::optional<std::int32_t> Count(std::string_view text) {
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

struct tIndexLine {
  std::uint64_t Key = 0;
  tBestRun Run;
};

// "<key> <turns> <jewels> <jewels in level>"; none for a line that is not one.
std::optional<tIndexLine> ParseIndexLine(std::string_view line) {
  const std::vector<std::string_view> words = Words(line);
  if (words.size() != 4) return std::nullopt;
  const std::optional<std::uint64_t> key = ParseKeyText(words[0]);
  const std::optional<std::int32_t> turns = Count(words[1]);
  const std::optional<std::int32_t> jewels = Count(words[2]);
  const std::optional<std::int32_t> inLevel = Count(words[3]);
  if (!key || !turns || !jewels || !inLevel || *jewels > *inLevel) return std::nullopt;
  return tIndexLine{*key, {*turns, *jewels, *inLevel}};
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return bytes.str();
}

}  // namespace

bool BeatsBest(const tBestRun& run, const tBestRun& best) {
  if (run.Jewels != best.Jewels) return run.Jewels > best.Jewels;
  return run.Turns < best.Turns;
}

std::string BestRunText(const tBestRun& run) {
  std::string text = "Best: " + std::to_string(run.Turns) + (run.Turns == 1 ? " turn" : " turns");
  if (run.JewelsInLevel > 0)
    text += ", " + std::to_string(run.Jewels) + "/" + std::to_string(run.JewelsInLevel) +
            (run.JewelsInLevel == 1 ? " jewel" : " jewels");
  return text;
}

tBestStore::tBestStore(std::string folder) : Folder(std::move(folder)) {}

std::string tBestStore::SolutionFileName(std::uint64_t key) const {
  return Folder + KeyText(key) + ".Solution";
}

std::string tBestStore::IndexFileName() const {
  return Folder + BestIndexName;
}

void tBestStore::Report(const std::string& text) const {
  if (OnProblem) OnProblem(text);
}

void tBestStore::LoadIndex() {
  if (Loaded) return;
  Loaded = true;
  Runs.clear();
  IndexUnreadable = false;
  const std::optional<std::filesystem::path> path = FindDiskFile(IndexFileName());
  if (!path) return;
  const std::optional<std::string> text = ReadWholeFile(*path);
  if (!text) {
    IndexUnreadable = true;
    Report("The best runs in \"" + IndexFileName() + "\" cannot be read.");
    return;
  }
  const std::vector<std::string> lines = SplitLines(*text);
  bool damaged = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (Words(lines[i]).empty()) continue;
    if (const std::optional<tIndexLine> entry = ParseIndexLine(lines[i])) {
      Runs[entry->Key] = entry->Run;
    } else {
      damaged = true;
      Report("Line " + std::to_string(i + 1) + " of \"" + IndexFileName() +
             "\" is damaged and was left out: " + lines[i]);
    }
  }
  // The next best written drops the damaged lines: the file as it was is kept beside it.
  if (damaged) {
    const std::string keptAs = KeepDamagedFileAside(IndexFileName());
    Report(keptAs.empty()
               ? "The damaged \"" + IndexFileName() + "\" could not be copied aside."
               : "The damaged \"" + IndexFileName() + "\" is kept as \"" + keptAs + "\".");
  }
}

std::string tBestStore::IndexText(const std::map<std::uint64_t, tBestRun>& runs) {
  std::vector<std::string> lines;
  for (const auto& [key, run] : runs)
    lines.push_back(KeyText(key) + " " + std::to_string(run.Turns) + " " +
                    std::to_string(run.Jewels) + " " + std::to_string(run.JewelsInLevel));
  return JoinLines(lines);
}

std::optional<tBestRun> tBestStore::Find(std::uint64_t key) {
  LoadIndex();
  const auto found = Runs.find(key);
  if (found == Runs.end()) return std::nullopt;
  return found->second;
}

bool tBestStore::LoadSolution(std::uint64_t key, tRecorder& recorder) {
  if (!Find(key)) return false;
  // Read whole before the recorder is touched, so a damaged file changes nothing.
  auto loaded = std::make_unique<tRecorder>();
  tFileStream file(SolutionFileName(key), tFileStream::tMode::OpenRead);
  loaded->LoadFromStream(file);
  loaded->Stop();
  recorder = *loaded;
  return true;
}

bool tBestStore::Offer(std::uint64_t key, const tBestRun& run,
                       const std::vector<std::int32_t>& decisions) {
  LoadIndex();
  if (IndexUnreadable)
    throw EFileError("\"" + IndexFileName() + "\" cannot be read, so it is not written over");
  const std::string solutionName = SolutionFileName(key);
  const std::optional<std::filesystem::path> oldPath = FindDiskFile(solutionName);
  const auto kept = Runs.find(key);
  if (kept != Runs.end() && oldPath && !BeatsBest(run, kept->second)) return false;

  const std::optional<std::string> oldSolution =
      oldPath ? ReadWholeFile(*oldPath) : std::optional<std::string>();
  auto solution = std::make_unique<tRecorder>();
  const auto count = static_cast<std::int32_t>(decisions.size());
  for (std::int32_t i = 0; i < count; ++i)
    solution->PlaceValue(i, decisions[static_cast<std::size_t>(i)]);
  solution->RestorePlace(rsStopped, 0, std::min(count, RecorderCapacity));
  solution->SaveToFile(solutionName);

  std::map<std::uint64_t, tBestRun> runs = Runs;
  runs[key] = run;
  try {
    WriteDiskFile(IndexFileName(), IndexText(runs));
  } catch (const Exception&) {
    // The index still names the best kept before: its decisions go back too.
    try {
      if (oldSolution) {
        WriteDiskFile(solutionName, *oldSolution);
      } else {
        std::error_code ignored;
        std::filesystem::remove(DiskPathForWriting(solutionName), ignored);
      }
    } catch (const Exception&) {
    }
    throw;
  }
  Runs = std::move(runs);
  return true;
}

}  // namespace qn2
