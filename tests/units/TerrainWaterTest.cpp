#include "TerrainTestSupport.h"
#include "engine/GameEngine.h"
#include "engine/units/TerrainGraphics.h"
#include "render/ColourTables.h"
#include "render/Dib16.h"
#include "render/DibStack.h"
#include "render/PictureSource.h"
#include "render/PixelFormat.h"

namespace qn2::terrain_test {
namespace {

using TerrainWaterTest = TerrainTest;

TEST_F(TerrainWaterTest, TheEdgeOfASingleCellIsEmptySoItsPictureIsTheBottomRightCellOfItsStyle) {
  auto* water = Put<tWater>(4, 4);
  for (int style = 0; style < 4; ++style) {
    water->EdgeStyle = static_cast<tWaterEdgeStyle>(style);
    water->Reset();
    EXPECT_TRUE(water->Edge.Empty());
    EXPECT_EQ(water->TemplateOrigin(), (tPoint{96 + 128 * style, 96})) << "style " << style;
  }
}

TEST_F(TerrainWaterTest, TheEdgeNamesTheSidesWithWaterNextToThemAtTheStartCells) {
  // A plus sign of water with one diagonal neighbour, which does not count.
  Build({".W..", "WWW.", ".W.W"});
  Start();
  auto at = [&](int x, int y) {
    for (const auto& unit : Level.Units)
      if (unit->InitialX == x && unit->InitialY == y) return static_cast<tWater*>(unit.get());
    return static_cast<tWater*>(nullptr);
  };
  using enum tDirection;
  EXPECT_EQ(at(1, 1)->Edge, (tDirectionSet{Up, Right, Down, Left}));
  EXPECT_EQ(at(1, 1)->TemplateOrigin(), (tPoint{384, 0}));
  EXPECT_EQ(at(0, 1)->Edge, (tDirectionSet{Right}));
  EXPECT_EQ(at(0, 1)->TemplateOrigin(), (tPoint{384 + 32, 96}));
  EXPECT_EQ(at(1, 0)->Edge, (tDirectionSet{Down}));
  EXPECT_EQ(at(1, 0)->TemplateOrigin(), (tPoint{384 + 96, 64}));
  EXPECT_EQ(at(3, 2)->Edge, tDirectionSet{});

  // Without AutoEdge the stored edge stays as it is.
  auto* lone = at(3, 2);
  lone->AutoEdge = false;
  ASSERT_TRUE(SetPropertyText(*lone, "Edge", "5"));  // Up and Down
  lone->Reset();
  EXPECT_EQ(lone->Edge, (tDirectionSet{Up, Down}));
  EXPECT_EQ(GetPropertyText(*lone, "Edge"), "5");
}

TEST_F(TerrainWaterTest, OnlyBouldersArePushedOntoOpenWaterAndShotsPassOverIt) {
  Build({"PW", "B."});
  Start();
  auto* water = Find<tWater>();
  EXPECT_FALSE(water->QueryPush(Player(), tDirection::Right));
  EXPECT_TRUE(water->QueryPush(Find<tBoulder>(), tDirection::Up));
  EXPECT_FALSE(water->AllowsEntry(Find<tBoulder>()));
  EXPECT_TRUE(water->LetsShotPass(Player()));
  EXPECT_TRUE(water->IsLive());
  EXPECT_EQ(water->Layer, 0);
}

TEST_F(TerrainWaterTest, WaterWithASunkBoulderStartsFilledAndOffTheBoard) {
  Build({"Pw."}, "RR");
  Start();
  auto* water = Find<tWater>();
  EXPECT_TRUE(water->Filled);
  EXPECT_FALSE(water->Present);
  EXPECT_EQ(water->Sprite, &TerrainSprites().SunkBoulder);
  PlayScript();
  EXPECT_EQ(Player()->GridX, 2);
  water->Boulder = false;
  water->Reset();
  EXPECT_FALSE(water->Filled);
  EXPECT_TRUE(water->Present);
  EXPECT_EQ(water->Sprite, WaterIcon());
}

TEST_F(TerrainWaterTest, ASnapshotKeepsTheFilledStateAndPutsTheWaterBackOnTheBoard) {
  Build({"PBW"}, "R");
  Start();
  auto* water = Find<tWater>();
  tSnapshotStream before;
  water->SaveState(before);
  EXPECT_EQ(before.Size(), 33u + sizeof(tSprite*) - 4u + 1u);
  PlayTurns(2);
  ASSERT_TRUE(water->Filled);
  tSnapshotStream after;
  water->SaveState(after);

  water->LoadState(before);
  EXPECT_FALSE(water->Filled);
  EXPECT_TRUE(water->Present) << "open water is on the board again";
  EXPECT_EQ(water->Sprite, WaterIcon());
  EXPECT_EQ(before.Position(), before.Size());

  water->LoadState(after);
  EXPECT_TRUE(water->Filled);
  EXPECT_FALSE(water->Present);
  EXPECT_EQ(water->Sprite, &TerrainSprites().SunkBoulder);
}

TEST_F(TerrainWaterTest, TheTintReadsTheWaterColourAndIsWrittenToTheLevelOnlyWhileEditing) {
  const std::uint32_t colour = WaterColour;
  tGameEngine engine;
  GameEngine = &engine;
  State().Owner = &engine.Owner();
  auto* water = Put<tWater>(0, 0);
  SetWaterColour(0x00A0B0C);
  EXPECT_EQ(GetPropertyText(*water, "Tint"), "A0B0C");
  SetWaterColour(0);
  EXPECT_EQ(water->Tint(), "0");

  Level.WaterTint = DefaultWaterTint;
  ASSERT_TRUE(SetPropertyText(*water, "Tint", "FF"));
  EXPECT_EQ(Level.WaterTint, DefaultWaterTint) << "ignored while playing";
  engine.Editing = true;
  ASSERT_TRUE(SetPropertyText(*water, "Tint", "FF"));
  EXPECT_EQ(Level.WaterTint, 0xFFu);
  water->SetTint("colour=x1a2B");  // the digits at the end count
  EXPECT_EQ(Level.WaterTint, 0x1A2Bu);
  water->SetTint("123456789");  // the last eight digits fit
  EXPECT_EQ(Level.WaterTint, 0x23456789u);
  water->SetTint("80604g");
  EXPECT_EQ(Level.WaterTint, 0u);
  State().Owner = nullptr;
  GameEngine = nullptr;
  SetWaterColour(colour);
}

TEST_F(TerrainWaterTest, WaterIsPaintedIntoTheBackgroundExactlyWhenItIsNotAnimated) {
  tWater water;
  Settings.AnimateWater = true;
  EXPECT_FALSE(water.DrawnInBackground());
  Settings.AnimateWater = false;
  EXPECT_TRUE(water.DrawnInBackground());
}

TEST_F(TerrainWaterTest, TheNoiseIsTheBlueOfTwoPicturesOneAboveTheOther) {
  auto picture = [](int width, int height, int base) {
    tPicture p;
    p.Width = width;
    p.Height = height;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        p.Bytes.insert(p.Bytes.end(), {9, 9, static_cast<std::uint8_t>(base + 3 * y + x)});
    return p;
  };
  const tWaterNoise noise = MakeWaterNoise(picture(5, 2, 0), picture(3, 30, 100));
  EXPECT_EQ(noise.Width, 3);
  EXPECT_EQ(noise.Height, 32);
  EXPECT_EQ(noise.Band(), 1);
  EXPECT_EQ(noise.At(2, 1), 5);
  EXPECT_EQ(noise.At(1, 2), 101);
  EXPECT_EQ(noise.At(0, 31), 100 + 3 * 29);
  EXPECT_EQ(noise.At(-1, -31), 5) << "wraps both ways";
  EXPECT_TRUE(MakeWaterNoise(picture(4, 10, 0), picture(4, 10, 0)).Empty())
      << "fewer than 30 rows make no band";
}

// --- Drawing ----------------------------------------------------------------------------------

constexpr int NoiseWidth = 64;
constexpr int NoiseHeight = 60;  // bands of 2 rows

std::uint8_t NoiseAt(int x, int y) {
  return static_cast<std::uint8_t>(64 + x + y);
}

// Water drawn into a frame, with a templates picture whose cells are all pure blue on the
// left half, the key colour at the top right and one plain colour at the bottom right,
// except for the single-cell picture of weTypeB, which is plain all over. The water table gives
// back the noise sum it is indexed with, so every drawn water pixel tells which four noise bytes
// were added.
class TerrainWaterDrawingTest : public TerrainWaterTest {
 protected:
  static constexpr std::uint16_t Plain = 0x1234;
  static constexpr std::uint16_t Ground = 0x0F0F;
  static constexpr std::uint16_t Elsewhere = 0x7777;

  void SetUp() override {
    TerrainWaterTest::SetUp();
    SavedTable = WaterTable;
    SetPixelLayout(0xF800, 0x07E0, 0x001F);
    for (std::size_t i = 0; i < WaterTable.size(); ++i)
      WaterTable[i] = static_cast<std::uint16_t>(0x4000 + i);
    for (int y = 0; y < 128; ++y)
      for (int x = 0; x < 512; ++x) {
        const int i = x % 32, j = y % 32;
        Templates.ScanLine(y)[x] = i < 16   ? MakePixel(0, 0, 255)
                                   : j < 16 ? MakePixel(255, 0, 255)
                                            : Plain;
        if (x >= 128 + 96 && x < 256 && y >= 96) Templates.ScanLine(y)[x] = Elsewhere;
      }
    TerrainSprites().WaterTemplates = &Templates;
    WaterNoise.Width = NoiseWidth;
    WaterNoise.Height = NoiseHeight;
    WaterNoise.Bytes.clear();
    for (int y = 0; y < NoiseHeight; ++y)
      for (int x = 0; x < NoiseWidth; ++x) WaterNoise.Bytes.push_back(NoiseAt(x, y));
    Engine = std::make_unique<tGameEngine>();
    GameEngine = Engine.get();
    State().Owner = &Engine->Owner();
    Frame.FillSurface(Ground);
    PushDib();
    CurrentDib = &Frame;
  }
  void TearDown() override {
    PopDib();
    State().Owner = nullptr;
    GameEngine = nullptr;
    TerrainSprites().WaterTemplates = nullptr;
    WaterNoise = tWaterNoise();
    WaterTable = SavedTable;
    TerrainWaterTest::TearDown();
  }

  // The noise sum for pixel (i, j) of the water cell at grid (gx, gy) at tick t: two
  // windows read downwards from rows that step a band every 13 ticks, two read upwards
  // half the noise width across, stepping every 12 ticks.
  static int NoiseSum(int gx, int gy, int i, int j, int t) {
    const int b = NoiseHeight / 30;
    const int fx = (32 * gx) % NoiseWidth;
    const int fy = (32 * gy) % b;
    auto n = [](int x, int y) {
      return NoiseAt(((x % NoiseWidth) + NoiseWidth) % NoiseWidth,
                     ((y % NoiseHeight) + NoiseHeight) % NoiseHeight);
    };
    const int upX = (fx + NoiseWidth / 2) % NoiseWidth;
    return n(fx + i, fy + ((t / 13) % 30) * b + j) + n(fx + i, fy + (((t + 6) / 13) % 30) * b + j) +
           n(upX + i, b + (((t + 6) / 12) % 30) * b - fy - 1 - j) +
           n(upX + i, b + ((t / 12) % 30) * b - fy - 1 - j);
  }

  std::uint16_t Screen(int x, int y) { return Frame.ScanLine(y)[x]; }
  // Pixel (i, j) of the cell at grid (gx, gy) during play.
  std::uint16_t CellPixel(int gx, int gy, int i, int j) {
    return Screen(128 + 32 * gx + i, 32 * gy + j);
  }

  void ExpectRendered(const tWater& water, int t) {
    for (int j = 0; j < 32; ++j)
      for (int i = 0; i < 32; ++i) {
        const std::uint16_t expected =
            i < 16
                ? static_cast<std::uint16_t>(0x4000 + NoiseSum(water.GridX, water.GridY, i, j, t))
            : j < 16 ? Ground
                     : Plain;
        ASSERT_EQ(CellPixel(water.GridX, water.GridY, i, j), expected) << i << ", " << j;
      }
  }

  std::array<std::uint16_t, 1024> SavedTable{};
  tDib16 Templates{512, 128};
  tDib16 Frame{640, 480};
  std::unique_ptr<tGameEngine> Engine;
};

TEST_F(TerrainWaterDrawingTest, BlueTemplatePixelsShowFourNoiseWindowsThroughTheWaterTable) {
  for (int t : {0, 6, 13, 100, 359, 12345}) {
    SCOPED_TRACE(t);
    for (auto [gx, gy] : {std::pair{1, 1}, std::pair{3, 0}, std::pair{15, 14}}) {
      auto* water = Put<tWater>(gx, gy);
      water->Reset();
      State().TickCount = t;
      water->Render();
      ExpectRendered(*water, t);
      for (int j = 0; j < 32; ++j)
        for (int i = 0; i < 32; ++i)
          ASSERT_EQ(water->WaterCache[static_cast<std::size_t>(32 * j + i)],
                    CellPixel(gx, gy, i, j))
              << "the cache holds what is on the screen";
    }
  }
}

TEST_F(TerrainWaterDrawingTest, TheStyleAndEdgeChooseTheTemplateCell) {
  auto* water = Put<tWater>(4, 4);
  ASSERT_TRUE(SetPropertyText(*water, "EdgeStyle", "weTypeB"));
  water->Reset();
  water->Render();
  for (int j = 0; j < 32; ++j)
    for (int i = 0; i < 32; ++i) ASSERT_EQ(CellPixel(4, 4, i, j), Elsewhere) << i << ", " << j;
  Put<tWater>(5, 4);  // now it has water to its right: another cell of the block
  water->Reset();
  Frame.FillSurface(Ground);
  water->Render();
  ExpectRendered(*water, 0);
}

TEST_F(TerrainWaterDrawingTest, MaskedAndClippedPixelsAreLeftAlone) {
  auto* water = Put<tWater>(2, 2);
  water->Reset();
  Frame.SetHasMask(true);
  Frame.MaskActive = true;
  const int x = 128 + 64 + 3, y = 64 + 5;  // a water pixel under the mask
  Frame.Mask()[y * 640 + x] = 1;
  Frame.ScanLine(y)[x] = 0x5555;
  Frame.ClipRect = tRect{128, 0, 128 + 64 + 10, 480};  // cuts the cell after column 10
  water->Render();
  EXPECT_EQ(Screen(x, y), 0x5555);
  EXPECT_EQ(water->WaterCache[5 * 32 + 3], 0x5555) << "cached as it is";
  EXPECT_EQ(Screen(128 + 64 + 9, 64), 0x4000 + NoiseSum(2, 2, 9, 0, 0));
  EXPECT_EQ(Screen(128 + 64 + 10, 64), Ground) << "outside the clip rectangle";

  // The cache is put back only where the mask is clear.
  Frame.ScanLine(64)[128 + 64 + 4] = 0;
  Frame.ScanLine(y)[x] = 0x6666;
  water->DrawFromCache();
  EXPECT_EQ(Screen(128 + 64 + 4, 64), 0x4000 + NoiseSum(2, 2, 4, 0, 0));
  EXPECT_EQ(Screen(x, y), 0x6666);
}

TEST_F(TerrainWaterDrawingTest, AnimatedWaterIsRenderedAfreshEverySecondFrameInACheckerboard) {
  Settings.AnimateWater = true;
  auto* odd = Put<tWater>(1, 2);   // 1 xor 2 = 3
  auto* even = Put<tWater>(2, 2);  // 2 xor 2 = 0
  odd->Reset();
  even->Reset();
  Engine->AnimCounter = 1;  // the first frames render every cell
  State().TickCount = 40;
  odd->Draw();
  even->Draw();
  ExpectRendered(*odd, 40);
  ExpectRendered(*even, 40);

  for (int anim = 2; anim <= 5; ++anim) {
    SCOPED_TRACE(anim);
    Engine->AnimCounter = anim;
    State().TickCount = 40 * anim;
    Frame.FillSurface(Ground);
    odd->Draw();
    even->Draw();
    const tWater* fresh = (anim % 2 == 0) ? odd : even;
    const tWater* cached = (anim % 2 == 0) ? even : odd;
    ExpectRendered(*fresh, 40 * anim);
    for (int j = 0; j < 32; ++j)
      for (int i = 0; i < 32; ++i)
        ASSERT_EQ(CellPixel(cached->GridX, cached->GridY, i, j),
                  cached->WaterCache[static_cast<std::size_t>(32 * j + i)]);
    EXPECT_EQ(CellPixel(cached->GridX, cached->GridY, 0, 0),
              0x4000 + NoiseSum(cached->GridX, cached->GridY, 0, 0, 40 * (anim - 1)))
        << "shows the rendering of the frame before";
  }
}

TEST_F(TerrainWaterDrawingTest, StillWaterIsOnlyPaintedIntoTheBackgroundOrInTheEditor) {
  Settings.AnimateWater = false;
  auto* water = Put<tWater>(0, 0);
  water->Reset();
  water->Draw();
  EXPECT_EQ(CellPixel(0, 0, 0, 0), Ground);
  Engine->BuildingBackground = true;
  Engine->AnimCounter = 10;  // rendered in full whatever the frame
  water->Draw();
  ExpectRendered(*water, 0);
  Engine->BuildingBackground = false;
  Frame.FillSurface(Ground);
  Engine->Editing = true;
  water->Draw();
  ExpectRendered(*water, 0);
}

TEST_F(TerrainWaterDrawingTest, TheEditorDrawsWaterAtItsStartCellAndMarksTheCellForRepainting) {
  Settings.AnimateWater = true;
  auto* water = Put<tWater>(5, 6);
  water->Reset();
  water->GridX = 0;
  water->GridY = 0;
  Frame.TrackDirty = true;
  Frame.ClearDirty();
  water->DrawAtInitialPosition();
  EXPECT_EQ(water->GridX, 5);
  ExpectRendered(*water, 0);
  ASSERT_FALSE(Frame.DirtyRects().empty());
  EXPECT_EQ(Frame.DirtyRects().back(), (tRect{128 + 160, 192, 128 + 192, 224}));
}

TEST_F(TerrainWaterDrawingTest, ResettingOrRemovingWaterMarksItsCellForRepainting) {
  Frame.TrackDirty = true;
  Frame.ClearDirty();
  auto* water = Put<tWater>(3, 1);
  water->Reset();
  ASSERT_EQ(Frame.DirtyRects().size(), 1u);
  EXPECT_EQ(Frame.DirtyRects()[0], (tRect{128 + 96, 32, 128 + 128, 64}));
  Level.FreeUnits();
  ASSERT_EQ(Frame.DirtyRects().size(), 2u);
  EXPECT_EQ(Frame.DirtyRects()[1], (tRect{128 + 96, 32, 128 + 128, 64}));
}

}  // namespace
}  // namespace qn2::terrain_test
