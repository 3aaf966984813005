// Snapshots of the play, taken and put back while the shipped levels are played: the play
// that follows a restored snapshot is the play that followed the snapshot the first time.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ContentEngine.h"

namespace qn2 {
namespace {

using namespace qn2::testing;

class SnapshotRoundTripTest : public ContentEngineTest {
 protected:
  // At every turn: snapshot, play a turn, put the snapshot back, play the turn again; both
  // plays of the turn must end in the same state. Returns the turns played.
  int PlayWithRoundTripEveryTurn() {
    int turns = 0;
    while (!Over() && turns < 2000) {
      tSnapshotStream snapshot;
      Engine->SaveState(snapshot);
      const std::string before = Describe(*Engine);
      PlayTurn();
      const std::string first = Describe(*Engine);
      const std::vector<std::uint8_t> firstBytes = SnapshotBytes(*Engine);

      snapshot.Rewind();
      Engine->LoadState(snapshot);
      EXPECT_EQ(Describe(*Engine), before) << "turn " << turns << ": the snapshot put back";
      PlayTurn();
      EXPECT_EQ(Describe(*Engine), first) << "turn " << turns << ": the turn played again";
      EXPECT_EQ(FirstDifference(SnapshotBytes(*Engine), firstBytes), "") << "turn " << turns;
      if (::testing::Test::HasFailure()) return turns;
      ++turns;
    }
    return turns;
  }

  // The same at every single tick, through a death animation.
  void PlayWithRoundTripEveryTick(int ticks) {
    for (int tick = 0; tick < ticks && !Over(); ++tick) {
      tSnapshotStream snapshot;
      Engine->SaveState(snapshot);
      Tick();
      const std::string first = Describe(*Engine);
      const std::vector<std::uint8_t> firstBytes = SnapshotBytes(*Engine);
      snapshot.Rewind();
      Engine->LoadState(snapshot);
      Tick();
      ASSERT_EQ(Describe(*Engine), first) << "tick " << tick;
      ASSERT_EQ(FirstDifference(SnapshotBytes(*Engine), firstBytes), "") << "tick " << tick;
    }
  }
};

std::vector<std::string> ShippedLevelsWithSolutions() {
  std::vector<std::string> levels;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(QN2_CONTENT_DIR) / "Solutions"))
    if (entry.path().extension() == ".Solution")
      levels.push_back(entry.path().stem().string() + ".map");
  std::sort(levels.begin(), levels.end());
  return levels;
}

// Every shipped level, played by its stored solution with a round trip at every turn,
// still ends solved with every jewel.
TEST_F(SnapshotRoundTripTest, EveryShippedSolutionPlaysTheSameAfterARestoreAtEveryTurn) {
  const std::vector<std::string> levels = ShippedLevelsWithSolutions();
  ASSERT_GE(levels.size(), 14u);
  for (const std::string& level : levels) {
    SCOPED_TRACE(level);
    StartWithSolution(level);
    const int turns = PlayWithRoundTripEveryTurn();
    ASSERT_FALSE(HasFailure());
    EXPECT_GT(turns, 5);
    EXPECT_EQ(Engine->GameMode, gmLevelDone);
    EXPECT_EQ(Engine->Play().Counters.JewelsCollected, Engine->Play().Counters.JewelsInLevel);
    // Through every round trip the run log kept exactly the turns the solution played.
    tRecorder solution;
    solution.LoadFromFile(StoredSolutionName(level));
    solution.StartPlayback();
    std::vector<std::int32_t> played;
    for (std::int32_t i = 0; i < Engine->Play().RunLog.Count(); ++i)
      played.push_back(solution.PlayBackValue());
    EXPECT_EQ(Engine->Play().RunLog.Count(), Engine->Play().Recorder.Position());
    EXPECT_EQ(Engine->Play().RunLog.Decisions(), played);
  }
}

// Each hostile kills the player here; the round trip runs at every tick, through the
// strike, the shot or blast in flight and the death animation.
TEST_F(SnapshotRoundTripTest, EachHostileKillsTheSameWayAfterARestoreAtEveryTick) {
  struct tDeath {
    const char* Level;
    const char* Moves;
    const char* Killer;
  };
  for (const tDeath& death : {
           tDeath{"Hiss.map", "RDDD...........", "tSnake"},
           tDeath{"Seeker.map", "URRRDRLUDRRRDLUURRRRRRUUUUULLLL...........", "tSeekerDroid"},
           tDeath{"EightLegs.map", ".DRDDL...........", "tSpider"},
           tDeath{"ShortFuse.map", "RRRRRDDDDRRRLr......................", "tCherryBomb"},
       }) {
    SCOPED_TRACE(death.Level);
    Start(death.Level, Decisions(death.Moves));
    PlayWithRoundTripEveryTick(4000);
    ASSERT_FALSE(HasFailure());
    ASSERT_NE(Engine->LastDeath.Killer, nullptr);
    EXPECT_STREQ(Engine->LastDeath.Killer->ClassName, death.Killer);
  }
}

// A snapshot can be put back many turns later, after units were made and freed, and more
// than once: the play from there is the same each time.
TEST_F(SnapshotRoundTripTest, AnOldSnapshotPutBackTwicePlaysTheSameRestOfTheLevel) {
  StartWithSolution("EightLegs.map");
  for (int turn = 0; turn < 10; ++turn) ASSERT_TRUE(PlayTurn());
  tSnapshotStream snapshot;
  Engine->SaveState(snapshot);
  const std::string start = Describe(*Engine);

  std::vector<std::string> ends;
  for (int run = 0; run < 2; ++run) {
    snapshot.Rewind();
    Engine->LoadState(snapshot);
    EXPECT_EQ(Describe(*Engine), start);
    while (PlayTurn()) {
    }
    ends.push_back(Describe(*Engine));
  }
  EXPECT_EQ(Engine->GameMode, gmLevelDone);
  EXPECT_EQ(ends[0], ends[1]);
}

}  // namespace
}  // namespace qn2
