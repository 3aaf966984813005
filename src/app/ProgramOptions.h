#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qn2 {

// The program's command line: the game's own switches ("FullScreen", "-Set x.set", ...),
// kept for the configuration's switch tests, and the automation options:
//   --headless        no screen and no sound device; frame events run back to back
//   --ticks N         run N frame events, then close (default 1000 when headless)
//   --script FILE     input fed by tick
//   --entry K         start episode entry K
//   --level FILE      play one level file
// and the search the level editor runs in a process of its own (not for players):
//   --solve FILE --save OUT [--all-jewels] [--max-states N]
//                     search the level, write its solution to OUT, print what was found
struct tProgramOptions {
  std::vector<std::string> GameArgs;
  bool Headless = false;
  std::optional<std::int64_t> Ticks;
  std::optional<std::string> ScriptFile;
  std::optional<std::int32_t> Entry;
  std::optional<std::string> LevelFile;
  std::optional<std::string> SolveLevel;
  std::optional<std::string> SolutionFile;
  bool AllJewels = false;
  std::optional<std::size_t> MaxStates;

  // The frame events to run before closing; none means until the player closes the game.
  std::optional<std::int64_t> TickLimit() const;
};

inline constexpr std::int64_t DefaultHeadlessTicks = 1000;

// Raises std::invalid_argument with a message naming the bad argument.
tProgramOptions ParseProgramOptions(const std::vector<std::string>& args);

inline constexpr const char* ProgramUsage =
    "usage: quibnar2 [switches] [--headless] [--ticks N] [--script FILE] "
    "[--entry K | --level FILE]\n"
    "  switches: FullScreen BitBlt CompatibilityMode NoVideo ShowDebugmessages\n"
    "            UseSystemMemoryBackBuffer DontForceExclusiveMode Set FILE\n";

}  // namespace qn2
