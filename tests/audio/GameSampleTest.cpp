#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SoundTestSupport.h"
#include "audio/GameSample.h"
#include "audio/PackageSoundFiles.h"
#include "data/PackageFiles.h"

namespace qn2 {
namespace {

using testing::tSoundTest;

class GameSampleTest : public tSoundTest {
 protected:
  GameSampleTest() { Library.SetFileCallbacks(PackageSoundFileCallbacks()); }

  // Loads a sample whose file is "samples/Splosh.Wav" and forgets the calls so far.
  void LoadSplosh(tGameSample& sample) {
    WriteGameFile("samples/Splosh.Wav", "wave");
    sample.LoadWav("Splosh.Wav");
    Library.Calls.clear();
  }
};

TEST_F(GameSampleTest, EffectsVolumeScalesTheDefaultRoundingTiesToEven) {
  EXPECT_EQ(255, EffectsVolume(255, 10));
  EXPECT_EQ(128, EffectsVolume(255, 5));  // 127.5
  EXPECT_EQ(76, EffectsVolume(255, 3));   // 76.5
  EXPECT_EQ(26, EffectsVolume(255, 1));   // 25.5
  EXPECT_EQ(178, EffectsVolume(255, 7));  // 178.5
  EXPECT_EQ(0, EffectsVolume(255, 0));

  tGameSample sample(Library, Settings);
  LoadSplosh(sample);
  Library.Defaults = {22050, 200, 90, 128};
  Settings.SoundVolume = 3;
  EXPECT_EQ(3, sample.Play());
  EXPECT_EQ(9, sample.PlayOnChannel(9));
  const std::vector<std::string> expected = {"PlaySound(-1,samples\\Splosh.Wav)",
                                             "SetVolume(3,60)",
                                             "SetFrequency(3,22050)",
                                             "SetPan(3,90)",
                                             "PlaySound(9,samples\\Splosh.Wav)",
                                             "SetVolume(9,60)",
                                             "SetFrequency(9,22050)",
                                             "SetPan(9,90)"};
  EXPECT_EQ(expected, Library.Calls);
}

TEST_F(GameSampleTest, EffectsVolumeZeroStillPlaysButEffectsOffPlaysNothing) {
  tGameSample sample(Library, Settings);
  LoadSplosh(sample);
  Settings.SoundVolume = 0;
  EXPECT_EQ(3, sample.Play());
  EXPECT_EQ((std::vector<std::string>{"PlaySound(-1,samples\\Splosh.Wav)", "SetVolume(3,0)",
                                      "SetFrequency(3,44100)", "SetPan(3,128)"}),
            Library.Calls);

  Library.Calls.clear();
  Settings.SoundOn = false;
  Settings.SoundVolume = 10;
  EXPECT_EQ(0, sample.Play());
  EXPECT_EQ(0, sample.PlayOnChannel(6));
  EXPECT_TRUE(Library.Calls.empty());
}

TEST_F(GameSampleTest, AMissingWaveFallsBackToMp3ThenOgg) {
  WriteGameFile("samples/Splosh.ogg", "ogg data");
  EXPECT_EQ("samples\\Splosh.ogg", GameSampleFileName("Splosh.Wav"));
  tGameSample sample(Library, Settings);
  sample.LoadWav("Splosh.Wav");
  EXPECT_EQ("ogg data", Library.FilesRead["samples\\Splosh.ogg"]);

  WriteGameFile("samples/Splosh.mp3", "mp3 data");
  EXPECT_EQ("samples\\Splosh.mp3", GameSampleFileName("Splosh.Wav"));
  // The wave file itself wins, found in any letter case.
  WriteGameFile("samples/splosh.wav", "wave");
  EXPECT_EQ("samples\\Splosh.Wav", GameSampleFileName("Splosh.Wav"));
  // Only the file name's extension changes.
  EXPECT_EQ("samples\\Menu.Sounds\\Tick.ogg", GameSampleFileName("Menu.Sounds\\Tick.wav"));
  EXPECT_EQ("samples\\Tick.ogg", GameSampleFileName("Tick"));
}

TEST_F(GameSampleTest, ASampleFoundNowhereIsOpenedAsOggAndReportedMissing) {
  tGameSample sample(Library, Settings);
  try {
    sample.LoadWav("Nowhere.Wav");
    ADD_FAILURE() << "loaded a missing sample";
  } catch (const EFileMissing& e) {
    EXPECT_STREQ("File Missing 'samples\\Nowhere.ogg'.", e.what());
  }
  EXPECT_EQ((std::vector<std::string>{"SampleLoad(samples\\Nowhere.ogg,304)"}),
            Library.CallsStartingWith("SampleLoad"));
}

TEST_F(GameSampleTest, LoadingShowsTheFileNameAndKeepsTheWindowAlive) {
  WriteGameFile("samples/CollectGem.Wav", "gem");
  std::vector<std::string> seen;
  SetKeepAliveHandler([&seen] { seen.push_back(LastMessage); });
  tGameSample sample(Library, Settings);
  sample.LoadWav("CollectGem.Wav");
  EXPECT_EQ((std::vector<std::string>{"Loading samples\\CollectGem.Wav"}), seen);
  EXPECT_EQ("gem", Library.FilesRead["samples\\CollectGem.Wav"]);
}

TEST_F(GameSampleTest, FileCallbacksReadSeekAndTellThePackagedFile) {
  WriteGameFile("Music/Song.xm", "0123456789");
  const tSoundFileCallbacks files = PackageSoundFileCallbacks();
  const tSoundFileHandle file = files.Open("Music\\SONG.XM");
  ASSERT_NE(nullptr, file);
  char buffer[16] = {};
  EXPECT_EQ(4u, files.Read(buffer, 4, file));
  EXPECT_EQ("0123", std::string(buffer, 4));
  EXPECT_EQ(4, files.Tell(file));
  EXPECT_EQ(0, files.Seek(file, 7, 0));
  EXPECT_EQ(7, files.Tell(file));
  EXPECT_EQ(0, files.Seek(file, -2, 1));
  EXPECT_EQ(5, files.Tell(file));
  EXPECT_EQ(0, files.Seek(file, -3, 2));
  EXPECT_EQ(7, files.Tell(file));
  EXPECT_EQ(0, files.Seek(file, 1, 3));  // unknown mode: ignored
  EXPECT_EQ(7, files.Tell(file));
  EXPECT_NE(0, files.Seek(file, -1, 0));  // before the start: refused
  EXPECT_EQ(7, files.Tell(file));
  EXPECT_EQ(3u, files.Read(buffer, sizeof buffer, file));
  EXPECT_EQ(0u, files.Read(buffer, sizeof buffer, file));
  files.Close(file);
  EXPECT_THROW(files.Open("Music\\Missing.xm"), EFileMissing);
}

}  // namespace
}  // namespace qn2
