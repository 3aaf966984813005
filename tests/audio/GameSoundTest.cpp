#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SoundTestSupport.h"
#include "audio/GameSound.h"
#include "audio/SoundErrors.h"
#include "data/PackageFiles.h"

namespace qn2 {
namespace {

using testing::tSoundTest;

const std::vector<std::string> PlayerSamples = {"TeleportIn.wav", "TelePortOut.wav"};
const std::vector<std::string> UnitSamples = {
    "SpiderMunching.Wav", "SpiderExplosion.Wav",     "Splosh.Wav",
    "SlideStone.Wav",     "CollectKey.Wav",          "CollectGem.Wav",
    "ClearRubble.Wav",    "SnakeAngry.Wav",          "SnakeFire.Wav",
    "Fireball.Wav",       "SpiderAttack.Wav",        "SpiderShuffle.Wav",
    "SpiderTrapped.Wav",  "CherryBombExplosion.Wav", "CherryBombFuse.Wav",
    "DropBomb.Wav",       "CherryBombPickup.Wav",    "OpeningDoor.Wav",
    "DroidZap.Wav",       "PillarOut1.Wav",          "PillarOut2.Wav",
    "PillarOut3.Wav",     "PillarOut4.Wav",          "PillarIn.Wav",
    "PillarEnd.Wav"};
const std::vector<std::string> MenuSamples = {
    "MenuMove.wav", "MenuMouseMove.wav", "MenuSelect.wav",   "menuClose.wav",
    "Slider.wav",   "InvalidOption.wav", "MainMenuOpen.wav", "MainMenuClose.wav"};

std::vector<std::string> AllSamples() {
  std::vector<std::string> all = PlayerSamples;
  all.insert(all.end(), UnitSamples.begin(), UnitSamples.end());
  all.insert(all.end(), MenuSamples.begin(), MenuSamples.end());
  return all;
}

// Where a call was made; the number of calls when it was not.
std::ptrdiff_t IndexOf(const std::vector<std::string>& calls, const std::string& call) {
  return std::find(calls.begin(), calls.end(), call) - calls.begin();
}

class GameSoundTest : public tSoundTest {
 protected:
  GameSoundTest() {
    for (const std::string& name : AllSamples()) WriteGameFile("samples/" + name, name);
    WriteGameFile("Music/Theme.xm", "theme");
  }

  tGameSound Audio{Library};
};

TEST_F(GameSoundTest, InitOpensTheChosenOutputAndLoadsPlayerUnitAndMenuSamples) {
  Settings.SoundDevice = 1;
  std::vector<std::string> shown;
  SetKeepAliveHandler([&shown] { shown.push_back(LastMessage); });
  Audio.InitAudio();

  const std::vector<std::string>& calls = Library.Calls;
  const std::vector<std::string> opening = {"SetDriver(0)", "SetOutput(1)", "Init(44100,64,0)",
                                            "SfxMaster(255)"};
  EXPECT_EQ(opening, std::vector<std::string>(calls.begin() + 1, calls.begin() + 5));
  std::vector<std::string> expectedLoads;
  for (const std::string& name : AllSamples())
    expectedLoads.push_back("SampleLoad(samples\\" + name + ",304)");
  EXPECT_EQ(expectedLoads, Library.CallsStartingWith("SampleLoad"));
  EXPECT_EQ("TeleportIn.wav", Library.FilesRead["samples\\TeleportIn.wav"]);
  ASSERT_EQ(35u, shown.size());
  EXPECT_EQ("Loading samples\\TeleportIn.wav", shown.front());
  EXPECT_EQ("Loading samples\\MainMenuClose.wav", shown.back());
  EXPECT_EQ("DebugMessage('Sound Data Loaded')", LastMessage);
  EXPECT_EQ(255, Audio.EffectsFadeLevel());
  // The fuse burns as long as the bomb does.
  EXPECT_EQ((std::vector<std::string>{"SampleSetMode(samples\\CherryBombFuse.Wav,2)"}),
            Library.CallsStartingWith("SampleSetMode"));
}

TEST_F(GameSoundTest, AFailedInitIsRetriedOnceAndTheGameThenRunsSilent) {
  Library.InitResults = {false, false};
  Audio.InitAudio();
  EXPECT_EQ((std::vector<std::string>{"SetDriver(0)", "SetDriver(-1)"}),
            Library.CallsStartingWith("SetDriver"));
  EXPECT_EQ(2u, Library.CallsStartingWith("Init(").size());
  EXPECT_EQ(35u, Library.CallsStartingWith("SampleLoad").size());

  // The library refuses every sound: nothing escapes into the game's tick.
  Library.RefusePlays = true;
  EXPECT_EQ(-1, Audio.PlaySample("CollectGem.Wav"));
  Library.RefuseMusicPlay = true;
  ASSERT_TRUE(Audio.LoadMusic("Theme.xm"));
  EXPECT_NO_THROW(Audio.PlayMusic());
}

TEST_F(GameSoundTest, TheDriverChosenInTheMenuIsUsedWhenItsOutputOffersIt) {
  Audio.FillDriverLists();
  EXPECT_EQ((std::vector<std::string>{"SetOutput(0)", "SetOutput(1)", "SetOutput(2)"}),
            Library.CallsStartingWith("SetOutput"));
  EXPECT_EQ((std::vector<std::string>{"Primary", "Card 1", "Card 2"}), Audio.DriverNames(2));
  EXPECT_EQ((std::vector<std::string>{"Wave A", "Wave B"}), Audio.DriverNames(1));
  EXPECT_TRUE(Audio.DriverNames(3).empty());
  EXPECT_TRUE(Audio.DriverNames(-1).empty());

  Settings.SoundDriver = 2;
  Audio.InitAudio();
  Audio.ShutDownAudio();
  Settings.SoundDevice = 1;  // offers only two drivers
  Audio.InitAudio();
  EXPECT_EQ((std::vector<std::string>{"SetDriver(2)", "SetDriver(0)"}),
            Library.CallsStartingWith("SetDriver"));
}

TEST_F(GameSoundTest, AMissingSampleEndsInitWithItsMessage) {
  std::filesystem::remove("samples/Splosh.Wav");
  try {
    Audio.InitAudio();
    ADD_FAILURE() << "init went on without a sample";
  } catch (const EFileMissing& e) {
    EXPECT_STREQ("File Missing 'samples\\Splosh.ogg'.", e.what());
  }
  EXPECT_EQ("Loading samples\\Splosh.ogg", LastMessage);

  Audio.ShutDownAudio();
  Library.FailingLoads = {"samples\\MenuMove.wav"};
  WriteGameFile("samples/Splosh.Wav", "back");
  try {
    Audio.InitAudio();
    ADD_FAILURE() << "init went on without a sample";
  } catch (const eFSoundError& e) {
    EXPECT_STREQ("tSample.LoadWav(samples\\MenuMove.wav)\r", e.what());
  }
}

TEST_F(GameSoundTest, SamplesPlayByTheirNameInAnyLetterCase) {
  Audio.InitAudio();
  Library.Calls.clear();
  EXPECT_EQ(3, Audio.PlaySample("collectgem.wav"));
  EXPECT_EQ(4, Audio.PlaySample("CollectGem.Wav"));
  EXPECT_EQ((std::vector<std::string>{"PlaySound(-1,samples\\CollectGem.Wav)", "SetVolume(3,128)",
                                      "SetFrequency(3,44100)", "SetPan(3,128)"}),
            std::vector<std::string>(Library.Calls.begin(), Library.Calls.begin() + 4));
  EXPECT_EQ(-1, Audio.PlaySample("NoSuchSound.wav"));

  Library.Calls.clear();
  Settings.SoundOn = false;
  EXPECT_EQ(0, Audio.PlaySample("CollectGem.Wav"));
  EXPECT_TRUE(Library.Calls.empty());

  // The bomb's fuse channel is handled directly.
  Audio.SetChannelVolume(7, 64);
  Audio.StopChannel(7);
  EXPECT_EQ((std::vector<std::string>{"SetVolume(7,64)", "StopSound(7)"}), Library.Calls);
}

TEST_F(GameSoundTest, ShutDownFreesPlayerUnitAndMenuSamplesThenCloses) {
  Audio.InitAudio();
  Library.Calls.clear();
  Audio.ShutDownAudio();
  const std::vector<std::string>& calls = Library.Calls;
  ASSERT_EQ(36u, calls.size());
  EXPECT_EQ("SampleFree(samples\\TelePortOut.wav)", calls[0]);
  EXPECT_EQ("SampleFree(samples\\TeleportIn.wav)", calls[1]);
  EXPECT_EQ("SampleFree(samples\\PillarEnd.Wav)", calls[2]);
  EXPECT_EQ("SampleFree(samples\\SpiderMunching.Wav)", calls[26]);
  EXPECT_EQ("SampleFree(samples\\MainMenuClose.wav)", calls[27]);
  EXPECT_EQ("SampleFree(samples\\MenuMove.wav)", calls[34]);
  EXPECT_EQ("Close", calls[35]);
  // Freed samples are not played.
  Library.Calls.clear();
  EXPECT_EQ(-1, Audio.PlaySample("Splosh.Wav"));
  EXPECT_TRUE(Library.Calls.empty());
}

TEST_F(GameSoundTest, LoadMusicIsFalseWhenTheModuleCannotBeHad) {
  Audio.InitAudio();
  EXPECT_FALSE(Audio.LoadMusic("Missing.xm"));
  Library.FailingLoads = {"Music\\Theme.xm"};
  EXPECT_FALSE(Audio.LoadMusic("Theme.xm"));
  Library.Calls.clear();
  Audio.PlayMusic();
  Audio.StopMusic();
  EXPECT_TRUE(Library.Calls.empty());

  Library.FailingLoads.clear();
  EXPECT_TRUE(Audio.LoadMusic("Theme.xm"));
  EXPECT_EQ("theme", Library.FilesRead["Music\\Theme.xm"]);
  Audio.PlayMusic();
  Audio.StopMusic();
  Audio.UnloadMusic();
  EXPECT_EQ(
      (std::vector<std::string>{"MusicLoad(Music\\Theme.xm)", "MusicVolume(Music\\Theme.xm,64)",
                                "MusicPlay(Music\\Theme.xm)", "MusicStop(Music\\Theme.xm)",
                                "MusicFree(Music\\Theme.xm)"}),
      Library.Calls);
}

TEST_F(GameSoundTest, ReinitPlaysTheLoadedMusicAgainOnTheNewOutput) {
  Audio.InitAudio();
  ASSERT_TRUE(Audio.LoadMusic("Theme.xm"));
  Audio.PlayMusic();
  Settings.SoundDevice = 0;
  Library.Calls.clear();
  Audio.ReinitAudio();

  const std::vector<std::string>& calls = Library.Calls;
  EXPECT_EQ("MusicFree(Music\\Theme.xm)", calls.front());
  const auto close = IndexOf(calls, "Close");
  const auto output = IndexOf(calls, "SetOutput(0)");
  const auto load = IndexOf(calls, "MusicLoad(Music\\Theme.xm)");
  const auto play = IndexOf(calls, "MusicPlay(Music\\Theme.xm)");
  EXPECT_LT(close, output);
  EXPECT_LT(output, load);
  EXPECT_LT(load, play);
  EXPECT_LT(play, static_cast<std::ptrdiff_t>(calls.size()));
  EXPECT_EQ(35u, Library.CallsStartingWith("SampleLoad").size());

  // Without music, reinit loads none.
  Audio.UnloadMusic();
  Library.Calls.clear();
  Audio.ReinitAudio();
  EXPECT_TRUE(Library.CallsStartingWith("MusicLoad").empty());
}

TEST_F(GameSoundTest, FocusFadeFollowsTheWindowsAndInitRestoresTheEffects) {
  Audio.InitAudio();
  Audio.FocusFade(false, false);
  Audio.FocusFade(false, false);
  EXPECT_EQ(243, Audio.EffectsFadeLevel());
  Audio.FocusFade(true, false);
  EXPECT_EQ(255, Audio.EffectsFadeLevel());
  for (int i = 0; i < 50; ++i) Audio.FocusFade(false, false);
  EXPECT_EQ(0, Audio.EffectsFadeLevel());
  Audio.ReinitAudio();
  EXPECT_EQ(255, Audio.EffectsFadeLevel());
}

TEST(GameSoundPort, TheGameFallsBackToSilenceWhenTheServiceGoes) {
  testing::tFakeSoundLibrary library;
  {
    tGameSound sound(library);
    SetSound(&sound);
    EXPECT_EQ(&sound, &qn2::Sound());
  }
  EXPECT_EQ(0, qn2::Sound().PlaySample("CollectGem.Wav"));
  EXPECT_EQ("SetFileCallbacks", library.Calls.front());
}

}  // namespace
}  // namespace qn2
