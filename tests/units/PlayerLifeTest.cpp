#include <algorithm>

#include "PlayerTestLevel.h"
#include "engine/units/PlayerGraphics.h"
#include "ui/DeathPictures.h"

namespace qn2 {
namespace {

const tUnitClass SnakeClass{"tSnake", nullptr};
const tUnitClass SpiderClass{"tSpider", nullptr};

// A seed whose first draw is at least 0.6, so the next death picture follows the killer.
std::uint64_t SeedForKillersPicture() {
  for (std::uint64_t seed = 1;; ++seed)
    if (tLookRandom(seed).Fraction() >= 0.6) return seed;
}

bool IsSnakePicture(const tSprite* sprite) {
  for (int i = 0; i < DeathPictureCount(tDeathPictureGroup::Snake); ++i)
    if (sprite == DeathPicture(tDeathPictureGroup::Snake, i)) return true;
  return false;
}

class PlayerLifeTest : public testing::PlayerLevelTest {
 protected:
  // The death pop-up picks its picture from the engine's report, as the game wires it.
  void SetUp() override {
    PlayerLevelTest::SetUp();
    Engine->OnPlayerKilled = ChooseDeathPictureFor;
  }
  // Kills the player and plays the death animation to its end.
  void DieAndWait() {
    Player()->Kill(0, &SnakeClass);
    Tick(40);
    ASSERT_EQ(Engine->GameMode, gmDead);
  }
  std::vector<tResetWarp*> ResetWarps() const { return UnitsOf<tResetWarp>(); }
};

TEST_F(PlayerLifeTest, ThePlayerWarpsInOverTwoTurnsUnderTheShimmer) {
  WriteBoard("Test.map", {"", "", "", "", "....P"});
  Engine->LoadLevel("Test.map");
  tActualPlayer* player = Player();
  ASSERT_NE(player, nullptr);
  EXPECT_EQ(player->PlayerState, tPlayerState::psWarpingIn);
  EXPECT_EQ(player->WarpInTurns, 2);
  EXPECT_EQ(player->Sprite, nullptr);
  const std::vector<tWarp*> warps = UnitsOf<tWarp>();
  ASSERT_EQ(warps.size(), 1u);
  EXPECT_EQ(warps[0]->X, 4.0f);
  EXPECT_EQ(warps[0]->Y, 4.0f);
  EXPECT_TRUE(warps[0]->Temporary);
  EXPECT_EQ(warps[0]->Layer, 3);
  EXPECT_FALSE(warps[0]->Reverse);
  EXPECT_TRUE(Engine->Level.AnyHoldsPlayerTurn());

  Tick(101);
  ASSERT_EQ(Engine->GameMode, gmPlaying);
  Press(vk::Right);
  Release(vk::Right);
  TickToTurnBoundary();
  EXPECT_EQ(player->PlayerState, tPlayerState::psWarpingIn);
  EXPECT_EQ(player->WarpInTurns, 1);
  EXPECT_TRUE(player->HasBeenTo(4, 4)) << "the start cell counts from the first turn";
  EXPECT_FALSE(player->HasBeenTo(5, 4));
  EXPECT_EQ(StepTaken(), ".") << "no steps while warping in";

  Press(vk::Right);
  Release(vk::Right);
  TickToTurnBoundary();
  EXPECT_EQ(player->PlayerState, tPlayerState::psPlaying);
  EXPECT_EQ(player->Sprite, StandingSprite(player->Direction, player->IdleVariant));
  EXPECT_EQ(StepTaken(), ".") << "the turn the player arrives it does not step yet";
  EXPECT_FALSE(State().PlayerCounters.SlowDisplay);

  EXPECT_EQ(Walk("R"), "R");
  EXPECT_TRUE(player->HasBeenTo(4, 4));
}

TEST_F(PlayerLifeTest, TheShimmerPlaysSeventyFramesWithItsSoundOnTheFifth) {
  WriteBoard("Test.map", {"P"});
  Engine->LoadLevel("Test.map");
  tWarp* warp = UnitsOf<tWarp>().at(0);
  Tick(101);  // the level's reset and the intro each moved the units once
  ASSERT_EQ(warp->WarpFrame, 2);
  EXPECT_TRUE(Sounds.Played.empty());
  Tick(3);
  EXPECT_EQ(warp->WarpFrame, 5);
  EXPECT_EQ(Sounds.Played, std::vector<std::string>{"TeleportIn.wav"});
  EXPECT_EQ(warp->Sprite, WarpSprite(5));
  Tick(65);
  EXPECT_EQ(warp->WarpFrame, 70);
  EXPECT_EQ(warp->Sprite, WarpSprite(70));
  EXPECT_EQ(UnitsOf<tWarp>().size(), 1u);
  Tick();
  EXPECT_TRUE(UnitsOf<tWarp>().empty()) << "dead after frame 70 and freed";
  EXPECT_FALSE(Engine->Level.AnyHoldsPlayerTurn());
  EXPECT_EQ(Sounds.Played.size(), 1u);
}

TEST_F(PlayerLifeTest, ASlowDisplaySpreadsTheWalkCycleOverTwoSteps) {
  WriteBoard("Test.map", {"P"});
  StartPlaying("Test.map");
  // Two game frames for every picture of the player drawn while it warps in.
  for (int frame = 1; Player()->PlayerState != tPlayerState::psPlaying; ++frame) {
    if (frame % 2 == 0) Player()->Draw();  // nothing to show yet, but it counts
    Tick();
  }
  EXPECT_TRUE(State().PlayerCounters.SlowDisplay);

  Press(vk::Right);
  TickToTurnBoundary();
  Tick(6);
  EXPECT_EQ(Player()->Sprite, WalkingSprite(tDirection::Right, 4)) << "6 / 24 of the cycle";
  TickToTurnBoundary();
  Tick(6);
  EXPECT_EQ(Player()->Sprite, WalkingSprite(tDirection::Right, 12)) << "the second half";
  Release(vk::Right);
}

TEST_F(PlayerLifeTest, ADisplayThatKeepsUpShowsAWholeWalkCycleEveryStep) {
  WriteBoard("Test.map", {".......P"});
  StartPlaying("Test.map");
  while (Player()->PlayerState != tPlayerState::psPlaying) {
    Player()->Draw();
    Tick();
  }
  EXPECT_FALSE(State().PlayerCounters.SlowDisplay);
  Press(vk::Left);
  TickToTurnBoundary();
  Tick(3);
  EXPECT_EQ(Player()->Sprite, WalkingSprite(tDirection::Left, 12)) << "leftwards runs backwards";
  TickToTurnBoundary();
  Tick(3);
  EXPECT_EQ(Player()->Sprite, WalkingSprite(tDirection::Left, 12));
  Release(vk::Left);
}

TEST_F(PlayerLifeTest, TheIdlePictureWaitsFiftyFramesThenChangesAtRandomIntervals) {
  StartOn({"P"});
  EXPECT_EQ(Walk("D."), "D.");
  // The turn without a step has begun; its first frame has been played.
  tActualPlayer* player = Player();
  for (int frame = 1; frame <= 50; ++frame) {
    EXPECT_EQ(player->IdleVariant, 0) << frame;
    EXPECT_EQ(player->IdleCountdown, 50 - frame) << frame;
    EXPECT_EQ(player->Sprite, StandingSprite(tDirection::Down, 0));
    Tick();
  }
  std::vector<int> variants;
  for (int change = 0; change < 8; ++change) {
    const int countdown = player->IdleCountdown;
    EXPECT_GE(countdown, 50);
    EXPECT_LE(countdown, 99);
    variants.push_back(player->IdleVariant);
    EXPECT_EQ(player->Sprite, StandingSprite(tDirection::Down, player->IdleVariant));
    Tick(countdown);
    EXPECT_EQ(player->IdleCountdown, 0);
    EXPECT_EQ(player->Sprite, StandingSprite(tDirection::Down, variants.back()));
    Tick();
  }
  EXPECT_NE(std::count(variants.begin(), variants.end(), variants[0]),
            static_cast<long>(variants.size()))
      << "some other standing picture was chosen";

  EXPECT_EQ(Walk("U"), "U");
  Tick();
  EXPECT_EQ(player->IdleVariant, 0);
  EXPECT_EQ(player->IdleCountdown, 50);
}

TEST_F(PlayerLifeTest, AKillPlaysTheDeathAnimationThenThePlayerIsGone) {
  StartOn({"P"});
  LookRandom.Seed(SeedForKillersPicture());
  Player()->Kill(1, &SpiderClass);
  EXPECT_EQ(Engine->GameMode, gmDying);
  EXPECT_EQ(Player()->PlayerState, tPlayerState::psDying);
  EXPECT_EQ(Player()->DeathKind, 1);
  EXPECT_EQ(Player()->Killer, &SpiderClass);
  ASSERT_NE(CurrentDeathPicture(), nullptr);
  bool spider = false;
  for (int i = 0; i < 3; ++i)
    spider = spider || CurrentDeathPicture() == DeathPicture(tDeathPictureGroup::Spider, i);
  EXPECT_TRUE(spider) << "the killer's class chose the picture";

  for (int frame = 1; frame < 40; ++frame) {
    Tick();
    EXPECT_EQ(Player()->DeathFrame, frame);
    EXPECT_EQ(Player()->Sprite, DyingSprite(std::min(13, frame / 3))) << frame;
    EXPECT_EQ(Engine->GameMode, gmDying);
  }
  Tick();
  EXPECT_EQ(Player()->PlayerState, tPlayerState::psGone);
  EXPECT_EQ(Engine->GameMode, gmDead);
  Tick(20);
  EXPECT_EQ(Engine->GameMode, gmDead) << "without a key the body stays";
  EXPECT_TRUE(ResetWarps().empty());
}

TEST_F(PlayerLifeTest, OnlyTheFirstKillCounts) {
  StartOn({"P"});
  LookRandom.Seed(SeedForKillersPicture());
  Player()->Kill(0, &SnakeClass);
  tSprite* picture = CurrentDeathPicture();
  ASSERT_TRUE(IsSnakePicture(picture));
  Tick(5);
  Player()->Kill(1, &SpiderClass);
  EXPECT_EQ(Player()->Killer, &SnakeClass);
  EXPECT_EQ(Player()->DeathKind, 0);
  EXPECT_EQ(Player()->DeathFrame, 5);
  EXPECT_EQ(CurrentDeathPicture(), picture);
  Tick(35);
  ASSERT_EQ(Engine->GameMode, gmDead);
  Player()->Kill(1, &SpiderClass);
  EXPECT_EQ(Engine->GameMode, gmDead);
  EXPECT_EQ(Player()->PlayerState, tPlayerState::psGone);
  EXPECT_EQ(Player()->Killer, &SnakeClass);
}

TEST_F(PlayerLifeTest, APlayerWarpingInCanBeKilled) {
  WriteBoard("Test.map", {"P"});
  StartPlaying("Test.map");
  Player()->Kill(0, nullptr);
  EXPECT_EQ(Player()->PlayerState, tPlayerState::psDying);
  EXPECT_EQ(Engine->GameMode, gmDying);
}

TEST_F(PlayerLifeTest, RestartWhileDyingDoesNothingAfterDeathItWarpsTheBodyAway) {
  StartOn({"", "", ".P"});
  Player()->Kill(0, &SnakeClass);
  Tick(10);
  Press(vk::R);
  Tick();
  Release(vk::R);
  Press(vk::Space);
  Tick();
  Release(vk::Space);
  Tick(28);
  ASSERT_EQ(Engine->GameMode, gmDead);
  Tick(5);
  EXPECT_TRUE(ResetWarps().empty()) << "keys pressed while dying were not kept";

  Press(vk::R);
  Tick();
  EXPECT_EQ(Engine->GameMode, gmWarping);
  EXPECT_EQ(Engine->WarpAction, WarpRestart);
  ASSERT_EQ(ResetWarps().size(), 1u);
  tResetWarp* warp = ResetWarps()[0];
  EXPECT_TRUE(warp->Reverse);
  EXPECT_EQ(warp->X, 1.0f);
  EXPECT_FLOAT_EQ(warp->Y, 2.2f) << "0.2 below the body";
  Tick(3);
  EXPECT_EQ(ResetWarps().size(), 1u) << "one warp, however long the key is held";
  Release(vk::R);
}

TEST_F(PlayerLifeTest, TheActionKeyAlsoStartsTheWarpAfterDeath) {
  StartOn({"P"});
  DieAndWait();
  Press(vk::Space);
  Tick();
  EXPECT_EQ(Engine->GameMode, gmWarping);
  EXPECT_EQ(ResetWarps().size(), 1u);
}

TEST_F(PlayerLifeTest, TheReverseWarpHidesTheBodyHalfWayAndThenRestartsTheLevel) {
  StartOn({"P"});
  DieAndWait();
  Sounds.Played.clear();
  Press(vk::Space);
  Tick();
  Release(vk::Space);
  tResetWarp* warp = ResetWarps().at(0);
  EXPECT_EQ(warp->WarpFrame, 0) << "it starts moving on the next frame";
  Tick(5);
  EXPECT_EQ(Sounds.Played, std::vector<std::string>{"TelePortOut.wav"});
  EXPECT_EQ(warp->Sprite, WarpSprite(65));
  Tick(30);
  EXPECT_EQ(warp->WarpFrame, 35);
  EXPECT_NE(Player()->Sprite, nullptr);
  Tick();
  EXPECT_EQ(Player()->Sprite, nullptr) << "the character vanishes half way";
  Tick(34);
  EXPECT_EQ(warp->Sprite, WarpSprite(0));
  EXPECT_EQ(Engine->GameMode, gmWarping);
  Tick();
  EXPECT_TRUE(ResetWarps().empty());
  EXPECT_EQ(Engine->GameMode, gmFadeOut);
  EXPECT_EQ(Engine->FadeTarget, gmIntro) << "the level restarted";
  EXPECT_EQ(Player()->PlayerState, tPlayerState::psWarpingIn);
  EXPECT_FALSE(Player()->HasBeenTo(0, 0));
  EXPECT_EQ(UnitsOf<tWarp>().size(), 1u) << "a new shimmer brings the player in";
}

TEST_F(PlayerLifeTest, AfterTheDeathPopUpTheWarpCarriesOutItsChoice) {
  StartOn({"P"});
  DieAndWait();
  Engine->WarpAction = WarpToMenu;
  Engine->SetGameMode(gmPopupClosed);
  Tick();
  EXPECT_EQ(Engine->GameMode, gmWarping);
  EXPECT_EQ(Engine->WarpAction, WarpToMenu);
  ASSERT_EQ(ResetWarps().size(), 1u);
  Tick(71);
  EXPECT_EQ(Engine->GameMode, gmFadeOut);
  EXPECT_EQ(Engine->FadeTarget, gmMainMenu);
}

TEST_F(PlayerLifeTest, RestartDuringPlayWarpsThePlayerAwayAndRestartsTheLevel) {
  StartOn({"", "...P"});
  EXPECT_EQ(Walk("R"), "R");
  Tick(5);
  Press(vk::R);
  Tick();
  Release(vk::R);
  const float x = Player()->X;
  EXPECT_GT(x, 3.5f) << "caught in the middle of a step";
  EXPECT_EQ(Player()->PlayerState, tPlayerState::psGone);
  EXPECT_EQ(Engine->GameMode, gmWarping);
  EXPECT_EQ(Engine->WarpAction, WarpRestart);
  ASSERT_EQ(ResetWarps().size(), 1u);
  EXPECT_FLOAT_EQ(ResetWarps()[0]->X, x) << "where the player was caught";
  EXPECT_FLOAT_EQ(ResetWarps()[0]->Y, 1.0f);
  Tick(70);
  EXPECT_EQ(Engine->GameMode, gmWarping);
  Tick();
  EXPECT_EQ(Engine->FadeTarget, gmIntro);
  EXPECT_EQ(Player()->X, 3.0f);
}

TEST_F(PlayerLifeTest, InTheEditorThePlayerStandsFacingDownWithoutAShimmer) {
  WriteBoard("Test.map", {"P"});
  Engine->LoadLevel("Test.map");
  Engine->SetGameMode(gmEditing);
  Engine->ResetLevel(false);
  EXPECT_EQ(Player()->Sprite, WalkingSprite(tDirection::Down, 0));
  EXPECT_EQ(Player()->PlayerState, tPlayerState::psGone);
  EXPECT_TRUE(UnitsOf<tWarp>().empty());
  EXPECT_EQ(Engine->Level.Player, Player());
}

TEST_F(PlayerLifeTest, TheVisitedCellsAreThoseThePlayerTookATurnOn) {
  StartOn({"P"});
  EXPECT_EQ(Walk("RRD."), "RRD.");
  EXPECT_TRUE(Player()->HasBeenTo(0, 0));
  EXPECT_TRUE(Player()->HasBeenTo(1, 0));
  EXPECT_TRUE(Player()->HasBeenTo(2, 0));
  EXPECT_TRUE(Player()->HasBeenTo(2, 1));
  EXPECT_FALSE(Player()->HasBeenTo(1, 1));
  EXPECT_FALSE(Player()->HasBeenTo(-1, 0));
  EXPECT_FALSE(Player()->HasBeenTo(16, 0));
  EXPECT_FALSE(Player()->HasBeenTo(0, 15));
}

}  // namespace
}  // namespace qn2
