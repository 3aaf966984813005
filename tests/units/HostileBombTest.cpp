#include "units/HostileFixture.h"

namespace qn2::testing {
namespace {

class HostileBombTest : public HostileTest {
 protected:
  // The volumes set on one channel, in order.
  std::vector<int> VolumesOf(int channel) const {
    std::vector<int> volumes;
    for (const auto& [c, v] : Sounds.Volumes)
      if (c == channel) volumes.push_back(v);
    return volumes;
  }
};

TEST_F(HostileBombTest, TheBombIsPickedUpInTheTurnAfterThePlayerArrives) {
  Play({"", ".PC"});
  tCherryBomb* bomb = At<tCherryBomb>(2, 1);
  EXPECT_EQ(bomb->Sprite, BombLyingSprite());
  EXPECT_EQ(bomb->Layer, 1);
  EXPECT_TRUE(bomb->QueryPush(Hero(), tDirection::Right));
  Turn('R');
  EXPECT_FALSE(bomb->Carried);
  Turn();
  EXPECT_TRUE(bomb->Carried);
  EXPECT_EQ(State().Carried.Item(0), bomb);
  EXPECT_EQ(Board().UnitAt(2, 1), Hero()) << "a carried bomb is not on its cell";
  EXPECT_EQ(Sounds.Count("CherryBombPickup.Wav"), 1);
  EXPECT_FALSE(bomb->HoldsPlayerTurn());
}

TEST_F(HostileBombTest, ThePickupSoundPlaysAtMostOnceInTenTurns) {
  Play({"", ".PCCC"});
  Turns("R.");
  EXPECT_TRUE(At<tCherryBomb>(2, 1)->Carried);
  EXPECT_EQ(Sounds.Count("CherryBombPickup.Wav"), 1);
  Turns("........R");
  Turn('R');  // the second bomb, ten turns after the first
  EXPECT_TRUE(At<tCherryBomb>(3, 1)->Carried);
  EXPECT_EQ(Sounds.Count("CherryBombPickup.Wav"), 1);
  Turn();  // the third bomb, eleven turns after the first
  EXPECT_TRUE(At<tCherryBomb>(4, 1)->Carried);
  EXPECT_EQ(Sounds.Count("CherryBombPickup.Wav"), 2);
}

TEST_F(HostileBombTest, AFullQueueLeavesTheBombLyingWithoutASound) {
  Play({"", ".PCCCC"});
  Turns("RRRR.");
  EXPECT_EQ(State().Carried.Size(), 3u);
  tCherryBomb* fourth = At<tCherryBomb>(5, 1);
  EXPECT_FALSE(fourth->Carried);
  EXPECT_TRUE(fourth->IsLive());
  EXPECT_EQ(Sounds.Count("CherryBombPickup.Wav"), 1) << "the three came in consecutive turns";
  Turns("..........");
  EXPECT_FALSE(fourth->Carried);
  EXPECT_EQ(Sounds.Count("CherryBombPickup.Wav"), 1);
}

TEST_F(HostileBombTest, ADroppedBombBurnsTwentyTurnsFlickeringItsFuseAtTheEnd) {
  Play({"", ".PC"});
  tCherryBomb* bomb = At<tCherryBomb>(2, 1);
  Turns("R.");
  Turn('X');
  EXPECT_FALSE(bomb->Carried);
  EXPECT_EQ(bomb->BombState, tCherryBomb::bsLit);
  EXPECT_EQ(bomb->GridX, 2);
  EXPECT_EQ(bomb->Fuse, 19) << "the fuse burns from the turn it is dropped";
  EXPECT_EQ(Sounds.Count("DropBomb.Wav"), 1);
  const int fuse = Sounds.ChannelOf("CherryBombFuse.Wav");
  ASSERT_NE(fuse, -1);
  EXPECT_EQ(bomb->FuseChannel, fuse);
  EXPECT_TRUE(bomb->HoldsPlayerTurn());

  Turns("RR.");
  EXPECT_EQ(Hero()->GridX, 4);
  EXPECT_FALSE(bomb->HoldsPlayerTurn()) << "two cells away";
  EXPECT_EQ(bomb->Fuse, 16);

  Turns("...........");
  EXPECT_EQ(bomb->Fuse, 5);
  EXPECT_EQ(bomb->BombState, tCherryBomb::bsLit);
  EXPECT_TRUE(VolumesOf(fuse).empty());
  Turn();
  EXPECT_EQ(bomb->BombState, tCherryBomb::bsFuseNearlyOut);
  Turns("...");
  EXPECT_EQ(VolumesOf(fuse), (std::vector<int>{0, 64, 0, 64}));
  EXPECT_EQ(Sounds.Count("CherryBombExplosion.Wav"), 0);

  Turn();  // twentieth turn: the fuse is out
  EXPECT_EQ(bomb->BombState, tCherryBomb::bsExploding);
  EXPECT_EQ(Sounds.Count("CherryBombExplosion.Wav"), 1);
  EXPECT_EQ(VolumesOf(fuse), (std::vector<int>{0, 64, 0, 64, 0, 255}));
  EXPECT_EQ(Sounds.Stopped, std::vector<int>{fuse});
  EXPECT_EQ(bomb->FuseChannel, -1);
  EXPECT_EQ(bomb->Layer, 3);
  EXPECT_FALSE(bomb->HoldsPlayerTurn());

  Turn();
  EXPECT_EQ(bomb->BombState, tCherryBomb::bsBlasting);
  EXPECT_TRUE(bomb->Present);
  Turn();
  EXPECT_FALSE(bomb->Present);
  EXPECT_FALSE(bomb->IsLive());
  EXPECT_EQ(Hero()->PlayerState, tPlayerState::psPlaying);
  Turns("...");
  EXPECT_EQ(Hero()->PlayerState, tPlayerState::psPlaying) << "the blast reaches one cell";
  EXPECT_FALSE(bomb->Dead);
  Turns("......");
  EXPECT_TRUE(bomb->Dead) << "the blast is shown for 112 frames";
}

TEST_F(HostileBombTest, AWhileBlastingTheBombKillsAPlayerDiagonallyNextToIt) {
  Play({"", ".PC"});
  Turns("R.XRD");  // dropped at (2,1); the player goes to (3,2)
  tCherryBomb* bomb = At<tCherryBomb>(2, 1);
  for (int turn = 0; turn < 17; ++turn) Turn();
  EXPECT_EQ(bomb->BombState, tCherryBomb::bsExploding);
  Turn();
  EXPECT_EQ(bomb->BombState, tCherryBomb::bsBlasting);
  EXPECT_EQ(Hero()->PlayerState, tPlayerState::psPlaying) << "not in the exploding turn";
  Turn();
  EXPECT_TRUE(Killed(tCherryBomb::Class));
  EXPECT_EQ(Hero()->DeathKind, 0);
  EXPECT_EQ(Engine->GameMode, gmDying);
}

TEST_F(HostileBombTest, APlayerTwoCellsFromTheBlastSurvives) {
  Play({"", ".PC"});
  Turns("R.XRR");
  tCherryBomb* bomb = At<tCherryBomb>(2, 1);
  for (int turn = 0; turn < 30; ++turn) Turn();
  EXPECT_EQ(bomb->BombState, tCherryBomb::bsBlasting);
  EXPECT_FALSE(bomb->Present);
  EXPECT_EQ(Hero()->PlayerState, tPlayerState::psPlaying);
  EXPECT_EQ(Engine->GameMode, gmPlaying);
}

TEST_F(HostileBombTest, TwoBombsSideBySideGoOffOneAfterTheOther) {
  Play({"", ".PC..C", "......B", "........B"});
  tCherryBomb* first = At<tCherryBomb>(2, 1);
  tCherryBomb* second = At<tCherryBomb>(5, 1);
  tBoulder* nearSecond = At<tBoulder>(6, 2);
  Turns("R.RRX");  // dropped at (4,1), next to the second bomb
  Turns("LLL");
  for (int turn = 0; turn < 16; ++turn) Turn();
  EXPECT_EQ(first->BombState, tCherryBomb::bsExploding);
  EXPECT_EQ(Sounds.Count("CherryBombExplosion.Wav"), 1);
  Turns("..");
  EXPECT_FALSE(first->Present);
  EXPECT_EQ(second->BombState, tCherryBomb::bsLying);
  Turn();  // the first bomb's blast
  EXPECT_GE(second->BombState, tCherryBomb::bsExploding);
  EXPECT_EQ(Sounds.Count("CherryBombExplosion.Wav"), 2);
  EXPECT_TRUE(All<tExplosion1>().empty()) << "the boulder is two cells from the first bomb";
  Turn();
  EXPECT_EQ(second->BombState, tCherryBomb::bsBlasting);
  Turn();  // the second bomb's blast
  ASSERT_EQ(All<tExplosion1>().size(), 1u);
  EXPECT_EQ(All<tExplosion1>()[0]->AttachedTo, nearSecond);
  Turn();
  EXPECT_TRUE(nearSecond->Dead);
  EXPECT_FALSE(At<tBoulder>(8, 3)->Dead);
  EXPECT_EQ(Sounds.Count("CherryBombExplosion.Wav"), 2) << "each bomb goes off once";
  EXPECT_EQ(Hero()->PlayerState, tPlayerState::psPlaying);
}

TEST_F(HostileBombTest, TheBlastTakesEverythingAroundItDiagonalsIncluded) {
  // The trapped spider sets the bomb off; its blast takes the snake, the boulder and the
  // dirt around it, but not the boulder two cells away.
  Play({"", "", "", ".....#", "....#v#", "....SC.B", "....B.R", "", "", "", "P"}, {}, false);
  tCherryBomb* bomb = At<tCherryBomb>(5, 5);
  Turns("...");
  EXPECT_EQ(bomb->BombState, tCherryBomb::bsBlasting) << "the spider's blast set it off";
  Turn();
  EXPECT_TRUE(At<tSpider>(5, 4)->Dead);
  Turn();  // the bomb's blast
  std::vector<tUnit*> caught;
  for (tExplosion1* e : All<tExplosion1>())
    if (e->AttachedTo != nullptr) caught.push_back(e->AttachedTo);
  EXPECT_EQ(caught, (std::vector<tUnit*>{At<tSnake>(4, 5), At<tBoulder>(4, 6), At<tDirt>(6, 6)}));
  Turn();
  EXPECT_TRUE(At<tSnake>(4, 5)->Dead);
  EXPECT_TRUE(At<tBoulder>(4, 6)->Dead);
  EXPECT_TRUE(At<tDirt>(6, 6)->Dead);
  EXPECT_FALSE(At<tBoulder>(7, 5)->Dead);
  EXPECT_EQ(Engine->GameMode, gmPlaying);
}

TEST_F(HostileBombTest, ABurningBombIsMutedWithTheMenuAndSilencedByARestart) {
  Play({"", ".PC.C"});
  Turns("R.X");
  tCherryBomb* lit = At<tCherryBomb>(2, 1);
  const int fuse = lit->FuseChannel;
  Sounds.Clear();
  Board().MuteAll();
  EXPECT_EQ(Sounds.Volumes, (std::vector<std::pair<int, int>>{{fuse, 0}}))
      << "only the burning bomb has a sound";
  Board().UnmuteAll();
  EXPECT_EQ(Sounds.Volumes.back(), std::make_pair(fuse, 255));

  Sounds.Clear();
  State().LastPickupTurn = 1000;
  Engine->RestartLevel();
  EXPECT_EQ(Sounds.Stopped, std::vector<int>{fuse});
  EXPECT_EQ(lit->FuseChannel, -1);
  EXPECT_EQ(lit->BombState, tCherryBomb::bsLying);
  EXPECT_EQ(lit->Fuse, 20);
  EXPECT_EQ(lit->Sprite, BombLyingSprite());
  EXPECT_EQ(State().LastPickupTurn, -9);
}

TEST_F(HostileBombTest, FreeingABurningBombStopsItsFuse) {
  Play({"", ".PC"});
  Turns("R.X");
  const int fuse = At<tCherryBomb>(2, 1)->FuseChannel;
  Sounds.Clear();
  Board().FreeUnits();
  EXPECT_EQ(Sounds.Stopped, std::vector<int>{fuse});
}

TEST_F(HostileBombTest, SaveAndLoadStateBringBackTheBombsOwnState) {
  Play({"", ".PC"});
  tCherryBomb* bomb = At<tCherryBomb>(2, 1);
  Turns("R.X");
  for (int turn = 0; turn < 22; ++turn) Turn();
  ASSERT_EQ(bomb->BombState, tCherryBomb::bsBlasting);
  Tick(5);
  tSnapshotStream stream;
  bomb->SaveState(stream);
  const std::int32_t fuse = bomb->Fuse;
  const std::int32_t blastFrame = bomb->BlastFrame;
  tSprite* sprite = bomb->Sprite;

  bomb->Layer = 1;
  bomb->BombState = tCherryBomb::bsLying;
  bomb->Fuse = 20;
  bomb->BlastFrame = 0;
  bomb->Sprite = nullptr;
  stream.Rewind();
  bomb->LoadState(stream);
  EXPECT_EQ(stream.Position(), stream.Size());
  EXPECT_EQ(bomb->Layer, 3);
  EXPECT_EQ(bomb->BombState, tCherryBomb::bsBlasting);
  EXPECT_EQ(bomb->Fuse, fuse);
  EXPECT_EQ(bomb->BlastFrame, blastFrame);
  EXPECT_EQ(bomb->Sprite, sprite);
}

}  // namespace
}  // namespace qn2::testing
