#include "TerrainTestSupport.h"

namespace qn2::terrain_test {
namespace {

using TerrainBoulderTest = TerrainTest;

TEST_F(TerrainBoulderTest, PlayerPushesABoulderOneCellPerStep) {
  Build({"P.B..."}, "RR");
  Start();
  auto* boulder = Find<tBoulder>();
  PlayTurn();
  EXPECT_EQ(Player()->GridX, 0);
  EXPECT_EQ(Player()->TargetX, 1);
  PlayTurn();  // the player reaches the boulder and pushes it
  EXPECT_EQ(boulder->TargetX, 3);
  EXPECT_EQ(boulder->Direction, tDirection::Right);
  EXPECT_EQ(Sounds.Count("SlideStone.Wav"), 1);
  PlayTurn();
  EXPECT_EQ(boulder->GridX, 3);
  EXPECT_EQ(Player()->GridX, 2);
  EXPECT_FLOAT_EQ(boulder->X, 3.0f);
}

TEST_F(TerrainBoulderTest, ABoulderStopsAtBouldersWallsKeysAndTheBoardEdge) {
  for (const char* row : {"PBB.", "PB#.", "PBK.", "..............PB"}) {
    SCOPED_TRACE(row);
    Level.FreeUnits();
    Level.ClearCells();
    Sounds.Played.clear();
    Build({row}, "R");
    Start();
    auto* boulder = Find<tBoulder>();
    const int start = boulder->GridX;
    PlayScript();
    EXPECT_EQ(boulder->GridX, start);
    EXPECT_EQ(Player()->GridX, start - 1) << "the player does not walk into the boulder";
    EXPECT_EQ(Player()->Refused, 1);
    EXPECT_EQ(Sounds.Count("SlideStone.Wav"), 0);
  }
}

TEST_F(TerrainBoulderTest, ABoulderIsNotPushedIntoAReservedCell) {
  Build({"PB."});
  Start();
  Level.ReindexRows();
  Player()->Direction = tDirection::Right;
  EXPECT_TRUE(Player()->CanPushInto(1, 0));
  Level.Reserve(2, 0);
  EXPECT_FALSE(Player()->CanPushInto(1, 0));
}

TEST_F(TerrainBoulderTest, OnlyThePlayerMovesABoulder) {
  Build({"..B.", "...."});
  Start();
  auto* probe = Put<tWalkerProbe>(1, 0);
  probe->Reset();
  Level.ReindexRows();
  EXPECT_FALSE(probe->CanGo(tDirection::Right)) << "a monster cannot push a boulder";
  auto* boulder = Find<tBoulder>();
  auto* other = Put<tBoulder>(3, 0);
  other->Reset();
  Level.ReindexRows();
  EXPECT_FALSE(boulder->QueryPush(other, tDirection::Left)) << "a boulder cannot push another";
  boulder->DoPush(probe, tDirection::Right);
  EXPECT_FALSE(boulder->Moving);
}

TEST_F(TerrainBoulderTest, APushedBoulderSinksIntoWaterTheNextTurnAndTheWaterCanThenBeCrossed) {
  Build({"PBW.."}, "R");
  Start();
  auto* boulder = Find<tBoulder>();
  auto* water = Find<tWater>();
  PlayTurn();  // pushed onto the water
  EXPECT_EQ(boulder->TargetX, 2);
  EXPECT_FALSE(water->Filled);
  PlayTurn();  // arrived; the water takes it in
  EXPECT_TRUE(water->Filled);
  EXPECT_TRUE(boulder->Dead);
  EXPECT_FALSE(water->Present);
  EXPECT_EQ(Sounds.Count("Splosh.Wav"), 1);

  // A second boulder is pushed onto and across the filled water like over open floor.
  Player()->SetInitialX(0);
  Player()->Reset();
  Player()->Moves = "RRR";
  auto* second = Put<tBoulder>(1, 0);
  second->Reset();
  PlayTurns(2);  // onto the filled water, and pushed on
  EXPECT_EQ(second->GridX, 2);
  EXPECT_EQ(second->TargetX, 3);
  EXPECT_FALSE(second->Dead) << "filled water takes no second boulder";
  PlayTurns(2);
  EXPECT_EQ(second->GridX, 4);
  EXPECT_EQ(Player()->GridX, 3) << "the player has crossed the filled water";
  EXPECT_EQ(Sounds.Count("Splosh.Wav"), 1);
}

TEST_F(TerrainBoulderTest, ThePlayerCannotWalkIntoOpenWaterButCanCrossFilledWater) {
  // Both walk right; every unit takes its turn, the level's player first.
  Build({"PW.", "Pw."}, "RR");
  Start();
  auto* first = static_cast<tScriptPlayer*>(Level.Units[0]);
  auto* second = static_cast<tScriptPlayer*>(Level.Units[2]);
  PlayScript();
  EXPECT_EQ(first->GridX, 0);
  EXPECT_EQ(first->Refused, 2);
  EXPECT_EQ(second->GridX, 2);
  EXPECT_EQ(second->Refused, 0);
}

TEST_F(TerrainBoulderTest, ABoulderHoldsTheEarlyStepWhileSomethingArrivesNextToWhereItWouldGo) {
  // Player at (1, 2), boulder at (2, 2): the cell beyond is (3, 2).
  Build({"....", "....", ".PB.", "....", "...."});
  Start();
  auto* boulder = Find<tBoulder>();
  auto* walker = Put<tWalkerProbe>(3, 1);  // just above the cell beyond
  walker->Reset();
  Level.ReindexRows();
  EXPECT_FALSE(boulder->HoldsPlayerTurn()) << "standing still";

  walker->StartMove(tDirection::Down);
  EXPECT_TRUE(boulder->HoldsPlayerTurn()) << "on its way into the cell beyond";
  for (int frame = 0; frame < State().Clock.FramesPerTurn; ++frame) Level.MoveAll();
  Level.ReindexRows();
  EXPECT_FALSE(boulder->HoldsPlayerTurn()) << "arrived";

  walker->StartMove(tDirection::Down);  // leaving the cell beyond towards (3, 3)
  EXPECT_TRUE(boulder->HoldsPlayerTurn());
  Player()->GridY = 1;  // now diagonal to the boulder
  EXPECT_FALSE(boulder->HoldsPlayerTurn());
  Player()->GridY = 2;
  Player()->GridX = 0;  // two cells before it: the cell looked at is two beyond, (4, 2)
  EXPECT_FALSE(boulder->HoldsPlayerTurn());
}

}  // namespace
}  // namespace qn2::terrain_test
