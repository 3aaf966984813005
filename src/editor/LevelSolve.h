#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "editor/SolveRunner.h"
#include "engine/SolveReport.h"

namespace qn2 {

struct tLevelDesign;

// The editor's Solve button: a search of the level as it is being edited, run by a runner
// while the game goes on. It looks for the shortest way that collects every jewel first
// and, when there is none, for the shortest way to the exit at all. It writes the level
// and reads the solution in a folder of its own.
class tLevelSolve {
 public:
  enum class tState : std::uint8_t { Idle, Running, Solved, Failed };
  // The moments of play a search may explore before it gives up: a tenth of the
  // simulator's budget, since the designer sits waiting for the answer.
  static constexpr std::size_t MaxStates = 500'000;

  tLevelSolve(tSolveRunner& runner, std::string folder);
  ~tLevelSolve();
  tLevelSolve(const tLevelSolve&) = delete;
  tLevelSolve& operator=(const tLevelSolve&) = delete;

  // Writes the design where the search reads it and starts the search; a design without a
  // player, or one that cannot be written, fails at once.
  void Start(const tLevelDesign& design);
  // Ends a running search and forgets the last result.
  void Stop();
  // Takes in what the search printed; true once, when it has just found a solution.
  bool Poll();

  tState State() const { return Now; }
  // The search running, or the one that found the solution, wanted every jewel.
  bool AllJewels() const { return JewelsWanted; }
  // For the tool window: "Solving (all jewels)... 20,000 states" (the count once the search
  // has said it), "Solved in 23 turns (all jewels), 1,234 states", "No solution: ...",
  // "Gave up after ...", or what went wrong; empty when idle.
  std::string StatusText() const;
  std::string LevelFile() const;
  std::string SolutionFile() const;

 private:
  void Launch();
  void ReadLine(std::string line);
  bool Finish(const std::string& howEnded);
  void Fail(const std::string& why);
  std::size_t StatesSoFar() const { return StatesBefore + RunStates; }

  tSolveRunner& Runner;
  std::string Folder;
  tState Now = tState::Idle;
  bool JewelsWanted = true;
  // The states of the searches that have ended, and of the one running.
  std::size_t StatesBefore = 0, RunStates = 0;
  long Turns = 0;
  std::string Why;
  // Output not yet ended by a newline, the report line, and the last line of other text.
  std::string Pending;
  std::optional<tSolveReport> Report;
  std::string LastWords;
};

// 1234567 as "1,234,567".
std::string WithThousands(std::size_t number);

}  // namespace qn2
