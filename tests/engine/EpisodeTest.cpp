#include "EngineFixture.h"
#include "common/LastMessage.h"
#include "data/LevelKey.h"
#include "data/ProgressFile.h"

namespace qn2 {
namespace {

// A jewel that counts itself in the level; the test collects it by hand.
class tGem : public tUnit {
  QN2_UNIT_CLASS(tGem)
 public:
  void Reset() override {
    tUnit::Reset();
    if (Level != nullptr) ++Play().Counters.JewelsInLevel;
  }
};

class EpisodeTest : public testing::EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    UnitRegistry.Add("Player", tUnit::Class, nullptr);
    UnitRegistry.Add("Jewel", tGem::Class, nullptr);
    const std::vector<std::string> units{"Begin Player", "End Player", "Begin Jewel",
                                         "InitialX = 5", "End Jewel"};
    WriteLevel("A.map", "Alpha", units);
    WriteLevel("B.map", "", units);
    WriteLevel("C.map", "Gamma", units);
    Write("Test.set",
          JoinLines({"Level A.map", "level B.map", "Video Intro.avi", "DummyLevel C.map"}));
    Write("Intro.avi", "not a video");  // every file of the set must exist for its title
    Settings.Dialogs = false;
  }

  void LoadEpisode() { Engine->LoadEpisode("Test.set"); }
  // Finishes the running level, collecting the jewel or not.
  void Finish(bool allJewels) {
    ASSERT_EQ(Engine->GameMode, gmPlaying);
    if (allJewels) State().Counters.JewelsCollected = State().Counters.JewelsInLevel;
    Engine->SetGameMode(gmLevelDone);
    Tick();
  }
  // Plays a fade-out through to its target mode.
  void DrawFade() {
    while (Engine->GameMode == gmFadeOut) Engine->DrawFrame();
  }
  std::vector<std::int32_t> Progress() const { return Engine->Episode.AllProgress(); }
};

TEST_F(EpisodeTest, LoadingReadsEntriesTitlesAndWritesAMissingProgressFile) {
  LoadEpisode();
  ASSERT_EQ(Engine->Episode.Count(), 4);
  EXPECT_EQ(Engine->Episode.EntryTitle(0), "Alpha");
  EXPECT_EQ(Engine->Episode.EntryTitle(1), "");
  EXPECT_TRUE(Engine->Episode.IsLevelEntry(1));
  EXPECT_FALSE(Engine->Episode.IsLevelEntry(2));
  EXPECT_TRUE(Engine->Episode.IsDummyEntry(3));
  EXPECT_FALSE(Engine->Episode.IsLevelEntry(4));
  EXPECT_EQ(Read("Test.Progress"), std::string(16, '\0'));
  EXPECT_FALSE(Engine->Episode.AllSolvedAtLoad);
  EXPECT_EQ(Engine->Episode.GetProgress(7), 0);
  Engine->Episode.SetProgress(7, 2);
  EXPECT_EQ(Progress().size(), 4u);
}

TEST_F(EpisodeTest, StartingAnEntryLoadsItsLevelWithLabelAndTitle) {
  LoadEpisode();
  Engine->GoToEntry(1);
  EXPECT_TRUE(Engine->GameInProgress);
  EXPECT_EQ(Engine->LevelFileName, "B.map");
  EXPECT_EQ(Engine->LevelLabel, " 2");
  EXPECT_EQ(Engine->LevelTitleText, "Untitled Level");
  EXPECT_EQ(Engine->GameMode, gmIntro);
  std::filesystem::remove(Scratch / "Intro.avi");
  Engine->GoToEntry(2);
  EXPECT_EQ(Engine->GameMode, gmSkipEntry) << "the video file is missing";
  Tick();
  EXPECT_EQ(Engine->EntryIndex, 3);
  EXPECT_EQ(Engine->LevelTitleText, "Gamma");
  Engine->NextEntry();
  EXPECT_EQ(Engine->GameMode, gmAllSolved) << "past the last entry";
}

TEST_F(EpisodeTest, WithoutDialogsAFinishedLevelMovesToTheNextUnsolvedEntry) {
  LoadEpisode();
  Engine->Episode.SetProgress(1, 2);
  Engine->GoToEntry(0);
  Tick(101);
  Finish(true);
  EXPECT_EQ(Progress(), (std::vector<std::int32_t>{2, 2, 0, 0}));
  EXPECT_EQ(Read("Test.Progress").substr(0, 8), std::string("\2\0\0\0\2\0\0\0", 8));
  EXPECT_EQ(Engine->FadeTarget, gmNextUnsolved);
  DrawFade();
  Tick();
  EXPECT_EQ(Engine->EntryIndex, 3) << "entry 1 was solved with every jewel, entry 2 is a video";
  EXPECT_EQ(Engine->LevelFileName, "C.map");
}

TEST_F(EpisodeTest, NextUnsolvedWrapsPastTheLastEntry) {
  LoadEpisode();
  Engine->Episode.SetProgress(0, 1);
  Engine->Episode.SetProgress(1, 2);
  Engine->Episode.SetProgress(2, 2);
  Engine->EntryIndex = 3;
  Engine->Episode.SetProgress(3, 2);
  Engine->NextUnsolvedEntry();
  EXPECT_EQ(Engine->EntryIndex, 0);
  EXPECT_EQ(Engine->LevelFileName, "A.map");
}

TEST_F(EpisodeTest, ProgressOnlyRises) {
  LoadEpisode();
  Engine->GoToEntry(0);
  Tick(101);
  Finish(false);
  EXPECT_EQ(Engine->Episode.GetProgress(0), 1);
  Engine->GoToEntry(0);
  Tick(101);
  Finish(true);
  EXPECT_EQ(Engine->Episode.GetProgress(0), 2);
  Engine->GoToEntry(0);
  Tick(101);
  Finish(false);
  EXPECT_EQ(Engine->Episode.GetProgress(0), 2);
}

// A video is never solved: the episode counts as solved without it, and the search for the
// next unsolved entry never stops on it, wrapping or not.
TEST_F(EpisodeTest, VideoEntriesNeitherHoldBackAllSolvedNorCountAsUnsolved) {
  Write("Test.set",
        JoinLines({"Video Intro.avi", "Level A.map", "Video Intro.avi", "Level B.map"}));
  Write("Test.Progress", std::string("\0\0\0\0\2\0\0\0\0\0\0\0\2\0\0\0", 16));
  LoadEpisode();
  EXPECT_TRUE(Engine->Episode.AllSolvedAtLoad) << "only the videos are left";
  EXPECT_TRUE(Engine->Episode.IsVideoEntry(0));
  EXPECT_FALSE(Engine->Episode.IsVideoEntry(1));
  EXPECT_FALSE(Engine->Episode.IsVideoEntry(9));

  Engine->Episode.SetProgress(1, 1);
  EXPECT_FALSE(Engine->Episode.AllSolved());
  Engine->EntryIndex = 3;
  Engine->NextUnsolvedEntry();
  EXPECT_EQ(Engine->EntryIndex, 1) << "wrapped past the video at entry 0";
  EXPECT_EQ(Engine->LevelFileName, "A.map");
  Engine->NextUnsolvedEntry();
  EXPECT_EQ(Engine->EntryIndex, 1) << "the only unsolved level, found again past entries 2 and 0";

  Engine->Episode.SetProgress(1, 2);
  Engine->NextUnsolvedEntry();
  EXPECT_EQ(Engine->GameMode, gmAllSolved);
}

TEST_F(EpisodeTest, FinishingTheLastUnsolvedEntryShowsTheAllSolvedScreen) {
  LoadEpisode();
  for (int i : {1, 3}) Engine->Episode.SetProgress(i, 2);
  Engine->GoToEntry(0);
  Tick(101);
  Finish(true);
  EXPECT_EQ(Engine->FadeTarget, gmAllSolved);
}

TEST_F(EpisodeTest, WhenAllWereSolvedAtLoadFinishingGoesToTheLevelPick) {
  Write("Test.Progress", std::string("\2\0\0\0\2\0\0\0\2\0\0\0\2\0\0\0", 16));
  LoadEpisode();
  EXPECT_TRUE(Engine->Episode.AllSolvedAtLoad);
  Engine->GoToEntry(0);
  Tick(101);
  Finish(true);
  EXPECT_EQ(Engine->FadeTarget, gmPickLevel);
  EXPECT_FALSE(Engine->GameInProgress);
}

TEST_F(EpisodeTest, WithDialogsTheSolvedPopUpOpensOverTheGame) {
  Settings.Dialogs = true;
  LoadEpisode();
  Engine->GoToEntry(0);
  Tick(101);
  Finish(false);
  EXPECT_EQ(Engine->GameMode, gmPartlySolvedPopup);
  EXPECT_EQ(Engine->ModeStackDepth(), 1);
  EXPECT_NE(Engine->MenuBackdrop, nullptr);
}

TEST_F(EpisodeTest, FinishingWhileRecordingSavesTheSolutionAndRestarts) {
  LoadEpisode();
  Engine->GoToEntry(0);
  Tick(101);
  State().Recorder.StartRecording();
  State().Recorder.RecordValue(11);
  State().Recorder.RecordValue(4);
  Finish(true);
  EXPECT_EQ(Read("A.Solution"), std::string("MorvRecord\2\0\0\0\x0B\0\0\0\4\0\0\0", 22));
  EXPECT_EQ(State().Recorder.State(), rsStopped);
  EXPECT_EQ(Engine->Episode.GetProgress(0), 0) << "no progress is recorded";
  EXPECT_EQ(Engine->FadeTarget, gmIntro);
}

TEST_F(EpisodeTest, TheStoredSolutionPlaysBackAndFinishingEndsThePlayback) {
  LoadEpisode();
  Engine->GoToEntry(0);
  Tick(101);
  for (char c : std::string("fenlark")) Engine->LiveInput.CharTyped(c);
  EXPECT_EQ(State().Recorder.State(), rsIdle) << "no stored solution yet";
  std::filesystem::create_directory(Scratch / "Solutions");
  Write("Solutions/A.Solution", std::string("MorvRecord\1\0\0\0\x0B\0\0\0", 18));
  for (char c : std::string("fenlark")) Engine->LiveInput.CharTyped(c);
  EXPECT_EQ(State().Recorder.State(), rsPlaying);
  EXPECT_EQ(State().Recorder.PlayBackValue(), 11);
  Tick();
  DrawFade();
  Tick(101);
  Finish(true);
  EXPECT_EQ(State().Recorder.State(), rsStopped);
  EXPECT_EQ(Engine->Episode.GetProgress(0), 0);
}

// What the engine tells the player, collected.
struct tMessageLog : tMessageSink {
  std::vector<std::string> Texts;
  void ShowMessage(const std::string& text) override { Texts.push_back(text); }
};

TEST_F(EpisodeTest, WalkingOutKeepsTheBestInTheGameFolderButARecordingDoesNot) {
  LoadEpisode();
  Engine->GoToEntry(0);
  Tick(101);
  State().Recorder.StartRecording();
  Engine->Owner().LevelFinished();
  Tick();
  EXPECT_FALSE(std::filesystem::exists(Scratch / "Best")) << "a recording is kept as a solution";

  Engine->GoToEntry(0);
  Tick(101);
  State().Counters.JewelsCollected = 1;
  Engine->Owner().LevelFinished();
  Tick();
  const std::string key = KeyText(LevelFileKey("A.map"));
  EXPECT_EQ(Read("Best/Best.txt"), key + " 0 1 1\r\n");
  EXPECT_EQ(Read("Best/" + key + ".Solution"), std::string("MorvRecord\0\0\0\0", 14));
  EXPECT_EQ(Engine->BestOfLevel("A.map"), (tBestRun{0, 1, 1}));
  EXPECT_EQ(Engine->BestOfLevel("B.map"), std::nullopt) << "another level, another key";
}

TEST_F(EpisodeTest, ABestThatCannotBeWrittenIsReportedAndTheGameGoesOn) {
  tMessageLog messages;
  Engine->Messages = &messages;
  Write("Best", "a file where the folder should be");
  LoadEpisode();
  Engine->GoToEntry(0);
  Tick(101);
  Engine->Owner().LevelFinished();
  Tick();
  ASSERT_EQ(messages.Texts.size(), 1u);
  EXPECT_EQ(messages.Texts[0].rfind("Your best run of this level could not be saved: ", 0), 0u)
      << messages.Texts[0];
  EXPECT_EQ(LastMessage, messages.Texts[0]);
  EXPECT_EQ(Read("Best"), "a file where the folder should be");
  EXPECT_EQ(Engine->Episode.GetProgress(0), 1) << "the finish itself counts";
  EXPECT_EQ(Engine->FadeTarget, gmNextUnsolved);
}

TEST_F(EpisodeTest, ALongerProgressFileIsIgnoredAndAShorterOneFillsTheFirstEntries) {
  Write("Test.Progress", std::string(20, '\2'));
  LoadEpisode();
  EXPECT_EQ(Progress(), (std::vector<std::int32_t>(4, 0)));
  Write("Test.Progress", std::string("\1\0\0\0", 4));
  LoadEpisode();
  EXPECT_EQ(Progress(), (std::vector<std::int32_t>{1, 0, 0, 0}));
  Engine->Episode.ClearProgress();
  EXPECT_EQ(Read("Test.Progress"), std::string(16, '\0'));
}

}  // namespace
}  // namespace qn2
