// The search's printed report: its lines read back, and a whole search of a shipped level
// with progress lines, the report and the solution file it writes.
#include <sstream>

#include "ContentEngine.h"
#include "engine/SolveReport.h"
#include "support/ScratchFolder.h"

namespace qn2 {
namespace {

using namespace qn2::testing;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(SolveReport, LinesReadBackAsTheyWerePrinted) {
  const tSolveReport report{tSolveOutcome::Solved, 9, "DDDUUURRr!", 123'456, 1.5};
  const std::string line = SolveReportLine(report);
  EXPECT_EQ(
      line,
      "{\"outcome\": \"solved\", \"turns\": 9, \"moves\": \"DDDUUURRr!\", \"states\": 123456, "
      "\"seconds\": 1.500}");
  const auto back = ReadSolveReport(line);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Outcome, tSolveOutcome::Solved);
  EXPECT_EQ(back->Turns, 9);
  EXPECT_EQ(back->Moves, "DDDUUURRr!");
  EXPECT_EQ(back->States, 123'456u);
  EXPECT_DOUBLE_EQ(back->Seconds, 1.5);

  const auto none = ReadSolveReport(SolveReportLine({tSolveOutcome::GaveUp, -1, "", 20, 0}));
  ASSERT_TRUE(none);
  EXPECT_EQ(none->Outcome, tSolveOutcome::GaveUp);
  EXPECT_EQ(none->Turns, -1);
  EXPECT_EQ(none->Moves, "");

  EXPECT_EQ(ReadSolveProgress(SolveProgressLine(30'000)), 30'000u);
  // Neither kind is taken for the other, nor is anything else, nor a line cut short.
  EXPECT_FALSE(ReadSolveProgress(line));
  EXPECT_FALSE(ReadSolveReport(SolveProgressLine(10)));
  EXPECT_FALSE(ReadSolveReport("The level cannot be loaded: File Missing 'a.map'."));
  EXPECT_FALSE(ReadSolveReport(line.substr(0, 60)));
  EXPECT_FALSE(
      ReadSolveReport("{\"outcome\": \"maybe\", \"turns\": 1, \"moves\": \"\", \"states\": "
                      "1, \"seconds\": 0.1}"));
  EXPECT_FALSE(ReadSolveProgress("{\"states\": 12x}"));
}

class SolveAndReportTest : public ContentEngineTest {};

TEST_F(SolveAndReportTest, ASearchPrintsProgressThenTheReportAndWritesAPlayableSolution) {
  tScratchFolder scratch;
  const std::string solution = (scratch / "First.Solution").string();
  Engine->LoadLevel("FirstSteps.map");
  tSolveOptions options;
  options.AllJewels = true;
  options.ProgressEvery = 100;
  std::ostringstream out;
  EXPECT_EQ(SolveAndReport(*Engine, options, solution, out, true), 0);

  const std::vector<std::string> lines = Lines(out.str());
  ASSERT_GE(lines.size(), 2u);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i)
    EXPECT_EQ(ReadSolveProgress(lines[i]), 100 * (i + 1)) << lines[i];
  const auto report = ReadSolveReport(lines.back());
  ASSERT_TRUE(report) << lines.back();
  EXPECT_EQ(report->Outcome, tSolveOutcome::Solved);
  EXPECT_GE(report->Turns, static_cast<long>(report->Moves.size()));
  EXPECT_GE(report->States, 100 * (lines.size() - 1));

  Engine->LoadLevel("FirstSteps.map");
  Engine->Play().Recorder.LoadFromFile(solution);
  Engine->Play().Recorder.StartPlayback();
  while (Engine->GameMode != gmPlaying) Tick();
  for (int turn = 0; turn < 500 && PlayTurn(); ++turn) {
  }
  EXPECT_EQ(Engine->GameMode, gmLevelDone);
  EXPECT_EQ(Engine->Play().TurnCount, report->Turns);
  EXPECT_EQ(Engine->Play().Counters.JewelsCollected, Engine->Play().Counters.JewelsInLevel);
}

TEST_F(SolveAndReportTest, WithoutASolutionNothingIsWrittenAndNoProgressUnlessAsked) {
  tScratchFolder scratch;
  const std::string solution = (scratch / "None.Solution").string();
  Engine->LoadLevel("FirstSteps.map");
  tSolveOptions options;
  options.MaxStates = 250;
  options.ProgressEvery = 100;
  std::ostringstream out;
  EXPECT_EQ(SolveAndReport(*Engine, options, solution, out, false), 1);
  const std::vector<std::string> lines = Lines(out.str());
  ASSERT_EQ(lines.size(), 1u);
  const auto report = ReadSolveReport(lines[0]);
  ASSERT_TRUE(report);
  EXPECT_EQ(report->Outcome, tSolveOutcome::GaveUp);
  EXPECT_EQ(report->States, 250u);
  EXPECT_FALSE(std::filesystem::exists(solution));
}

}  // namespace
}  // namespace qn2
