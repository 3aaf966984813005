#include <cmath>

#include "TerrainTestSupport.h"
#include "engine/units/SeekerDroid.h"
#include "engine/units/TerrainGraphics.h"

namespace qn2::terrain_test {
namespace {

using TerrainPillarTest = TerrainTest;

TEST_F(TerrainPillarTest, APillarRisesBehindThePlayerAndCanNeverBeSteppedOnAgain) {
  Build({"PI.."}, "RRL");
  Start();
  auto* pillar = Find<tPillar>();
  auto* probe = Put<tWalkerProbe>(1, 1);
  probe->Reset();
  EXPECT_TRUE(pillar->AllowsEntry(probe));
  EXPECT_TRUE(pillar->LetsShotPass(probe));
  PlayTurn();  // onto the pillar
  EXPECT_EQ(Sounds.Count("PillarIn.Wav"), 0);
  PlayTurn();  // standing on it at the boundary; steps off
  EXPECT_TRUE(pillar->Occupied);
  EXPECT_FALSE(pillar->Risen);
  EXPECT_EQ(Sounds.Count("PillarIn.Wav"), 1);
  PlayTurn();  // gone at the boundary: it rises, and the step back is refused
  EXPECT_TRUE(pillar->Risen);
  EXPECT_EQ(Player()->GridX, 2);
  EXPECT_EQ(Player()->Refused, 1);
  EXPECT_FALSE(pillar->AllowsEntry(probe));
  EXPECT_FALSE(pillar->LetsShotPass(probe));
  EXPECT_FALSE(pillar->QueryPush(Player(), tDirection::Left));
  const int outs = Sounds.Count("PillarOut1.Wav") + Sounds.Count("PillarOut2.Wav") +
                   Sounds.Count("PillarOut3.Wav");
  EXPECT_EQ(outs, 1);
}

TEST_F(TerrainPillarTest, ARisingPillarClimbsFiveStepsATurnAndStandsAboveTheUnitsFromHeightFour) {
  Build({"P.I"});
  Start();
  auto* pillar = Find<tPillar>();
  EXPECT_EQ(pillar->Layer, 0);
  EXPECT_EQ(pillar->Sprite, &TerrainSprites().Pillar[0]);
  pillar->Risen = true;
  const float step = 5.0f / 12.0f;
  float expected = 0;
  for (int frame = 1; frame <= 26; ++frame) {
    pillar->Move();
    expected += step;
    ASSERT_NEAR(pillar->Height, expected, 1e-4) << "frame " << frame;
    EXPECT_EQ(pillar->Layer, expected >= 4 ? 2 : 0) << "frame " << frame;
    EXPECT_EQ(pillar->Sprite,
              &TerrainSprites().Pillar[static_cast<std::size_t>(std::nearbyint(expected))]);
  }
  EXPECT_EQ(Sounds.Count("PillarEnd.Wav"), 0);
  pillar->Move();  // 27 steps pass the top
  EXPECT_EQ(pillar->Height, 11.0f);
  EXPECT_EQ(pillar->Sprite, &TerrainSprites().Pillar[11]);
  EXPECT_EQ(Sounds.Count("PillarEnd.Wav"), 1);
  pillar->Move();
  EXPECT_EQ(Sounds.Count("PillarEnd.Wav"), 1);
  EXPECT_EQ(pillar->Layer, 2);

  pillar->Reset();
  EXPECT_EQ(pillar->Height, 0.0f);
  EXPECT_EQ(pillar->Layer, 0);
  EXPECT_FALSE(pillar->Risen);
}

TEST_F(TerrainPillarTest, APillarReachingTheTopExactlyStillSoundsItsEnd) {
  State().Clock.FramesPerTurn = 10;  // half a step per frame: 22 frames land on 11 exactly
  Build({"P.I"});
  Start();
  auto* pillar = Find<tPillar>();
  pillar->Risen = true;
  for (int frame = 0; frame < 22; ++frame) pillar->Move();
  EXPECT_EQ(pillar->Height, 11.0f);
  EXPECT_EQ(Sounds.Count("PillarEnd.Wav"), 1);
}

TEST_F(TerrainPillarTest, RisingPillarsTakeTurnsWithTheThreeRisingSounds) {
  Build({"P", "I", "I", "I", "I"});
  Start();
  std::vector<std::string> heard;
  for (int i = 0; i < 4; ++i) {
    auto* pillar = Find<tPillar>(i);
    Player()->SetInitialY(i + 1);
    Player()->Reset();
    Level.ReindexRows();
    pillar->BeginTurn();
    Sounds.Played.clear();
    Player()->SetInitialY(0);
    Player()->Reset();
    Level.ReindexRows();
    pillar->BeginTurn();
    ASSERT_TRUE(pillar->Risen);
    ASSERT_EQ(Sounds.Played.size(), 1u);
    heard.push_back(Sounds.Played[0]);
  }
  // The cycle goes on from wherever earlier pillars left it.
  const std::vector<std::string> cycle{"PillarOut1.Wav", "PillarOut2.Wav", "PillarOut3.Wav"};
  const auto first = std::find(cycle.begin(), cycle.end(), heard[0]);
  ASSERT_NE(first, cycle.end());
  for (std::size_t i = 0; i < heard.size(); ++i)
    EXPECT_EQ(heard[i], cycle[(static_cast<std::size_t>(first - cycle.begin()) + i) % 3]);
}

TEST_F(TerrainPillarTest, ABoulderWeighsOnAPillarAndThePlayerFollowingItKeepsItDown) {
  Build({"PBI..", "....."}, "RRD");
  Start();
  auto* pillar = Find<tPillar>();
  PlayTurn();  // the boulder is pushed onto the pillar
  PlayTurn();  // on it at the boundary; pushed on, the player follows onto the pillar
  EXPECT_TRUE(pillar->Occupied);
  EXPECT_EQ(Sounds.Count("PillarIn.Wav"), 1);
  PlayTurn();  // the player stands there now; steps down
  EXPECT_FALSE(pillar->Risen);
  EXPECT_EQ(Sounds.Count("PillarIn.Wav"), 1);
  PlayTurn();
  EXPECT_TRUE(pillar->Risen);
  EXPECT_EQ(Find<tBoulder>()->GridX, 3);
}

TEST_F(TerrainPillarTest, OnlyThePlayerBouldersAndSeekerDroidsWeighOnAPillar) {
  Build({"P.I"});
  Start();
  auto* pillar = Find<tPillar>();
  auto* key = Put<tKey>(2, 0);
  key->Reset();
  auto* probe = Put<tWalkerProbe>(2, 0);
  probe->Reset();
  Level.ReindexRows();
  pillar->BeginTurn();
  EXPECT_FALSE(pillar->Occupied);
  auto* droid = Put<tSeekerDroid>(2, 0);
  droid->Reset();
  Level.ReindexRows();
  pillar->BeginTurn();
  EXPECT_TRUE(pillar->Occupied);
  EXPECT_TRUE(tPillar::IsHeavy(*Player()));
  EXPECT_TRUE(tPillar::IsHeavy(tBoulder()));
  EXPECT_FALSE(tPillar::IsHeavy(tJewel()));
}

}  // namespace
}  // namespace qn2::terrain_test
