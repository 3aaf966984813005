// The player's best runs on the shipped levels: a level played by keys to the end keeps its
// run, the F9 playback plays it back to the end, and only the player's own runs count.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "ContentEngine.h"
#include "data/BestStore.h"
#include "data/LevelKey.h"
#include "engine/units/ActualPlayer.h"
#include "support/ScratchFolder.h"

namespace qn2 {
namespace {

using namespace qn2::testing;

constexpr const char* Level = "FirstSteps.map";
constexpr const char* Moves = "RDRRRRRRDDDLLLLLDDRRR";

struct tEnd {
  std::int32_t X = 0, Y = 0, Jewels = 0;
  bool operator==(const tEnd&) const = default;
};

class BestRunTest : public ContentEngineTest {
 protected:
  void SetUp() override {
    ContentEngineTest::SetUp();
    // The content folder stays as it is: the bests go to a scratch folder.
    Engine->Bests = tBestStore((Scratch.path() / "Best").string() + "/");
    Engine->Bests.OnProblem = [this](const std::string& text) { Problems.push_back(text); };
  }

  // Loads the level and plays on until the player, arrived, waits for its first decision.
  void Begin() {
    Engine->LoadLevel(Level);
    while (Engine->GameMode != gmPlaying) Tick();
    while (InControl() == false && PlayTurn()) {
    }
  }
  bool InControl() const {
    const auto* player = dynamic_cast<const tActualPlayer*>(Engine->Level.Player);
    return player != nullptr && player->PlayerState == tPlayerState::psPlaying;
  }

  // One arrow a turn, pressed and let go as fingers would ('.' lets a turn pass).
  void Keys(const std::string& moves) {
    for (char move : moves) {
      const tInputAction action = move == 'U'   ? iaUp
                                  : move == 'D' ? iaDown
                                  : move == 'L' ? iaLeft
                                  : move == 'R' ? iaRight
                                                : iaNone;
      if (action != iaNone) Engine->LiveInput.Press(action);
      Tick();
      if (action != iaNone) Engine->LiveInput.Release(action);
      for (int tick = 1; tick < 12; ++tick) Tick();
    }
  }

  // Plays on to the end of the level; the finish is then handled.
  tEnd ToTheEnd() {
    for (int tick = 0; tick < 3000 && Engine->GameMode == gmPlaying; ++tick) Tick();
    EXPECT_EQ(Engine->GameMode, gmLevelDone);
    const tEnd end{Engine->Level.Player->GridX, Engine->Level.Player->GridY,
                   Engine->Play().Counters.JewelsCollected};
    Logged = Engine->Play().RunLog.Decisions();
    FinishTurns = Engine->Play().TurnCount;
    Tick();
    return end;
  }

  // The F9 path: the best plays back from the start of the level to its end.
  tEnd PlayBest() {
    Begin();
    Engine->PlayBestSolution();
    Tick();
    while (Engine->GameMode != gmPlaying) Tick();
    for (int tick = 0; tick < 3000 && Engine->GameMode == gmPlaying; ++tick) Tick();
    EXPECT_EQ(Engine->Play().Recorder.State(), rsPlaying) << "played back to the end";
    const tEnd end = ToTheEnd();
    EXPECT_EQ(Engine->Play().Recorder.State(), rsStopped);
    return end;
  }

  std::optional<tBestRun> Best() { return Engine->BestOfLevel(Level); }
  std::vector<std::int32_t> BestDecisions() {
    tRecorder recorder;
    EXPECT_TRUE(Engine->Bests.LoadSolution(LevelFileKey(Level), recorder));
    recorder.StartPlayback();
    std::vector<std::int32_t> values;
    for (std::int32_t i = 0; i < recorder.Count(); ++i) values.push_back(recorder.PlayBackValue());
    return values;
  }

  tScratchFolder Scratch;
  std::vector<std::string> Problems;
  std::vector<std::int32_t> Logged;
  std::int32_t FinishTurns = 0;
};

TEST_F(BestRunTest, APlayedRunBecomesTheBestAFasterOneReplacesItAndF9PlaysItToTheEnd) {
  Begin();
  Keys("...RDRRRRRR..DDDLLLLLDDRRR");
  const tEnd slow = ToTheEnd();
  ASSERT_TRUE(Best().has_value());
  const tBestRun first = *Best();
  EXPECT_EQ(first.Turns, FinishTurns);
  EXPECT_EQ(first.Jewels, slow.Jewels);
  EXPECT_EQ(first.JewelsInLevel, Engine->Play().Counters.JewelsInLevel);
  EXPECT_EQ(BestDecisions(), Logged);
  EXPECT_TRUE(std::filesystem::exists(Scratch / "Best" / "Best.txt"));

  Begin();
  Keys(Moves);
  const tEnd fast = ToTheEnd();
  EXPECT_EQ(fast, slow);
  ASSERT_TRUE(Best().has_value());
  EXPECT_EQ(Best()->Turns, first.Turns - 5) << "five idle turns fewer";
  EXPECT_EQ(BestDecisions(), Logged);

  Begin();
  Keys(std::string("....") + Moves);
  ToTheEnd();
  EXPECT_EQ(Best()->Turns, first.Turns - 5) << "a slower run leaves the best alone";

  const tBestRun kept = *Best();
  EXPECT_EQ(PlayBest(), fast);
  EXPECT_EQ(Best(), kept) << "its own playback is no new run";
  EXPECT_TRUE(Problems.empty());
}

TEST_F(BestRunTest, AStepTakenBackIsNotInTheKeptRunWhichReplaysToTheSameEnd) {
  Begin();
  Keys("RRRRR");
  Keys("L");
  ASSERT_TRUE(Engine->UndoMove());
  Keys("RRDDDLLLLLDDDRRR");
  const tEnd end = ToTheEnd();
  ASSERT_TRUE(Best().has_value());
  EXPECT_EQ(Best()->Turns, FinishTurns);
  const std::vector<std::int32_t> kept = BestDecisions();
  EXPECT_EQ(std::count(kept.begin(), kept.end(), EncodeDecision(iaLeft, false)), 5)
      << "the left step taken back is gone from the run";
  EXPECT_EQ(PlayBest(), end);
}

TEST_F(BestRunTest, ARunTakenOverFromAPlaybackCountsAPlaybackAloneOrASkipDoesNot) {
  Start(Level, Decisions(Moves));
  ToTheEnd();
  Begin();
  Engine->LiveInput.Press(iaSkipA);
  Engine->LiveInput.Press(iaSkipB);
  Tick();
  Engine->LiveInput.Release(iaSkipA);
  Engine->LiveInput.Release(iaSkipB);
  Tick();
  EXPECT_FALSE(Best().has_value()) << "neither a playback's finish nor a skipped level";
  EXPECT_FALSE(std::filesystem::exists(Scratch / "Best"));

  Begin();
  Engine->PlayStoredSolution();
  Tick();
  while (Engine->GameMode != gmPlaying) Tick();
  for (int turn = 0; turn < 8; ++turn) PlayTurn();
  const auto played = static_cast<std::size_t>(Engine->Play().RunLog.Count());
  ASSERT_GT(played, 2u);
  ASSERT_LT(played, std::string(Moves).size());
  // The arrow the solution would play next takes the level over; the player goes on.
  Keys(std::string(Moves).substr(played));
  EXPECT_NE(Engine->Play().Recorder.State(), rsPlaying);
  const tEnd end = ToTheEnd();
  ASSERT_TRUE(Best().has_value());
  EXPECT_EQ(BestDecisions(), Logged);
  EXPECT_EQ(Logged.size(), std::string(Moves).size() + 2) << "the door's two turns included";
  EXPECT_EQ(PlayBest(), end);
}

// With no best of the level, F9 says so and the play goes on.
TEST_F(BestRunTest, WithNoBestF9OnlySaysSo) {
  Begin();
  Engine->PlayBestSolution();
  Tick();
  EXPECT_EQ(Engine->MessageText, "No best run of this level yet");
  EXPECT_EQ(Engine->GameMode, gmPlaying);
  EXPECT_EQ(Engine->Play().Recorder.State(), rsIdle) << "nothing plays";
}

}  // namespace
}  // namespace qn2
