#include "ui/MainMenu.h"

#include "assets/SampleNames.h"
#include "ui/CreditsScreen.h"
#include "ui/InstructionsScreen.h"
#include "ui/MenuFixture.h"
#include "ui/OptionsMenu.h"

namespace qn2 {
namespace {

class MainMenuTest : public testing::MenuTest {
 protected:
  tMainMenu& Menu() { return ScreenOf<tMainMenu>(gmMainMenu); }
  void WriteEpisode() {
    WriteLevel("A.map", "Alpha");
    Write("Test.set", JoinLines({"Level A.map", "Level A.map"}));
    Engine->LoadEpisode("Test.set");
  }
};

TEST_F(MainMenuTest, WithoutAGameTheKeysWrapPastBackToGame) {
  OpenMenu();
  EXPECT_EQ(Engine->MenuItem, tMainMenu::StartGame);
  Samples.Clear();
  Press(vk::Up);
  EXPECT_EQ(Engine->MenuItem, tMainMenu::ExitProgram);
  EXPECT_EQ(Samples.Played, (std::vector<std::string>{samples::MenuMove, samples::MenuMouseMove}));
  Press(vk::Down);
  EXPECT_EQ(Engine->MenuItem, tMainMenu::StartGame);
  // The mouse over the first item's band selects nothing without a game.
  MoveTo(320, 150);
  EXPECT_EQ(Engine->MenuItem, tMainMenu::StartGame);
  EXPECT_EQ(Menu().ItemAt({320, 150}), -1);
}

TEST_F(MainMenuTest, HoverBandsFollowTheItemRows) {
  Engine->GameInProgress = true;
  OpenMenu();
  EXPECT_EQ(Menu().ItemAt({320, 95}), tMainMenu::BackToGame);
  EXPECT_EQ(Menu().ItemAt({320, 94}), -1);
  EXPECT_EQ(Menu().ItemAt({320, 169}), tMainMenu::BackToGame);
  EXPECT_EQ(Menu().ItemAt({320, 170}), tMainMenu::StartGame);
  EXPECT_EQ(Menu().ItemAt({479, 397}), tMainMenu::ExitProgram);
  EXPECT_EQ(Menu().ItemAt({320, 398}), -1);
  EXPECT_EQ(Menu().ItemAt({160, 200}), -1);
  // Moving selects; a pointer that rests does not take the selection back from the keys.
  MoveTo(300, 230);
  EXPECT_EQ(Engine->MenuItem, tMainMenu::Options);
  Press(vk::Down);
  EXPECT_EQ(Engine->MenuItem, tMainMenu::Instructions);
}

TEST_F(MainMenuTest, GlowsRiseOnTheSelectedItemAndFallElsewhere) {
  OpenMenu();
  for (int i = 0; i < 30; ++i) Tick();
  EXPECT_EQ(Engine->MenuGlow[tMainMenu::StartGame], 800);
  Press(vk::Down);
  EXPECT_EQ(Engine->MenuGlow[tMainMenu::StartGame], 780);
  EXPECT_EQ(Engine->MenuGlow[tMainMenu::Options], 30);
}

TEST_F(MainMenuTest, WithAGameTheKeysReachBackToGameAndAClickOutsideCloses) {
  Engine->SetGameMode(gmEditing);
  Engine->GameInProgress = true;
  OpenMenu();
  EXPECT_EQ(Engine->MenuItem, tMainMenu::BackToGame);
  Press(vk::Up);
  EXPECT_EQ(Engine->MenuItem, tMainMenu::ExitProgram);
  Press(vk::Down);
  EXPECT_EQ(Engine->MenuItem, tMainMenu::BackToGame);
  Samples.Clear();
  ClickAt(600, 50);
  EXPECT_EQ(Engine->GameMode, gmEditing);
  EXPECT_EQ(Engine->ModeStackDepth(), 0);
  EXPECT_EQ(Samples.Played,
            (std::vector<std::string>{samples::MenuSelect, samples::MainMenuClose}));
}

TEST_F(MainMenuTest, EachItemLeadsWhereItSays) {
  OpenMenu();
  Press(vk::Right);  // not on OPTIONS: nothing
  EXPECT_EQ(Engine->GameMode, gmMainMenu);
  Press(vk::Down);
  ScreenOf<tOptionsMenu>(gmOptions).SetSelection(3);
  Press(vk::Right);
  EXPECT_EQ(Engine->GameMode, gmOptions);
  EXPECT_TRUE(Engine->FullRedraw);
  Tick();
  EXPECT_EQ(ScreenOf<tOptionsMenu>(gmOptions).Selection(), 0);

  Press(vk::Escape);
  ASSERT_EQ(Engine->GameMode, gmMainMenu);
  Press(vk::Down);
  Press(vk::Return);
  EXPECT_EQ(Engine->GameMode, gmInstructions);
  Tick();
  EXPECT_EQ(ScreenOf<tInstructionsScreen>(gmInstructions).Pause(), 15 - 1);

  Engine->SetGameMode(gmMainMenu);
  Press(vk::Down);
  Press(vk::Return);
  EXPECT_EQ(Engine->GameMode, gmMainMenu);
  EXPECT_TRUE(Engine->WebLinkRequested);

  Press(vk::Down);
  Press(vk::Return);
  EXPECT_EQ(Engine->GameMode, gmCredits);
  Tick();
  EXPECT_EQ(ScreenOf<tCreditsScreen>(gmCredits).Counter(), 1);

  Engine->SetGameMode(gmMainMenu);
  Press(vk::Down);
  Press(vk::Return);
  EXPECT_EQ(Engine->GameMode, gmFadeOut);
  EXPECT_EQ(Engine->FadeTarget, gmQuit);
}

TEST_F(MainMenuTest, StartGameStartsTheCurrentEntryThenPicksALevel) {
  WriteEpisode();
  OpenMenu();
  Engine->EntryIndex = 1;
  Press(vk::Return);
  EXPECT_TRUE(Engine->GameInProgress);
  EXPECT_EQ(Engine->EntryIndex, 1);
  EXPECT_EQ(Engine->LevelFileName, "A.map");
  EXPECT_EQ(Engine->ModeStackDepth(), 0);
  EXPECT_EQ(Hooks.Shared().StartCaption, "PICK A LEVEL");

  Engine->SetGameMode(gmEditing);
  OpenMenu();
  Press(vk::Down);
  Press(vk::Return);
  EXPECT_EQ(Engine->GameMode, gmPickLevel);
}

TEST_F(MainMenuTest, ThePadMovesChoosesAndGoesBack) {
  OpenMenu();
  Engine->LiveInput.KeyDown(vk::JoyDown);
  Tick();
  Engine->LiveInput.KeyUp(vk::JoyDown);
  EXPECT_EQ(Engine->MenuItem, tMainMenu::Options);
  Press(vk::JoyButton);
  EXPECT_EQ(Engine->GameMode, gmOptions);
  Press(vk::Escape);  // the pad's second button
  EXPECT_EQ(Engine->GameMode, gmMainMenu);
}

TEST_F(MainMenuTest, OpeningResetsTheMenusAndClosingToTheGamePutsTheirSlabsAway) {
  Engine->SetGameMode(gmEditing);
  Engine->GameInProgress = true;
  OpenMenu();
  Press(vk::Down);
  Press(vk::Down);
  Press(vk::Return);
  ASSERT_EQ(Engine->GameMode, gmOptions);
  Tick();
  Press(vk::Down);
  Draw();
  EXPECT_TRUE(FindDib("Menu_Options.jpg")->Loaded());
  Press(vk::Escape);
  Press(vk::Escape);  // the main menu over a game: back to it
  EXPECT_EQ(Engine->GameMode, gmEditing);
  EXPECT_FALSE(FindDib("Menu_Options.jpg")->Loaded());

  OpenMenu();
  EXPECT_EQ(ScreenOf<tOptionsMenu>(gmOptions).Selection(), 0);
  EXPECT_EQ(Engine->MenuItem, tMainMenu::BackToGame);
}

TEST_F(MainMenuTest, TheSlabCoversTheSidePanelWhateverTheGameClipped) {
  OpenMenu();
  tDib16& frame = Engine->FrameSurface();
  frame.ClipRect = tRect{128, 0, 640, 480};
  Draw();
  tDib16 slab("Menu_Main.Jpg");
  EXPECT_EQ(frame.ScanLine(240)[100], slab.ScanLine(240 - 29)[100 - 85]);
  EXPECT_EQ(frame.ClipRect, (tRect{128, 0, 640, 480}));
}

}  // namespace
}  // namespace qn2
