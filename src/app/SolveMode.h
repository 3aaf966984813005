#pragma once

#include "app/ProgramOptions.h"

namespace qn2 {

// The game program's search mode, which the level editor runs in a process of its own:
// the level is loaded with no window, no sound and no pictures, searched, and its solution
// written; standard output gets a progress line every 1,000 states and then the report, as
// qn2-sim prints it. A level that cannot be loaded is said on standard error. Returns 0
// when solved, 1 when not, 2 on an error.
int RunSolveMode(const tProgramOptions& options);

}  // namespace qn2
