#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "common/Exception.h"
#include "common/KeepAlive.h"
#include "common/LastMessage.h"
#include "render/ColourTables.h"
#include "render/Dib16.h"
#include "render/DibRegistry.h"
#include "render/DibStack.h"
#include "render/Sprite.h"
#include "support/PictureTestFiles.h"

namespace qn2 {
namespace {

using test::At;
using test::MakeBmp;
using test::MakeJpeg;

tRgb Sample(int x, int y) {
  return {static_cast<std::uint8_t>(10 + 40 * x), static_cast<std::uint8_t>(200 - 50 * y),
          static_cast<std::uint8_t>(x * 7 + y * 60)};
}

tRgb Solid(std::uint8_t r, std::uint8_t g, std::uint8_t b, int, int) {
  return {r, g, b};
}

// The pixel a loaded picture holds for a colour the brightness pass does not snap.
std::uint16_t Brightened(tRgb c) {
  return MakePixel(GammaTable[c.R], GammaTable[c.G], GammaTable[c.B]);
}

std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& e) {
    return e.message();
  }
  return "no exception";
}

class PictureLoadTest : public ::testing::Test {
 protected:
  ~PictureLoadTest() override { SetKeepAliveHandler(nullptr); }

  test::tPictureFilesScope Scope;
  test::tMemoryPictureFiles& Files = Scope.Files;
  const std::uint16_t Key = MakePixel(255, 0, 255);
};

TEST_F(PictureLoadTest, RegistryKnowsEachNameOnceWhateverItsCase) {
  tDib16* tiles = GetDib("Pics\\Tiles.BMP", false);
  EXPECT_EQ(tiles->FileName, "pics\\tiles.bmp");
  EXPECT_EQ(tiles->MaskFileName, "Pics\\Tiles.BMP.mask");
  EXPECT_FALSE(tiles->Loaded());
  EXPECT_FALSE(tiles->HasStorage());
  EXPECT_TRUE(Files.Requests.empty());  // registering reads nothing

  EXPECT_EQ(GetDib("pics\\tiles.bmp", false), tiles);
  EXPECT_EQ(FindDib("PICS\\TILES.BMP"), tiles);
  EXPECT_EQ(FindDib("Pics\\Tiles.jpg"), nullptr);
  EXPECT_EQ(MessageOf([] { tDib16::CreateNamed("PICS\\tiles.bmp", false); }),
            "Dib16 name 'pics\\tiles.bmp' Registered twice");

  tDib16* other = GetDib("Other.jpg", false);
  ASSERT_EQ(RegisteredDibs().Count(), 2u);
  EXPECT_EQ(RegisteredDibs()[0], tiles);
  EXPECT_EQ(RegisteredDibs()[1], other);
  ClearDibs();
  EXPECT_EQ(RegisteredDibs().Count(), 0u);
  EXPECT_EQ(FindDib("other.jpg"), nullptr);
}

TEST_F(PictureLoadTest, LoadBrightensConvertsAndLoadsOnlyOnce) {
  Files.Add("Pics\\Tiles.bmp", MakeBmp(3, 2, Sample));
  tDib16* tiles = GetDib("Pics\\Tiles.BMP", true);
  ASSERT_TRUE(tiles->Loaded());
  EXPECT_EQ(LastMessage, "Loading pics\\tiles.bmp");
  ASSERT_EQ(tiles->Width(), 3);
  ASSERT_EQ(tiles->Height(), 2);
  EXPECT_EQ(tiles->ClipRect, (tRect{0, 0, 3, 2}));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(At(*tiles, x, y), Brightened(Sample(x, y)));
  EXPECT_EQ(Files.Requests, (std::vector<std::string>{"pics\\tiles.bmp", "Pics\\Tiles.BMP.mask"}));
  GetDib("pics\\tiles.bmp", true);
  tiles->Load();
  EXPECT_EQ(Files.Requests.size(), 2u);

  // A picture loaded for its owner keeps its name's case and skips the registry; with
  // NoBrightness the colours go in unchanged.
  tDib16 own("Pics\\Tiles.bmp");
  EXPECT_EQ(own.FileName, "Pics\\Tiles.bmp");
  EXPECT_EQ(RegisteredDibs().Count(), 1u);
  EXPECT_TRUE(own.Loaded());
  own.Unload();
  EXPECT_FALSE(own.Loaded());
  EXPECT_FALSE(own.HasStorage());
  own.NoBrightness = true;
  own.Load();
  EXPECT_EQ(At(own, 2, 1), MakePixel(Sample(2, 1)));
  EXPECT_NE(MakePixel(Sample(2, 1)), Brightened(Sample(2, 1)));
}

TEST_F(PictureLoadTest, FailedLoadRaisesLeavesItUnloadedAndCanBeRetried) {
  EXPECT_EQ(MessageOf([] { GetDib("Gone.jpg", true); }), "File Missing 'gone.jpg'.");
  EXPECT_THROW(GetDib("Gone.jpg", true), EFileError);
  tDib16* gone = FindDib("gone.jpg");
  ASSERT_NE(gone, nullptr);
  EXPECT_FALSE(gone->Loaded());
  Files.Add("gone.jpg", MakeJpeg(8, 8, [](int x, int y) { return Solid(9, 99, 199, x, y); }));
  gone->Load();
  EXPECT_TRUE(gone->Loaded());
  EXPECT_EQ(gone->Width(), 8);

  Files.Add("Bad.bmp", {'B', 'M', 1, 2, 3});
  EXPECT_EQ(MessageOf([] { GetDib("Bad.bmp", true); }), "Bitmap 'bad.bmp' is truncated");
  EXPECT_FALSE(FindDib("bad.bmp")->Loaded());
  EXPECT_EQ(MessageOf([] { tDib16 own("Nowhere.bmp"); }), "File Missing 'Nowhere.bmp'.");

  PictureFiles = nullptr;
  EXPECT_EQ(MessageOf([] { GetDib("Late.bmp", true); }),
            "No picture files to read 'late.bmp' from");
}

TEST_F(PictureLoadTest, MaskIsTheFullNamePlusMaskAndItsWhiteBecomesTheKey) {
  Files.Add("SidePanel.jpg",
            MakeJpeg(16, 8, [](int x, int y) { return Solid(40, 120, 200, x, y); }));
  Files.Add("SidePanel.jpg.mask", MakeBmp({16, 8, 8}, [](int x, int) {
              return x < 4 ? tRgb{255, 255, 255} : tRgb{0, 0, 0};
            }));
  // The name with its extension replaced is not the mask.
  Files.Add("SidePanel.mask",
            MakeBmp(16, 8, [](int x, int y) { return Solid(255, 255, 255, x, y); }));
  tDib16* panel = GetDib("SidePanel.jpg", true);
  EXPECT_EQ(Files.RequestsFor("SidePanel.jpg.mask"), 1);
  EXPECT_EQ(Files.RequestsFor("SidePanel.mask"), 0);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x) {
      const tRgb c = SplitPixel(At(*panel, x, y));
      if (x < 4) {
        EXPECT_EQ(At(*panel, x, y), Key) << x << "," << y;
      } else {  // the picture, brightened (gamma 1.1 lifts 40, 120, 200 to about 49, 129, 206)
        EXPECT_NEAR(c.R, 49, 10) << x << "," << y;
        EXPECT_NEAR(c.G, 129, 10) << x << "," << y;
        EXPECT_NEAR(c.B, 206, 10) << x << "," << y;
      }
    }

  // A mask of another size is a broken file: nothing is left loaded.
  Files.Add("Small.bmp", MakeBmp(2, 2, Sample));
  Files.Add("Small.bmp.mask", MakeBmp(3, 3, Sample));
  EXPECT_EQ(MessageOf([] { GetDib("Small.bmp", true); }),
            "Mask 'Small.bmp.mask' is 3 x 3, its picture 2 x 2");
  EXPECT_FALSE(FindDib("small.bmp")->Loaded());
  EXPECT_FALSE(FindDib("small.bmp")->HasStorage());
}

TEST_F(PictureLoadTest, BrightnessSnapsNearKeyColoursWhateverTheGamma) {
  const tRgb colours[] = {{230, 20, 240}, {209, 32, 209},  {20, 10, 220},
                          {32, 0, 209},   {255, 255, 255}, {208, 20, 240},
                          {230, 33, 240}, {230, 20, 208},  {33, 10, 220}};
  const tRgb magenta{255, 0, 255}, blue{0, 0, 255};
  for (float gamma : {0.5f, 1.1f, 2.0f}) {
    MakeGamma(GammaTable, gamma);
    tPicture picture{9, 1, 24, {}};
    for (tRgb c : colours) picture.Bytes.insert(picture.Bytes.end(), {c.R, c.G, c.B});
    DoBrightnessChange(picture, GammaTable);
    std::vector<tRgb> got;
    for (std::size_t i = 0; i < picture.Bytes.size(); i += 3)
      got.push_back({picture.Bytes[i], picture.Bytes[i + 1], picture.Bytes[i + 2]});
    const tRgb table = {GammaTable[255], GammaTable[255], GammaTable[255]};
    EXPECT_EQ(got[0], magenta) << gamma;
    EXPECT_EQ(got[1], magenta) << gamma;
    EXPECT_EQ(got[2], blue) << gamma;
    EXPECT_EQ(got[3], blue) << gamma;
    EXPECT_EQ(got[4], table) << gamma;
    for (int i = 5; i < 9; ++i) {  // just outside the snapping ranges: brightened
      const tRgb c = colours[i];
      EXPECT_EQ(got[static_cast<std::size_t>(i)],
                (tRgb{GammaTable[c.R], GammaTable[c.G], GammaTable[c.B]}))
          << gamma << i;
    }
  }
  tPicture deep{1, 1, 32, {1, 2, 3, 4}};
  EXPECT_EQ(MessageOf([&] { DoBrightnessChange(deep, GammaTable); }),
            "Non-24bit bitmap encountered in DoBrightnessChange");

  // Through loading: JPEG noise around the key colour still lands on the exact key.
  Files.Add("Key.jpg", MakeJpeg(16, 16, [](int x, int y) { return Solid(230, 20, 240, x, y); }));
  for (float gamma : {0.5f, 2.0f}) {
    MakeGamma(GammaTable, gamma);
    tDib16 key("Key.jpg");
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) ASSERT_EQ(At(key, x, y), Key) << gamma << x << "," << y;
  }
}

TEST_F(PictureLoadTest, KeepAliveRunsDuringLoadingWithTheBusyFlagSet) {
  std::vector<std::string> messages;
  int depth = 0, deepest = 0;
  bool alwaysBusy = true;
  SetKeepAliveHandler([&] {
    deepest = std::max(deepest, ++depth);
    messages.push_back(LastMessage);
    alwaysBusy = alwaysBusy && KeepAliveBusy();
    KeepAlive();  // a handler reaching KeepAlive again does not re-enter itself
    --depth;
  });
  Files.Add("Tall.bmp", MakeBmp(2, 20, Sample));
  GetDib("Tall.bmp", true);
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.front(), "Loading tall.bmp");
  EXPECT_EQ(deepest, 1);
  EXPECT_TRUE(alwaysBusy);
  EXPECT_FALSE(KeepAliveBusy());
  const std::size_t withBrightness = messages.size();
  EXPECT_GE(withBrightness, 20u + 3u);  // once a row in the brightness pass, and between steps

  messages.clear();
  tDib16* plain = GetDib("Tall2.bmp", false);
  Files.Add("Tall2.bmp", MakeBmp(2, 20, Sample));
  plain->NoBrightness = true;
  plain->Load();
  EXPECT_LE(messages.size() + 20, withBrightness);
}

TEST_F(PictureLoadTest, SpriteLoadsItsPicturesOnTheFirstDraw) {
  Files.Add("Sprites.bmp", MakeBmp(4, 4, Sample));
  Files.Add("Others.bmp", MakeBmp(4, 4, [](int x, int y) { return Solid(0, 0, 80, x, y); }));
  tDib16* sprites = GetDib("Sprites.bmp", false);
  tDib16* others = GetDib("Others.bmp", false);
  tSprite sprite, pair;
  sprite.SetUp("SPRITES.BMP", 1, 1, 2, 2);
  pair.SetUpPair("sprites.bmp", "others.bmp", 0, 0, 0, 0, 2, 1);
  EXPECT_EQ(sprite.SourceA(), sprites);
  EXPECT_EQ(pair.SourceB(), others);
  EXPECT_TRUE(Files.Requests.empty());
  EXPECT_EQ(MessageOf([&] { sprite.SetUp("Nope.bmp", 0, 0, 1, 1); }),
            "Sprite picture 'Nope.bmp' is not registered");

  tDib16 target(4, 4);
  tDibTarget scope(&target);
  sprite.HotX = sprite.HotY = 0;
  sprite.DrawMode = dmOpaque;
  sprite.Draw(0, 0);
  ASSERT_TRUE(sprites->Loaded());
  EXPECT_FALSE(others->Loaded());
  EXPECT_EQ(At(target, 0, 0), At(*sprites, 1, 1));
  EXPECT_EQ(At(target, 1, 1), At(*sprites, 2, 2));
  sprite.Draw(2, 2);
  EXPECT_EQ(Files.RequestsFor("sprites.bmp"), 1);

  pair.DrawMode = dmAlternate;
  pair.Draw(1, 3);
  EXPECT_TRUE(others->Loaded());

  // A picture that cannot be loaded leaves the target untouched; the next draw tries again.
  tSprite missing;
  GetDib("Later.bmp", false);
  missing.SetUp("Later.bmp", 0, 0, 1, 1);
  missing.HotX = missing.HotY = 0;
  test::Paint(target, [](int, int) { return std::uint16_t{7}; });
  EXPECT_THROW(missing.Draw(0, 0), EFileError);
  EXPECT_EQ(At(target, 0, 0), 7);
  Files.Add("Later.bmp", MakeBmp(1, 1, Sample));
  missing.Draw(0, 0);
  EXPECT_EQ(At(target, 0, 0), Brightened(Sample(0, 0)));
}

TEST_F(PictureLoadTest, SpriteRectangleIsCutToItsPicture) {
  // The game's sprite rectangles assume a picture size; a smaller picture file must not
  // make a draw read outside it.
  Files.Add("Small.bmp", MakeBmp(4, 4, Sample));
  GetDib("Small.bmp", false);
  tDib16 target(8, 8);
  tDibTarget scope(&target);
  target.TrackDirty = true;
  tSprite sprite;
  sprite.SetUp("Small.bmp", 2, 3, 4, 4);  // reaches 2 columns right of and 3 rows below it
  sprite.HotX = sprite.HotY = 0;
  sprite.DrawMode = dmOpaque;
  sprite.Draw(1, 1);
  tDib16& small = *FindDib("small.bmp");
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const bool drawn = y == 1 && (x == 1 || x == 2);
      EXPECT_EQ(At(target, x, y), drawn ? At(small, x + 1, 3) : 0) << x << "," << y;
    }
  ASSERT_EQ(target.DirtyRects().size(), 1u);
  EXPECT_EQ(target.DirtyRects()[0], (tRect{1, 1, 3, 2}));

  sprite.SetUp("Small.bmp", -1, -2, 2, 3);  // starts left of and above it
  sprite.HotX = sprite.HotY = 0;
  sprite.Draw(5, 5);
  EXPECT_EQ(At(target, 6, 7), At(small, 0, 0));
  EXPECT_EQ(At(target, 5, 7), 0);
  EXPECT_EQ(At(target, 6, 6), 0);
}

TEST_F(PictureLoadTest, SetPixelModeReloadsOnlyLoadedPictures) {
  Files.Add("A.bmp", MakeBmp(2, 1, Sample));
  Files.Add("B.bmp", MakeBmp(2, 1, Sample));
  tDib16* a = GetDib("A.bmp", true);
  tDib16* b = GetDib("B.bmp", false);
  const std::uint16_t before = At(*a, 1, 0);
  Files.Requests.clear();

  Gamma = 2.0f;
  SetPixelMode(0x7C00, 0x03E0, 0x001F);
  EXPECT_FALSE(Is565);
  EXPECT_EQ(LastMessage, "DebugMessage('SetPixelMode: Reloading Dibs Done')");
  EXPECT_EQ(Files.RequestsFor("a.bmp"), 1);
  EXPECT_EQ(Files.RequestsFor("b.bmp"), 0);
  ASSERT_TRUE(a->Loaded());
  EXPECT_FALSE(b->Loaded());
  // In the 5-5-5 layout and through the new brightness table.
  for (int x = 0; x < 2; ++x) EXPECT_EQ(At(*a, x, 0), Brightened(Sample(x, 0)));
  EXPECT_NE(At(*a, 1, 0), before);
}

}  // namespace
}  // namespace qn2
