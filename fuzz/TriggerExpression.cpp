// The trigger reader on a fuzzed expression, checked against a few level counts.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/Exception.h"
#include "engine/board/PlayState.h"
#include "engine/units/TriggerExpression.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qn2;
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    const auto conditions = ParseTrigger(text);
    tLevelCounters counters;
    ExpressionHolds(conditions, counters, nullptr);
    counters.KeysInLevel = 3;
    counters.JewelsCollected = 2;
    ExpressionHolds(conditions, counters, nullptr);
  } catch (const Exception&) {
  }
  return 0;
}
