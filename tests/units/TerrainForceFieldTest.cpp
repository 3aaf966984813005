#include "TerrainTestSupport.h"
#include "common/LookRandom.h"
#include "engine/GameEngine.h"
#include "engine/units/TerrainGraphics.h"
#include "render/Dib16.h"
#include "render/DibStack.h"
#include "render/PixelFormat.h"

namespace qn2::terrain_test {
namespace {

using TerrainForceFieldTest = TerrainTest;

TEST_F(TerrainForceFieldTest, AFieldIsOnUntilItsOnlyButtonIsPressedAndOnAgainWhenReleased) {
  Build({"F.o", "P.."}, "RRUD");
  Start();
  auto* field = Find<tForceField>();
  EXPECT_TRUE(field->SwitchedOn()) << "on from the reset until the buttons are counted";
  PlayTurns(3);  // walked up onto the button in the third turn
  EXPECT_TRUE(field->SwitchedOn());
  PlayTurn();  // standing on the button at the boundary; then steps off
  EXPECT_FALSE(field->SwitchedOn());
  PlayTurn();
  EXPECT_TRUE(field->SwitchedOn());
}

TEST_F(TerrainForceFieldTest, AFieldWithoutAnyButtonOfItsColourIsOffFromTheFirstTurn) {
  Build({"F.P"});
  Start();
  auto* field = Find<tForceField>();
  EXPECT_TRUE(field->SwitchedOn());
  PlayTurn();
  EXPECT_FALSE(field->SwitchedOn());
}

TEST_F(TerrainForceFieldTest, AFieldWithTwoButtonsGoesOffOnlyWhenBothAreHeldInTheSameTurn) {
  // The player starts on the left button and pushes the boulder onto the right one, which
  // lets the left one up; walking back holds both.
  Build({"F...", "....", "..B."});
  Put<tPushButton>(1, 2);
  Put<tPushButton>(3, 2);
  PutPlayer(1, 2, "RL");
  Start();
  auto* field = Find<tForceField>();
  PlayTurn();  // the player holds the left button, the right one is up
  EXPECT_TRUE(field->SwitchedOn());
  EXPECT_EQ(State().ButtonsUp[static_cast<std::size_t>(tForceFieldColor::Blue)], 1);
  PlayTurn();  // the boulder holds the right button, the player has left the left one
  EXPECT_TRUE(field->SwitchedOn());
  PlayTurn();  // both held
  EXPECT_FALSE(field->SwitchedOn());
  EXPECT_EQ(State().ButtonsUp[static_cast<std::size_t>(tForceFieldColor::Blue)], 0);
}

TEST_F(TerrainForceFieldTest, AKeyOrJewelLyingOnAButtonHoldsItDown) {
  for (int item = 0; item < 2; ++item) {
    SCOPED_TRACE(item == 0 ? "key" : "jewel");
    Level.FreeUnits();
    Build({"F.P"});
    Put<tPushButton>(1, 1);
    if (item == 0)
      Put<tKey>(1, 1);
    else
      Put<tJewel>(1, 1);
    Put<tPushButton>(1, 2);  // a second button, held by nothing
    Start();
    PlayTurn();
    EXPECT_TRUE(Find<tForceField>()->SwitchedOn()) << "the second button is up";
    Find<tPushButton>(1)->SetInitialY(1);
    Find<tPushButton>(1)->Reset();
    PlayTurn();
    EXPECT_FALSE(Find<tForceField>()->SwitchedOn()) << "both buttons are under the item";
  }
}

TEST_F(TerrainForceFieldTest, UnitsFlatOnTheGroundDoNotPressAButton) {
  Build({"F.P"});
  Put<tPushButton>(1, 1);
  Put<tWater>(1, 1);
  Put<tPillar>(1, 1);
  Put<tPushButton>(1, 1);
  Start();
  PlayTurn();
  EXPECT_TRUE(Find<tForceField>()->SwitchedOn());
  EXPECT_EQ(State().ButtonsUp[static_cast<std::size_t>(tForceFieldColor::Blue)], 2);
}

TEST_F(TerrainForceFieldTest, OnlyButtonsOfTheFieldsOwnColourSwitchIt) {
  Build({"F.P"});
  auto* red = Put<tPushButton>(1, 1);
  red->SetColor(tForceFieldColor::Red);
  auto* redField = Put<tForceField>(4, 4);
  redField->SetColor(tForceFieldColor::Red);
  Put<tBoulder>(1, 1);
  Put<tPushButton>(3, 3);  // blue, up
  Start();
  PlayTurn();
  EXPECT_TRUE(Find<tForceField>(0)->SwitchedOn());
  EXPECT_FALSE(redField->SwitchedOn());
}

TEST_F(TerrainForceFieldTest, ASwitchedOnFieldStopsEverythingAndASwitchedOffOneNothing) {
  Build({".F.", "P.."});
  Start();
  auto* field = Find<tForceField>();
  auto* probe = Put<tWalkerProbe>(0, 0);
  probe->Reset();
  Level.ReindexRows();
  State().ButtonsUp[static_cast<std::size_t>(tForceFieldColor::Blue)] = 1;
  EXPECT_FALSE(probe->CanWalk(tDirection::Right));
  EXPECT_FALSE(probe->CanGo(tDirection::Right));
  EXPECT_FALSE(field->LetsShotPass(probe));
  EXPECT_FALSE(field->QueryPush(Player(), tDirection::Up));
  State().ButtonsUp[static_cast<std::size_t>(tForceFieldColor::Blue)] = 0;
  EXPECT_TRUE(probe->CanWalk(tDirection::Right));
  EXPECT_TRUE(probe->CanGo(tDirection::Right));
  EXPECT_TRUE(field->LetsShotPass(probe));
  EXPECT_TRUE(field->QueryPush(Player(), tDirection::Up));
}

TEST_F(TerrainForceFieldTest, TheCountsAreClearedByTheOneCycleProcedureAtEveryTurnAndReset) {
  CycleProcedures.Clear();
  AddTerrainCycleProcedure();
  EXPECT_EQ(CycleProcedures.Count(), 1u);
  State().ButtonsUp.fill(7);
  CycleProcedures.Run(State());
  for (std::int32_t count : State().ButtonsUp) EXPECT_EQ(count, 0);

  // At a reset the counts are cleared before the fields set their own colour to on.
  Build({"P"});
  auto* cyan = Put<tForceField>(3, 3);
  cyan->SetColor(tForceFieldColor::Cyan);
  State().ButtonsUp.fill(7);
  Start();
  EXPECT_EQ(State().ButtonsUp[static_cast<std::size_t>(tForceFieldColor::Cyan)], 1);
  EXPECT_EQ(State().ButtonsUp[static_cast<std::size_t>(tForceFieldColor::Red)], 0);
}

TEST_F(TerrainForceFieldTest, ColoursAreStoredByNameAndChooseThePictures) {
  tForceField field;
  EXPECT_EQ(field.Color, tForceFieldColor::Blue);
  EXPECT_EQ(field.Sprite, ForceFieldIcon());
  EXPECT_EQ(field.Layer, 0);
  ASSERT_TRUE(SetPropertyText(field, "Color", "LightGrey"));
  EXPECT_EQ(field.Sprite, &TerrainSprites().FieldsOff[7]);
  EXPECT_EQ(GetPropertyText(field, "AutoBorder"), "True");
  ASSERT_TRUE(SetPropertyText(field, "AutoBorder", "false"));
  EXPECT_FALSE(field.AutoBorder);
  ASSERT_TRUE(SetPropertyText(field, "BorderStyle", "3"));
  EXPECT_EQ(field.BorderStyle, 3);

  tPushButton button;
  EXPECT_EQ(button.Sprite, PushButtonIcon());
  ASSERT_TRUE(SetPropertyText(button, "Color", "Magenta"));
  EXPECT_EQ(button.Color, tForceFieldColor::Magenta);
  EXPECT_EQ(button.Sprite, &TerrainSprites().Buttons[5]);
  EXPECT_EQ(GetPropertyText(button, "Color"), "Magenta");
}

TEST(TerrainForceFieldShapes, TheSineTableSwaysBetweenOneAndTenTwentyThree) {
  EXPECT_EQ(SineTable[0], 512);
  EXPECT_EQ(SineTable[1024], 1023);
  EXPECT_EQ(SineTable[2048], 512);
  EXPECT_EQ(SineTable[3072], 1);
  EXPECT_EQ(SineTable[512], 873);  // round(sin(pi / 4) * 511 + 512) = round(873.33)
}

// --- The shimmer ------------------------------------------------------------------------------

// Each pixel of a 32 x 32 test picture tells where it came from: red is its column, green
// its row, blue 0 (so never the key colour).
std::uint16_t Where(int x, int y) {
  return static_cast<std::uint16_t>((x << 11) | (y << 5));
}

std::unique_ptr<tDib16> TexturePicture(bool marked) {
  auto picture = std::make_unique<tDib16>(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) picture->ScanLine(y)[x] = marked ? Where(x, y) : 0;
  return MakeForceFieldTexture(*picture);
}

class TerrainShimmerTest : public TerrainForceFieldTest {
 protected:
  void SetUp() override {
    TerrainForceFieldTest::SetUp();
    SetPixelLayout(0xF800, 0x07E0, 0x001F);
    Engine = std::make_unique<tGameEngine>();
    GameEngine = Engine.get();
    State().Owner = &Engine->Owner();
    PushDib();
    CurrentDib = &Frame;
  }
  void TearDown() override {
    PopDib();
    State().Owner = nullptr;
    GameEngine = nullptr;
    FreeForceFieldTextures();
    LiteForceField = false;
    TerrainForceFieldTest::TearDown();
  }
  // The window drawn into the field's cell is whole and starts at (x, y) of the picture.
  void ExpectWindowAt(int left, int top, int x, int y) {
    for (int j = 0; j < 32; ++j)
      for (int i = 0; i < 32; ++i)
        ASSERT_EQ(Frame.ScanLine(top + j)[left + i], Where((x + i) % 32, (y + j) % 32))
            << "pixel " << i << ", " << j;
  }

  std::unique_ptr<tGameEngine> Engine;
  tDib16 Frame{256, 160};  // the play area's left part
};

TEST_F(TerrainShimmerTest, TheTexturesRepeatTheirFirstColumnsAndRowsBeyondThePicture) {
  auto texture = TexturePicture(true);
  ASSERT_EQ(texture->Width(), 64);
  ASSERT_EQ(texture->Height(), 64);
  EXPECT_EQ(texture->ScanLine(5)[40], Where(8, 5));
  EXPECT_EQ(texture->ScanLine(63)[63], Where(31, 31));
  EXPECT_EQ(texture->ScanLine(33)[2], Where(2, 1));
}

TEST_F(TerrainShimmerTest, TheFirstLayerSwaysThroughTheColoursTextureWithTheFrameCount) {
  ForceFieldTextures.Base = TexturePicture(false);
  ForceFieldTextures.Blue = TexturePicture(true);  // a blue field's first layer
  auto* field = Put<tForceField>(2, 3);
  field->Reset();
  State().ButtonsUp.fill(1);
  for (int n : {0, 5, 1000, 4096 * 3 + 7}) {
    SCOPED_TRACE(n);
    Frame.FillSurface(0);
    State().FrameCount = n;
    field->DrawEffects();
    const int x = (64 + SineTable[static_cast<std::size_t>((n + 750) % 4096)]) % 32;
    const int y = (96 + SineTable[static_cast<std::size_t>((3 * n) % 4096)]) % 32;
    ExpectWindowAt(128 + 64, 96, x, y);
  }
}

TEST_F(TerrainShimmerTest, TheSecondLayerMovesFasterThroughItsOwnTexture) {
  ForceFieldTextures.Red = TexturePicture(false);  // a magenta field's first layer
  ForceFieldTextures.Blue = TexturePicture(true);  // and its second
  auto* field = Put<tForceField>(1, 0);
  field->SetColor(tForceFieldColor::Magenta);
  field->Reset();
  State().ButtonsUp.fill(1);
  const int n = 333;
  State().FrameCount = n;
  Frame.FillSurface(0);
  field->DrawEffects();
  const int x = (32 + SineTable[static_cast<std::size_t>((5 * n + 200) % 4096)]) % 32;
  const int y = (0 + SineTable[static_cast<std::size_t>((7 * n + 900) % 4096)]) % 32;
  ExpectWindowAt(128 + 32, 0, x, y);
}

TEST_F(TerrainShimmerTest, ASwitchedOffFieldDoesNotShimmer) {
  ForceFieldTextures.Base = TexturePicture(true);
  ForceFieldTextures.Blue = TexturePicture(true);
  auto* field = Put<tForceField>(0, 0);
  field->Reset();
  State().ButtonsUp.fill(0);
  Frame.FillSurface(0);
  field->DrawEffects();
  for (int j = 0; j < 32; ++j)
    for (int i = 0; i < 32; ++i) ASSERT_EQ(Frame.ScanLine(j)[128 + i], 0);
}

TEST_F(TerrainShimmerTest,
       TheLightFieldFlickersAKeyedWindowOfTheBaseTextureOnAboutOneFrameInThree) {
  LiteForceField = true;
  ForceFieldTextures.Base = TexturePicture(true);
  auto* field = Put<tForceField>(0, 0);
  field->Reset();
  State().ButtonsUp.fill(1);
  LookRandom.Seed(12345);
  int drawn = 0;
  const int frames = 600;
  for (int frame = 0; frame < frames; ++frame) {
    Frame.FillSurface(0xFFFF);
    field->DrawEffects();
    const std::uint16_t corner = Frame.ScanLine(0)[128];
    if (corner == 0xFFFF) continue;
    ++drawn;
    const int x = corner >> 11;
    const int y = (corner >> 5) & 63;
    ExpectWindowAt(128, 0, x, y);
  }
  EXPECT_GT(drawn, frames / 5);
  EXPECT_LT(drawn, frames / 2);
}

}  // namespace
}  // namespace qn2::terrain_test
