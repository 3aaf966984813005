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
  tLevel level;
  level.Play.NextSerialNumber = 7;
  std::unique_ptr<tOOTPlayer> ghost = CreateOOTPlayer();
  ghost->Level = &level;
  EXPECT_EQ(level.Play.NextSerialNumber, 7);
  EXPECT_EQ(ghost->SerialNumber, 0);
  EXPECT_EQ(ghost->Layer, 0);
  EXPECT_FALSE(ghost->ReservesCell);
  EXPECT_EQ(&ghost->ClassType(), &tOOTPlayer::Class);
  ghost->PlayerState = tPlayerState::psPlaying;
  ghost->Kill(0, nullptr);
  EXPECT_EQ(ghost->PlayerState, tPlayerState::psPlaying);

  tUnit* player = level.AddUnit(std::make_unique<tActualPlayer>());
  EXPECT_EQ(player->SerialNumber, 7) << "the next unit the level takes gets the next number";
}

TEST(PlayerGhost, TheGhostPicksItsWalkingFrameFromTheEarlyStep) {
  tLevel level;
  tOOTPlayer ghost;
  ghost.Level = &level;
  tPlayState& play = level.Play;
  play.Clock.OOTFraction = 0.25f;
  ghost.Direction = tDirection::Right;
  ghost.Move();
  EXPECT_EQ(ghost.Sprite, WalkingSprite(tDirection::Right, 4));
  ghost.Direction = tDirection::Up;
  ghost.Move();
  EXPECT_EQ(ghost.Sprite, WalkingSprite(tDirection::Up, 12));

  play.PlayerCounters.SlowDisplay = true;
  play.Clock.OOTFrames = 6;
  play.Clock.OOTLength = 12;
  ghost.Direction = tDirection::Down;
  ghost.Move();
  EXPECT_EQ(ghost.Sprite, WalkingSprite(tDirection::Down, 4)) << "6 / 24 of the cycle";
  ghost.WalkPhase = true;
  ghost.Move();
  EXPECT_EQ(ghost.Sprite, WalkingSprite(tDirection::Down, 12));
}

class PlayerGhostTest : public testing::PlayerLevelTest {
 protected:
  void SetUp() override {
    PlayerLevelTest::SetUp();
    UnitRegistry.Add("Probe", tGhostProbe::Class, nullptr);
    Ghost = CreateOOTPlayer();
    Engine->OOTPlayer = Ghost.get();
    State().Clock.OOTPlayer = Ghost.get();
  }
  // Plays on until the warp-in shimmer is over and the frame after a turn boundary.
  void WaitForTheShimmer() {
    while (!UnitsOf<tWarp>().empty()) Tick();
    TickToTurnBoundary();
  }
  void PressAtPhase(std::uint16_t key, int phase) {
    while (State().Clock.TurnPhase != phase) Tick();
    Press(key);
    Tick();
  }
  std::unique_ptr<tOOTPlayer> Ghost;
};

TEST_F(PlayerGhostTest, TheWarpInHoldsBackTheEarlyStep) {
  StartOn({"", "..P"});
  ASSERT_FALSE(UnitsOf<tWarp>().empty());
  PressAtPhase(vk::Right, 6);
  EXPECT_FALSE(Engine->Play().Clock.OOTStepActive) << "the shimmer holds the player's turn";
  Release(vk::Right);
  TickToTurnBoundary();

  WaitForTheShimmer();
  ASSERT_EQ(Player()->GridX, 3);
  PressAtPhase(vk::Right, 6);
  EXPECT_TRUE(Engine->Play().Clock.OOTStepActive);
  EXPECT_EQ(State().Clock.OOTFromX, 3);
  EXPECT_EQ(State().Clock.OOTToX, 4);
  EXPECT_EQ(State().Clock.OOTToY, 1);
  EXPECT_FALSE(Engine->Level.IsReserved(4, 1)) << "the ghost reserves nothing";
  EXPECT_EQ(Ghost->Direction, tDirection::Right);
  EXPECT_TRUE(Ghost->Moved);
  Release(vk::Right);

  TickToTurnBoundary();
  EXPECT_EQ(StepTaken(), "R") << "the real player follows the ghost";
}

TEST_F(PlayerGhostTest, ABlockedGhostMakesNoEarlyStepAndKeepsItsFacing) {
  StartOn({"", "..P#"});
  WaitForTheShimmer();
  Ghost->Direction = tDirection::Down;
  PressAtPhase(vk::Right, 6);
  EXPECT_FALSE(Engine->Play().Clock.OOTStepActive);
  EXPECT_EQ(Ghost->TargetX, 2);
  EXPECT_EQ(Ghost->TargetY, 1);
  EXPECT_EQ(Ghost->Direction, tDirection::Down);
  EXPECT_FALSE(Ghost->Moved);
}

TEST_F(PlayerGhostTest, TheGhostAsksWhatStandsAheadButPushesNothing) {
  StartOn({"", "..P"}, {"Begin Probe", "InitialX = 3", "InitialY = 1", "End Probe"});
  WaitForTheShimmer();
  tGhostProbe* probe = UnitsOf<tGhostProbe>().at(0);
  PressAtPhase(vk::Right, 6);
  EXPECT_TRUE(Engine->Play().Clock.OOTStepActive);
  EXPECT_GT(probe->Asked, 0);
  EXPECT_FALSE(probe->Pushed);
  Release(vk::Right);
  TickToTurnBoundary();
  EXPECT_TRUE(probe->Pushed) << "the real player's step pushes";
}

}  // namespace
}  // namespace qn2
