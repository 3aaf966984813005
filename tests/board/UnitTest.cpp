#include <gtest/gtest.h>

#include "ProbeUnit.h"
#include "engine/board/CarriedItems.h"
#include "engine/board/UnitRegistry.h"

namespace qn2 {
namespace {

using testing::Place;
using testing::tProbe;

class UnitTest : public ::testing::Test {
 protected:
  tPlayState& State() { return Level.Play; }
  tLevel Level;
};

TEST_F(UnitTest, EntryIsRefusedAtTheFirstUnitThatSaysNo) {
  tProbe* mover = Place(Level, 2, 3);
  tProbe* first = Place(Level, 3, 3);
  tProbe* second = Place(Level, 3, 3);
  Level.ReindexRows();
  first->Allow = false;
  EXPECT_FALSE(mover->CanEnter(3, 3));
  EXPECT_EQ(first->AllowAsked, 1);
  EXPECT_EQ(second->AllowAsked, 0) << "the second unit must not be asked";

  first->Allow = true;
  EXPECT_TRUE(mover->CanEnter(3, 3));
  EXPECT_EQ(second->AllowAsked, 1);
}

TEST_F(UnitTest, EntryNeedsAFreeUnreservedCellInsideTheBoard) {
  tProbe* mover = Place(Level, 0, 0);
  Level.ReindexRows();
  EXPECT_FALSE(mover->CanEnter(-1, 0));
  EXPECT_FALSE(mover->CanEnter(0, 15));
  Level.Cell(1, 0).Solid = true;
  EXPECT_FALSE(mover->CanEnter(1, 0));
  Level.Reserve(0, 1);
  EXPECT_FALSE(mover->CanEnter(0, 1));
  EXPECT_TRUE(mover->CanEnter(15, 14));
  EXPECT_TRUE(mover->IsBlocked(16, 0));
  EXPECT_TRUE(mover->IsBlocked(1, 0));
  EXPECT_FALSE(mover->IsBlocked(2, 0));
}

TEST_F(UnitTest, PushingIgnoresUnitsThatLeaveTheCell) {
  tProbe* pusher = Place(Level, 2, 3);
  tProbe* leaving = Place(Level, 3, 3);
  Level.ReindexRows();
  leaving->PushOk = false;
  pusher->Direction = tDirection::Right;
  EXPECT_FALSE(pusher->CanPushInto(3, 3));
  EXPECT_EQ(leaving->PushAsked, 1);

  // It moves away upwards, without reserving its old cell: the cell counts as free.
  leaving->StartMove(tDirection::Up);
  EXPECT_TRUE(pusher->CanPushInto(3, 3));
  EXPECT_EQ(leaving->PushAsked, 1);

  Level.Reserve(3, 3);
  EXPECT_FALSE(pusher->CanPushInto(3, 3));
  EXPECT_FALSE(pusher->CanPushInto(16, 3));
}

TEST_F(UnitTest, PushIntoPushesTheUnitsStayingOnTheCell) {
  tProbe* pusher = Place(Level, 2, 3);
  tProbe* boulder = Place(Level, 3, 3);
  tProbe* leaving = Place(Level, 3, 3);
  Level.ReindexRows();
  leaving->StartMove(tDirection::Down);
  pusher->Direction = tDirection::Right;
  pusher->PushInto(3, 3);
  EXPECT_EQ(boulder->Pushed, 1);
  EXPECT_EQ(leaving->Pushed, 0);
  EXPECT_EQ(boulder->TargetX, 4);
}

TEST_F(UnitTest, AMoveAtTwelveFramesPerTurnTakesTwelveFrames) {
  tProbe* unit = Place(Level, 4, 4);
  unit->StartMove(tDirection::Right);
  EXPECT_FLOAT_EQ(unit->StepX, 1.0f / 12.0f);
  EXPECT_EQ(unit->StepY, 0.0f);
  EXPECT_TRUE(unit->Moving);
  EXPECT_TRUE(Level.IsReserved(5, 4));
  EXPECT_EQ(unit->TargetX, 5);
  for (int i = 0; i < 11; ++i) unit->Move();
  EXPECT_EQ(unit->RoundX(), 5) << "past the half-way point the unit rounds to its target";
  EXPECT_LT(unit->X, 4.99f);
  unit->Move();
  EXPECT_NEAR(unit->X, 5.0f, 1e-5);
  Level.ReindexRows();
  EXPECT_EQ(unit->GridX, 5);
  EXPECT_FALSE(unit->Moving);
  EXPECT_EQ(unit->StepX, 0.0f);
}

TEST_F(UnitTest, MovesFollowTheGameSpeed) {
  State().Clock.FramesPerTurn = 18;
  tProbe* unit = Place(Level, 4, 4);
  unit->StartMove(tDirection::Up);
  EXPECT_FLOAT_EQ(unit->StepY, -1.0f / 18.0f);
}

TEST_F(UnitTest, OnlyUnitsThatReserveMarkTheirTargetButLongMovesAlwaysDo) {
  tProbe* unit = Place(Level, 4, 4);
  unit->ReservesCell = false;
  unit->StartMove(tDirection::Down);
  EXPECT_FALSE(Level.IsReserved(4, 5));
  unit->StartMoveTo(6, 6);
  EXPECT_TRUE(Level.IsReserved(6, 6));
  EXPECT_FLOAT_EQ(unit->StepX, 2.0f / 12.0f);
  EXPECT_FLOAT_EQ(unit->StepY, 2.0f / 12.0f);
}

TEST_F(UnitTest, TheFourthItemOfferedToAFullQueueStaysOnTheBoard) {
  tProbe* items[4];
  for (int i = 0; i < 4; ++i) items[i] = Place(Level, i, 0);
  for (tProbe* item : items) item->PickUp();
  EXPECT_TRUE(State().Carried.QueueFull());
  EXPECT_TRUE(items[2]->Carried);
  EXPECT_FALSE(items[3]->Carried);
  EXPECT_EQ(State().Carried.QueueTakeFirst(), items[0]);
  EXPECT_EQ(State().Carried.Item(0), items[1]);
  EXPECT_EQ(State().Carried.Size(), 2u);
  State().Carried.QueueClear();
  EXPECT_EQ(State().Carried.QueueTakeFirst(), nullptr);
}

TEST_F(UnitTest, ResetReturnsToTheStartStateWhateverHappened) {
  tProbe* unit = Place(Level, 7, 8);
  unit->InitialDirection = tDirection::Left;
  unit->X = 2.5f;
  unit->GridY = 1;
  unit->TargetX = 3;
  unit->Dead = true;
  unit->Present = false;
  unit->Carried = true;
  unit->Direction = tDirection::Down;
  unit->Reset();
  EXPECT_EQ(unit->X, 7.0f);
  EXPECT_EQ(unit->Y, 8.0f);
  EXPECT_EQ(unit->GridX, 7);
  EXPECT_EQ(unit->GridY, 8);
  EXPECT_TRUE(unit->HasArrived());
  EXPECT_TRUE(unit->IsLive());
  EXPECT_EQ(unit->Direction, tDirection::Left);
}

TEST_F(UnitTest, StartCellsOutsideTheBoardAreIgnored) {
  tProbe unit;
  EXPECT_TRUE(SetPropertyText(unit, "InitialX", "15"));
  EXPECT_TRUE(SetPropertyText(unit, "InitialX", "16"));
  EXPECT_TRUE(SetPropertyText(unit, "InitialY", "-1"));
  EXPECT_EQ(unit.InitialX, 15);
  EXPECT_EQ(unit.InitialY, 0);
  unit.SetInitialY(14);
  unit.SetInitialY(15);
  EXPECT_EQ(unit.InitialY, 14);
  EXPECT_EQ(GetPropertyText(unit, "InitialY"), "14");
}

// Serial numbers belong to the level's play state, so a snapshot of the level restores them.
TEST_F(UnitTest, EachUnitTheLevelTakesGetsTheNextSerialNumber) {
  tProbe* a = Place(Level, 1, 1);
  tProbe* b = Place(Level, 2, 1);
  EXPECT_EQ(b->SerialNumber, a->SerialNumber + 1);
  EXPECT_EQ(Level.Play.NextSerialNumber, b->SerialNumber + 1);
  tLevel other;
  EXPECT_EQ(Place(other, 1, 1)->SerialNumber, 0) << "every level counts its own";
  tProbe fresh;
  EXPECT_EQ(fresh.Layer, 1);
  EXPECT_TRUE(fresh.ReservesCell);
  EXPECT_FALSE(fresh.Present);
}

TEST_F(UnitTest, SnapshotsRestoreTheMovementState) {
  tProbe* unit = Place(Level, 4, 4);
  unit->StartMove(tDirection::Left);
  unit->Move();
  tSnapshotStream stream;
  unit->SaveState(stream);
  const float savedX = unit->X;
  for (int i = 0; i < 5; ++i) unit->Move();
  unit->StopMoving();
  unit->Direction = tDirection::Up;
  unit->Dead = true;
  unit->LoadState(stream);
  EXPECT_EQ(unit->X, savedX);
  EXPECT_FLOAT_EQ(unit->StepX, -1.0f / 12.0f);
  EXPECT_EQ(unit->TargetX, 3);
  EXPECT_EQ(unit->Direction, tDirection::Up) << "Direction was not set by StartMove";
  EXPECT_FALSE(unit->Dead);
}

TEST(UnitRegistryTest, FindsClassesByNameAndNamesByExactClass) {
  tUnitRegistry registry;
  registry.Add("Probe", tProbe::Class, nullptr);
  registry.Add("Other", testing::tOtherProbe::Class, nullptr);
  EXPECT_EQ(&registry.ClassByName("Other"), &testing::tOtherProbe::Class);
  EXPECT_EQ(&registry.ClassByName("probe"), &tUnit::Class) << "names are case-sensitive";
  testing::tOtherProbe other;
  EXPECT_EQ(registry.NameOf(other), "Other");
  EXPECT_EQ(registry.NameByClass(tUnit::Class), "");
  auto created = registry.ClassByName("Probe").Create();
  EXPECT_EQ(&created->ClassType(), &tProbe::Class);
  EXPECT_STREQ(created->ClassType().ClassName, "tProbe");
}

}  // namespace
}  // namespace qn2
