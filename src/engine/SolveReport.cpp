#include "engine/SolveReport.h"

#include <charconv>
#include <chrono>
#include <iomanip>
#include <sstream>

#include "data/Recorder.h"

namespace qn2 {

namespace {

// The text of a field of a report line: a string's characters, or a number's.
std::optional<std::string> Field(const std::string& line, const std::string& name) {
  const std::string key = "\"" + name + "\": ";
  const std::size_t at = line.find(key);
  if (at == std::string::npos) return std::nullopt;
  std::size_t start = at + key.size();
  std::size_t end = 0;
  if (start < line.size() && line[start] == '"') {
    ++start;
    end = line.find('"', start);
  } else {
    end = line.find_first_of(",}", start);
  }
  if (end == std::string::npos) return std::nullopt;
  return line.substr(start, end - start);
}

template <typename T>
std::optional<T> Number(const std::optional<std::string>& text) {
  if (!text) return std::nullopt;
  T value{};
  const char* end = text->data() + text->size();
  const auto [ptr, error] = std::from_chars(text->data(), end, value);
  if (error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::optional<tSolveOutcome> OutcomeNamed(const std::string& name) {
  for (tSolveOutcome outcome :
       {tSolveOutcome::Solved, tSolveOutcome::Unsolvable, tSolveOutcome::GaveUp})
    if (name == SolveOutcomeName(outcome)) return outcome;
  return std::nullopt;
}

}  // namespace

tSolveReport ReportOf(const tSolveResult& result, double seconds) {
  const bool solved = result.Outcome == tSolveOutcome::Solved;
  return {result.Outcome, solved ? static_cast<long>(result.Turns) : -1L,
          MovesText(result.Decisions), result.StatesExplored, seconds};
}

std::string SolveReportLine(const tSolveReport& report) {
  std::ostringstream line;
  line << "{\"outcome\": \"" << SolveOutcomeName(report.Outcome)
       << "\", \"turns\": " << report.Turns << ", \"moves\": \"" << report.Moves
       << "\", \"states\": " << report.States << ", \"seconds\": " << std::fixed
       << std::setprecision(3) << report.Seconds << "}";
  return line.str();
}

std::string SolveProgressLine(std::size_t states) {
  return "{\"states\": " + std::to_string(states) + "}";
}

std::optional<tSolveReport> ReadSolveReport(const std::string& line) {
  const auto outcomeName = Field(line, "outcome");
  if (!outcomeName) return std::nullopt;
  const auto outcome = OutcomeNamed(*outcomeName);
  const auto turns = Number<long>(Field(line, "turns"));
  const auto moves = Field(line, "moves");
  const auto states = Number<std::size_t>(Field(line, "states"));
  const auto seconds = Field(line, "seconds");
  if (!outcome || !turns || !moves || !states || !seconds) return std::nullopt;
  tSolveReport report{*outcome, *turns, *moves, *states, 0};
  std::istringstream(*seconds) >> report.Seconds;
  return report;
}

std::optional<std::size_t> ReadSolveProgress(const std::string& line) {
  if (line.rfind("{\"states\": ", 0) != 0) return std::nullopt;
  return Number<std::size_t>(Field(line, "states"));
}

int SolveAndReport(tGameEngine& engine, const tSolveOptions& options,
                   const std::optional<std::string>& saveTo, std::ostream& out, bool progress) {
  tSolveOptions search = options;
  if (progress)
    search.Progress = [&out](std::size_t states) { out << SolveProgressLine(states) << std::endl; };
  const auto start = std::chrono::steady_clock::now();
  const tSolveResult result = SolveLevel(engine, search);
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  const bool solved = result.Outcome == tSolveOutcome::Solved;
  if (solved && saveTo) {
    tRecorder solution;
    solution.StartRecording();
    for (std::int32_t value : result.Decisions) solution.RecordValue(value);
    solution.SaveToFile(*saveTo);
  }
  out << SolveReportLine(ReportOf(result, seconds.count())) << std::endl;
  return solved ? 0 : 1;
}

}  // namespace qn2
