#include <gtest/gtest.h>

#include "ProbeUnit.h"
#include "engine/board/CarriedItems.h"
#include "engine/board/CycleProcedures.h"

namespace qn2 {
namespace {

using testing::Place;
using testing::PlayTurn;
using testing::tProbe;

class LevelTest : public ::testing::Test {
 protected:
  void SetUp() override { CycleProcedures.Clear(); }
  tPlayState& State() { return Level.Play; }
  tLevel Level;
};

TEST_F(LevelTest, TwoMoversWantingOneCellTheFirstInListOrderGetsIt) {
  tProbe* player = Place(Level, 0, 0, true);
  tProbe* left = Place(Level, 4, 5);
  tProbe* right = Place(Level, 6, 5);
  left->OnTakeTurn = [](tProbe& p) { p.WalkIfFree(tDirection::Right); };
  right->OnTakeTurn = [](tProbe& p) { p.WalkIfFree(tDirection::Left); };
  (void)player;
  PlayTurn(Level);
  Level.ReindexRows();
  EXPECT_EQ(left->GridX, 5);
  EXPECT_EQ(right->GridX, 6);
  EXPECT_FALSE(Level.IsReserved(5, 5)) << "the first Move pass clears the reservations";
}

TEST_F(LevelTest, AUnitLeavingItsCellVerticallyIsStillHeadingToIt) {
  Place(Level, 0, 0, true);
  tProbe* mover = Place(Level, 3, 7);
  mover->OnTakeTurn = [](tProbe& p) { p.WalkIfFree(tDirection::Down); };
  Level.ReindexRows();
  Level.TakeTurns();
  EXPECT_EQ(Level.UnitHeadingTo(3, 7), mover);
  EXPECT_EQ(Level.UnitHeadingTo(3, 8), nullptr) << "row 8 does not list the unit yet";
  std::vector<tUnit*> heading;
  Level.UnitsHeadingTo(3, 7, heading);
  EXPECT_EQ(heading.size(), 1u);
}

TEST_F(LevelTest, AUnitCreatedDuringAPassActsFromTheNextTurn) {
  Place(Level, 0, 0, true);
  tProbe* spawner = Place(Level, 2, 2);
  tProbe* spawned = nullptr;
  spawner->OnTakeTurn = [&](tProbe&) {
    if (spawned != nullptr) return;
    auto shot = std::make_unique<tProbe>();
    shot->Temporary = true;
    shot->SetInitialX(3);
    shot->SetInitialY(2);
    shot->Reset();
    spawned = static_cast<tProbe*>(Level.AddUnit(std::move(shot)));
  };
  PlayTurn(Level);
  ASSERT_NE(spawned, nullptr);
  EXPECT_EQ(spawned->BeginTurns, 0);
  EXPECT_EQ(spawned->TakeTurns, 0);
  PlayTurn(Level);
  EXPECT_EQ(spawned->BeginTurns, 1);
  EXPECT_EQ(spawned->TakeTurns, 1);
}

TEST_F(LevelTest, ThePlayerGoesFirstAndDeadUnitsGetNoTurns) {
  tProbe* other = Place(Level, 1, 1);
  tProbe* player = Place(Level, 0, 0, true);
  tProbe* dead = Place(Level, 2, 2);
  dead->Dead = true;
  int order = 0, playerAt = -1, otherAt = -1;
  player->OnTakeTurn = [&](tProbe&) { playerAt = order++; };
  other->OnTakeTurn = [&](tProbe&) { otherAt = order++; };
  Level.TakeTurns();
  EXPECT_EQ(playerAt, 0);
  EXPECT_EQ(otherAt, 1);
  EXPECT_EQ(player->BeginTurns, 1);
  EXPECT_EQ(dead->BeginTurns + dead->TakeTurns, 0);
}

TEST_F(LevelTest, WithoutAPlayerNoTurnIsTaken) {
  tProbe* unit = Place(Level, 1, 1);
  int cycles = 0;
  CycleProcedures.Add([&](tPlayState&) { ++cycles; });
  Level.TakeTurns();
  EXPECT_EQ(unit->BeginTurns, 0);
  EXPECT_EQ(cycles, 0);
}

TEST_F(LevelTest, CarriedUnitsTakeTurnsButAreNotFoundOnCells) {
  Place(Level, 0, 0, true);
  tProbe* key = Place(Level, 5, 5);
  Level.ReindexRows();
  key->PickUp();
  EXPECT_TRUE(key->Carried);
  EXPECT_EQ(Level.UnitAt(5, 5), nullptr);
  EXPECT_EQ(Level.UnitHeadingTo(5, 5), nullptr);
  Level.TakeTurns();
  EXPECT_EQ(key->BeginTurns, 1);
  EXPECT_EQ(key->TakeTurns, 1);
}

TEST_F(LevelTest, LookupsOutsideTheBoardFindNothing) {
  tProbe* unit = Place(Level, 0, 14);
  Level.ReindexRows();
  EXPECT_EQ(Level.UnitAt(0, 14), unit);
  EXPECT_EQ(Level.UnitAt(0, 15), nullptr);
  EXPECT_EQ(Level.UnitAt(0, -1), nullptr);
  EXPECT_EQ(Level.UnitAt(-1, 14), nullptr);
  EXPECT_EQ(Level.UnitOfClassAt(0, 14, tProbe::Class), unit);
  EXPECT_EQ(Level.UnitOfClassAt(0, 14, testing::tOtherProbe::Class), nullptr)
      << "the class must match exactly";
  EXPECT_EQ(Level.UnitStartingAt(0, 14), unit);
}

TEST_F(LevelTest, ResetFreesTemporaryUnitsAndForgetsThemEverywhere) {
  Place(Level, 0, 0, true);
  tProbe* shot = Place(Level, 4, 4);
  shot->Temporary = true;
  Level.ReindexRows();
  Level.ResetAll();
  EXPECT_EQ(Level.Units.Count(), 1u);
  EXPECT_EQ(Level.UnitAt(4, 4), nullptr);
  EXPECT_EQ(Level.DrawList.size(), 1u);
}

TEST_F(LevelTest, DeadTemporaryUnitsAreFreedAfterAStepOthersStay) {
  tProbe* player = Place(Level, 0, 0, true);
  tProbe* live = Place(Level, 1, 0);
  live->Temporary = true;
  tProbe* gone = Place(Level, 2, 0);
  gone->Temporary = gone->Dead = true;
  tProbe* deadLevelUnit = Place(Level, 3, 0);
  deadLevelUnit->Dead = true;
  Level.ReindexRows();
  Level.RemoveDeadTemporary();
  ASSERT_EQ(Level.Units.Count(), 3u);
  EXPECT_EQ(Level.Units[0], player);
  EXPECT_EQ(Level.Units[1], live);
  EXPECT_EQ(Level.Units[2], deadLevelUnit);
  for (tUnit* u : Level.Rows[0]) EXPECT_NE(u, gone);
}

TEST_F(LevelTest, ResetCountsRunsCycleProceduresAndRestoresUnits) {
  tProbe* player = Place(Level, 0, 0, true);
  int cycles = 0;
  CycleProcedures.Add([&](tPlayState&) { ++cycles; });
  State().Counters.KeysCollected = 3;
  player->Dead = true;
  player->X = 5;
  Level.ResetAll();
  EXPECT_EQ(State().Counters.KeysCollected, 0);
  EXPECT_EQ(cycles, 1);
  EXPECT_FALSE(player->Dead);
  EXPECT_EQ(player->X, 0);
}

TEST_F(LevelTest, FreeingTheUnitsForgetsThePlayerAndTheCarriedItems) {
  Place(Level, 0, 0, true);
  tProbe* key = Place(Level, 1, 1);
  key->PickUp();
  Level.ReindexRows();
  Level.FreeUnits();
  EXPECT_EQ(Level.Player, nullptr);
  EXPECT_EQ(State().Carried.Size(), 0u);
  for (const auto& row : Level.Rows) EXPECT_TRUE(row.empty());
}

TEST_F(LevelTest, DrawListSortsByLayerThenRow) {
  tProbe* low = Place(Level, 0, 9);
  tProbe* high = Place(Level, 0, 2);
  tProbe* floor = Place(Level, 0, 12);
  floor->Layer = 0;
  Level.MoveAll();
  EXPECT_EQ(Level.DrawList, (std::vector<tUnit*>{floor, high, low}));
}

TEST_F(LevelTest, HoldsPlayerTurnIsAskedOfEveryUnit) {
  struct tHolder : tProbe {
    bool HoldsPlayerTurn() override { return true; }
  };
  Place(Level, 0, 0, true);
  EXPECT_FALSE(Level.AnyHoldsPlayerTurn());
  Level.AddUnit(std::make_unique<tHolder>());
  EXPECT_TRUE(Level.AnyHoldsPlayerTurn());
}

// A unit that adds a shimmer at (x, y) to its level whenever it is reset or moved.
class tSpawner : public tProbe {
 public:
  tProbe* Spawned = nullptr;
  void Spawn() {
    auto shimmer = std::make_unique<tProbe>();
    shimmer->Temporary = true;
    shimmer->X = 7.5f;
    shimmer->StepX = 1;
    Spawned = static_cast<tProbe*>(Level->AddUnit(std::move(shimmer)));
  }
  void Reset() override {
    tProbe::Reset();
    Spawn();
  }
  void Move() override {
    tProbe::Move();
    if (Spawned == nullptr) Spawn();
  }
};

TEST_F(LevelTest, UnitsAddedDuringAResetOrMovePassJoinFromTheNextPass) {
  auto owned = std::make_unique<tSpawner>();
  tSpawner* spawner = owned.get();
  Level.AddUnit(std::move(owned));
  Level.ResetUnits();
  ASSERT_NE(spawner->Spawned, nullptr);
  EXPECT_EQ(spawner->Spawned->X, 7.5f) << "a unit made by a reset keeps the place it was given";
  spawner->Spawned = nullptr;
  Level.MoveAll();
  ASSERT_NE(spawner->Spawned, nullptr);
  EXPECT_EQ(spawner->Spawned->X, 7.5f) << "not moved in the pass that made it";
  Level.MoveAll();
  EXPECT_EQ(spawner->Spawned->X, 8.5f);
}

TEST(CycleProceduresTable, RefusesTheEighteenth) {
  tCycleProcedures table;
  for (int i = 0; i < 17; ++i) table.Add([](tPlayState&) {});
  try {
    table.Add([](tPlayState&) {});
    FAIL() << "the eighteenth procedure was accepted";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Too many cycle Procedures!");
  }
  EXPECT_EQ(table.Count(), 17u);
}

}  // namespace
}  // namespace qn2
