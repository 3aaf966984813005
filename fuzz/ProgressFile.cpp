// The progress reader on a fuzzed file. The first byte is the episode's number of entries,
// the rest the file; what is read is written back and must read the same.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/Exception.h"
#include "data/ProgressFile.h"

namespace {

const std::string& ScratchFile() {
  static const std::string name =
      (std::filesystem::temp_directory_path() / ("qn2-fuzz-progress-" + std::to_string(getpid())))
          .string();
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qn2;
  if (size == 0) return 0;
  std::vector<std::int32_t> values(data[0], 7);
  {
    std::ofstream out(ScratchFile(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
  }
  try {
    if (ReadProgressFile(ScratchFile(), values) == tProgressRead::Read) {
      for (std::int32_t& value : values)
        if (value == 7) value = ProgressNotSolved;
      WriteProgressFile(ScratchFile(), values);
      std::vector<std::int32_t> again(values.size(), 9);
      ReadProgressFile(ScratchFile(), again);
      if (!values.empty() && again != values) std::abort();
    }
  } catch (const Exception&) {
  }
  std::filesystem::remove(ScratchFile());
  return 0;
}
