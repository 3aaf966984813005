// The solution reader on a fuzzed file, then the solution played back past its end.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/Exception.h"
#include "data/MemoryStream.h"
#include "data/Recorder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qn2;
  static tRecorder recorder;  // the table is large; one recorder serves every run
  recorder.Clear();
  tMemoryStream stream(std::vector<std::uint8_t>(data, data + size));
  try {
    recorder.LoadFromStream(stream);
  } catch (const Exception&) {
    return 0;
  }
  recorder.StartPlayback();
  for (std::int32_t i = 0; i < recorder.Count() + 2; ++i) {
    const std::int32_t value = recorder.PlayBackValue();
    (void)DecodedDirection(value);
  }
  tMemoryStream saved;
  recorder.SaveToStream(saved);
  return 0;
}
