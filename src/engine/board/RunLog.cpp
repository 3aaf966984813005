#include "engine/board/RunLog.h"

#include <algorithm>

#include "data/Recorder.h"

namespace qn2 {

void tRunLog::Clear() {
  Values.clear();
  ValueCount = 0;
}

void tRunLog::Append(std::int32_t value) {
  if (ValueCount >= RecorderCapacity) return;
  const auto at = static_cast<std::size_t>(ValueCount);
  if (at < Values.size())
    Values[at] = value;
  else
    Values.push_back(value);
  ++ValueCount;
}

std::int32_t tRunLog::Value(std::int32_t index) const {
  if (index < 0 || index >= ValueCount) return 0;
  return Values[static_cast<std::size_t>(index)];
}

void tRunLog::RestoreCount(std::int32_t count) {
  ValueCount = std::clamp(count, 0, static_cast<std::int32_t>(Values.size()));
}

std::vector<std::int32_t> tRunLog::Decisions() const {
  return {Values.begin(), Values.begin() + ValueCount};
}

}  // namespace qn2
