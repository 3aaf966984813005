#include "common/Rounding.h"
#include "units/HostileFixture.h"

namespace qn2::testing {
namespace {

class HostileSpiderTest : public HostileTest {
 protected:
  // Where the spider is at the start of each of the next turns.
  std::string Path(tSpider* spider, int turns) {
    std::string path;
    for (int i = 0; i < turns; ++i) {
      Turn();
      path += std::to_string(spider->TargetX) + "," + std::to_string(spider->TargetY) + " ";
    }
    return path;
  }
};

TEST_F(HostileSpiderTest, PublishesItsDirectionAndWallSide) {
  Play({"#####", "#...#", "#####", "", "", "", "", "", "", "", "P"},
       {SpiderBlock(2, 1, "Down", "RightWall")}, false);
  tSpider* spider = At<tSpider>(2, 1);
  ASSERT_NE(spider, nullptr);
  EXPECT_EQ(spider->InitialDirection, tDirection::Down);
  EXPECT_EQ(spider->WallFollowing, tWallFollowing::RightWall);
  EXPECT_EQ(GetPropertyText(*spider, "WallFollowing"), "RightWall");
  EXPECT_EQ(GetPropertyText(*spider, "InitialDirection"), "Down");
  EXPECT_TRUE(SetPropertyText(*spider, "WallFollowing", "leftwall"));
  EXPECT_EQ(spider->WallFollowing, tWallFollowing::LeftWall);
  EXPECT_FALSE(SetPropertyText(*spider, "WallFollowing", "Ceiling"));
  EXPECT_EQ(spider->WallFollowing, tWallFollowing::LeftWall);
  EXPECT_EQ(spider->Layer, 3);
  EXPECT_EQ(spider->Direction, tDirection::Down);
  EXPECT_EQ(spider->Sprite, SpiderSprite(tDirection::Down, 0));
  EXPECT_EQ(tSpider().Sprite, SpiderIcon());
}

TEST_F(HostileSpiderTest, ASpiderInADeadEndCorridorTurnsRound) {
  Play({"#####", "#..>#", "#####", "", "", "", "", "", "", "", "P"}, {}, false);
  tSpider* spider = At<tSpider>(3, 1);
  // Wall side first (up), then away from it: right, down, and left is free.
  Turn();
  EXPECT_EQ(spider->Direction, tDirection::Left);
  EXPECT_EQ(spider->TargetX, 2);
  EXPECT_EQ(spider->TurnBudget, 4);
  EXPECT_EQ(spider->Patience, 5);
  EXPECT_EQ(Sounds.Count("SpiderShuffle.Wav"), 1);
  for (int frame = 0; frame < 6; ++frame) Tick();
  EXPECT_EQ(spider->Sprite, SpiderSprite(tDirection::Left, Trunc(State().Clock.TurnFraction * 10)));
  EXPECT_NE(spider->Sprite, SpiderSprite(tDirection::Left, 0));
  TickToBoundary();
  EXPECT_EQ(spider->GridX, 2);
  EXPECT_EQ(spider->TargetX, 1);
  // Back and forth for ever between the ends.
  EXPECT_EQ(Path(spider, 6), "2,1 3,1 2,1 1,1 2,1 3,1 ");
  EXPECT_EQ(spider->SpiderState, tSpider::ssRoaming);
}

TEST_F(HostileSpiderTest, ASpiderTurnsTowardsItsWallSideFirst) {
  const std::vector<std::string> rows{"", "", "...#", "", "", "", "", "",
                                      "", "", "",     "", "", "", "P"};
  Play(rows, {SpiderBlock(2, 2, "Right", "LeftWall")}, false);
  Turn();
  EXPECT_EQ(At<tSpider>(2, 2)->Direction, tDirection::Up);
  EXPECT_EQ(At<tSpider>(2, 2)->TargetY, 1);

  Play(rows, {SpiderBlock(2, 2, "Right", "RightWall")}, false);
  Turn();
  EXPECT_EQ(At<tSpider>(2, 2)->Direction, tDirection::Down);
  EXPECT_EQ(At<tSpider>(2, 2)->TargetY, 3);
}

TEST_F(HostileSpiderTest, AfterItsFirstStepASpiderGoesStraightUntilBlocked) {
  Play({"", "", "", "", "", "", "", "", "", "", "", "", "", "", "P"},
       {SpiderBlock(2, 3, "Left", "LeftWall")}, false);
  tSpider* spider = At<tSpider>(2, 3);
  // Turns left to Down and steps; then straight down to the bottom row and blocked there.
  EXPECT_EQ(Path(spider, 3), "2,4 2,5 2,6 ");
  EXPECT_EQ(spider->TurnBudget, -3);
}

TEST_F(HostileSpiderTest, ASpiderBoxedInFromTheStartIsTrappedAtOnceAndExplodes) {
  Play({".#.", "#v#", ".#.", "", "", "", "", "", "", "", "P"}, {}, false);
  tSpider* spider = At<tSpider>(1, 1);
  Turn();
  EXPECT_EQ(spider->SpiderState, tSpider::ssTrapped);
  EXPECT_EQ(Sounds.Count("SpiderTrapped.Wav"), 1);
  EXPECT_EQ(Sounds.Count("SpiderShuffle.Wav"), 0);
  EXPECT_TRUE(All<tExplosion1>().empty());

  Turn();
  EXPECT_EQ(spider->SpiderState, tSpider::ssExploding);
  ASSERT_EQ(All<tExplosion1>().size(), 1u);
  EXPECT_EQ(All<tExplosion1>()[0]->X, 1.0f);
  EXPECT_EQ(All<tExplosion1>()[0]->Y, 1.0f);
  EXPECT_EQ(All<tExplosion1>()[0]->AttachedTo, nullptr);
  EXPECT_EQ(Sounds.Count("SpiderExplosion.Wav"), 1);

  Turn();
  EXPECT_EQ(spider->SpiderState, tSpider::ssVanishing);
  EXPECT_FALSE(spider->Dead);
  Turn();
  EXPECT_EQ(spider->SpiderState, tSpider::ssGone);
  EXPECT_TRUE(spider->Dead);
  EXPECT_EQ(All<tExplosion1>().size(), 1u) << "25 frames of the burst shown";
  Tick(2);
  EXPECT_TRUE(All<tExplosion1>().empty()) << "the burst is over after 27 frames";
  Turns("..");
  EXPECT_EQ(Sounds.Count("SpiderTrapped.Wav"), 1);
  EXPECT_EQ(Engine->GameMode, gmPlaying);
}

TEST_F(HostileSpiderTest, ASpiderBoxedInAfterWalkingWaitsFiveTurnsAndTakesNeighboursAlong) {
  // The spider paces between (1,1) and (2,1) until the player pushes the boulder in
  // behind it; the bomb below it goes off with it, the boulder beside it is blown up.
  Play({"########", "#<.BP..#", "#C######", "", "", "", "", "", "", "", "", ".B"}, {}, false);
  tSpider* spider = At<tSpider>(1, 1);
  tBoulder* boulder = At<tBoulder>(3, 1);
  tCherryBomb* bomb = At<tCherryBomb>(1, 2);
  EXPECT_EQ(Path(spider, 2), "2,1 1,1 ");  // while the player warps in
  Turn('L');
  EXPECT_EQ(boulder->TargetX, 2);
  EXPECT_EQ(spider->TargetX, 1) << "the cell the boulder moves into is taken";
  EXPECT_EQ(spider->Patience, 4);
  Turns("...");
  EXPECT_EQ(spider->Patience, 1);
  EXPECT_EQ(spider->SpiderState, tSpider::ssRoaming);
  EXPECT_EQ(Sounds.Count("SpiderTrapped.Wav"), 0);
  Turn();  // the fifth blocked turn
  EXPECT_EQ(spider->SpiderState, tSpider::ssTrapped);
  EXPECT_EQ(Sounds.Count("SpiderTrapped.Wav"), 1);

  Turn();  // the spider's own burst
  EXPECT_EQ(All<tExplosion1>().size(), 1u);
  Turn();  // the neighbours: the boulder to the right, the bomb below
  ASSERT_EQ(All<tExplosion1>().size(), 2u) << "one burst for the boulder; the first is over";
  EXPECT_EQ(All<tExplosion1>()[1]->AttachedTo, boulder);
  EXPECT_GE(bomb->BombState, tCherryBomb::bsExploding);
  EXPECT_FALSE(boulder->Dead);
  EXPECT_FALSE(At<tBoulder>(1, 11)->Dead);
  Turn();
  EXPECT_TRUE(spider->Dead);
  EXPECT_TRUE(boulder->Dead);
  EXPECT_FALSE(At<tBoulder>(1, 11)->Dead);
  EXPECT_EQ(Engine->GameMode, gmPlaying) << "the player two cells from the bomb lives";
}

TEST_F(HostileSpiderTest, ASpiderPouncesOnAPlayerNextToItAndMunchesOnce) {
  Settings.Dialogs = false;
  Play({"", "", "", "", "", ".....P^"}, {}, false);
  tSpider* spider = At<tSpider>(6, 5);
  Turn();
  EXPECT_EQ(spider->SpiderState, tSpider::ssAttacking);
  EXPECT_EQ(Engine->GameMode, gmDying);
  EXPECT_EQ(Sounds.Count("SpiderAttack.Wav"), 1);
  EXPECT_EQ(spider->TargetX, 5);
  EXPECT_EQ(spider->TargetY, 5);
  EXPECT_EQ(spider->Direction, tDirection::Up) << "the spider does not turn to pounce";

  int framesToKill = 0;
  while (!Killed(tSpider::Class) && framesToKill < 20) {
    Tick();
    ++framesToKill;
  }
  ASSERT_TRUE(Killed(tSpider::Class));
  EXPECT_EQ(Hero()->DeathKind, 1);
  EXPECT_EQ(spider->X, Hero()->X);
  EXPECT_EQ(spider->Y, Hero()->Y);
  // 110 frames on the player before the munching is heard, once.
  Tick(100);
  EXPECT_EQ(Sounds.Count("SpiderMunching.Wav"), 0);
  Tick(20);
  EXPECT_EQ(Sounds.Count("SpiderMunching.Wav"), 1);
  Tick(200);
  EXPECT_EQ(Sounds.Count("SpiderMunching.Wav"), 1);
  EXPECT_EQ(Engine->GameMode, gmDead);
}

TEST_F(HostileSpiderTest, ASpiderAttacksAPlayerOnItsRowOrColumnOnlyNotDiagonally) {
  Play({"", "", "", "", ".....P", "......^"}, {}, false);
  Turn();
  EXPECT_EQ(At<tSpider>(6, 5)->SpiderState, tSpider::ssRoaming);
  EXPECT_EQ(Engine->GameMode, gmPlaying);
}

TEST_F(HostileSpiderTest, TheSpiderHoldsThePlayersEarlyStepNextToWhereItIsGoing) {
  Play({"#####", "#..>#", "###.#", "", "", "", "", "", "", "", "", "", "P"}, {}, false);
  tSpider* spider = At<tSpider>(3, 1);
  EXPECT_FALSE(spider->HoldsPlayerTurn());
  Turn();  // up and right are walled: it turns on to the gap below
  ASSERT_EQ(spider->TargetY, 2);
  EXPECT_FALSE(spider->HoldsPlayerTurn());

  Hero()->GridX = Hero()->TargetX = 4;
  Hero()->GridY = Hero()->TargetY = 2;
  EXPECT_TRUE(spider->HoldsPlayerTurn()) << "right of the target cell";
  Hero()->GridX = Hero()->TargetX = 3;
  Hero()->GridY = Hero()->TargetY = 3;
  EXPECT_TRUE(spider->HoldsPlayerTurn()) << "below the target cell";
  Hero()->GridX = Hero()->TargetX = 4;
  EXPECT_FALSE(spider->HoldsPlayerTurn()) << "diagonal";
  Hero()->GridX = Hero()->TargetX = 3;
  Hero()->GridY = Hero()->TargetY = 4;
  EXPECT_FALSE(spider->HoldsPlayerTurn()) << "two cells away";
  Hero()->GridY = Hero()->TargetY = 3;
  Hero()->TargetY = 4;
  EXPECT_FALSE(spider->HoldsPlayerTurn()) << "the player is still walking";
}

TEST_F(HostileSpiderTest, SaveAndLoadStateBringBackTheSpidersOwnState) {
  Play({"#####", "#..>#", "#####", "", "", "", "", "", "", "", "P"}, {}, false);
  tSpider* spider = At<tSpider>(3, 1);
  Turns("...");
  tSnapshotStream stream;
  spider->SaveState(stream);
  struct {
    std::uint8_t SpiderState;
    tSprite* Sprite;
    std::int32_t MunchDelay, TurnBudget, Patience;
    float X;
    std::int32_t GridX, TargetX;
    tDirection Direction;
  } before{spider->SpiderState, spider->Sprite,   spider->MunchDelay,
           spider->TurnBudget,  spider->Patience, spider->X,
           spider->GridX,       spider->TargetX,  spider->Direction};
  Turns("..");
  spider->SpiderState = tSpider::ssTrapped;
  spider->MunchDelay = 42;
  spider->TurnBudget = 17;
  spider->Patience = -3;
  spider->Sprite = nullptr;
  stream.Rewind();
  spider->LoadState(stream);
  EXPECT_EQ(stream.Position(), stream.Size());
  EXPECT_EQ(spider->SpiderState, before.SpiderState);
  EXPECT_EQ(spider->Sprite, before.Sprite);
  EXPECT_EQ(spider->MunchDelay, before.MunchDelay);
  EXPECT_EQ(spider->TurnBudget, before.TurnBudget);
  EXPECT_EQ(spider->Patience, before.Patience);
  EXPECT_EQ(spider->X, before.X);
  EXPECT_EQ(spider->GridX, before.GridX);
  EXPECT_EQ(spider->TargetX, before.TargetX);
  EXPECT_EQ(spider->Direction, before.Direction);
}

}  // namespace
}  // namespace qn2::testing
