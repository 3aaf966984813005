#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "editor/SolveRunner.h"

namespace qn2 {

// The editor's searches as child processes: the game program itself in its search mode,
// its standard output and error read through one pipe without waiting, killed when it is
// stopped or the runner goes.
class tSolveProcess final : public tSolveRunner {
 public:
  // The program run: the game's own by default.
  explicit tSolveProcess(std::string program = "/proc/self/exe");
  ~tSolveProcess() override;
  tSolveProcess(const tSolveProcess&) = delete;
  tSolveProcess& operator=(const tSolveProcess&) = delete;

  std::optional<std::string> Start(const tSolveJob& job) override;
  tSolveOutput Poll() override;
  void Stop() override;
  bool Running() const { return Child > 0; }

 private:
  void ReadAvailable(std::string& text);
  void CloseUp();

  std::string Program;
  pid_t Child = -1;
  int Pipe = -1;
};

// The game program's command line for a search.
std::vector<std::string> SolveArguments(const tSolveJob& job);

}  // namespace qn2
