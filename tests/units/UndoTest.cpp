// Taking moves back during play and playing them forward again, on the shipped levels.
#include <map>
#include <string>
#include <vector>

#include "ContentEngine.h"

namespace qn2 {
namespace {

using namespace qn2::testing;

class UndoTest : public ContentEngineTest {
 protected:
  // The index of the recorded turn the play now stands at, -1 when it matches none.
  int RecordedTurnNow() {
    const std::vector<std::uint8_t> now = SnapshotBytes(*Engine);
    for (std::size_t i = 0; i < FirstReached.size(); ++i)
      if (FirstReached[i] == now) return static_cast<int>(i);
    return -1;
  }

  std::vector<std::vector<std::uint8_t>> FirstReached;
};

// Thirty turns of a level with spiders, then five moves taken back and played forward again.
TEST_F(UndoTest, EachUndoReturnsExactlyToAStateFirstReachedEarlierAndRedoComesBack) {
  StartWithSolution("EightLegs.map");
  // The history records at the end of a tick, before the frame is drawn.
  for (int tick = 0; tick < 12 * 30; ++tick) {
    Engine->Update();
    if (Engine->History().Count() > FirstReached.size())
      FirstReached.push_back(SnapshotBytes(*Engine));
    Engine->DrawFrame();
  }
  ASSERT_GE(FirstReached.size(), 25u);
  const std::vector<std::uint8_t> live = SnapshotBytes(*Engine);

  int previous = static_cast<int>(FirstReached.size());
  for (int undo = 0; undo < 5; ++undo) {
    ASSERT_TRUE(Engine->UndoMove());
    const int at = RecordedTurnNow();
    ASSERT_GE(at, 0) << "undo " << undo << " left a state never reached before";
    EXPECT_LT(at, previous);
    previous = at;
  }
  for (int redo = 0; redo < 5; ++redo) ASSERT_TRUE(Engine->RedoMove());
  EXPECT_EQ(FirstDifference(SnapshotBytes(*Engine), live), "") << "redo back to the live play";
  EXPECT_FALSE(Engine->RedoMove());
}

// A death by the snake is taken back; the player is alive and in play again, and from the
// very start the level can then be finished with its stored solution.
TEST_F(UndoTest, UndoAfterADeathResumesPlayAndTheLevelCanStillBeFinished) {
  Start("Hiss.map", Decisions("RDDD..........."));
  while (Engine->GameMode == gmPlaying || Engine->GameMode == gmDying) Tick();
  ASSERT_EQ(Engine->GameMode, gmDead);

  ASSERT_TRUE(Engine->UndoMove());
  EXPECT_EQ(Engine->GameMode, gmPlaying);
  ASSERT_NE(Engine->Level.Player, nullptr);
  EXPECT_FALSE(Engine->Level.Player->Dead);
  while (Engine->UndoMove()) {
  }
  // Back where the first decision is read: the stored solution from there finishes.
  tRecorder& recorder = Engine->Play().Recorder;
  ASSERT_EQ(recorder.Position(), 0);
  const std::vector<std::int32_t> solution = Decisions("RDLDDDRRRRR");
  for (std::size_t i = 0; i < solution.size(); ++i)
    recorder.PlaceValue(static_cast<std::int32_t>(i), solution[i]);
  while (PlayTurn()) {
  }
  EXPECT_EQ(Engine->GameMode, gmLevelDone);
}

// Undo while recording cuts the recording back: the solution saved is the path kept, and
// it plays back to the same end.
TEST_F(UndoTest, UndoWhileRecordingCutsTheRecordingBackToTheKeptPath) {
  Engine->LoadLevel("FirstSteps.map");
  while (Engine->GameMode != gmPlaying) Tick();
  tRecorder& recorder = Engine->Play().Recorder;
  recorder.StartRecording();
  auto step = [&](tInputAction action) {
    Engine->LiveInput.Press(action);
    PlayTurn();
    Engine->LiveInput.Release(action);
    for (int turn = 0; turn < 2; ++turn) PlayTurn();
  };
  step(iaRight);
  step(iaRight);
  step(iaDown);
  const std::int32_t recorded = recorder.Count();
  ASSERT_TRUE(Engine->UndoMove());
  EXPECT_LT(recorder.Count(), recorded);
  EXPECT_EQ(recorder.State(), rsRecording);
  step(iaRight);
  const int endX = Engine->Level.Player->GridX;
  const int endY = Engine->Level.Player->GridY;

  std::vector<std::int32_t> kept;
  recorder.StartPlayback();
  for (std::int32_t i = 0; i < recorder.Count(); ++i) kept.push_back(recorder.PlayBackValue());
  EXPECT_EQ(std::count(kept.begin(), kept.end(), EncodeDecision(iaDown, false)), 0)
      << "the step taken back is not in the recording";
  Start("FirstSteps.map", kept);
  for (int turn = 0; turn < static_cast<int>(kept.size()) + 4; ++turn) PlayTurn();
  EXPECT_EQ(Engine->Level.Player->GridX, endX);
  EXPECT_EQ(Engine->Level.Player->GridY, endY);
}

// While the stored solution the player called up plays: paused, nothing moves until the
// right arrow plays exactly one more turn; unpaused, an arrow takes the level over and the
// player follows the keys.
TEST_F(UndoTest, APausedPlaybackStepsOneTurnAtATimeAndAnArrowTakesItOver) {
  Engine->LoadLevel("EightLegs.map");
  while (Engine->GameMode != gmPlaying) Tick();
  Engine->PlayStoredSolution();
  Tick();
  while (Engine->GameMode != gmPlaying) Tick();
  for (int turn = 0; turn < 2; ++turn) ASSERT_TRUE(PlayTurn());
  Engine->Paused = true;
  const std::int32_t turn = Engine->Play().TurnCount;
  for (int tick = 0; tick < 40; ++tick) Tick();
  EXPECT_EQ(Engine->Play().TurnCount, turn);

  Engine->LiveInput.Press(iaRight);
  Engine->LiveInput.Release(iaRight);
  for (int tick = 0; tick < 40; ++tick) Tick();
  EXPECT_EQ(Engine->Play().TurnCount, turn + 1);
  EXPECT_EQ(Engine->Play().Recorder.State(), rsPlaying);

  Engine->Paused = false;
  ASSERT_TRUE(PlayTurn());
  Engine->LiveInput.Press(iaLeft);
  Tick();
  EXPECT_NE(Engine->Play().Recorder.State(), rsPlaying);
  Engine->LiveInput.Release(iaLeft);
  for (int turn = 0; turn < 4; ++turn) PlayTurn();
  // The solution steps right here; facing left, the player follows the key.
  EXPECT_EQ(Engine->Level.Player->Direction, tDirection::Left);
}

}  // namespace
}  // namespace qn2
