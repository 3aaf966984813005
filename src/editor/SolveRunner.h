#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace qn2 {

// One search for a level's solution: the level file it reads, the solution file it writes
// when it finds one, and its rules.
struct tSolveJob {
  std::string LevelFile;
  std::string SolutionFile;
  bool AllJewels = false;
  std::size_t MaxStates = 0;
};

// What a search printed since the last look, and whether it has ended (all it printed is
// then in). HowEnded says how, in words: "exit status 1", "killed by signal 9".
struct tSolveOutput {
  std::string Text;
  bool Ended = false;
  std::string HowEnded;
};

// Runs searches apart from the game, which goes on meanwhile (the engine cannot search and
// play at once). The window provides one that runs the game program in its search mode.
class tSolveRunner {
 public:
  virtual ~tSolveRunner() = default;
  // Starts the search, ending one that still runs; the reason when it cannot start.
  virtual std::optional<std::string> Start(const tSolveJob& job) = 0;
  // Never waits.
  virtual tSolveOutput Poll() = 0;
  // Ends a running search at once; nothing when none runs.
  virtual void Stop() = 0;
};

}  // namespace qn2
