#include "editor/LevelSolve.h"

#include <filesystem>

#include "common/Exception.h"
#include "data/LevelFile.h"
#include "editor/LevelDesign.h"

namespace qn2 {

std::string WithThousands(std::size_t number) {
  std::string digits = std::to_string(number);
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<std::size_t>(at), ",");
  return digits;
}

tLevelSolve::tLevelSolve(tSolveRunner& runner, std::string folder)
    : Runner(runner), Folder(std::move(folder)) {}

tLevelSolve::~tLevelSolve() {
  if (Now == tState::Running) Runner.Stop();
}

std::string tLevelSolve::LevelFile() const {
  return (std::filesystem::path(Folder) / "Solve.map").string();
}

std::string tLevelSolve::SolutionFile() const {
  return (std::filesystem::path(Folder) / "Solve.Solution").string();
}

void tLevelSolve::Start(const tLevelDesign& design) {
  Stop();
  if (design.PlayerIndex < 0) {
    Fail("No player: place one on the Objects page first");
    return;
  }
  try {
    std::filesystem::create_directories(Folder);
    std::error_code ignored;
    std::filesystem::remove(SolutionFile(), ignored);
    tLevel level;
    design.ApplyTo(level);
    SaveLevelToFile(level, LevelFile());
  } catch (const Exception& e) {
    Fail("The level cannot be written for the search: " + e.message());
    return;
  } catch (const std::filesystem::filesystem_error& e) {
    Fail(std::string("The level cannot be written for the search: ") + e.what());
    return;
  }
  JewelsWanted = true;
  StatesBefore = 0;
  Launch();
}

void tLevelSolve::Launch() {
  RunStates = 0;
  Pending.clear();
  Report.reset();
  LastWords.clear();
  if (const auto why = Runner.Start({LevelFile(), SolutionFile(), JewelsWanted, MaxStates})) {
    Fail(*why);
    return;
  }
  Now = tState::Running;
}

void tLevelSolve::Stop() {
  if (Now == tState::Running) Runner.Stop();
  Now = tState::Idle;
  Why.clear();
}

void tLevelSolve::Fail(const std::string& why) {
  Now = tState::Failed;
  Why = why;
}

bool tLevelSolve::Poll() {
  if (Now != tState::Running) return false;
  const tSolveOutput output = Runner.Poll();
  Pending += output.Text;
  for (std::size_t end = Pending.find('\n'); end != std::string::npos; end = Pending.find('\n')) {
    ReadLine(Pending.substr(0, end));
    Pending.erase(0, end + 1);
  }
  if (!output.Ended) return false;
  ReadLine(Pending);
  Pending.clear();
  return Finish(output.HowEnded);
}

void tLevelSolve::ReadLine(std::string line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
  if (const auto states = ReadSolveProgress(line))
    RunStates = *states;
  else if (const auto report = ReadSolveReport(line))
    Report = report;
  else if (!line.empty())
    LastWords = line;
}

// The report decides; without one the search failed, and its last words say why.
bool tLevelSolve::Finish(const std::string& howEnded) {
  if (!Report) {
    Fail(LastWords.empty() ? "The search failed (" + howEnded + ")" : LastWords);
    return false;
  }
  RunStates = 0;
  StatesBefore += Report->States;
  switch (Report->Outcome) {
    case tSolveOutcome::Solved:
      Now = tState::Solved;
      Turns = Report->Turns;
      return true;
    case tSolveOutcome::Unsolvable:
      if (JewelsWanted) {
        // No way collects every jewel: any way to the exit will do.
        JewelsWanted = false;
        Launch();
        return false;
      }
      Fail("No solution: the player cannot finish this level");
      return false;
    case tSolveOutcome::GaveUp:
      Fail("Gave up after " + WithThousands(StatesSoFar()) + " states");
      return false;
  }
  return false;
}

std::string tLevelSolve::StatusText() const {
  const std::string jewels = JewelsWanted ? "all jewels" : "not every jewel";
  switch (Now) {
    case tState::Idle:
      return "";
    case tState::Running:
      if (StatesSoFar() == 0) return "Solving (" + jewels + ")...";
      return "Solving (" + jewels + ")... " + WithThousands(StatesSoFar()) + " states";
    case tState::Solved:
      return "Solved in " + std::to_string(Turns) + " turns (" + jewels + "), " +
             WithThousands(StatesSoFar()) + " states";
    case tState::Failed:
      return Why;
  }
  return "";
}

}  // namespace qn2
