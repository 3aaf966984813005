#include <png.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "common/Exception.h"
#include "render/Dib16.h"
#include "render/PngWriter.h"

namespace qn2 {
namespace {

std::string TempPath(const std::string& name) {
  return (std::filesystem::path(::testing::TempDir()) / name).string();
}

std::string FailureOf(tDib16& dib, const std::string& path) {
  try {
    SavePng(dib, path);
  } catch (const EFileError& e) {
    return e.message();
  }
  return "saved";
}

TEST(PngWriterTest, WritesEveryPixelAsSplitPixelGivesIt) {
  tDib16 dib(5, 3);
  test::Paint(dib, [](int x, int y) {
    return MakePixel(static_cast<std::uint8_t>(x * 60), static_cast<std::uint8_t>(y * 120 + 3),
                     static_cast<std::uint8_t>(255 - x * 50));
  });
  dib.ScanLine(1)[4] = 0xFFFF;
  dib.ClearTouchedRows();
  dib.RowTouched[2] = 1;
  const std::string path = TempPath("qn2_png_round_trip.png");
  SavePng(dib, path);
  EXPECT_EQ(dib.RowTouched[0], 0);  // the frame's restore bookkeeping is left alone
  EXPECT_EQ(dib.RowTouched[2], 1);

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_NE(png_image_begin_read_from_file(&image, path.c_str()), 0) << image.message;
  ASSERT_EQ(image.width, 5u);
  ASSERT_EQ(image.height, 3u);
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
  ASSERT_NE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr), 0) << image.message;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) {
      const std::uint8_t* p = rgb.data() + 3 * (y * 5 + x);
      EXPECT_EQ((tRgb{p[0], p[1], p[2]}), SplitPixel(test::At(dib, x, y))) << x << "," << y;
    }
  EXPECT_EQ(SplitPixel(0xFFFF), (tRgb{248, 252, 248}));
  std::filesystem::remove(path);
}

TEST(PngWriterTest, FailuresRaiseAndLeaveNoFile) {
  tDib16 dib(2, 2);
  const std::string badPath = TempPath("qn2_no_such_folder/x.png");
  const std::string failure = FailureOf(dib, badPath);
  EXPECT_EQ(failure.rfind("Couldn't write PNG '" + badPath + "': ", 0), 0u) << failure;
  EXPECT_FALSE(std::filesystem::exists(badPath));

  tDib16 empty(0, 0);
  const std::string path = TempPath("qn2_png_empty.png");
  EXPECT_EQ(FailureOf(empty, path), "Couldn't write PNG '" + path + "': the picture has no pixels");
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace qn2
