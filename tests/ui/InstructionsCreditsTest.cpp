#include "assets/SampleNames.h"
#include "render/ColourTables.h"
#include "ui/CreditsScreen.h"
#include "ui/InstructionsScreen.h"
#include "ui/MenuFixture.h"

namespace qn2 {
namespace {

class InstructionsTest : public testing::MenuTest {
 protected:
  void OpenInstructions() {
    OpenMenu();
    Engine->MenuItem = 3;
    Press(vk::Return);
    ASSERT_EQ(Engine->GameMode, gmInstructions);
  }
  tInstructionsScreen& Pages() { return ScreenOf<tInstructionsScreen>(gmInstructions); }
};

TEST_F(InstructionsTest, KeysTurnPagesAfterEachPause) {
  OpenInstructions();
  for (int i = 0; i < 15; ++i) Press(vk::Space);  // the opening pause swallows them
  EXPECT_EQ(Pages().Page(), 1);
  Samples.Clear();
  Press(vk::Space);
  EXPECT_EQ(Pages().Page(), 2);
  EXPECT_EQ(Samples.Played, (std::vector<std::string>{samples::MenuSelect}));
  EXPECT_EQ(Pages().Pause(), 20);
  for (int i = 0; i < 20; ++i) Tick();
  Press(vk::Left);
  EXPECT_EQ(Pages().Page(), 1);
  EXPECT_EQ(Pages().Pause(), 0);  // turning back does not pause
  for (int page = 2; page <= 4; ++page) {
    Press(vk::Return);
    EXPECT_EQ(Pages().Page(), page);
    for (int i = 0; i < 20; ++i) Tick();
  }
  Samples.Clear();
  Press(vk::Space);  // the last page: any key goes back
  EXPECT_EQ(Engine->GameMode, gmMainMenu);
  EXPECT_EQ(Samples.Played.front(), samples::MenuClose);
}

TEST_F(InstructionsTest, EscapeLeavesAndButtonsGlowUnderThePointer) {
  OpenInstructions();
  for (int i = 0; i < 15; ++i) Tick();
  for (int i = 0; i < 5; ++i) MoveTo(600, 450);
  EXPECT_NEAR(Pages().NextGlow(), 0.375f, 1e-5);
  MoveTo(100, 100);
  EXPECT_NEAR(Pages().NextGlow(), 0.3375f, 1e-5);
  for (int i = 0; i < 30; ++i) MoveTo(600, 450 + i % 2);
  EXPECT_FLOAT_EQ(Pages().NextGlow(), 0.95f);
  // Drawn, the next button shows its brightest frame at (577, 438).
  Draw();
  tDib16 buttons("InstructionButtons.jpg");
  EXPECT_EQ(Engine->FrameSurface().ScanLine(440)[580], buttons.ScanLine(2)[9 * 48 + 3]);
  Press(vk::Escape);
  EXPECT_EQ(Engine->GameMode, gmMainMenu);
}

TEST_F(InstructionsTest, ThePreviousButtonTurnsBackOnAClick) {
  OpenInstructions();
  for (int i = 0; i < 15; ++i) Tick();
  Press(vk::Return);
  for (int i = 0; i < 20; ++i) Tick();
  ASSERT_EQ(Pages().Page(), 2);
  ClickAt(540, 450);
  EXPECT_EQ(Pages().Page(), 1);
}

class CreditsTest : public testing::MenuTest {
 protected:
  void OpenCredits() {
    OpenMenu();
    Engine->MenuItem = 5;
    Press(vk::Return);
    ASSERT_EQ(Engine->GameMode, gmCredits);
  }
  tCreditsScreen& Credits() { return ScreenOf<tCreditsScreen>(gmCredits); }
  std::uint16_t WindowPixel(int row) {
    return Engine->FrameSurface().ScanLine(tCreditsScreen::WindowTop + row)[320];
  }
};

TEST_F(CreditsTest, TheFirstRowShowsAtTheBottomOnTheFourthTick) {
  using tP = tCreditsScreen::tPlacement;
  auto same = [](tP a, tP b) {
    return a.WindowRow == b.WindowRow && a.TextRow == b.TextRow && a.Rows == b.Rows;
  };
  EXPECT_LE(tCreditsScreen::Placement(3, 540).Rows, 0);
  EXPECT_TRUE(same(tCreditsScreen::Placement(4, 540), tP{269, 0, 1}));
  EXPECT_TRUE(same(tCreditsScreen::Placement(2 * 271, 540), tP{0, 0, 270}));
  EXPECT_TRUE(same(tCreditsScreen::Placement(2 * (271 + 500), 540), tP{0, 500, 40}));

  OpenCredits();
  Tick(3);
  Draw();
  const std::uint16_t before = WindowPixel(260);
  Tick(19);
  ASSERT_EQ(Credits().Counter(), 22);
  Draw();
  // Row 260 shows the text's first rows, four times through the fade table.
  tDib16 text("Credits.jpg");
  std::uint16_t faded = text.ScanLine(0)[161];
  for (int i = 0; i < 4; ++i) faded = FadeTable[faded];
  EXPECT_EQ(WindowPixel(260), faded);
  EXPECT_NE(WindowPixel(260), before);
}

TEST_F(CreditsTest, TheScrollStartsAgainFromBelowOnceTheTextHasGone) {
  OpenCredits();
  // 540 text rows: the last one is at the window's top at counter 2 * (539 + 271).
  Tick(2 * (539 + 271));
  Draw();
  EXPECT_EQ(Credits().Counter(), 2 * (539 + 271));
  Tick(2);
  Draw();
  EXPECT_EQ(Credits().Counter(), tCreditsScreen::RestartCounter);
  Tick(2);
  EXPECT_EQ(tCreditsScreen::Placement(Credits().Counter(), 540).Rows, 1);
}

TEST_F(CreditsTest, AnyKeyGoesBackAndPutsTheTextAway) {
  OpenCredits();
  Tick(10);
  Draw();
  Samples.Clear();
  Press(vk::Space);
  EXPECT_EQ(Engine->GameMode, gmMainMenu);
  EXPECT_EQ(Samples.Played.front(), samples::MenuClose);
  EXPECT_FALSE(FindDib("Credits.jpg")->Loaded());
}

}  // namespace
}  // namespace qn2
