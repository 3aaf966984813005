#include <gtest/gtest.h>

#include "engine/units/PlayerGraphics.h"
#include "render/DibStack.h"
#include "render/Sprite.h"
#include "support/PictureTestFiles.h"

namespace qn2 {
namespace {

// Every cell of a picture in a colour of its own (never the key colour), so that a sprite
// cut from the wrong place shows the wrong colour.
tRgb CellColour(int x, int y, int cellWidth, int cellHeight) {
  const int cell = (x / cellWidth) * 97 + (y / cellHeight);
  return tRgb{static_cast<std::uint8_t>(40 + (cell * 53) % 200),
              static_cast<std::uint8_t>(30 + (cell * 29) % 200),
              static_cast<std::uint8_t>(20 + (cell * 71) % 200)};
}

class PlayerGraphicsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AddPicture("ZeviWalking.jpg", 128, 64 * 16, 32, 64);
    AddPicture("ZeviStanding.jpg", 128, 64 * 3, 32, 64);
    AddPicture("ZeviDying.jpg", 40, 40 * 14, 40, 40);
    AddPicture("Warp.jpg", 66, 30 * 71, 66, 30);
  }
  void AddPicture(const std::string& name, int width, int height, int cellWidth, int cellHeight) {
    Pictures.Files.Add(name, test::MakeJpeg(width, height, [=](int x, int y) {
                         return CellColour(x, y, cellWidth, cellHeight);
                       }));
  }

  // Draws the sprite with its hot spot at the middle of a black surface and compares the
  // pixels with the picture at the given cell corner.
  void ExpectCutFrom(tSprite* sprite, const std::string& picture, int cellX, int cellY) {
    tDib16 target(200, 200);
    {
      tDibTarget into(&target);
      sprite->Draw(100, 100);
    }
    tDib16* source = FindDib(picture);
    ASSERT_NE(source, nullptr);
    ASSERT_TRUE(source->Loaded());
    for (auto [dx, dy] : {std::pair{1, 1}, std::pair{sprite->Width() / 2, sprite->Height() / 2},
                          std::pair{sprite->Width() - 2, sprite->Height() - 2}}) {
      EXPECT_EQ(target.ScanLine(100 - sprite->HotY + dy)[100 - sprite->HotX + dx],
                source->ScanLine(cellY + dy)[cellX + dx])
          << picture << " at " << dx << "," << dy;
    }
  }

  test::tPictureFilesScope Pictures;
};

TEST_F(PlayerGraphicsTest, ThePicturesAreRegisteredInOrderAndOnlyTheCharacterIsLoaded) {
  LoadPlayerGraphicsData();
  const auto& dibs = RegisteredDibs();
  ASSERT_EQ(dibs.Count(), 5u);
  EXPECT_EQ(dibs[0]->FileName, "basegfx.bmp");
  EXPECT_EQ(dibs[1]->FileName, "zeviwalking.jpg");
  EXPECT_EQ(dibs[2]->FileName, "zevistanding.jpg");
  EXPECT_EQ(dibs[3]->FileName, "zevidying.jpg");
  EXPECT_EQ(dibs[4]->FileName, "warp.jpg");
  EXPECT_FALSE(dibs[0]->Loaded());
  EXPECT_TRUE(dibs[1]->Loaded());
  EXPECT_TRUE(dibs[2]->Loaded());
  EXPECT_TRUE(dibs[3]->Loaded());
  EXPECT_FALSE(dibs[4]->Loaded());
  EXPECT_TRUE(dibs[4]->NoBrightness);
  EXPECT_FALSE(dibs[1]->NoBrightness);
}

TEST_F(PlayerGraphicsTest, TheSpriteTablesAreCutFromTheirPictures) {
  LoadPlayerGraphicsData();
  tSprite* walking = WalkingSprite(tDirection::Left, 7);
  EXPECT_EQ(walking->Width(), 32);
  EXPECT_EQ(walking->Height(), 64);
  EXPECT_EQ(walking->HotX, 16);
  EXPECT_EQ(walking->HotY, 34);
  EXPECT_EQ(walking->DrawMode, dmKeyed);
  ExpectCutFrom(walking, "ZeviWalking.jpg", 64, 64 * 7);
  ExpectCutFrom(WalkingSprite(tDirection::Up, 15), "ZeviWalking.jpg", 0, 64 * 15);
  ExpectCutFrom(WalkingSprite(tDirection::Down, 2), "ZeviWalking.jpg", 32, 128);
  ExpectCutFrom(WalkingSprite(tDirection::Right, 0), "ZeviWalking.jpg", 96, 0);

  tSprite* standing = StandingSprite(tDirection::Right, 2);
  EXPECT_EQ(standing->HotY, 34);
  ExpectCutFrom(standing, "ZeviStanding.jpg", 96, 128);

  tSprite* dying = DyingSprite(13);
  EXPECT_EQ(dying->Width(), 40);
  EXPECT_EQ(dying->HotX, 20);
  EXPECT_EQ(dying->HotY, 22);
  EXPECT_EQ(dying->DrawMode, dmKeyed);
  ExpectCutFrom(dying, "ZeviDying.jpg", 0, 40 * 13);

  tSprite* warp = WarpSprite(70);
  EXPECT_EQ(warp->Width(), 66);
  EXPECT_EQ(warp->Height(), 30);
  EXPECT_EQ(warp->HotX, 33);
  EXPECT_EQ(warp->HotY, 15);
  EXPECT_EQ(warp->DrawMode, dmAdditive);
  ExpectCutFrom(warp, "Warp.jpg", 0, 30 * 70);  // additive over black: the picture itself

  EXPECT_EQ(PlayerIcon(), WalkingSprite(tDirection::Down, 1)) << "the editor's icon";
}

TEST_F(PlayerGraphicsTest, FrameNumbersOutsideTheTablesAreBroughtIntoRange) {
  EXPECT_EQ(WalkingSprite(tDirection::Up, 16), WalkingSprite(tDirection::Up, 15));
  EXPECT_EQ(WalkingSprite(tDirection::Up, -1), WalkingSprite(tDirection::Up, 0));
  EXPECT_EQ(StandingSprite(tDirection::Left, 3), StandingSprite(tDirection::Left, 2));
  EXPECT_EQ(DyingSprite(14), DyingSprite(13));
  EXPECT_EQ(WarpSprite(71), WarpSprite(70));
  EXPECT_NE(WalkingSprite(tDirection::Up, 3), WalkingSprite(tDirection::Down, 3));
}

}  // namespace
}  // namespace qn2
