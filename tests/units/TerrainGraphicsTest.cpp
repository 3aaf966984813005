#include <cstdlib>

#include "TerrainTestSupport.h"
#include "engine/units/TerrainGraphics.h"
#include "render/Dib16.h"
#include "render/DibRegistry.h"
#include "render/DibStack.h"
#include "support/PictureTestFiles.h"

namespace qn2::terrain_test {
namespace {

// The terrain pictures made in memory: the bitmap and the spinning things carry their pixel
// positions in their colours, the noise pictures are flat blue levels.
class TerrainGraphicsTest : public TerrainTest {
 protected:
  void SetUp() override {
    TerrainTest::SetUp();
    auto where = [](int x, int y) {
      return tRgb{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                  static_cast<std::uint8_t>(64 + 8 * (x / 256) + 16 * (y / 256))};
    };
    auto flat = [](std::uint8_t blue) {
      return [blue](int, int) { return tRgb{blue, blue, blue}; };
    };
    Files().Add("BaseGfx.bmp", test::MakeBmp(384, 480, where));
    Files().Add("SpinningThings.jpg", test::MakeJpeg(160, 768, flat(90)));
    Files().Add("Exits.jpg", test::MakeJpeg(224, 256, flat(120)));
    Files().Add("WaterTemplates.jpg", test::MakeJpeg(512, 128, flat(200)));
    Files().Add("WaterBWa.jpg", test::MakeJpeg(64, 40, flat(40)));
    Files().Add("WaterBWb.jpg", test::MakeJpeg(80, 20, flat(160)));
    for (const char* name : {"ForceField.Jpg", "ForceFieldLite.Jpg", "ForceFieldRed.Jpg",
                             "ForceFieldGreen.Jpg", "ForceFieldBlue.Jpg"})
      Files().Add(name, test::MakeJpeg(48, 48, flat(100)));
  }
  void TearDown() override {
    FreeTerrainGraphicsData();
    ProcessorMHz = 1000;
    LiteForceField = false;
    TerrainTest::TearDown();
  }

  test::tMemoryPictureFiles& Files() { return Pictures.Files; }

  // Draws the sprite with its top left corner at (8, 8) of a blank surface and compares what
  // was drawn with the picture's pixels from (left, top).
  static void ExpectCutAt(tSprite& sprite, const char* picture, int left, int top) {
    tDib16 target(64, 80);
    {
      tDibTarget into(&target);
      sprite.Draw(8 + sprite.HotX, 8 + sprite.HotY);
    }
    tDib16* source = FindDib(picture);
    ASSERT_NE(source, nullptr);
    for (int j = 0; j < sprite.Height(); ++j)
      for (int i = 0; i < sprite.Width(); ++i)
        ASSERT_EQ(target.ScanLine(8 + j)[8 + i], source->ScanLine(top + j)[left + i])
            << picture << " " << i << ", " << j;
  }

  test::tPictureFilesScope Pictures;
};

TEST_F(TerrainGraphicsTest, TheSpritesAreCutFromTheirPicturesWithTheirHotSpots) {
  LoadTerrainGraphicsData();
  tTerrainSprites& s = TerrainSprites();
  ExpectCutAt(*BoulderIcon(), "BaseGfx.bmp", 0, 224);
  ExpectCutAt(s.SunkBoulder, "BaseGfx.bmp", 96, 224);
  ExpectCutAt(*DirtIcon(), "BaseGfx.bmp", 96, 288);
  ExpectCutAt(*WaterIcon(), "BaseGfx.bmp", 128, 288);
  ExpectCutAt(s.KeyCell, "BaseGfx.bmp", 0, 288);
  ExpectCutAt(s.JewelCell, "BaseGfx.bmp", 32, 288);
  ExpectCutAt(s.Buttons[6], "BaseGfx.bmp", 192, 352);
  ExpectCutAt(s.FieldsOff[3], "BaseGfx.bmp", 96, 384);
  ExpectCutAt(s.FieldsOn[7], "BaseGfx.bmp", 224, 448);
  EXPECT_EQ(s.FieldsOn[7].DrawMode, dmOpaque);
  EXPECT_EQ(s.FieldsOff[0].DrawMode, dmOpaque);
  EXPECT_EQ(s.Buttons[0].DrawMode, dmKeyed);
  ExpectCutAt(*PillarIcon(), "BaseGfx.bmp", 352, 0);
  EXPECT_EQ(PillarIcon()->Height(), 48);
  EXPECT_EQ(PillarIcon()->HotX, 16);
  EXPECT_EQ(PillarIcon()->HotY, 32);

  EXPECT_EQ(s.KeySpin[31].SourceA(), FindDib("SpinningThings.jpg"));
  EXPECT_EQ(s.KeySpin[31].Height(), 24);
  EXPECT_EQ(s.Exits[4][6].SourceA(), FindDib("Exits.jpg"));
  EXPECT_EQ(s.Exits[4][6].Height(), 64);
  EXPECT_EQ(s.Exits[4][6].HotY, 45);
  EXPECT_EQ(s.Exits[2][0].Height(), 32);
  EXPECT_EQ(s.Exits[0][0].HotY, 16);
  EXPECT_EQ(s.JewelSpin[2][12].Width(), 32) << "the yellow jewel has 13 pictures";
  EXPECT_EQ(s.WaterTemplates, FindDib("WaterTemplates.jpg"));
  EXPECT_FALSE(s.WaterTemplates->Loaded()) << "the templates load when first drawn";
}

TEST_F(TerrainGraphicsTest, TheEditorIconsAreTheDocumentedPictures) {
  tTerrainSprites& s = TerrainSprites();
  EXPECT_EQ(KeyIcon(), &s.KeySpin[0]);
  EXPECT_EQ(JewelIcon(), &s.JewelSpin[static_cast<std::size_t>(tJewelKind::Magenta_100)][5]);
  EXPECT_EQ(ExitIcon(), &s.Exits[static_cast<std::size_t>(tExitKind::ExitDoor)][0]);
  EXPECT_EQ(ForceFieldIcon(), &s.FieldsOff[static_cast<std::size_t>(tForceFieldColor::Blue)]);
  EXPECT_EQ(PushButtonIcon(), &s.Buttons[static_cast<std::size_t>(tForceFieldColor::Blue)]);
  EXPECT_EQ(PillarIcon(), &s.Pillar[11]);
}

TEST_F(TerrainGraphicsTest, TheNoiseIsMadeFromTheBlueOfTheTwoWaterPictures) {
  LoadTerrainGraphicsData();
  EXPECT_EQ(WaterNoise.Width, 64);
  EXPECT_EQ(WaterNoise.Height, 60);
  EXPECT_NEAR(WaterNoise.At(10, 39), 40, 3);
  EXPECT_NEAR(WaterNoise.At(10, 40), 160, 3);
  FreeTerrainGraphicsData();
  EXPECT_TRUE(WaterNoise.Empty());
  EXPECT_EQ(TerrainSprites().WaterTemplates, nullptr);
}

TEST_F(TerrainGraphicsTest, SlowMachinesGetTheLightForceFieldTexture) {
  for (const auto& [mhz, lite] :
       {std::pair{1000, false}, std::pair{600, false}, std::pair{599, true}}) {
    SCOPED_TRACE(mhz);
    ProcessorMHz = mhz;
    Files().Requests.clear();
    LoadTerrainGraphicsData();
    EXPECT_EQ(LiteForceField, lite);
    EXPECT_EQ(Files().RequestsFor("ForceFieldLite.Jpg"), lite ? 1 : 0);
    EXPECT_EQ(Files().RequestsFor("ForceField.Jpg"), lite ? 0 : 1);
    for (const auto* texture : {&ForceFieldTextures.Base, &ForceFieldTextures.Red,
                                &ForceFieldTextures.Green, &ForceFieldTextures.Blue}) {
      ASSERT_TRUE(*texture);
      EXPECT_EQ((*texture)->Width(), 48 + 32);
      EXPECT_EQ((*texture)->Height(), 48 + 32);
    }
  }
}

TEST_F(TerrainGraphicsTest, AFieldShowsItsOnPictureWhileSwitchedOnAndFilledWaterItsSunkBoulder) {
  LoadTerrainGraphicsData();
  tDib16 frame(640, 480);
  tDibTarget into(&frame);
  Build({"PF", ".W"});
  Start();
  auto* field = Find<tForceField>();
  field->Draw();
  EXPECT_EQ(field->Sprite, &TerrainSprites().FieldsOn[4]);
  State().ButtonsUp.fill(0);
  field->Draw();
  EXPECT_EQ(field->Sprite, &TerrainSprites().FieldsOff[4]);

  auto* water = Find<tWater>();
  water->Draw();
  EXPECT_NE(frame.ScanLine(32 + 16)[128 + 32 + 16], 0) << "the water is drawn";
  water->Filled = true;
  water->Sprite = &TerrainSprites().SunkBoulder;
  water->Draw();
  // The sunk boulder's picture lies over the water: the bitmap's pixel (96 + 5, 224 + 7).
  EXPECT_EQ(frame.ScanLine(32 + 7)[128 + 32 + 5],
            FindDib("BaseGfx.bmp")->ScanLine(224 + 7)[96 + 5]);
}

}  // namespace
}  // namespace qn2::terrain_test
