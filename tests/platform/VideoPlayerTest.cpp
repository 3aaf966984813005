#include "platform/VideoPlayer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "VideoEncoder.h"
#include "render/Dib16.h"
#include "render/PixelFormat.h"
#include "support/ScratchFolder.h"

namespace qn2 {
namespace {

constexpr int Pictures = 10;  // 400 ms at 25 a second

// A wide test video, 320 x 120: five red pictures, then five blue ones, with a tone.
std::vector<std::uint8_t> MakeVideo(const std::filesystem::path& folder) {
  const std::string file = (folder / "Test.mp4").string();
  vidgen::VideoShape shape;
  shape.Width = 320;
  shape.Height = 120;
  vidgen::VideoEncoder encoder(file, shape);
  for (int n = 0; n < Pictures; ++n) {
    std::vector<std::uint8_t> rgb(320 * 120 * 3);
    for (std::size_t i = 0; i < rgb.size(); i += 3) {
      rgb[i] = n < 5 ? 220 : 20;
      rgb[i + 1] = 20;
      rgb[i + 2] = n < 5 ? 20 : 220;
    }
    encoder.AddPicture(rgb);
  }
  std::vector<std::int16_t> tone(2 * 44100 * Pictures / 25);
  for (std::size_t i = 0; i < tone.size(); ++i) tone[i] = (i / 100) % 2 == 0 ? 3000 : -3000;
  encoder.AddSound(tone);
  encoder.Finish();
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class VideoPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const std::vector<std::uint8_t> video = MakeVideo(Scratch.path());
    Bytes = video;
    ASSERT_GT(Bytes.size(), 1000u);
  }
  tRgb At(int x, int y) { return SplitPixel(Frame.ScanLine(y)[x]); }
  std::string FailureOf(std::vector<std::uint8_t> bytes) {
    try {
      auto video = OpenVideoBytes(std::move(bytes), false);
      while (video->AdvanceTo(Clock += 20)) {
      }
    } catch (const EVideoFailed& e) {
      return e.what();
    }
    return "";
  }

  testing::tScratchFolder Scratch;
  std::vector<std::uint8_t> Bytes;
  tDib16 Frame{640, 480};
  std::int64_t Clock = 0;
};

TEST_F(VideoPlayerTest, PicturesFollowTheClockLetterboxedAndTheVideoEnds) {
  // Sound is asked for, but with no mixer open the video plays silent.
  auto video = OpenVideoBytes(Bytes, true);
  ASSERT_TRUE(video->AdvanceTo(0));
  Frame.FillSurface(0xFFFF);
  video->Draw(Frame);
  EXPECT_GT(At(320, 240).R, 180);
  EXPECT_LT(At(320, 240).B, 60);
  EXPECT_EQ(Frame.ScanLine(100)[320], 0) << "the black bar above the wide picture";
  EXPECT_EQ(Frame.ScanLine(380)[320], 0) << "and below it";
  EXPECT_NE(Frame.ScanLine(125)[5], 0) << "the picture fills the width, 640 x 240";

  ASSERT_TRUE(video->AdvanceTo(180));
  video->Draw(Frame);
  EXPECT_GT(At(320, 240).R, 180) << "the fifth picture still";
  ASSERT_TRUE(video->AdvanceTo(200));
  video->Draw(Frame);
  EXPECT_GT(At(320, 240).B, 180) << "the sixth picture from 200 ms";
  EXPECT_LT(At(320, 240).R, 60);

  EXPECT_TRUE(video->AdvanceTo(399)) << "the last picture has its 40 ms";
  EXPECT_FALSE(video->AdvanceTo(400));
  EXPECT_FALSE(video->AdvanceTo(420));
}

TEST_F(VideoPlayerTest, AClockThatJumpsSkipsPicturesToTheRightOne) {
  auto video = OpenVideoBytes(Bytes, false);
  ASSERT_TRUE(video->AdvanceTo(0));
  ASSERT_TRUE(video->AdvanceTo(330));
  video->Draw(Frame);
  EXPECT_GT(At(320, 240).B, 180);
  EXPECT_FALSE(video->AdvanceTo(10'000));
}

TEST_F(VideoPlayerTest, DamagedFilesAreReportedNotPlayed) {
  EXPECT_NE(FailureOf({}), "") << "empty";
  std::vector<std::uint8_t> garbage(20'000);
  for (std::size_t i = 0; i < garbage.size(); ++i)
    garbage[i] = static_cast<std::uint8_t>((i * 7919) >> 3);
  EXPECT_NE(FailureOf(garbage), "");
  std::vector<std::uint8_t> cut(Bytes.begin(), Bytes.begin() + static_cast<long>(Bytes.size() / 2));
  EXPECT_NE(FailureOf(cut), "") << "cut in half";
  std::vector<std::uint8_t> headerOnly(Bytes.begin(), Bytes.begin() + 64);
  EXPECT_NE(FailureOf(headerOnly), "");
}

TEST_F(VideoPlayerTest, AGameVideoIsReadThroughTheGameFiles) {
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(Scratch.path());
  std::ofstream("Intro.mp4", std::ios::binary)
      .write(reinterpret_cast<const char*>(Bytes.data()), static_cast<long>(Bytes.size()));
  EXPECT_TRUE(OpenGameVideo("Intro.mp4", false)->AdvanceTo(0));
  try {
    OpenGameVideo("Nowhere.mp4", false);
    ADD_FAILURE() << "a missing video opened";
  } catch (const EVideoFailed& e) {
    EXPECT_NE(std::string(e.what()).find("Nowhere.mp4"), std::string::npos) << e.what();
  }
  std::filesystem::current_path(previous);
}

}  // namespace
}  // namespace qn2
