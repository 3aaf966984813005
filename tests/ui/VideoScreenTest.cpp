#include "ui/VideoScreen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "audio/SoundPort.h"
#include "data/MessageSink.h"
#include "engine/EngineFixture.h"
#include "input/InputDevice.h"
#include "render/Dib16.h"
#include "support/SoundLog.h"

namespace qn2 {
namespace {

// What the fake videos were asked, shared by every video the test opens.
struct tVideoLog {
  std::vector<std::string> Opened;
  std::vector<std::int64_t> Times;  // every AdvanceTo
  int Closed = 0;
};

// A video of a number of pictures, 40 ms each; picture n is drawn as the colour n + 1.
// It may break at a given time, as a damaged file does.
class tFakeVideo : public tVideoSource {
 public:
  tFakeVideo(tVideoLog& log, int pictures, std::optional<std::int64_t> breaksAt)
      : Log(log), Pictures(pictures), BreaksAt(breaksAt) {}
  ~tFakeVideo() override { ++Log.Closed; }
  bool AdvanceTo(std::int64_t milliseconds) override {
    Log.Times.push_back(milliseconds);
    if (BreaksAt && milliseconds >= *BreaksAt) throw EVideoFailed("picture 3 is damaged");
    Showing = static_cast<int>(std::min<std::int64_t>(milliseconds / 40, Pictures - 1));
    return milliseconds < Pictures * 40;
  }
  void Draw(tDib16& frame) override { frame.FillSurface(static_cast<std::uint16_t>(Showing + 1)); }

 private:
  tVideoLog& Log;
  int Pictures;
  std::optional<std::int64_t> BreaksAt;
  int Showing = 0;
};

class tMessageLog : public tMessageSink {
 public:
  void ShowMessage(const std::string& text) override { Messages.push_back(text); }
  std::vector<std::string> Messages;
};

class VideoScreenTest : public testing::EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetSound(&Sound);
    Engine->Messages = &Messages;
    WriteLevel("A.map", "Alpha");
    for (const char* video : {"One.avi", "Two.avi", "Broken.avi"}) Write(video, "a video");
    Write("Test.set", JoinLines({"Video One.avi", "Level A.map", "Video Two.avi",
                                 "Video Broken.avi", "Level A.map"}));
    Engine->LoadEpisode("Test.set");
  }
  void TearDown() override {
    SetSound(nullptr);
    EngineTest::TearDown();
  }

  // Starts the entry and enters the screen, as the window does on the mode change.
  void Enter(std::int32_t entry) {
    Engine->GoToEntry(entry);
    ASSERT_EQ(Engine->GameMode, gmVideo);
    Screen.Entered(*Engine);
  }
  void Tick(int count = 1) {
    for (int i = 0; i < count; ++i) Screen.Update({0, 0}, false, Input);
  }

  tVideoLog Log;
  std::map<std::string, std::optional<std::int64_t>> BreakTimes{{"Broken.avi", 60}};
  tVideoScreen Screen{[this](const std::string& name) -> std::unique_ptr<tVideoSource> {
    Log.Opened.push_back(name);
    if (name == "Missing.avi") throw EVideoFailed("File Missing 'Missing.avi'.");
    return std::make_unique<tFakeVideo>(Log, 5, BreakTimes[name]);
  }};
  testing::tSoundLog Sound;
  tMessageLog Messages;
  tInputDevice Input;
};

TEST_F(VideoScreenTest, PlaysInStepWithTheTicksAndGoesOnWhenItEnds) {
  Enter(0);
  EXPECT_TRUE(Screen.Playing());
  EXPECT_EQ(Log.Opened, std::vector<std::string>{"One.avi"});
  Tick(3);
  EXPECT_EQ(Log.Times, (std::vector<std::int64_t>{0, 20, 40, 60}));
  Screen.Draw(Engine->FrameSurface());
  EXPECT_EQ(Engine->FrameSurface().ScanLine(0)[0], 2) << "the second picture at 60 ms";
  Tick(6);
  EXPECT_TRUE(Screen.Playing()) << "the last picture shows until 200 ms";
  EXPECT_EQ(Engine->EntryIndex, 0);
  Tick();
  EXPECT_FALSE(Screen.Playing());
  EXPECT_EQ(Log.Closed, 1);
  EXPECT_EQ(Engine->EntryIndex, 1);
  EXPECT_EQ(Engine->GameMode, gmIntro);
  EXPECT_TRUE(Messages.Messages.empty());
  Tick(5);
  EXPECT_EQ(Log.Times.size(), 11u) << "nothing more is asked of a closed video";
}

TEST_F(VideoScreenTest, AKeyOrAMouseButtonSkipsTheVideo) {
  Enter(0);
  Tick(2);
  EXPECT_TRUE(Screen.KeyDown(' ').Hidden);
  EXPECT_FALSE(Screen.Playing());
  EXPECT_EQ(Engine->EntryIndex, 1);
  EXPECT_EQ(Engine->GameMode, gmIntro);

  Enter(0);
  EXPECT_TRUE(Screen.MouseDown(300, 200, vk::LButton).Hidden);
  EXPECT_EQ(Engine->EntryIndex, 1);
  EXPECT_EQ(Log.Closed, 2);
}

TEST_F(VideoScreenTest, AVideoEndingOnAnotherStartsItInPlace) {
  Enter(2);
  Tick(10);
  EXPECT_EQ(Engine->EntryIndex, 3);
  EXPECT_EQ(Engine->GameMode, gmVideo);
  EXPECT_TRUE(Screen.Playing());
  EXPECT_EQ(Log.Opened, (std::vector<std::string>{"Two.avi", "Broken.avi"}));
  EXPECT_EQ(Log.Times.back(), 0) << "the second video starts from its beginning";
}

TEST_F(VideoScreenTest, ADamagedVideoIsReportedAndPassedOver) {
  Enter(3);
  Tick(2);
  EXPECT_TRUE(Screen.Playing());
  Tick();
  EXPECT_FALSE(Screen.Playing());
  EXPECT_EQ(Messages.Messages,
            std::vector<std::string>{"The video Broken.avi could not be played: picture 3 is "
                                     "damaged"});
  EXPECT_EQ(Engine->EntryIndex, 4);
  EXPECT_EQ(Engine->GameMode, gmIntro);
}

TEST_F(VideoScreenTest, AVideoThatCannotBeOpenedIsReportedAndPassedOver) {
  Write("Missing.avi", "x");
  Write("Test.set", JoinLines({"Video Missing.avi", "Level A.map"}));
  // The progress of the fixture's longer episode would be reported as too long.
  std::filesystem::remove(Scratch / "Test.Progress");
  Engine->LoadEpisode("Test.set");
  Enter(0);
  EXPECT_FALSE(Screen.Playing());
  ASSERT_EQ(Messages.Messages.size(), 1u);
  EXPECT_EQ(Messages.Messages[0],
            "The video Missing.avi could not be played: File Missing 'Missing.avi'.");
  EXPECT_EQ(Engine->EntryIndex, 1);
  Screen.Draw(Engine->FrameSurface());
  EXPECT_EQ(Engine->FrameSurface().ScanLine(100)[100], 0) << "black, not a stale picture";
}

TEST_F(VideoScreenTest, WithVideosSwitchedOffEveryVideoIsPassedOverUnopened) {
  Screen.Enabled = false;
  Enter(2);
  EXPECT_TRUE(Log.Opened.empty());
  EXPECT_EQ(Engine->EntryIndex, 4) << "both videos passed over";
  EXPECT_EQ(Engine->GameMode, gmIntro);
  EXPECT_TRUE(Messages.Messages.empty());
}

TEST_F(VideoScreenTest, WithAClockTheVideoFollowsItFromTheStart) {
  std::int64_t now = 5000;
  Screen.Clock = [&now] { return now; };
  Enter(0);
  now = 5130;
  Tick();
  EXPECT_EQ(Screen.Elapsed(), 130);
  now = 5250;
  Tick();
  EXPECT_EQ(Engine->EntryIndex, 1) << "a slow frame does not hold the video back";
}

}  // namespace
}  // namespace qn2
