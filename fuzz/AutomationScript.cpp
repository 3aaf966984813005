// The automation script reader on a fuzzed script, every tick's commands looked up.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/AutomationScript.h"
#include "data/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qn2;
  const std::vector<std::string> lines =
      SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
  try {
    const tAutomationScript script = tAutomationScript::Parse(lines, "fuzz.txt");
    for (std::int64_t tick = 0; tick <= 4 && tick <= script.LastTick(); ++tick)
      script.CommandsAt(tick);
    script.CommandsAt(script.LastTick());
  } catch (const std::invalid_argument&) {
    // The reader's way of refusing a line.
  }
  return 0;
}
