// The JPEG decoder on a fuzzed file.
#include <cstddef>
#include <cstdint>
#include <span>

#include "common/Exception.h"
#include "render/PictureSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qn2;
  try {
    DecodeJpeg(std::span(data, size), "fuzz.jpg");
  } catch (const Exception&) {
  }
  return 0;
}
