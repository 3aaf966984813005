#include "units/HostileFixture.h"

namespace qn2::testing {
namespace {

class HostileExplosionTest : public HostileTest {};

TEST_F(HostileExplosionTest, AnExplosionSitsOnItsUnitRemovesItNextTurnAndBurnsOut) {
  Play({"", ".P", "", "....B"});
  tBoulder* boulder = At<tBoulder>(4, 3);
  ExplodeUnit(boulder);
  ASSERT_EQ(All<tExplosion1>().size(), 1u);
  tExplosion1* burst = All<tExplosion1>()[0];
  EXPECT_EQ(burst->AttachedTo, boulder);
  EXPECT_EQ(burst->X, 4.0f);
  EXPECT_EQ(burst->Y, 3.0f);
  EXPECT_EQ(burst->GridX, 4);
  EXPECT_EQ(burst->GridY, 3);
  EXPECT_TRUE(burst->Temporary);
  EXPECT_EQ(burst->Layer, 3);
  EXPECT_EQ(burst->Sprite, ExplosionSprite(0));
  EXPECT_EQ(Sounds.Count("SpiderExplosion.Wav"), 1);
  EXPECT_FALSE(burst->IsLive()) << "a burst blocks nothing";

  Tick(11);
  EXPECT_EQ(burst->ExplosionFrame, 11);
  EXPECT_EQ(burst->Sprite, ExplosionSprite(11));
  EXPECT_FALSE(boulder->Dead);
  Tick();  // the turn boundary
  EXPECT_TRUE(boulder->Dead);
  EXPECT_EQ(burst->AttachedTo, nullptr);
  EXPECT_EQ(Board().UnitAt(4, 3), nullptr);
  Tick(14);
  EXPECT_EQ(burst->ExplosionFrame, 26);
  EXPECT_EQ(burst->Sprite, ExplosionSprite(26));
  Tick();
  EXPECT_TRUE(All<tExplosion1>().empty()) << "27 frames, then freed";
}

TEST_F(HostileExplosionTest, AnExplosionFollowsAMovingUnit) {
  Play({"", ".PB"});
  Turn('R');  // the boulder is pushed to (3,1)
  tBoulder* boulder = At<tBoulder>(2, 1);
  ExplodeUnit(boulder);
  tExplosion1* burst = All<tExplosion1>()[0];
  Tick(6);
  EXPECT_EQ(burst->X, boulder->X);
  EXPECT_GT(burst->X, 2.0f);
}

TEST_F(HostileExplosionTest, ExplosionsHoldStillWhileThePlayerDies) {
  Play({"", ".P", "", "....B"});
  ExplodeUnit(At<tBoulder>(4, 3));
  tExplosion1* burst = All<tExplosion1>()[0];
  Tick(3);
  Hero()->Kill(0, &tSnake::Class);
  ASSERT_EQ(Engine->GameMode, gmDying);
  Tick(30);
  EXPECT_EQ(burst->ExplosionFrame, 3);
  EXPECT_EQ(All<tExplosion1>().size(), 1u);
}

TEST_F(HostileExplosionTest, SaveAndLoadStateFindTheAttachedUnitAgain) {
  Play({"", ".P", "", "....B.B"});
  tBoulder* first = At<tBoulder>(4, 3);
  tBoulder* second = At<tBoulder>(6, 3);
  ExplodeUnit(first);
  tExplosion1* burst = All<tExplosion1>()[0];
  Tick(4);
  tSnapshotStream stream;
  burst->SaveState(stream);
  burst->Attach(second);
  burst->ExplosionFrame = 20;
  stream.Rewind();
  burst->LoadState(stream);
  EXPECT_EQ(stream.Position(), stream.Size());
  EXPECT_EQ(burst->AttachedTo, first);
  EXPECT_EQ(burst->ExplosionFrame, 4);
  EXPECT_EQ(burst->X, 4.0f);

  // A burst saved without a unit comes back without one.
  burst->Attach(nullptr);
  tSnapshotStream detached;
  burst->SaveState(detached);
  burst->Attach(second);
  burst->LoadState(detached);
  EXPECT_EQ(burst->AttachedTo, nullptr);
}

}  // namespace
}  // namespace qn2::testing
