#pragma once

#include <gtest/gtest.h>

#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "render/Dib16.h"
#include "render/PixelFormat.h"
#include "render/PngWriter.h"

namespace qn2::test {

// Golden pictures live in tests/golden/data. Running the tests with QN2_UPDATE_GOLDEN=1
// writes them anew from what the game draws now; look at them before committing.
inline std::filesystem::path GoldenPath(const std::string& name) {
  return std::filesystem::path(QN2_GOLDEN_DIR) / (name + ".png");
}

inline bool UpdatingGoldens() {
  const char* flag = std::getenv("QN2_UPDATE_GOLDEN");
  return flag != nullptr && std::string(flag) == "1";
}

// The surface's pixels as 8-bit RGB, the way the PNG writer stores them.
inline std::vector<std::uint8_t> RgbOf(tDib16& dib) {
  std::vector<std::uint8_t> rgb;
  for (int y = 0; y < dib.Height(); ++y)
    for (int x = 0; x < dib.Width(); ++x) {
      const tRgb c = SplitPixel(dib.ScanLine(y)[x]);
      rgb.insert(rgb.end(), {c.R, c.G, c.B});
    }
  return rgb;
}

inline bool SamePixels(tDib16& a, tDib16& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    if (!std::equal(a.ScanLine(y), a.ScanLine(y) + a.Width(), b.ScanLine(y))) return false;
  return true;
}

inline std::vector<std::uint8_t> ReadPngRgb(const std::filesystem::path& path, int& width,
                                            int& height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return {};
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) return {};
  width = static_cast<int>(image.width);
  height = static_cast<int>(image.height);
  return rgb;
}

// Compares the surface with its golden picture pixel for pixel, or writes the golden
// picture when updating.
inline void ExpectMatchesGolden(tDib16& dib, const std::string& name) {
  const auto path = GoldenPath(name);
  if (UpdatingGoldens()) {
    SavePng(dib, path.string());
    return;
  }
  int width = 0, height = 0;
  const std::vector<std::uint8_t> golden = ReadPngRgb(path, width, height);
  ASSERT_FALSE(golden.empty()) << "no golden picture " << path
                               << " (run with QN2_UPDATE_GOLDEN=1 to make it)";
  ASSERT_EQ(width, dib.Width());
  ASSERT_EQ(height, dib.Height());
  const std::vector<std::uint8_t> drawn = RgbOf(dib);
  std::size_t differing = 0;
  for (std::size_t i = 0; i < drawn.size(); i += 3)
    if (drawn[i] != golden[i] || drawn[i + 1] != golden[i + 1] || drawn[i + 2] != golden[i + 2])
      ++differing;
  if (differing != 0) {
    const auto actual = std::filesystem::temp_directory_path() / (name + ".actual.png");
    SavePng(dib, actual.string());
    ADD_FAILURE() << differing << " pixels differ from " << path << "; drawn: " << actual;
  }
}

}  // namespace qn2::test
