#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/Exception.h"
#include "render/PictureSource.h"
#include "support/PictureTestFiles.h"

namespace qn2 {
namespace {

using test::MakeBmp;
using test::MakeJpeg;
using test::tBmpLayout;

tRgb Sample(int x, int y) {
  return {static_cast<std::uint8_t>(10 + 40 * x), static_cast<std::uint8_t>(200 - 50 * y),
          static_cast<std::uint8_t>(x * 7 + y * 60)};
}

tRgb PixelOf(const tPicture& picture, int x, int y) {
  const std::uint8_t* p = picture.Row(y) + 3 * x;
  return {p[0], p[1], p[2]};
}

void ExpectPicture(const tPicture& picture, int width, int height, const test::tColourAt& colour,
                   const std::string& what) {
  ASSERT_EQ(picture.Width, width) << what;
  ASSERT_EQ(picture.Height, height) << what;
  EXPECT_EQ(picture.BitsPerPixel, 24) << what;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) EXPECT_EQ(PixelOf(picture, x, y), colour(x, y)) << what;
}

std::string FailureOf(const std::vector<std::uint8_t>& data, const std::string& name) {
  try {
    DecodePicture(data, name);
  } catch (const EFileError& e) {
    return e.message();
  }
  return "decoded";
}

TEST(BitmapDecodeTest, EveryStoredLayoutGivesTheSamePicture) {
  // Width 3 leaves padding at the end of every 8- and 24-bit row.
  const tBmpLayout layouts[] = {{3, 4, 24, false, false}, {3, 4, 24, true, false},
                                {3, 4, 8, false, false},  {3, 4, 8, true, false},
                                {3, 4, 32, false, false}, {3, 4, 32, true, true}};
  for (const tBmpLayout& layout : layouts) {
    const std::string what = std::to_string(layout.Bits) + (layout.TopDown ? " top-down" : "") +
                             (layout.BitFields ? " bit fields" : "");
    ExpectPicture(DecodeBitmap(MakeBmp(layout, Sample), "a.bmp"), 3, 4, Sample, what);
  }
}

TEST(BitmapDecodeTest, CutOffDataFailsAtEveryLengthWithoutReadingPastIt) {
  const std::vector<std::uint8_t> full = MakeBmp({3, 2, 24}, Sample);
  // Only the last row's 3 bytes of padding may be missing.
  for (std::size_t length = 0; length + 3 < full.size(); ++length) {
    // A copy of exactly that length, so reading past it is caught by the address checker.
    const std::vector<std::uint8_t> cut(full.begin(), full.begin() + length);
    EXPECT_EQ(FailureOf(cut, "Cut.bmp"), "Bitmap 'Cut.bmp' is truncated") << length;
  }
  const std::vector<std::uint8_t> noLastPadding(full.begin(), full.end() - 3);
  ExpectPicture(DecodeBitmap(noLastPadding, "Cut.bmp"), 3, 2, Sample, "no last padding");
}

TEST(BitmapDecodeTest, UnreadableBitmapsFailWithTheReason) {
  const std::vector<std::uint8_t> good = MakeBmp({2, 2, 8}, Sample);
  auto patched = [&](std::size_t offset, std::vector<std::uint8_t> bytes) {
    std::vector<std::uint8_t> data = good;
    std::copy(bytes.begin(), bytes.end(), data.begin() + static_cast<std::ptrdiff_t>(offset));
    return data;
  };
  EXPECT_EQ(FailureOf(patched(0, {'P', 'K'}), "x.bmp"), "Bitmap 'x.bmp' is not a Windows bitmap");
  EXPECT_EQ(FailureOf(patched(14, {12, 0, 0, 0}), "x.bmp"),
            "Bitmap 'x.bmp' has an unsupported header of 12 bytes");
  EXPECT_EQ(FailureOf(patched(28, {4, 0}), "x.bmp"),
            "Bitmap 'x.bmp' has 4 bits per pixel; only 8, 24 and 32 are read");
  EXPECT_EQ(FailureOf(patched(30, {1, 0, 0, 0}), "x.bmp"),
            "Bitmap 'x.bmp' is compressed (method 1)");
  EXPECT_EQ(FailureOf(patched(18, {0, 0, 0, 0}), "x.bmp"), "Bitmap 'x.bmp' has no pixels");
  // A header asking for a picture far larger than the data fails before any allocation.
  EXPECT_EQ(FailureOf(patched(18, {0xA0, 0x86, 0x01, 0}), "x.bmp"),
            "Bitmap 'x.bmp' is too large (100000 x 2)");
  EXPECT_EQ(FailureOf(patched(22, {0, 0, 0, 0x80}), "x.bmp"),
            "Bitmap 'x.bmp' is too large (2 x 2147483648)");
  // Two palette entries (Sample gives four colours), so indices 2 and 3 are outside it.
  EXPECT_EQ(FailureOf(patched(46, {2, 0, 0, 0}), "x.bmp"),
            "Bitmap 'x.bmp' uses a colour outside its palette");
  EXPECT_EQ(FailureOf(patched(46, {1, 1, 0, 0}), "x.bmp"),
            "Bitmap 'x.bmp' has a palette of 257 colours");
}

TEST(BitmapDecodeTest, AHeaderOverThePixelBudgetIsRefusedBeforeThePixelsAreLookedFor) {
  std::vector<std::uint8_t> bmp = MakeBmp(2, 2, Sample);
  auto claim = [&bmp](std::uint32_t width, std::uint32_t height) {
    for (int i = 0; i < 4; ++i) {
      bmp[18 + i] = static_cast<std::uint8_t>(width >> (8 * i));
      bmp[22 + i] = static_cast<std::uint8_t>(height >> (8 * i));
    }
  };
  claim(16384, 4097);
  EXPECT_EQ(FailureOf(bmp, "Huge.bmp"), "Bitmap 'Huge.bmp' is too large (16384 x 4097)");
  claim(2049, static_cast<std::uint32_t>(-2048));  // top-down
  EXPECT_EQ(FailureOf(bmp, "Huge.bmp"), "Bitmap 'Huge.bmp' is too large (2049 x 2048)");
  claim(2048, 2048);
  EXPECT_EQ(FailureOf(bmp, "Large.bmp"), "Bitmap 'Large.bmp' is truncated");
}

TEST(JpegDecodeTest, DecodesColourAndGreyPicturesToRgb) {
  auto colour = [](int x, int y) {
    return x < 8 ? tRgb{200, 40, 30} : y < 8 ? tRgb{20, 180, 60} : tRgb{250, 250, 250};
  };
  const tPicture picture = DecodeJpeg(MakeJpeg(16, 16, colour), "p.jpg");
  ASSERT_EQ(picture.Width, 16);
  ASSERT_EQ(picture.Height, 16);
  for (const auto& [x, y] : {std::pair{2, 3}, std::pair{12, 2}, std::pair{12, 13}}) {
    const tRgb want = colour(x, y), got = PixelOf(picture, x, y);
    EXPECT_NEAR(got.R, want.R, 6) << x << "," << y;
    EXPECT_NEAR(got.G, want.G, 6) << x << "," << y;
    EXPECT_NEAR(got.B, want.B, 6) << x << "," << y;
  }
  const tPicture grey = DecodeJpeg(MakeJpeg(
                                       5, 3,
                                       [](int, int) {
                                         return tRgb{0, 90, 0};
                                       },
                                       1),
                                   "g");
  ASSERT_EQ(grey.Width, 5);
  ASSERT_EQ(grey.Height, 3);
  const tRgb g = PixelOf(grey, 4, 2);
  EXPECT_NEAR(g.G, 90, 2);
  EXPECT_EQ(g.R, g.G);
  EXPECT_EQ(g.B, g.G);
}

TEST(JpegDecodeTest, DamagedDataFails) {
  const std::vector<std::uint8_t> jpeg = MakeJpeg(64, 64, [](int x, int y) {
    return tRgb{static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(x * y), 99};
  });
  // Cut inside the picture data, after the headers.
  const std::vector<std::uint8_t> cut(jpeg.begin(), jpeg.end() - 200);
  EXPECT_EQ(FailureOf(cut, "Cut.jpg"), "JPEG 'Cut.jpg' is truncated");
  EXPECT_EQ(FailureOf({}, "Empty.jpg"), "JPEG 'Empty.jpg' is empty");
  const std::string garbage = FailureOf(std::vector<std::uint8_t>(64, 0x42), "Junk.jpg");
  EXPECT_EQ(garbage.rfind("JPEG 'Junk.jpg' could not be decoded: ", 0), 0u) << garbage;
  // The decoder is usable again after a failure.
  EXPECT_EQ(DecodeJpeg(jpeg, "again.jpg").Width, 64);
}

// A small progressive JPEG whose last scan is repeated until the file has this many scans.
// Each repeat only warns in libjpeg, and each is decoded over the whole picture.
std::vector<std::uint8_t> JpegWithScans(int scans) {
  std::vector<std::uint8_t> jpeg = MakeJpeg(16, 16, Sample, 3, true);
  std::size_t last = 0;
  int found = 0;
  for (std::size_t i = 0; i + 1 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA) last = i, ++found;
  const std::vector<std::uint8_t> scan(jpeg.begin() + static_cast<std::ptrdiff_t>(last),
                                       jpeg.end() - 2);  // up to the end-of-image marker
  for (; found < scans; ++found) jpeg.insert(jpeg.end() - 2, scan.begin(), scan.end());
  return jpeg;
}

// The frame header's height and width, wherever the encoder put it.
void ClaimSize(std::vector<std::uint8_t>& jpeg, int width, int height) {
  for (std::size_t i = 0; i + 9 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
      jpeg[i + 5] = static_cast<std::uint8_t>(height >> 8);
      jpeg[i + 6] = static_cast<std::uint8_t>(height);
      jpeg[i + 7] = static_cast<std::uint8_t>(width >> 8);
      jpeg[i + 8] = static_cast<std::uint8_t>(width);
      return;
    }
  }
  FAIL() << "no frame header";
}

TEST(JpegDecodeTest, ProgressivePicturesWithTooManyScansAreRefused) {
  EXPECT_EQ(DecodeJpeg(JpegWithScans(0), "Plain.jpg").Width, 16);
  EXPECT_EQ(DecodeJpeg(JpegWithScans(MaxJpegScans), "Most.jpg").Height, 16);
  const std::string refused =
      "JPEG 'Scans.jpg' has more than " + std::to_string(MaxJpegScans) + " scans";
  EXPECT_EQ(FailureOf(JpegWithScans(MaxJpegScans + 1), "Scans.jpg"), refused);
  // Thousands of empty scans over a picture as large as the header may claim.
  std::vector<std::uint8_t> hostile = JpegWithScans(2400);
  ClaimSize(hostile, 2048, 2048);
  EXPECT_EQ(FailureOf(hostile, "Scans.jpg"), refused);
}

TEST(JpegDecodeTest, PicturesOverThePixelBudgetAreRefusedFromTheirHeader) {
  std::vector<std::uint8_t> huge = JpegWithScans(0);
  ClaimSize(huge, 16384, 4097);
  EXPECT_EQ(FailureOf(huge, "Huge.jpg"), "JPEG 'Huge.jpg' is too large (16384 x 4097)");
  ClaimSize(huge, 2048, 2049);
  EXPECT_EQ(FailureOf(huge, "Huge.jpg"), "JPEG 'Huge.jpg' is too large (2048 x 2049)");
  // At the budget the header is believed: the picture is made that large.
  std::vector<std::uint8_t> large = MakeJpeg(16, 16, Sample);
  ClaimSize(large, 2048, 2048);
  const tPicture picture = DecodeJpeg(large, "Large.jpg");
  EXPECT_EQ(picture.Width * static_cast<std::int64_t>(picture.Height), MaxPicturePixels);
}

TEST(PictureDecodeTest, OnlyTheBmpExtensionInAnyCaseSelectsTheBitmapDecoder) {
  const std::vector<std::uint8_t> bmp = MakeBmp(2, 2, Sample);
  for (const char* name : {"a.bmp", "A.BMP", "Pics\\b.Bmp", "c.jpg.bmp"})
    EXPECT_EQ(DecodePicture(bmp, name).Width, 2) << name;
  for (const char* name : {"a.jpg", "a.bmpx", "a.png", "bmp", "Pics.bmp\\a"}) {
    EXPECT_FALSE(IsBitmapName(name)) << name;
    EXPECT_EQ(FailureOf(bmp, name).rfind("JPEG '", 0), 0u) << name;
  }
}

}  // namespace
}  // namespace qn2
