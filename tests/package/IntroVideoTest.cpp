#include <gtest/gtest.h>

#include <cstdint>

#include "data/PackageFiles.h"
#include "platform/VideoPlayer.h"
#include "render/Dib16.h"
#include "render/PixelFormat.h"

namespace qn2 {
namespace {

// The average brightness of the frame, 0..255, from every eighth pixel.
int Brightness(tDib16& frame) {
  std::int64_t sum = 0, count = 0;
  for (std::int32_t y = 0; y < frame.Height(); y += 8)
    for (std::int32_t x = 0; x < frame.Width(); x += 8) {
      const tRgb c = SplitPixel(frame.ScanLine(y)[x]);
      sum += (c.R + c.G + c.B) / 3;
      ++count;
    }
  return static_cast<int>(sum / count);
}

// The intro the build made plays through the game's player: it fades in from black, shows
// pictures all the way and ends by itself between 20 and 40 seconds.
TEST(IntroVideoTest, ThePackagedIntroPlaysThroughAndEnds) {
  MountPackage(QN2_PACKAGE);
  auto video = OpenGameVideo("Intro.mp4", false);
  tDib16 frame(640, 480);
  ASSERT_TRUE(video->AdvanceTo(0));
  video->Draw(frame);
  EXPECT_LT(Brightness(frame), 8) << "the first picture is black";
  std::int64_t time = 0;
  int darkMoments = 0;
  while (video->AdvanceTo(time += 40)) {
    if (time % 2000 != 0) continue;
    video->Draw(frame);
    if (Brightness(frame) < 8) ++darkMoments;
  }
  EXPECT_GE(time, 20'000);
  EXPECT_LE(time, 40'000);
  EXPECT_EQ(darkMoments, 0) << "a black picture every two seconds in the middle";
  video->Draw(frame);
  EXPECT_LT(Brightness(frame), 8) << "it fades out to black";
}

}  // namespace
}  // namespace qn2
