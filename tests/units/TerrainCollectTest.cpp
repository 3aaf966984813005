#include "TerrainTestSupport.h"
#include "engine/units/TerrainGraphics.h"

namespace qn2::terrain_test {
namespace {

using TerrainCollectTest = TerrainTest;

TEST_F(TerrainCollectTest, KeysAndJewelsCountThemselvesAtEveryReset) {
  Build({"PKKJ.", "..J.J"});
  Start();
  EXPECT_EQ(State().Counters.KeysInLevel, 2);
  EXPECT_EQ(State().Counters.JewelsInLevel, 3);
  Start();  // a restart counts afresh
  EXPECT_EQ(State().Counters.KeysInLevel, 2);
  EXPECT_EQ(State().Counters.JewelsInLevel, 3);
  EXPECT_EQ(State().Counters.KeysCollected, 0);
}

TEST_F(TerrainCollectTest, ItemsAreTakenInTheTurnAfterThePlayerArrives) {
  Build({"PKJR"}, "RRR");
  Start();
  auto* key = Find<tKey>();
  auto* jewel = Find<tJewel>();
  auto* dirt = Find<tDirt>();
  PlayTurn();  // walks onto the key
  EXPECT_FALSE(key->Dead);
  EXPECT_EQ(State().Counters.KeysCollected, 0);
  PlayTurn();  // arrived: the key goes; the player walks on to the jewel
  EXPECT_TRUE(key->Dead);
  EXPECT_EQ(State().Counters.KeysCollected, 1);
  EXPECT_EQ(Sounds.Count("CollectKey.Wav"), 1);
  PlayTurn();
  EXPECT_TRUE(jewel->Dead);
  EXPECT_EQ(State().Counters.JewelsCollected, 1);
  EXPECT_EQ(Sounds.Count("CollectGem.Wav"), 1);
  EXPECT_FALSE(dirt->Dead);
  PlayTurn();
  EXPECT_TRUE(dirt->Dead);
  EXPECT_EQ(Sounds.Count("ClearRubble.Wav"), 1);
  EXPECT_EQ(Player()->GridX, 3);
  EXPECT_EQ(State().Counters.KeysCollected, 1) << "each item counts once";
}

TEST_F(TerrainCollectTest, OnlyThePlayerMayMoveOntoKeysJewelsAndDirt) {
  Build({".K", ".J", ".R", "P."});
  Start();
  for (int row = 0; row < 3; ++row) {
    auto* probe = Put<tWalkerProbe>(0, row);
    probe->Reset();
    Level.ReindexRows();
    EXPECT_FALSE(probe->CanGo(tDirection::Right)) << "row " << row;
    EXPECT_FALSE(probe->CanWalk(tDirection::Right)) << "row " << row;
    Player()->Direction = tDirection::Right;
    Player()->GridY = row;
    EXPECT_TRUE(Player()->CanPushInto(1, row)) << "row " << row;
  }
}

TEST_F(TerrainCollectTest, AKeySpinsThroughItsThirtyTwoPicturesThreeFramesEach) {
  auto* key = Put<tKey>(0, 0);
  key->Reset();
  EXPECT_EQ(key->Sprite, &TerrainSprites().KeyCell) << "not spun yet";
  key->SpinFrame = 92;
  key->Move();
  EXPECT_EQ(key->SpinFrame, 93);
  EXPECT_EQ(key->Sprite, &TerrainSprites().KeySpin[31]);
  key->Move();
  EXPECT_EQ(key->SpinFrame, 0);
  EXPECT_EQ(key->Sprite, &TerrainSprites().KeySpin[0]);
  for (int i = 0; i < 5; ++i) key->Move();
  EXPECT_EQ(key->Sprite, &TerrainSprites().KeySpin[1]);
}

TEST_F(TerrainCollectTest, AYellowJewelShowsTwelvePicturesForThreeFramesAndItsLastForOne) {
  auto* jewel = Put<tJewel>(0, 0);
  ASSERT_TRUE(SetPropertyText(*jewel, "Kind", "Yellow_250"));
  jewel->Reset();
  auto& spin = TerrainSprites().JewelSpin[static_cast<std::size_t>(tJewelKind::Yellow_250)];
  EXPECT_EQ(jewel->Sprite, &spin[0]);
  jewel->SpinFrame = 36;  // wraps on the next frame
  std::vector<const tSprite*> shown;
  for (int frame = 0; frame < 2 * 37; ++frame) {
    jewel->Move();
    shown.push_back(jewel->Sprite);
  }
  // One cycle is 37 frames: pictures 0..11 three times each, then picture 12 once.
  for (int cycle = 0; cycle < 2; ++cycle) {
    for (int picture = 0; picture < 12; ++picture)
      for (int repeat = 0; repeat < 3; ++repeat)
        EXPECT_EQ(shown[static_cast<std::size_t>(cycle * 37 + picture * 3 + repeat)],
                  &spin[static_cast<std::size_t>(picture)])
            << "cycle " << cycle << " picture " << picture;
    EXPECT_EQ(shown[static_cast<std::size_t>(cycle * 37 + 36)], &spin[12]);
  }
}

TEST_F(TerrainCollectTest, EachJewelKindSpinsOverItsOwnFrameCount) {
  const std::pair<const char*, int> kinds[] = {
      {"Blue_50", 31}, {"Magenta_100", 15}, {"Yellow_250", 12}, {"Green_1000", 15}};
  for (const auto& [name, last] : kinds) {
    SCOPED_TRACE(name);
    auto* jewel = Put<tJewel>(0, 0);
    ASSERT_TRUE(SetPropertyText(*jewel, "Kind", name));
    EXPECT_EQ(GetPropertyText(*jewel, "Kind"), name);
    EXPECT_EQ(LastJewelFrame(jewel->Kind), last);
    jewel->Reset();
    jewel->SpinFrame = 3 * last - 1;
    jewel->Move();
    EXPECT_EQ(jewel->Sprite, &TerrainSprites().JewelSpin[static_cast<std::size_t>(jewel->Kind)]
                                                        [static_cast<std::size_t>(last)]);
    jewel->Move();
    EXPECT_EQ(jewel->SpinFrame, 0);
  }
}

}  // namespace
}  // namespace qn2::terrain_test
