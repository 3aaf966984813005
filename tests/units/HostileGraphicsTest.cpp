#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/units/CherryBomb.h"
#include "engine/units/HostileGraphics.h"
#include "render/Dib16.h"
#include "render/DibRegistry.h"
#include "render/DibStack.h"
#include "render/Sprite.h"
#include "support/PictureTestFiles.h"

namespace qn2::testing {
namespace {

// A picture whose every pixel differs from its neighbours, so a cell cut from the wrong
// place never matches.
tRgb Pattern(int x, int y) {
  return {static_cast<std::uint8_t>((x * 7 + y * 3) & 0xFF),
          static_cast<std::uint8_t>(16 + (x * 5 + y * 11) % 200),
          static_cast<std::uint8_t>((x * 13 + y * 2) & 0xFF)};
}

class HostileGraphicsTest : public ::testing::Test {
 protected:
  // The picture files, made once for all the tests.
  static const std::vector<std::pair<std::string, std::vector<std::uint8_t>>>& Pictures() {
    static const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> pictures{
        {"BaseGfx.bmp", test::MakeBmp(576, 416, Pattern)},
        {"Snake1.jpg", test::MakeJpeg(64, 31 * 48, Pattern)},
        {"Spider.jpg", test::MakeJpeg(360, 104, Pattern)},
        {"Explosion1.jpg", test::MakeJpeg(27 * 52, 54, Pattern)},
        {"FireBall.jpg", test::MakeJpeg(160, 26 * 132, Pattern)}};
    return pictures;
  }
  void SetUp() override {
    for (const auto& [name, bytes] : Pictures()) Files().Add(name, bytes);
    LoadHostileGraphicsData();
  }
  test::tMemoryPictureFiles& Files() { return Scope.Files; }

  struct tCut {
    tSprite* Sprite;
    std::string Picture;
    int X, Y, Width, Height, HotX, HotY;
    tDrawMode Mode;
  };

  // Draws the sprite with its top left corner at (0, 0) of a blank surface and compares
  // every pixel with the picture's pixels at the cell's place.
  static void ExpectCut(const tCut& cut, const std::string& what) {
    SCOPED_TRACE(what);
    tSprite& sprite = *cut.Sprite;
    ASSERT_EQ(sprite.SourceA(), FindDib(cut.Picture));
    ASSERT_EQ(sprite.Width(), cut.Width);
    ASSERT_EQ(sprite.Height(), cut.Height);
    ASSERT_EQ(sprite.HotX, cut.HotX);
    ASSERT_EQ(sprite.HotY, cut.HotY);
    ASSERT_EQ(sprite.DrawMode, cut.Mode);
    tDib16 target(cut.Width, cut.Height);
    {
      tDibTarget into(&target);
      sprite.Draw(cut.HotX, cut.HotY);
    }
    tDib16& source = *sprite.SourceA();
    const std::uint16_t key = MakePixel(255, 0, 255);
    for (int j = 0; j < cut.Height; ++j)
      for (int i = 0; i < cut.Width; ++i) {
        const std::uint16_t expected = source.ScanLine(cut.Y + j)[cut.X + i];
        if (expected == key) continue;
        ASSERT_EQ(target.ScanLine(j)[i], expected) << "at " << i << "," << j;
      }
  }

  test::tPictureFilesScope Scope;
};

TEST_F(HostileGraphicsTest, ThePicturesAreRegisteredButNotLoaded) {
  for (const char* name :
       {"BaseGfx.bmp", "Snake1.jpg", "Spider.jpg", "Explosion1.jpg", "FireBall.jpg"}) {
    tDib16* dib = FindDib(name);
    ASSERT_NE(dib, nullptr) << name;
    EXPECT_FALSE(dib->Loaded()) << name;
    EXPECT_EQ(dib->NoBrightness, std::string(name) == "FireBall.jpg") << name;
  }
  EXPECT_TRUE(Files().Requests.empty());
  LoadHostileGraphicsData();  // again, as after a display change: nothing is registered twice
  EXPECT_EQ(RegisteredDibs().Count(), 5u);
}

TEST_F(HostileGraphicsTest, TheEditorIconsAreTheListedPictures) {
  ExpectCut({SnakeIcon(), "BaseGfx.bmp", 0, 256, 32, 32, 16, 16, dmKeyed}, "snake");
  EXPECT_EQ(SpiderIcon(), SpiderSprite(tDirection::Left, 0));
  EXPECT_EQ(CherryBombIcon(), BombLyingSprite());
  EXPECT_EQ(SeekerDroidIcon(), DroidSprite(0));
}

TEST_F(HostileGraphicsTest, EverySpriteIsCutFromItsPlace) {
  for (int i = 0; i < SnakeSwayFrames; ++i) {
    ExpectCut({SnakeSwaySprite(true, i), "Snake1.jpg", 0, 48 * i, 32, 48, 16, 32, dmKeyed},
              "snake left " + std::to_string(i));
    ExpectCut({SnakeSwaySprite(false, i), "Snake1.jpg", 32, 48 * i, 32, 48, 16, 32, dmKeyed},
              "snake right " + std::to_string(i));
  }
  ExpectCut({FireBallFlyingSprite(true), "BaseGfx.bmp", 64, 256, 32, 32, 16, 16, dmAdditive},
            "fireball right");
  ExpectCut({FireBallFlyingSprite(false), "BaseGfx.bmp", 96, 256, 32, 32, 16, 28, dmAdditive},
            "fireball left");
  for (int i = 0; i < FireBallHitFrames; ++i)
    ExpectCut({FireBallHitSprite(i), "BaseGfx.bmp", 32 * i, 160, 32, 32, 16, 16, dmAdditive},
              "hit " + std::to_string(i));
  const std::pair<tDirection, int> spiderRows[] = {
      {tDirection::Up, 52}, {tDirection::Right, 26}, {tDirection::Down, 78}, {tDirection::Left, 0}};
  for (const auto& [facing, top] : spiderRows)
    for (int i = 0; i < SpiderFrames; ++i)
      ExpectCut({SpiderSprite(facing, i), "Spider.jpg", 36 * i, top, 36, 26, 18, 13, dmKeyed},
                "spider " + std::to_string(top) + " " + std::to_string(i));
  for (int i = 0; i < ExplosionFrames; ++i)
    ExpectCut({ExplosionSprite(i), "Explosion1.jpg", 52 * i, 0, 52, 54, 26, 27, dmAdditive},
              "explosion " + std::to_string(i));
  ExpectCut({BombLyingSprite(), "BaseGfx.bmp", 0, 320, 32, 32, 16, 16, dmKeyed}, "bomb");
  for (int i = 0; i < BombLitFrames; ++i)
    ExpectCut({BombLitSprite(i), "BaseGfx.bmp", 32 + 32 * i, 320, 32, 32, 16, 16, dmKeyed},
              "lit " + std::to_string(i));
  for (int i = 0; i < BombFlashFrames; ++i)
    ExpectCut({BombFlashingSprite(i), "BaseGfx.bmp", 128 + 32 * i, 320, 32, 32, 16, 16, dmKeyed},
              "flashing " + std::to_string(i));
  ExpectCut({BlastSprite(0), "BaseGfx.bmp", 288, 320, 32, 32, 16, 16, dmKeyed}, "blast 0");
  ExpectCut({BlastSprite(1), "BaseGfx.bmp", 320, 320, 32, 32, 16, 16, dmKeyed}, "blast 1");
  for (int i = 2; i < BlastFrames; ++i)
    ExpectCut({BlastSprite(i), "FireBall.jpg", 0, 132 * (i - 2), 160, 132, 78, 85, dmAdditive},
              "blast " + std::to_string(i));
  for (int i = 0; i < DroidFrames; ++i)
    ExpectCut({DroidSprite(i), "BaseGfx.bmp", 256 + 32 * i, 384, 32, 32, 16, 16, dmKeyed},
              "droid " + std::to_string(i));
  // Numbers out of range are brought into range.
  EXPECT_EQ(BlastSprite(40), BlastSprite(27));
  EXPECT_EQ(DroidSprite(-1), DroidSprite(0));
}

TEST_F(HostileGraphicsTest, ABombShowsThePictureOfItsState) {
  tDib16 frame(640, 480);
  tDibTarget into(&frame);
  tCherryBomb bomb;
  bomb.X = bomb.Y = 5;
  bomb.BombState = tCherryBomb::bsLit;
  std::vector<int> fuseFrames;
  for (int i = 0; i < 4; ++i) {
    bomb.Draw();
    fuseFrames.push_back(bomb.FuseFrame);
    EXPECT_EQ(bomb.Sprite, BombLitSprite(bomb.FuseFrame));
  }
  EXPECT_EQ(fuseFrames, (std::vector<int>{1, 2, 0, 1})) << "the fuse flickers per drawn frame";

  bomb.BombState = tCherryBomb::bsFuseNearlyOut;
  bomb.FlashCount = 7;
  bomb.Draw();
  EXPECT_EQ(bomb.Sprite, BombFlashingSprite(3));
  bomb.FlashCount = 30;
  bomb.Draw();
  EXPECT_EQ(bomb.Sprite, BombFlashingSprite(4));

  bomb.BombState = tCherryBomb::bsExploding;
  bomb.Draw();
  EXPECT_EQ(bomb.Sprite, BombFlashingSprite(4)) << "the picture stays while exploding";

  bomb.BombState = tCherryBomb::bsLying;
  bomb.Draw();
  EXPECT_EQ(bomb.Sprite, BombLyingSprite());
}

TEST_F(HostileGraphicsTest, TheBlastIsDrawnOverTheOverlayMask) {
  tDib16 frame(640, 480);
  frame.SetHasMask(true);
  std::memset(frame.Mask(), 1, static_cast<std::size_t>(640 * 480));
  frame.MaskActive = true;
  tDibTarget into(&frame);
  tCherryBomb bomb;
  bomb.X = bomb.Y = 5;
  bomb.BombState = tCherryBomb::bsBlasting;
  bomb.BlastFrame = 9;
  bomb.Draw();
  EXPECT_EQ(bomb.Sprite, BlastSprite(2));
  EXPECT_TRUE(frame.MaskActive) << "back on after the blast";
  const int centreX = 5 * 32 + 128 + 16, centreY = 5 * 32 + 16;
  int drawn = 0;
  for (int y = centreY - 85; y < centreY + 47; ++y)
    for (int x = centreX - 78; x < centreX + 82; ++x) drawn += frame.ScanLine(y)[x] != 0 ? 1 : 0;
  EXPECT_GT(drawn, 160 * 132 / 2) << "drawn although every pixel is masked";

  // A surface without a mask keeps it off.
  tDib16 plain(640, 480);
  tDibTarget intoPlain(&plain);
  bomb.Draw();
  EXPECT_FALSE(plain.MaskActive);
}

}  // namespace
}  // namespace qn2::testing
