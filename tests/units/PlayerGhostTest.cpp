#include "PlayerTestLevel.h"
#include "engine/units/PlayerGraphics.h"

namespace qn2 {
namespace {

// Lets the player in; remembers what it was asked and whether it was pushed.
class tGhostProbe : public tUnit {
  QN2_UNIT_CLASS(tGhostProbe)
 public:
  int Asked = 0;
  bool Pushed = false;
  bool QueryPush(tUnit*, tDirection) override {
    ++Asked;
    return true;
  }
  void DoPush(tUnit*, tDirection) override { Pushed = true; }
};

TEST(PlayerGhost, TheGhostTakesNoSerialNumberReservesNothingAndCannotDie) {
  const std::int32_t counter = UnitSerialCounter;
  std::unique_ptr<tOOTPlayer> ghost = CreateOOTPlayer();
  EXPECT_EQ(UnitSerialCounter, counter);
  EXPECT_EQ(ghost->SerialNumber, 0);
  EXPECT_EQ(ghost->Layer, 0);
  EXPECT_FALSE(ghost->ReservesCell);
  EXPECT_EQ(&ghost->ClassType(), &tOOTPlayer::Class);
  ghost->PlayerState = tPlayerState::psPlaying;
  ghost->Kill(0, nullptr);
  EXPECT_EQ(ghost->PlayerState, tPlayerState::psPlaying);

  tActualPlayer player;
  EXPECT_EQ(player.SerialNumber, counter) << "the next unit made takes the next number";
}

TEST(PlayerGhost, TheGhostPicksItsWalkingFrameFromTheEarlyStep) {
  tOOTPlayer ghost;
  PlayerCounters = tPlayerCounters();
  TurnClock = tTurnClock();
  TurnClock.OOTFraction = 0.25f;
  ghost.Direction = tDirection::Right;
  ghost.Move();
  EXPECT_EQ(ghost.Sprite, WalkingSprite(tDirection::Right, 4));
  ghost.Direction = tDirection::Up;
  ghost.Move();
  EXPECT_EQ(ghost.Sprite, WalkingSprite(tDirection::Up, 12));

  PlayerCounters.SlowDisplay = true;
  TurnClock.OOTFrames = 6;
  TurnClock.OOTLength = 12;
  ghost.Direction = tDirection::Down;
  ghost.Move();
  EXPECT_EQ(ghost.Sprite, WalkingSprite(tDirection::Down, 4)) << "6 / 24 of the cycle";
  ghost.WalkPhase = true;
  ghost.Move();
  EXPECT_EQ(ghost.Sprite, WalkingSprite(tDirection::Down, 12));
  PlayerCounters = tPlayerCounters();
  TurnClock = tTurnClock();
}

class PlayerGhostTest : public testing::PlayerLevelTest {
 protected:
  void SetUp() override {
    PlayerLevelTest::SetUp();
    UnitRegistry.Add("Probe", tGhostProbe::Class, nullptr);
    Ghost = CreateOOTPlayer();
    Engine->OOTPlayer = Ghost.get();
    TurnClock.OOTPlayer = Ghost.get();
  }
  // Plays on until the warp-in shimmer is over and the frame after a turn boundary.
  void WaitForTheShimmer() {
    while (!UnitsOf<tWarp>().empty()) Tick();
    TickToTurnBoundary();
  }
  void PressAtPhase(std::uint16_t key, int phase) {
    while (TurnClock.TurnPhase != phase) Tick();
    Press(key);
    Tick();
  }
  std::unique_ptr<tOOTPlayer> Ghost;
};

TEST_F(PlayerGhostTest, TheWarpInHoldsBackTheEarlyStep) {
  StartOn({"", "..@"});
  ASSERT_FALSE(UnitsOf<tWarp>().empty());
  PressAtPhase(vk::Right, 6);
  EXPECT_FALSE(Engine->OOTStepActive) << "the shimmer holds the player's turn";
  Release(vk::Right);
  TickToTurnBoundary();

  WaitForTheShimmer();
  ASSERT_EQ(Player()->GridX, 3);
  PressAtPhase(vk::Right, 6);
  EXPECT_TRUE(Engine->OOTStepActive);
  EXPECT_EQ(TurnClock.OOTFromX, 3);
  EXPECT_EQ(TurnClock.OOTToX, 4);
  EXPECT_EQ(TurnClock.OOTToY, 1);
  EXPECT_FALSE(Engine->Level.IsReserved(4, 1)) << "the ghost reserves nothing";
  EXPECT_EQ(Ghost->Direction, tDirection::Right);
  EXPECT_TRUE(Ghost->Moved);
  Release(vk::Right);

  TickToTurnBoundary();
  EXPECT_EQ(StepTaken(), "R") << "the real player follows the ghost";
}

TEST_F(PlayerGhostTest, ABlockedGhostMakesNoEarlyStepAndKeepsItsFacing) {
  StartOn({"", "..@#"});
  WaitForTheShimmer();
  Ghost->Direction = tDirection::Down;
  PressAtPhase(vk::Right, 6);
  EXPECT_FALSE(Engine->OOTStepActive);
  EXPECT_EQ(Ghost->TargetX, 2);
  EXPECT_EQ(Ghost->TargetY, 1);
  EXPECT_EQ(Ghost->Direction, tDirection::Down);
  EXPECT_FALSE(Ghost->Moved);
}

TEST_F(PlayerGhostTest, TheGhostAsksWhatStandsAheadButPushesNothing) {
  StartOn({"", "..@"}, {"Begin Probe", "InitialX = 3", "InitialY = 1", "End Probe"});
  WaitForTheShimmer();
  tGhostProbe* probe = UnitsOf<tGhostProbe>().at(0);
  PressAtPhase(vk::Right, 6);
  EXPECT_TRUE(Engine->OOTStepActive);
  EXPECT_GT(probe->Asked, 0);
  EXPECT_FALSE(probe->Pushed);
  Release(vk::Right);
  TickToTurnBoundary();
  EXPECT_TRUE(probe->Pushed) << "the real player's step pushes";
}

}  // namespace
}  // namespace qn2
