#include "ui/HintPopUp.h"

#include "render/PixelFormat.h"
#include "ui/MenuFixture.h"

namespace qn2 {
namespace {

std::unique_ptr<tDib16> Picture(int w, int h, std::uint16_t colour = 0x1234) {
  auto picture = std::make_unique<tDib16>(w, h);
  picture->FillSurface(colour);
  return picture;
}

// A 366 x 285 hint out of a cell in the middle of a main window at (100, 50) on the screen.
tHintPopUp Hint(tPoint start = {400, 300}) {
  return tHintPopUp(Picture(366, 285), start, tRect{100, 50, 740, 530}, 45, "WALK");
}

void Ticks(tHintPopUp& hint, int events, int periods = 1) {
  for (int i = 0; i < events; ++i) hint.Tick(periods);
}

TEST(HintWindowTargetTest, StaysInsideTheMainWindowWithBottomAndRightWinning) {
  const tRect bounds{100, 50, 740, 530};
  // Centred on the start point when it fits.
  EXPECT_EQ(HintWindowTarget({200, 100}, {400, 300}, bounds), (tRect{300, 250, 500, 350}));
  // Pushed in from the top-left and from the bottom-right.
  EXPECT_EQ(HintWindowTarget({200, 100}, {110, 60}, bounds), (tRect{100, 50, 300, 150}));
  EXPECT_EQ(HintWindowTarget({200, 100}, {730, 520}, bounds), (tRect{540, 430, 740, 530}));
  // A picture larger than the window is pinned to its bottom-right edge.
  EXPECT_EQ(HintWindowTarget({700, 500}, {150, 60}, bounds), (tRect{40, 30, 740, 530}));
}

TEST(HintPopUpTest, ZoomsOutOfTheStartPointInTwentyFiveStepsAtMostFiveAnEvent) {
  tHintPopUp hint = Hint({164, 80});
  hint.Open();
  EXPECT_EQ(hint.Placement(), (tRect{164, 80, 165, 81})) << "1 x 1 at the start point";
  EXPECT_EQ(hint.Target(), (tRect{100, 50, 466, 335}));
  hint.Tick(12);
  EXPECT_EQ(hint.ZoomSteps(), 5) << "a slow timer event moves five steps only";
  // b = 0.2: left 0.8 * 164 + 0.2 * 100 = 151.2, top 0.8 * 80 + 0.2 * 50 = 74.
  EXPECT_EQ(hint.Placement(), (tRect{151, 74, 151 + 73, 74 + 57}));
  Ticks(hint, 4, 5);
  EXPECT_TRUE(hint.Zooming()) << "25 steps reached, not yet passed";
  EXPECT_EQ(hint.Placement(), hint.Target());
  EXPECT_EQ(hint.CaptionGlow(), 0.0f);
  hint.Tick(1);
  EXPECT_FALSE(hint.Zooming());
  EXPECT_EQ(hint.ZoomSteps(), tHintPopUp::ZoomDuration);
  EXPECT_EQ(hint.Placement(), hint.Target());
  Ticks(hint, 2);
  EXPECT_NEAR(hint.CaptionGlow(), 0.10f, 1e-6) << "the caption brightens after the zoom";
  Ticks(hint, 30);
  EXPECT_EQ(hint.CaptionGlow(), 1.0f);
  EXPECT_EQ(hint.Placement(), hint.Target()) << "the window stays as the zoom left it";
}

TEST(HintPopUpTest, AKeyClosesOnlyAfterTheZoomAndMoreThanFortySteps) {
  tHintPopUp hint = Hint();
  hint.Open();
  Ticks(hint, 10);
  hint.KeyDown(vk::Space);
  EXPECT_EQ(hint.Result(), 0) << "a key during the zoom is ignored";
  Ticks(hint, 30);
  hint.KeyDown(vk::Space);
  EXPECT_EQ(hint.Result(), 0) << "40 steps after showing it";
  // A click on the background under the same rule.
  hint.MouseUp(10, 10, vk::LButton);
  EXPECT_EQ(hint.Result(), 0);
  Ticks(hint, 1);
  hint.KeyDown(vk::Space);
  EXPECT_EQ(hint.Result(), tHintPopUp::ClosedResult) << "41 steps after showing it";
}

TEST(HintPopUpTest, APressOnThePictureClosesAsSoonAsTheZoomIsOver) {
  tHintPopUp hint = Hint();
  hint.Open();
  Ticks(hint, 25);
  hint.MouseDown(100, 100, vk::LButton);
  EXPECT_EQ(hint.Result(), 0) << "still zooming";
  hint.MouseUp(100, 100, vk::LButton);
  EXPECT_EQ(hint.Result(), 0);
  Ticks(hint, 1);
  hint.MouseDown(100, 100, vk::LButton);
  EXPECT_EQ(hint.Result(), tHintPopUp::ClosedResult);
  EXPECT_EQ(hint.StepsShown(), 26);
}

class HintPopUpDrawTest : public testing::MenuTest {};

TEST_F(HintPopUpDrawTest, DrawsThePictureAndStretchesItOverItsPlace) {
  tHintPopUp hint(Picture(4, 2, 0x0F0F), {0, 0}, tRect{0, 0, 640, 480}, 1, "A");
  hint.Open();
  tDib16 canvas(4, 2);
  hint.Draw(canvas);
  EXPECT_EQ(canvas.ScanLine(1)[3], 0x0F0F);

  tDib16 source(2, 2);
  source.ScanLine(0)[0] = 1;
  source.ScanLine(0)[1] = 2;
  source.ScanLine(1)[0] = 3;
  source.ScanLine(1)[1] = 4;
  tDib16 target(8, 8);
  target.FillSurface(9);
  StretchDraw(source, target, tRect{-2, 4, 2, 12});
  EXPECT_EQ(target.ScanLine(4)[0], 2) << "the left half is off the target";
  EXPECT_EQ(target.ScanLine(7)[1], 2);
  EXPECT_EQ(target.ScanLine(7)[2], 9);
  EXPECT_EQ(target.ScanLine(3)[0], 9);
}

}  // namespace
}  // namespace qn2
