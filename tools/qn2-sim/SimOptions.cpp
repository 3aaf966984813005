#include "SimOptions.h"

#include <stdexcept>

#include "common/Properties.h"
#include "data/Recorder.h"
#include "input/InputDevice.h"

namespace qn2::sim {

const char* SimUsage =
    "usage: qn2-sim LEVEL [--package PAK] [--moves TEXT | --solution FILE] [--max-turns N]\n"
    "               [--trace] [--save OUT] [--screenshot PNG]\n"
    "       qn2-sim LEVEL --solve [--all-jewels] [--max-states N] [--save OUT]\n"
    "       qn2-sim SET --soak ROUNDS [--package PAK]\n"
    "  Plays LEVEL through the game's engine without a window or sound and prints the\n"
    "  outcome as one JSON object. LEVEL and FILE are found as the game finds files: on\n"
    "  disk first, then in PAK (by default Quibnar2.VexPak in this folder, when present).\n"
    "  --moves TEXT    one character per turn the player decides: U D L R step, . stand,\n"
    "                  u d l r step and drop the oldest carried item, ! drop only\n"
    "  --solution FILE the decisions of a recorded solution instead\n"
    "  --max-turns N   give up after N turns (default 2000)\n"
    "  --trace         one JSON line per turn first: turn, player cell, game mode\n"
    "  --save OUT      write the level as read to OUT and stop\n"
    "  --screenshot PNG  draw the level's first frame of play with the game's pictures\n"
    "                  (as the game composes it, without the hint text) and stop\n"
    "  --solve         search for a solution with the fewest turns (breadth first over\n"
    "                  U D L R . ! at each turn) and print outcome (solved, unsolvable,\n"
    "                  gave-up), turns, moves, states explored and seconds\n"
    "  --all-jewels    with --solve: finishing counts only with every jewel collected\n"
    "  --max-states N  with --solve: give up after exploring N states (default 5000000)\n"
    "  --save OUT      with --solve: write the solution found as a solution file\n"
    "  --soak ROUNDS   replay every level's stored solution (Solutions\\NAME.Solution) of\n"
    "                  the set file SET, ROUNDS times back to back in this one process;\n"
    "                  one JSON line per round: levels, solved with every jewel, peak memory\n"
    "exit status: 0 solved (or saved), 1 dead, out of turns, unsolvable or gave up, 2 the\n"
    "             level cannot be loaded or the command line is wrong\n";

tSimOptions ParseSimOptions(const std::vector<std::string>& args) {
  tSimOptions options;
  auto value = [&args](std::size_t& i) -> const std::string& {
    if (i + 1 >= args.size()) throw std::invalid_argument(args[i] + " needs a value");
    return args[++i];
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--package") {
      options.Package = value(i);
    } else if (a == "--moves") {
      options.Moves = value(i);
    } else if (a == "--solution") {
      options.SolutionFile = value(i);
    } else if (a == "--max-turns") {
      const auto n = ParseIntegerText(value(i));
      if (!n || *n < 0) throw std::invalid_argument("--max-turns needs a number of turns");
      options.MaxTurns = *n;
    } else if (a == "--trace") {
      options.Trace = true;
    } else if (a == "--save") {
      options.SaveTo = value(i);
    } else if (a == "--solve") {
      options.Solve = true;
    } else if (a == "--all-jewels") {
      options.AllJewels = true;
    } else if (a == "--max-states") {
      const auto n = ParseIntegerText(value(i));
      if (!n || *n <= 0) throw std::invalid_argument("--max-states needs a number of states");
      options.MaxStates = static_cast<std::size_t>(*n);
    } else if (a == "--screenshot") {
      options.Screenshot = value(i);
    } else if (a == "--soak") {
      const auto n = ParseIntegerText(value(i));
      if (!n || *n <= 0) throw std::invalid_argument("--soak needs a number of rounds");
      options.SoakRounds = *n;
    } else if (a.starts_with("--")) {
      throw std::invalid_argument("unknown option " + a);
    } else if (options.Level.empty()) {
      options.Level = a;
    } else {
      throw std::invalid_argument("more than one level given: " + a);
    }
  }
  if (options.Level.empty()) throw std::invalid_argument("no level given");
  if (options.Moves && options.SolutionFile)
    throw std::invalid_argument("--moves and --solution exclude each other");
  if (options.Solve && (options.Moves || options.SolutionFile || options.Screenshot))
    throw std::invalid_argument(
        "--solve finds its own moves: no --moves, --solution or --screenshot");
  if (options.SoakRounds > 0 && (options.Solve || options.Moves || options.SolutionFile ||
                                 options.Screenshot || options.SaveTo))
    throw std::invalid_argument("--soak plays the stored solutions only");
  if (!options.Solve && (options.AllJewels || options.MaxStates != tSimOptions().MaxStates))
    throw std::invalid_argument("--all-jewels and --max-states go with --solve");
  return options;
}

std::vector<int> DecisionsFromMoves(const std::string& moves) {
  std::vector<int> decisions;
  for (char c : moves) {
    switch (c) {
      case 'U':
        decisions.push_back(EncodeDecision(iaUp, false));
        break;
      case 'D':
        decisions.push_back(EncodeDecision(iaDown, false));
        break;
      case 'L':
        decisions.push_back(EncodeDecision(iaLeft, false));
        break;
      case 'R':
        decisions.push_back(EncodeDecision(iaRight, false));
        break;
      case 'u':
        decisions.push_back(EncodeDecision(iaUp, true));
        break;
      case 'd':
        decisions.push_back(EncodeDecision(iaDown, true));
        break;
      case 'l':
        decisions.push_back(EncodeDecision(iaLeft, true));
        break;
      case 'r':
        decisions.push_back(EncodeDecision(iaRight, true));
        break;
      case '.':
        decisions.push_back(EncodeDecision(iaNone, false));
        break;
      case '!':
        decisions.push_back(EncodeDecision(iaNone, true));
        break;
      case ' ':
      case '\n':
      case '\r':
      case '\t':
        break;  // layout only
      default:
        throw std::invalid_argument(std::string("cannot read the move '") + c + "'");
    }
  }
  return decisions;
}

}  // namespace qn2::sim
