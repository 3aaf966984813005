// The package reader on a fuzzed archive: its directory, then every entry found by name
// and read to the end (stored or deflated), with a seek back to the start.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "common/Exception.h"
#include "data/MemoryStream.h"
#include "data/ZipFiles.h"

namespace {

using namespace qn2;

class tMemoryZip : public tZip {
 public:
  explicit tMemoryZip(std::vector<std::uint8_t> bytes) : Bytes(std::move(bytes)) {}
  std::unique_ptr<tStream> OpenArchive() override { return std::make_unique<tMemoryStream>(Bytes); }

 private:
  std::vector<std::uint8_t> Bytes;
};

// Reads at most this much of an entry: a small archive may claim gigabytes.
constexpr std::size_t ReadLimit = 1 << 20;

void ReadEntry(const tZippedFile& entry) {
  tZippedStream stream(entry);
  std::uint8_t block[4096];
  std::size_t total = 0;
  while (total < ReadLimit) {
    const std::size_t n = stream.Read(block, sizeof block);
    if (n == 0) break;
    total += n;
  }
  stream.Seek(0, tSeekOrigin::Beginning);
  stream.Read(block, 16);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tMemoryZip zip(std::vector<std::uint8_t>(data, data + size));
  try {
    std::unique_ptr<tStream> archive = zip.OpenArchive();
    zip.ReadDirectory(*archive);
  } catch (const Exception&) {
    return 0;
  }
  for (std::size_t i = 0; i < zip.Entries.Count() && i < 64; ++i) {
    try {
      const tZippedFile* entry = FindEntry(zip, zip.Entries[i]->Name);
      if (entry != nullptr) ReadEntry(*entry);
    } catch (const Exception&) {
    }
  }
  return 0;
}
