#include "app/ProgramOptions.h"

#include <charconv>
#include <stdexcept>

namespace qn2 {

namespace {

template <typename T>
T Number(const std::string& option, const std::string& text, T minimum) {
  T value{};
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || ptr != end || value < minimum)
    throw std::invalid_argument(option + " needs a number of at least " + std::to_string(minimum) +
                                ", not '" + text + "'");
  return value;
}

}  // namespace

std::optional<std::int64_t> tProgramOptions::TickLimit() const {
  if (Ticks) return Ticks;
  if (Headless) return DefaultHeadlessTicks;
  return std::nullopt;
}

tProgramOptions ParseProgramOptions(const std::vector<std::string>& args) {
  tProgramOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.rfind("--", 0) != 0) {
      options.GameArgs.push_back(arg);
      continue;
    }
    if (arg == "--headless") {
      options.Headless = true;
      continue;
    }
    if (arg == "--all-jewels") {
      options.AllJewels = true;
      continue;
    }
    if (arg != "--ticks" && arg != "--script" && arg != "--entry" && arg != "--level" &&
        arg != "--solve" && arg != "--save" && arg != "--max-states")
      throw std::invalid_argument("unknown option " + arg);
    if (i + 1 >= args.size()) throw std::invalid_argument(arg + " needs a value");
    const std::string& value = args[++i];
    if (arg == "--ticks") {
      options.Ticks = Number<std::int64_t>(arg, value, 1);
    } else if (arg == "--script") {
      options.ScriptFile = value;
    } else if (arg == "--entry") {
      options.Entry = Number<std::int32_t>(arg, value, 0);
    } else if (arg == "--level") {
      options.LevelFile = value;
    } else if (arg == "--solve") {
      options.SolveLevel = value;
    } else if (arg == "--save") {
      options.SolutionFile = value;
    } else {
      options.MaxStates = Number<std::size_t>(arg, value, 1);
    }
  }
  const bool searchOptionGiven = options.SolutionFile || options.AllJewels || options.MaxStates;
  if (options.SolveLevel && !options.SolutionFile)
    throw std::invalid_argument("--solve needs --save OUT");
  if (searchOptionGiven && !options.SolveLevel)
    throw std::invalid_argument("--save, --all-jewels and --max-states go with --solve");
  if (options.SolveLevel && (options.Headless || options.Ticks || options.ScriptFile ||
                             options.Entry || options.LevelFile || !options.GameArgs.empty()))
    throw std::invalid_argument("--solve takes only --save, --all-jewels and --max-states");
  if (options.Entry && options.LevelFile)
    throw std::invalid_argument("--entry and --level cannot be given together");
  return options;
}

}  // namespace qn2
