#include <optional>

#include "PlayerTestLevel.h"

namespace qn2 {
namespace {

// Stands on its cell and lets the player in only when pushed from one side.
class tPushProbe : public tUnit {
  QN2_UNIT_CLASS(tPushProbe)
 public:
  tDirection Accepts = tDirection::Right;
  std::vector<tDirection> Asked;
  std::optional<tDirection> Pushed;
  bool QueryPush(tUnit*, tDirection direction) override {
    Asked.push_back(direction);
    return direction == Accepts;
  }
  void DoPush(tUnit*, tDirection direction) override { Pushed = direction; }
};

// Something the player can carry.
class tTestItem : public tUnit {
  QN2_UNIT_CLASS(tTestItem)
};

class PlayerMovementTest : public testing::PlayerLevelTest {
 protected:
  void SetUp() override {
    PlayerLevelTest::SetUp();
    UnitRegistry.Add("Probe", tPushProbe::Class, nullptr);
  }
  tPushProbe* Probe() const { return UnitsOf<tPushProbe>().at(0); }
  tTestItem* CarriedItem() {
    auto item = std::make_unique<tTestItem>();
    tTestItem* raw = item.get();
    Engine->Level.AddUnit(std::move(item));
    raw->Reset();
    raw->PickUp();
    return raw;
  }
};

TEST_F(PlayerMovementTest, ThePlayerWalksOneCellPerTurnAndWallsAndEdgesStopIt) {
  StartOn({"......",  //
           "......",  //
           "..P.#."});
  EXPECT_EQ(Walk("RRULD."), "R.ULD.");
  EXPECT_TRUE(Player()->IsAt(2, 2));
  EXPECT_EQ(Walk("LLLDDDDDDDDDDDDD"), "LL.DDDDDDDDDDDD.") << "the board's edges stop it";
  EXPECT_TRUE(Player()->IsAt(0, 14));
}

TEST_F(PlayerMovementTest, ABlockedKeyDoesNotTurnThePlayer) {
  StartOn({"..#",  //
           "..P#"});
  EXPECT_EQ(Walk("L"), "L");
  EXPECT_EQ(Player()->Direction, tDirection::Left);
  EXPECT_EQ(Walk("RU"), "R.");
  EXPECT_EQ(Player()->Direction, tDirection::Right) << "the wall above did not turn it";
  EXPECT_EQ(Walk("R"), ".");
  EXPECT_EQ(Player()->Direction, tDirection::Right);
}

TEST_F(PlayerMovementTest, ThePlayerNeverReservesTheCellItWalksInto) {
  StartOn({"P"});
  EXPECT_EQ(Player()->Layer, 2);
  EXPECT_EQ(Walk("R"), "R");
  EXPECT_FALSE(Engine->Level.IsReserved(1, 0));
}

TEST_F(PlayerMovementTest, AHeldLastKeyThatCanBeWalkedKeepsTheLead) {
  StartOn({"......",  //
           "......",  //
           "..P..."});
  Press(vk::Up);
  Press(vk::Right);
  TickToTurnBoundary();
  EXPECT_EQ(StepTaken(), "R");
  TickToTurnBoundary();
  EXPECT_EQ(StepTaken(), "R") << "still held, still leading";
}

TEST_F(PlayerMovementTest, HoldingUpAndRightWithTheRightCellWalledWalksUp) {
  StartOn({"......",  //
           "......",  //
           "..P#.."});
  Press(vk::Up);
  Press(vk::Right);
  TickToTurnBoundary();
  EXPECT_EQ(StepTaken(), "U");
}

TEST_F(PlayerMovementTest, HoldingBothKeysOfAnAxisGivesNothingOnThatAxis) {
  StartOn({"......",  //
           "......",  //
           "..P...",  //
           "..##.."});
  EXPECT_EQ(Walk("R"), "R");
  EXPECT_EQ(Walk("L"), "L");
  // Facing left now; up and down held, down pressed last with the cell below walled.
  Press(vk::Up);
  Press(vk::Down);
  TickToTurnBoundary();
  EXPECT_EQ(StepTaken(), ".");
  EXPECT_EQ(Player()->Direction, tDirection::Left) << "no move and no turn";
  Release(vk::Up);
  Release(vk::Down);
  EXPECT_EQ(Walk("R"), "R");

  Press(vk::Left);
  Press(vk::Up);
  Press(vk::Down);
  TickToTurnBoundary();
  EXPECT_EQ(StepTaken(), "L") << "the horizontal axis still has one key";
}

TEST_F(PlayerMovementTest, TheAxisAcrossABlockedLastKeyWins) {
  StartOn({"......",  //
           "..#...",  //
           "..P..."});
  Press(vk::Left);
  Press(vk::Up);  // pressed last, but walled
  TickToTurnBoundary();
  EXPECT_EQ(StepTaken(), "L");
}

TEST_F(PlayerMovementTest, ATappedLastKeyGivesWayToAHeldKeyAcrossIt) {
  StartOn({"......",  //
           "......",  //
           "..P..."});
  Press(vk::Up);
  Press(vk::Right);
  Release(vk::Right);  // tapped: pressed last, no longer held
  TickToTurnBoundary();
  EXPECT_EQ(StepTaken(), "U");
}

TEST_F(PlayerMovementTest, TheLeadKeyIsTestedAsAPushInItsOwnDirection) {
  StartOn({"......",  //
           "......",  //
           "..P..."},
          {"Begin Probe", "InitialX = 3", "InitialY = 2", "End Probe"});
  ASSERT_EQ(Player()->Direction, tDirection::Up);
  Press(vk::Up);
  Press(vk::Right);
  TickToTurnBoundary();
  EXPECT_EQ(StepTaken(), "R");
  ASSERT_FALSE(Probe()->Asked.empty());
  for (tDirection asked : Probe()->Asked) EXPECT_EQ(asked, tDirection::Right);
  ASSERT_TRUE(Probe()->Pushed.has_value());
  EXPECT_EQ(*Probe()->Pushed, tDirection::Right);
}

TEST_F(PlayerMovementTest, ARefusedPushLeavesThePlayerWhereItIs) {
  StartOn({"..P"}, {"Begin Probe", "InitialX = 3", "InitialY = 0", "End Probe"});
  Probe()->Accepts = tDirection::Left;
  EXPECT_EQ(Walk("R"), ".");
  EXPECT_FALSE(Probe()->Pushed.has_value());
}

TEST_F(PlayerMovementTest, AnythingMayPushIntoThePlayersCell) {
  StartOn({"..P"}, {"Begin Probe", "InitialX = 3", "InitialY = 0", "End Probe"});
  Probe()->Direction = tDirection::Left;
  EXPECT_TRUE(Probe()->CanPushInto(2, 0));
  EXPECT_FALSE(Probe()->CanEnter(2, 0));
}

TEST_F(PlayerMovementTest, TheActionKeyPutsTheOldestCarriedItemDownOnThePlayersCell) {
  StartOn({"..P"});
  tTestItem* first = CarriedItem();
  tTestItem* second = CarriedItem();
  ASSERT_EQ(State().Carried.Size(), 2u);

  Press(vk::Right);
  Press(vk::Space);
  TickToTurnBoundary();
  Release(vk::Right);
  Release(vk::Space);
  EXPECT_EQ(StepTaken(), "R");
  EXPECT_FALSE(first->Carried);
  EXPECT_EQ(first->X, 2.0f);
  EXPECT_EQ(first->GridX, 2);
  EXPECT_EQ(first->TargetX, 2);
  EXPECT_EQ(first->GridY, 0);
  EXPECT_TRUE(second->Carried);
  EXPECT_EQ(State().Carried.Item(0), second);

  Press(vk::Return);
  TickToTurnBoundary();
  Release(vk::Return);
  EXPECT_FALSE(second->Carried);
  EXPECT_EQ(second->GridX, 3);
  EXPECT_EQ(State().Carried.Size(), 0u);

  Press(vk::Space);
  TickToTurnBoundary();
  EXPECT_EQ(StepTaken(), ".") << "nothing to drop, nothing happens";
}

TEST_F(PlayerMovementTest, ARecordedTurnStoresTheDirectionTimesTwoPlusTheActionFlag) {
  StartOn({"..P.."});
  State().Recorder.StartRecording();
  Press(vk::Left);
  Press(vk::Space);
  TickToTurnBoundary();
  Release(vk::Left);
  Release(vk::Space);
  TickToTurnBoundary();
  Press(vk::Right);
  TickToTurnBoundary();
  Release(vk::Right);
  ASSERT_EQ(State().Recorder.Count(), 3);
  State().Recorder.StartPlayback();
  EXPECT_EQ(State().Recorder.PlayBackValue(), 9) << "left (4) with the action flag";
  EXPECT_EQ(State().Recorder.PlayBackValue(), 0);
  EXPECT_EQ(State().Recorder.PlayBackValue(), 10);
  State().Recorder.Clear();
}

TEST_F(PlayerMovementTest, APlayedBackSolutionStepsThePlayerWhateverTheKeys) {
  StartOn({"..P.."});
  tTestItem* item = CarriedItem();
  State().Recorder.StartRecording();
  for (std::int32_t code : {EncodeDecision(iaRight, false), EncodeDecision(iaDown, true),
                            EncodeDecision(iaNone, false), EncodeDecision(iaAction, false)})
    State().Recorder.RecordValue(code);
  State().Recorder.StartPlayback();
  EXPECT_EQ(Walk("LLLL"), "RD..");
  EXPECT_FALSE(item->Carried);
  EXPECT_EQ(item->GridX, 3);
  EXPECT_EQ(item->GridY, 0);
  State().Recorder.Clear();
}

}  // namespace
}  // namespace qn2
