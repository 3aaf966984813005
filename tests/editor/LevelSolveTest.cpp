// The Solve button's logic with a runner the test drives: what is searched, what each end
// of a search says, the solution played in a test play, cancelling, and edits that make a
// result stale.
#include <filesystem>

#include "data/LevelFile.h"
#include "editor/EditorFixture.h"
#include "editor/LevelChecks.h"
#include "engine/SolveReport.h"

namespace qn2::testing {

namespace {

using tState = tLevelSolve::tState;

// Runs nothing: the test says what the search prints and when it ends.
class tScriptedRunner : public tSolveRunner {
 public:
  std::optional<std::string> Start(const tSolveJob& job) override {
    Jobs.push_back(job);
    if (Refusal) return Refusal;
    Running = true;
    return std::nullopt;
  }
  tSolveOutput Poll() override {
    ++Polls;
    tSolveOutput output;
    output.Text = std::move(Printed);
    Printed.clear();
    if (Running && HowEnded) {
      output.Ended = true;
      output.HowEnded = *HowEnded;
      Running = false;
      HowEnded.reset();
    }
    return output;
  }
  void Stop() override {
    ++Stops;
    Running = false;
  }

  void Print(const std::string& text) { Printed += text; }
  void End(const std::string& how) { HowEnded = how; }
  // The search's last words and its end, as the game's search mode gives them.
  void Finish(tSolveOutcome outcome, long turns, std::size_t states) {
    Print(SolveReportLine({outcome, turns, "", states, 0.25}) + "\n");
    End(outcome == tSolveOutcome::Solved ? "exit status 0" : "exit status 1");
  }

  std::vector<tSolveJob> Jobs;
  std::string Printed;
  std::optional<std::string> HowEnded;
  std::optional<std::string> Refusal;
  bool Running = false;
  int Stops = 0;
  int Polls = 0;
};

class LevelSolveTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    Editor->SetUpSolve(Runner, (Scratch / "solve").string());
  }

  // A level the player can finish: the player, a jewel and the exit in a row.
  void MakeLevel() {
    Place("Player", 2, 7);
    Place("Jewel", 3, 7);
    Place("Exit", 5, 7);
  }
  // The solution a search writes: RRR.
  void WriteSolution() const {
    tRecorder solution;
    solution.StartRecording();
    for (int step = 0; step < 3; ++step) solution.RecordValue(EncodeDecision(iaRight, false));
    solution.SaveToFile(Runner.Jobs.back().SolutionFile);
  }
  std::string Status() const { return Editor->Search()->StatusText(); }
  tState State() const { return Editor->Search()->State(); }

  tScriptedRunner Runner;
};

}  // namespace

TEST_F(LevelSolveTest, ASolutionIsPlayedBackInATestPlayOfTheEditedLevel) {
  MakeLevel();
  const auto edited = tLevelDesign::Capture(Level());
  ASSERT_TRUE(Editor->CanSolve());
  Editor->Solve();
  ASSERT_EQ(Runner.Jobs.size(), 1u);
  const tSolveJob job = Runner.Jobs[0];
  EXPECT_TRUE(job.AllJewels);
  EXPECT_EQ(job.MaxStates, tLevelSolve::MaxStates);
  EXPECT_FALSE(Editor->CanSolve());
  // The level as edited, never saved, is what the search reads.
  tLevel searched;
  LoadLevelFromFile(searched, job.LevelFile);
  EXPECT_TRUE(CheckLevel(searched).empty());
  EXPECT_EQ(searched.Units.Count(), 3u);

  // Progress, in pieces as a pipe may deliver it.
  Runner.Print("{\"sta");
  Editor->PollSolve();
  EXPECT_EQ(Status(), "Solving (all jewels)...");
  Runner.Print("tes\": 20000}\n");
  Editor->PollSolve();
  EXPECT_EQ(Status(), "Solving (all jewels)... 20,000 states");
  EXPECT_TRUE(Editor->EditingBox);

  WriteSolution();
  Runner.Finish(tSolveOutcome::Solved, 3, 21'034);
  Editor->PollSolve();
  EXPECT_EQ(State(), tState::Solved);
  EXPECT_EQ(Status(), "Solved in 3 turns (all jewels), 21,034 states");
  // Out of editing, the level playing from its start with the solution in the recorder.
  EXPECT_FALSE(Editor->EditingBox);
  EXPECT_EQ(Engine->GameMode, gmIntro);
  EXPECT_EQ(Engine->Play().Recorder.State(), rsPlaying);
  EXPECT_EQ(Engine->Play().Recorder.Count(), 3);
  EXPECT_EQ(Runner.Stops, 0);

  // Back to editing: the level as it was edited, and the result still stands.
  Editor->SetEditing(true);
  Editor->PollSolve();
  EXPECT_TRUE(tLevelDesign::Capture(Level()) == edited);
  EXPECT_EQ(State(), tState::Solved);
  EXPECT_TRUE(Editor->CanSolve());
}

TEST_F(LevelSolveTest, WithoutAWayPastEveryJewelAnyWayToTheExitIsSearchedFor) {
  MakeLevel();
  Editor->Solve();
  Runner.Finish(tSolveOutcome::Unsolvable, -1, 500);
  Editor->PollSolve();
  ASSERT_EQ(Runner.Jobs.size(), 2u);
  EXPECT_FALSE(Runner.Jobs[1].AllJewels);
  EXPECT_EQ(Runner.Jobs[1].LevelFile, Runner.Jobs[0].LevelFile);
  Runner.Print("{\"states\": 10000}\n");
  Editor->PollSolve();
  EXPECT_EQ(Status(), "Solving (not every jewel)... 10,500 states");

  WriteSolution();
  Runner.Finish(tSolveOutcome::Solved, 3, 700);
  Editor->PollSolve();
  EXPECT_EQ(Status(), "Solved in 3 turns (not every jewel), 1,200 states");
  EXPECT_EQ(Engine->Play().Recorder.State(), rsPlaying);

  // A level nobody can finish says so after both searches, and stays in editing.
  Editor->SetEditing(true);
  Editor->Solve();
  Runner.Finish(tSolveOutcome::Unsolvable, -1, 40);
  Editor->PollSolve();
  Runner.Finish(tSolveOutcome::Unsolvable, -1, 40);
  Editor->PollSolve();
  EXPECT_EQ(Runner.Jobs.size(), 4u);
  EXPECT_EQ(State(), tState::Failed);
  EXPECT_EQ(Status(), "No solution: the player cannot finish this level");
  EXPECT_TRUE(Editor->EditingBox);
  EXPECT_EQ(Engine->GameMode, gmEditing);
}

TEST_F(LevelSolveTest, ASearchThatRunsOutOfStatesGivesUpWithoutTryingAgain) {
  MakeLevel();
  Editor->Solve();
  Runner.Finish(tSolveOutcome::GaveUp, -1, tLevelSolve::MaxStates);
  Editor->PollSolve();
  EXPECT_EQ(Runner.Jobs.size(), 1u);
  EXPECT_EQ(State(), tState::Failed);
  EXPECT_EQ(Status(), "Gave up after 500,000 states");
  EXPECT_TRUE(Editor->EditingBox);
  EXPECT_TRUE(Editor->CanSolve());
}

TEST_F(LevelSolveTest, FailuresSayWhatWentWrong) {
  // No player: nothing is started.
  Place("Exit", 5, 7);
  Editor->Solve();
  EXPECT_TRUE(Runner.Jobs.empty());
  EXPECT_EQ(Status(), "No player: place one on the Objects page first");

  // The search cannot start.
  Place("Player", 2, 7);
  Runner.Refusal = "The search cannot start: No such file or directory";
  Editor->Solve();
  EXPECT_EQ(State(), tState::Failed);
  EXPECT_EQ(Status(), "The search cannot start: No such file or directory");
  Runner.Refusal.reset();

  // The search says why it stopped: its last line of text.
  Editor->Solve();
  Runner.Print("warning: a unit refused a value\nThe level cannot be loaded: File Missing 'x'.\n");
  Runner.End("exit status 2");
  Editor->PollSolve();
  EXPECT_EQ(Status(), "The level cannot be loaded: File Missing 'x'.");

  // It dies without a word.
  Editor->Solve();
  Runner.Print("{\"states\": 10000}\n");
  Runner.End("killed by signal 11");
  Editor->PollSolve();
  EXPECT_EQ(Status(), "The search failed (killed by signal 11)");
  EXPECT_EQ(Engine->GameMode, gmEditing);

  // A report, then text (a leak report, say) and an odd status: the report counts.
  Editor->Solve();
  Runner.Print(SolveReportLine({tSolveOutcome::GaveUp, -1, "", 12, 0.1}) + "\nleaks found");
  Runner.End("exit status 23");
  Editor->PollSolve();
  EXPECT_EQ(Status(), "Gave up after 12 states");
}

TEST_F(LevelSolveTest, CancellingEndsTheSearchAndForgetsIt) {
  MakeLevel();
  Editor->Solve();
  Runner.Print("{\"states\": 10000}\n");
  Editor->PollSolve();
  Editor->CancelSolve();
  EXPECT_EQ(Runner.Stops, 1);
  EXPECT_EQ(State(), tState::Idle);
  EXPECT_EQ(Status(), "");
  const int polls = Runner.Polls;
  Editor->PollSolve();
  EXPECT_EQ(Runner.Polls, polls);
  EXPECT_TRUE(Editor->CanSolve());

  // Hiding the editor ends a search too; the Solve button is for a level being edited.
  Editor->Solve();
  Editor->Hide();
  EXPECT_EQ(Runner.Stops, 2);
  EXPECT_EQ(State(), tState::Idle);
  Editor->Show();
  Editor->SetEditing(false);
  EXPECT_FALSE(Editor->CanSolve());
  Editor->Solve();
  EXPECT_EQ(Runner.Jobs.size(), 2u);
}

TEST_F(LevelSolveTest, ChangingTheLevelForgetsTheResultAndEndsASearchOfTheOldOne) {
  MakeLevel();
  Editor->Solve();
  Runner.Finish(tSolveOutcome::GaveUp, -1, 99);
  Editor->PollSolve();
  ASSERT_EQ(State(), tState::Failed);
  // A test play and back is no change.
  Editor->SetEditing(false);
  Editor->SetEditing(true);
  Editor->PollSolve();
  EXPECT_EQ(State(), tState::Failed);
  Editor->SetPage("Tiles");
  Click(8, 8);
  Editor->PollSolve();
  EXPECT_EQ(State(), tState::Idle);

  Editor->Solve();
  Editor->Undo();
  Editor->PollSolve();
  EXPECT_EQ(Runner.Stops, 1);
  EXPECT_EQ(State(), tState::Idle);
}

TEST_F(LevelSolveTest, ASolutionFoundDuringATestPlayRestartsItFromTheEditedLevel) {
  MakeLevel();
  const auto edited = tLevelDesign::Capture(Level());
  Editor->Solve();
  Editor->SetEditing(false);
  Tick(101);
  Level().FreeUnit(Level().Units[1]);  // the jewel, taken in play
  WriteSolution();
  Runner.Finish(tSolveOutcome::Solved, 3, 50);
  Editor->PollSolve();
  EXPECT_FALSE(Editor->EditingBox);
  EXPECT_EQ(Engine->GameMode, gmIntro);
  EXPECT_EQ(Engine->Play().Recorder.State(), rsPlaying);
  EXPECT_TRUE(tLevelDesign::Capture(Level()) == edited) << "the jewel is back";
}

}  // namespace qn2::testing
