#include "TerrainTestSupport.h"
#include "engine/EngineFixture.h"
#include "engine/units/TerrainGraphics.h"

namespace qn2::terrain_test {
namespace {

// Levels played through the engine, from level files.
class TerrainExitLevelTest : public qn2::testing::EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    AddTerrainCycleProcedure();
    UnitRegistry.Add("Player", tScriptPlayer::Class, nullptr);
    UnitRegistry.Add("Boulder", tBoulder::Class, BoulderIcon());
    UnitRegistry.Add("Key", tKey::Class, KeyIcon());
    UnitRegistry.Add("Exit", tExit::Class, ExitIcon());
    SetSound(&Sounds);
  }
  void TearDown() override {
    SetSound(nullptr);
    EngineTest::TearDown();
  }

  static std::vector<std::string> Block(const std::string& name, int x, int y,
                                        const std::vector<std::string>& more = {}) {
    std::vector<std::string> lines{"Begin " + name, "   InitialX = " + std::to_string(x),
                                   "   InitialY = " + std::to_string(y)};
    for (const std::string& line : more) lines.push_back("   " + line);
    lines.push_back("End " + name);
    return lines;
  }
  static std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> blocks) {
    std::vector<std::string> all;
    for (const auto& block : blocks) all.insert(all.end(), block.begin(), block.end());
    return all;
  }

  // Ticks until the engine has handled the given turn's boundary.
  void PlayToTurn(int turn) {
    while (Engine->Play().FrameCount < turn * State().Clock.FramesPerTurn) Tick();
  }
  tExit* TheExit() const {
    for (const auto& unit : Engine->Level.Units)
      if (auto* exit = dynamic_cast<tExit*>(unit.get())) return exit;
    return nullptr;
  }

  tSoundLog Sounds;
};

TEST_F(TerrainExitLevelTest, WithNoKeysTheFirstPushOpensTheExitAndTheLevelEndsTwoTurnsLater) {
  WriteLevel(
      "Exit.map", "Way Out",
      Join({Block("Player", 1, 1, {"Moves = R"}), Block("Exit", 2, 1, {"Kind = ExitHatch"})}));
  StartPlaying("Exit.map");
  tExit* exit = TheExit();
  ASSERT_NE(exit, nullptr);
  EXPECT_EQ(exit->Kind, tExitKind::ExitHatch);
  EXPECT_EQ(State().Counters.KeysInLevel, 0);

  PlayToTurn(1);
  EXPECT_TRUE(exit->Opening);
  EXPECT_EQ(Sounds.Count("OpeningDoor.Wav"), 1);
  EXPECT_EQ(Engine->Level.Player->TargetX, 1) << "nothing enters an exit";
  while (Engine->Play().FrameCount < 3 * State().Clock.FramesPerTurn - 1) Tick();
  EXPECT_EQ(Engine->GameMode, gmPlaying);
  EXPECT_EQ(exit->OpenTurns, 1);
  Tick();  // the boundary of the second turn after the push
  EXPECT_EQ(Engine->GameMode, gmLevelDone);
  EXPECT_FALSE(exit->Opening);
  EXPECT_EQ(Engine->Level.Player->GridX, 1);
}

TEST_F(TerrainExitLevelTest, TheExitOpensOnlyOnceEveryKeyIsCollected) {
  // The key is taken in the turn after the player arrives on it, after the player's own turn,
  // so the first push against the exit is too early.
  WriteLevel(
      "Keys.map", "Keys First",
      Join({Block("Player", 0, 1, {"Moves = RRR"}), Block("Key", 1, 1), Block("Exit", 2, 1)}));
  StartPlaying("Keys.map");
  EXPECT_EQ(State().Counters.KeysInLevel, 1);
  PlayToTurn(2);
  EXPECT_FALSE(TheExit()->Opening);
  EXPECT_EQ(State().Counters.KeysCollected, 1);
  PlayToTurn(3);
  EXPECT_TRUE(TheExit()->Opening);
  PlayToTurn(4);
  EXPECT_EQ(Engine->GameMode, gmPlaying);
  PlayToTurn(5);
  EXPECT_EQ(Engine->GameMode, gmLevelDone);
}

using TerrainExitTest = TerrainTest;

TEST_F(TerrainExitTest, TheDoorOpensThroughItsSevenPicturesOverTwoTurns) {
  Build({"PE"}, "R");
  Start();
  auto* exit = Find<tExit>();
  const auto& frames = TerrainSprites().Exits[static_cast<std::size_t>(tExitKind::ExitDoor)];
  std::vector<int> shown;
  auto frameOf = [&](const tSprite* sprite) {
    for (int f = 0; f < 7; ++f)
      if (sprite == &frames[static_cast<std::size_t>(f)]) return f;
    return -1;
  };
  const int framesPerTurn = State().Clock.FramesPerTurn;
  for (int turn = 0; turn < 2; ++turn) {
    for (int phase = 0; phase < framesPerTurn; ++phase) {
      State().Clock.TurnPhase = phase;
      State().Clock.TurnFraction = static_cast<float>(phase) / static_cast<float>(framesPerTurn);
      if (phase == 0) {
        Level.ReindexRows();
        Level.TakeTurns();
      }
      Level.MoveAll();
      shown.push_back(frameOf(exit->Sprite));
    }
  }
  // trunc((turns + fraction) / 2 * 7) at 12 frames a turn.
  const std::vector<int> expected{0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 3,
                                  3, 3, 4, 4, 4, 4, 5, 5, 5, 6, 6, 6};
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(exit->OpenTurns, 1);
  EXPECT_FALSE(exit->QuietWhenStill) << "the opening door is repainted every frame";
}

TEST_F(TerrainExitTest, NoPushOpensTheExitWhileKeysAreMissingAndNothingButThePlayerOpensIt) {
  Build({"PEK", "BE."});
  Start();
  auto* exit = Find<tExit>(0);
  EXPECT_FALSE(exit->QueryPush(Player(), tDirection::Right));
  EXPECT_FALSE(exit->Opening) << "a key is still lying about";
  State().Counters.KeysCollected = 1;
  auto* probe = Put<tWalkerProbe>(0, 0);
  EXPECT_FALSE(exit->QueryPush(probe, tDirection::Right));
  EXPECT_FALSE(exit->QueryPush(Find<tBoulder>(), tDirection::Right));
  EXPECT_FALSE(exit->Opening);
  EXPECT_FALSE(exit->QueryPush(Player(), tDirection::Right));
  EXPECT_TRUE(exit->Opening);
  EXPECT_EQ(Sounds.Count("OpeningDoor.Wav"), 1);
  EXPECT_FALSE(exit->QueryPush(Player(), tDirection::Right));
  EXPECT_EQ(Sounds.Count("OpeningDoor.Wav"), 1) << "opens once";
  exit->Reset();
  EXPECT_FALSE(exit->Opening);
  EXPECT_TRUE(exit->QuietWhenStill);
}

}  // namespace
}  // namespace qn2::terrain_test
