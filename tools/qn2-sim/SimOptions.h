#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qn2::sim {

struct tSimOptions {
  std::string Level;
  std::string Package;  // empty: "Quibnar2.VexPak" in the current folder when it exists
  std::optional<std::string> Moves;
  std::optional<std::string> SolutionFile;
  int MaxTurns = 2000;
  bool Trace = false;
  std::optional<std::string> SaveTo;
  std::optional<std::string> Screenshot;  // a PNG of the level's first frame of play
  // Search for the shortest solution instead of playing; SaveTo then names the solution
  // file to write.
  bool Solve = false;
  bool AllJewels = false;
  std::size_t MaxStates = 5'000'000;
  // With a set file instead of a level: replay every level's stored solution this many
  // rounds, back to back in one process.
  int SoakRounds = 0;
};

// Reads the command line (without the program name); raises std::invalid_argument with a
// message for anything it cannot take.
tSimOptions ParseSimOptions(const std::vector<std::string>& args);

// The player's decisions as the recorder stores them: one value per character of
// "UDLR." (a step, or none), "udlr" (a step dropping the oldest carried item) and "!"
// (a drop without a step). Raises std::invalid_argument naming a character it cannot take.
std::vector<int> DecisionsFromMoves(const std::string& moves);

extern const char* SimUsage;

}  // namespace qn2::sim
