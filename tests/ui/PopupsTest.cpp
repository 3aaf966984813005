#include "assets/SampleNames.h"
#include "common/LookRandom.h"
#include "data/ProgressFile.h"
#include "engine/board/UnitRegistry.h"
#include "ui/AllSolvedScreen.h"
#include "ui/DeathPictures.h"
#include "ui/DeathPopup.h"
#include "ui/LevelDonePopup.h"
#include "ui/MenuFixture.h"
#include "ui/PopupPictures.h"

namespace qn2 {
namespace {

// A jewel that counts itself in the level; the test collects it by hand.
class tCountedGem : public tUnit {
  QN2_UNIT_CLASS(tCountedGem)
 public:
  void Reset() override {
    tUnit::Reset();
    if (Level != nullptr) ++Play().Counters.JewelsInLevel;
  }
};

// The pop-ups over a game of a three-level episode whose first level has one jewel.
class PopupsTest : public testing::MenuTest {
 protected:
  void SetUp() override {
    MenuTest::SetUp();
    for (const auto& [name, bytes] : Files().Files) Write(name, bytes);
    LoadEndOfLevelPopupGraphics();
    UnitRegistry.Add("Jewel", tCountedGem::Class, nullptr);
    WriteLevel("A.map", "Alpha", {"Begin Jewel", "InitialX = 5", "End Jewel"});
    WriteLevel("B.map", "Beta");
    WriteLevel("C.map", "Gamma");
    Write("Test.set", JoinLines({"Level A.map", "Level B.map", "Level C.map"}));
    Engine->LoadEpisode("Test.set");
    Engine->GoToEntry(0);
    Tick(101);
  }

  // The pop-ups' pictures, one colour each, made once.
  struct tPopupFiles {
    std::vector<std::pair<std::string, std::string>> Files;
    void Jpeg(const std::string& name, int w, int h, tRgb colour) {
      const auto bytes = test::MakeJpeg(w, h, [colour](int, int) { return colour; });
      Files.emplace_back(name, std::string(bytes.begin(), bytes.end()));
    }
    tPopupFiles() {
      Jpeg("PopupBase_Large.jpg", 448, 364, {40, 40, 200});
      Jpeg("PopupBase_Small.jpg", 448, 340, {40, 40, 200});
      Jpeg("Popup_Solved.jpg", 448, 164, {220, 220, 40});
      Jpeg("Popup_Partial.jpg", 448, 164, {40, 220, 40});
      Jpeg("Congrats.jpg", 640, 480, {240, 120, 0});
      for (int n = 1; n <= 6; ++n)
        Jpeg("Popup_GeneralDeath" + std::to_string(n) + ".Jpg", 448, 180, {200, 40, 40});
    }
  };
  static const tPopupFiles& Files() {
    static const tPopupFiles files;
    return files;
  }

  // The player lies dead, the pop-up comes after 50 ticks.
  void Die() {
    Engine->SetGameMode(gmDead);
    Tick(50);
    ASSERT_EQ(Engine->GameMode, gmDeathPopup);
  }
  void Finish(bool allJewels) {
    if (allJewels) State().Counters.JewelsCollected = State().Counters.JewelsInLevel;
    Engine->SetGameMode(gmLevelDone);
    Tick();
  }
  void DrawFade() {
    while (Engine->GameMode == gmFadeOut) Engine->DrawFrame();
  }
  tDeathPopup& Death() { return ScreenOf<tDeathPopup>(gmDeathPopup); }
  tLevelDonePopup& Done() { return ScreenOf<tLevelDonePopup>(gmSolvedPopup); }
  std::uint16_t PixelAt(int x, int y) { return Engine->FrameSurface().ScanLine(y)[x]; }
};

TEST_F(PopupsTest, TheDeathPopUpComesAfterFiftyTicksDeadAndTryAgainRestartsThroughTheWarp) {
  Engine->SetGameMode(gmDead);
  Tick(49);
  EXPECT_EQ(Engine->GameMode, gmDead);
  Tick();
  EXPECT_EQ(Engine->GameMode, gmDeathPopup);
  EXPECT_EQ(Engine->ModeStackDepth(), 1);
  EXPECT_EQ(Death().Selection(), tDeathPopup::TryAgain);
  Samples.Clear();
  Press(vk::Return);
  EXPECT_EQ(Engine->GameMode, gmPopupClosed);
  EXPECT_EQ(Engine->WarpAction, WarpRestart);
  EXPECT_EQ(Engine->ModeStackDepth(), 0);
  EXPECT_EQ(Engine->MenuBackdrop, nullptr);
  EXPECT_TRUE(Samples.Played.empty()) << "the death pop-up closes without a sound";
}

TEST_F(PopupsTest, WithoutDialogsTheDeadPlayerWaitsForAKey) {
  Settings.Dialogs = false;
  Engine->SetGameMode(gmDead);
  Tick(200);
  EXPECT_EQ(Engine->GameMode, gmDead);
}

TEST_F(PopupsTest, AClickOutsideTheDeathPopUpOrBackActsAsMenuWhateverIsSelected) {
  Die();
  Press(vk::Down);
  EXPECT_EQ(Death().Selection(), tDeathPopup::GoToLevel);
  ClickAt(204, 300);  // the column's edge is outside
  EXPECT_EQ(Engine->GameMode, gmPopupClosed);
  EXPECT_EQ(Engine->WarpAction, WarpToMenu);

  Die();
  Press(vk::Escape);
  EXPECT_EQ(Engine->WarpAction, WarpToMenu);
  EXPECT_EQ(Engine->GameMode, gmPopupClosed);
}

TEST_F(PopupsTest, TheDeathPopUpFollowsTheMouseAndTheKeys) {
  Die();
  MoveTo(300, 300);
  EXPECT_EQ(Death().Selection(), tDeathPopup::GoToLevel);
  MoveTo(300, 285);  // between two rows
  EXPECT_EQ(Death().Selection(), tDeathPopup::GoToLevel);
  MoveTo(461, 340);
  EXPECT_EQ(Death().Selection(), tDeathPopup::Menu);
  Samples.Clear();
  Press(vk::Down);
  EXPECT_EQ(Death().Selection(), tDeathPopup::TryAgain) << "wraps past the last item";
  EXPECT_EQ(Samples.Played, (std::vector<std::string>{samples::MenuMove, samples::MenuMouseMove}));
  Press(vk::Up);
  EXPECT_EQ(Death().Selection(), tDeathPopup::Menu);
  EXPECT_NEAR(Death().Glow(tDeathPopup::Menu), 0.07f, 1e-6);
  ClickAt(330, 300);
  EXPECT_EQ(Engine->WarpAction, WarpToLevelPick);
}

TEST_F(PopupsTest, AFinishedLevelShowsTheSolvedOrPartlySolvedPopUp) {
  Finish(false);
  EXPECT_EQ(Engine->GameMode, gmPartlySolvedPopup);
  Draw();
  EXPECT_FALSE(Done().AllJewels());
  EXPECT_EQ(Engine->Episode.GetProgress(0), ProgressSolved);
  ClickAt(320, 290);  // TRY AGAIN
  EXPECT_EQ(Engine->GameMode, gmFadeOut);
  EXPECT_EQ(Engine->FadeTarget, gmIntro);
  DrawFade();
  Tick(101);
  EXPECT_EQ(Engine->GameMode, gmPlaying);
  Finish(true);
  EXPECT_EQ(Engine->GameMode, gmSolvedPopup);
  Draw();
  EXPECT_TRUE(Done().AllJewels());
  EXPECT_EQ(Engine->Episode.GetProgress(0), ProgressSolvedAllJewels);
}

TEST_F(PopupsTest, MoveOnStartsTheNextUnsolvedEntry) {
  Engine->Episode.SetProgress(1, ProgressSolvedAllJewels);
  Finish(true);
  Samples.Clear();
  ClickAt(320, 250);
  EXPECT_EQ(Samples.Played.front(), samples::MenuSelect);
  EXPECT_EQ(Engine->GameMode, gmFadeOut);
  EXPECT_EQ(Engine->FadeTarget, gmNextUnsolved);
  DrawFade();
  Tick();
  EXPECT_EQ(Engine->EntryIndex, 2);
  EXPECT_EQ(Engine->GameMode, gmIntro);
  EXPECT_TRUE(Engine->GameInProgress);
}

TEST_F(PopupsTest, GoToLevelAndMenuEndTheGame) {
  Finish(true);
  MoveTo(330, 330);
  Press(vk::Return);
  EXPECT_FALSE(Engine->GameInProgress);
  EXPECT_EQ(Engine->FadeTarget, gmPickLevel);
  DrawFade();
  EXPECT_EQ(Engine->GameMode, gmPickLevel);

  Engine->CloseMenu();
  Engine->GoToEntry(0);
  Tick(101);
  Finish(false);
  Press(vk::Up);
  EXPECT_EQ(Done().Selection(), tLevelDonePopup::Menu);
  Press(vk::Return);
  EXPECT_EQ(Engine->FadeTarget, gmMainMenu);
  DrawFade();
  EXPECT_EQ(Engine->GameMode, gmMainMenu);
}

TEST_F(PopupsTest, AClickOutsideTheLevelPopUpOrBackPlaysTheLevelAgain) {
  Finish(true);
  Samples.Clear();
  ClickAt(450, 300);  // the right edge is outside
  EXPECT_EQ(Samples.Played.front(), samples::MenuClose);
  EXPECT_EQ(Engine->GameMode, gmFadeOut);
  EXPECT_EQ(Engine->FadeTarget, gmIntro);
  EXPECT_EQ(Engine->EntryIndex, 0);
  DrawFade();
  Tick(101);
  Finish(true);
  Press(vk::Down);
  ClickAt(210, 300);  // the left edge is inside the click box, not in the hover column
  EXPECT_EQ(Engine->FadeTarget, gmIntro) << "PLAY AGAIN was selected";
  DrawFade();
  Tick(101);
  Finish(true);
  Press(vk::Escape);
  EXPECT_EQ(Engine->FadeTarget, gmIntro);
}

TEST_F(PopupsTest, PicturesSitOnTheTopOfTheirBase) {
  Finish(true);
  Draw();
  // The solved picture covers rows 58..221 of the large base's columns 96..543.
  EXPECT_EQ(PixelAt(320, 60), PixelAt(320, 219));
  EXPECT_NE(PixelAt(320, 219), PixelAt(320, 226));
  EXPECT_NE(PixelAt(320, 60), PixelAt(320, 54)) << "the backdrop shows above the base";
  Press(vk::Escape);
  DrawFade();
  Tick(101);

  LookRandom.Seed(1);
  ChooseDeathPicture("tUnit");
  Die();
  Draw();
  // The death picture covers rows 70..249 of the small base.
  EXPECT_EQ(PixelAt(320, 72), PixelAt(320, 247));
  EXPECT_NE(PixelAt(320, 247), PixelAt(320, 254));
}

TEST_F(PopupsTest, AllSolvedShowsCongratsUntilAKey) {
  for (int i = 0; i < 3; ++i) Engine->Episode.SetProgress(i, ProgressSolvedAllJewels);
  Engine->SetGameMode(gmAllSolved);
  for (int i = 0; i < 3; ++i) {
    Tick();
    Engine->DrawFrame();
  }
  EXPECT_EQ(Engine->GameMode, gmAllSolved);
  EXPECT_EQ(PixelAt(0, 0), PixelAt(639, 479));
  EXPECT_EQ(PixelAt(0, 0), PixelAt(320, 240));
  Press(vk::Space);
  EXPECT_FALSE(Engine->GameInProgress);
  EXPECT_EQ(Engine->FadeTarget, gmMainMenu);
  DrawFade();
  EXPECT_EQ(Engine->GameMode, gmMainMenu);
  Draw();
  EXPECT_FALSE(FindDib(CongratsPicture)->Loaded()) << "put away when left";
}

TEST_F(PopupsTest, ADeathTheUnitsReportChoosesThePopUpsPicture) {
  Engine->OnPlayerKilled = ChooseDeathPictureFor;
  ChooseDeathPicture("");
  tSprite* before = CurrentDeathPicture();
  LookRandom.Seed(3);
  bool changed = false;
  for (int i = 0; i < 20 && !changed; ++i) {
    Engine->Owner().PlayerKilled(nullptr, tDeathCause::General);
    changed = CurrentDeathPicture() != before;
  }
  EXPECT_TRUE(changed);
  EXPECT_EQ(Engine->GameMode, gmDying);
}

}  // namespace
}  // namespace qn2
