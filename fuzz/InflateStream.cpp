// The raw deflate reader on fuzzed data: read through, then start again and skip ahead
// as the package reader's seeks do.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/Exception.h"
#include "data/MemoryStream.h"
#include "data/VoskZlib.h"

namespace {

// Inflating stops after this much output: a few bytes of deflate can stand for gigabytes.
constexpr std::size_t OutputLimit = 1 << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qn2;
  if (size == 0) return 0;
  // The first byte chooses the read size, so the reader meets every kind of split.
  const std::size_t chunk = 1 + data[0] * 37u;
  tMemoryStream source(std::vector<std::uint8_t>(data + 1, data + size));
  try {
    TPKDecompressionStream inflater(source);
    std::vector<std::uint8_t> block(chunk);
    std::size_t total = 0;
    while (total < OutputLimit) {
      const std::size_t n = inflater.Read(block.data(), block.size());
      if (n == 0) break;
      total += n;
    }
    inflater.Seek(0, tSeekOrigin::Beginning);
    inflater.Seek(static_cast<std::int64_t>(total / 2), tSeekOrigin::Current);
    inflater.Read(block.data(), block.size());
  } catch (const Exception&) {
  }
  return 0;
}
