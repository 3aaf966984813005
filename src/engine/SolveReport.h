#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>

#include "engine/Solver.h"

namespace qn2 {

class tGameEngine;

// What a search found, as the simulator and the game's search mode print it: one line of
// JSON, {"outcome": "solved", "turns": 9, "moves": "DDDUUURRR", "states": 1234,
// "seconds": 0.012}. Turns are the turns the solution takes as the play counts them, -1
// without a solution.
struct tSolveReport {
  tSolveOutcome Outcome = tSolveOutcome::GaveUp;
  long Turns = -1;
  std::string Moves;
  std::size_t States = 0;
  double Seconds = 0;
};

tSolveReport ReportOf(const tSolveResult& result, double seconds);
std::string SolveReportLine(const tSolveReport& report);
// While a search runs: {"states": 10000}.
std::string SolveProgressLine(std::size_t states);

// A printed line read back; nothing when the line is not of that kind.
std::optional<tSolveReport> ReadSolveReport(const std::string& line);
std::optional<std::size_t> ReadSolveProgress(const std::string& line);

// Searches the engine's loaded level, writes the solution as a solution file when one is
// found and a file is named, and prints the report line; with progress, a progress line
// every ProgressEvery states before it. Returns 0 when solved, 1 when not.
int SolveAndReport(tGameEngine& engine, const tSolveOptions& options,
                   const std::optional<std::string>& saveTo, std::ostream& out, bool progress);

}  // namespace qn2
