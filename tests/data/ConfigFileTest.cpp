#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "common/Exception.h"
#include "data/ConfigFile.h"
#include "support/ScratchFolder.h"

namespace qn2 {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

using tLines = std::vector<std::string>;

class tCollectedMessages : public tMessageSink {
 public:
  void ShowMessage(const std::string& text) override { Texts.push_back(text); }
  tLines Texts;
};

// Reads the lines into default settings, collecting the messages.
struct tReadResult {
  tSettings Settings;
  tLines Messages;
};

tReadResult Read(const tLines& lines) {
  tReadResult result;
  tCollectedMessages messages;
  ApplyConfigLines(lines, result.Settings, messages);
  result.Messages = messages.Texts;
  return result;
}

class ConfigFileTest : public ::testing::Test {
 protected:
  void SetUp() override { FileName = (Folder / "Config.cfg").string(); }

  void WriteText(const std::string& text) const {
    std::ofstream(FileName, std::ios::binary) << text;
  }
  std::string ReadText() const {
    std::ifstream in(FileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  testing::tScratchFolder Scratch;
  fs::path Folder = Scratch.path();
  std::string FileName;
};

TEST_F(ConfigFileTest, DefaultsAreWrittenAsTwelveCrLfLinesInFixedOrder) {
  SaveConfig(tSettings{}, FileName);
  EXPECT_EQ(ReadText(),
            "SoundOn=True\r\nSoundVolume=5\r\nMusicOn=True\r\nMusicVolume=5\r\n"
            "SoundDriver=0\r\nSoundDevice=2\r\nDisplayBrightness=1.1\r\nFullScreen=True\r\n"
            "Dialogs=True\r\nBitBlt=False\r\nAnimateWater=True\r\nSystemMemoryBackBuffer=True\r\n");
}

TEST_F(ConfigFileTest, SavedSettingsLoadBackUnchanged) {
  tSettings saved;
  saved.SoundOn = false;
  saved.SoundVolume = 0;
  saved.MusicOn = false;
  saved.MusicVolume = 10;
  saved.SoundDriver = 3;
  saved.SoundDevice = -1;
  saved.DisplayBrightness = 0.495f;
  saved.FullScreen = false;
  saved.Dialogs = false;
  saved.BitBlt = true;
  saved.AnimateWater = false;
  saved.SystemMemoryBackBuffer = false;
  SaveConfig(saved, FileName);

  tSettings loaded;
  tCollectedMessages messages;
  ASSERT_TRUE(LoadConfig(loaded, messages, FileName));
  EXPECT_TRUE(messages.Texts.empty());
  EXPECT_EQ(ConfigLines(loaded), ConfigLines(saved));
  EXPECT_EQ(loaded.DisplayBrightness, 0.495f);
  EXPECT_NE(ReadText().find("AnimateWater=False\r\n"), std::string::npos);
}

TEST_F(ConfigFileTest, MissingFileKeepsEverySetting) {
  tSettings settings;
  settings.SoundVolume = 8;
  tCollectedMessages messages;
  EXPECT_FALSE(LoadConfig(settings, messages, FileName));
  EXPECT_EQ(settings.SoundVolume, 8);
  EXPECT_EQ(ConfigLines(settings)[0], "SoundOn=True");
  EXPECT_TRUE(messages.Texts.empty());
}

TEST_F(ConfigFileTest, TruncatedFileKeepsWhatItHoldsAndReportsTheCutValue) {
  WriteText("SoundVolume=7\r\nMusicVolume=2\nBitBlt=True\rMusicOn=fa");
  tSettings settings;
  tCollectedMessages messages;
  ASSERT_TRUE(LoadConfig(settings, messages, FileName));
  EXPECT_EQ(settings.SoundVolume, 7);
  EXPECT_EQ(settings.MusicVolume, 2);
  EXPECT_TRUE(settings.BitBlt);
  EXPECT_TRUE(settings.MusicOn);
  // The cut file is kept aside before the game writes its settings over it.
  EXPECT_EQ(messages.Texts,
            (tLines{"Parameter MusicOn has an invalid value.\rDefaulting to True",
                    "The configuration file \"" + FileName + "\" is damaged; it is kept as \"" +
                        FileName + ".damaged\"."}));
  std::ifstream kept(FileName + ".damaged", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), ReadText());
}

TEST_F(ConfigFileTest, GarbageLinesAreIgnoredAndTheBinaryFileIsKeptAside) {
  WriteText(
      "\x00\xff\x12garbage\r\n=\r\n==\r\nSoundOn\r\nMusicVolume 3\r\nVolume=3\r\nSoundVolume=4\r\n"s);
  tSettings settings;
  tCollectedMessages messages;
  ASSERT_TRUE(LoadConfig(settings, messages, FileName));
  EXPECT_EQ(messages.Texts, tLines{"The configuration file \"" + FileName +
                                   "\" is damaged; it is kept as \"" + FileName + ".damaged\"."});
  EXPECT_EQ(settings.SoundVolume, 4);
  EXPECT_EQ(settings.MusicVolume, 5);
  EXPECT_TRUE(settings.SoundOn);
}

TEST(ConfigLinesTest, SpacesAndLetterCaseDoNotMatterAndLaterLinesWin) {
  const auto r = Read({" Sound Volume = 3 ", "MUSICON=FALSE", "animatewater = False",
                       "SoundVolume=9", "dialogs=fAlSe"});
  EXPECT_TRUE(r.Messages.empty());
  EXPECT_EQ(r.Settings.SoundVolume, 9);
  EXPECT_FALSE(r.Settings.MusicOn);
  EXPECT_FALSE(r.Settings.AnimateWater);
  EXPECT_FALSE(r.Settings.Dialogs);
}

TEST(ConfigLinesTest, InvalidSwitchNamesTheKeyAsWrittenAndFallsBack) {
  const struct {
    const char* Line;
    const char* Message;
    bool tSettings::*Field;
    bool Fallback;
  } cases[] = {
      {"soundON=yes", "Parameter soundON has an invalid value.\rDefaulting to True",
       &tSettings::SoundOn, true},
      {"MusicOn=1", "Parameter MusicOn has an invalid value.\rDefaulting to True",
       &tSettings::MusicOn, true},
      {"FullScreen=", "Parameter FullScreen has an invalid value.\rDefaulting to False",
       &tSettings::FullScreen, false},
      {"SystemMemoryBackBuffer=no",
       "Parameter SystemMemoryBackBuffer has an invalid value.\rDefaulting to True",
       &tSettings::SystemMemoryBackBuffer, true},
      {"Dialogs=off", "Parameter Dialogs has an invalid value.\rDefaulting to True",
       &tSettings::Dialogs, true},
      {"BitBlt=truee", "Parameter BitBlt has an invalid value.\rDefaulting to False",
       &tSettings::BitBlt, false},
      {"Animate Water=t", "Parameter AnimateWater has an invalid value.\rDefaulting to True",
       &tSettings::AnimateWater, true},
  };
  for (const auto& c : cases) {
    tSettings settings;
    settings.*c.Field = !c.Fallback;
    tCollectedMessages messages;
    ApplyConfigLines({c.Line}, settings, messages);
    EXPECT_EQ(messages.Texts, tLines{c.Message}) << c.Line;
    EXPECT_EQ(settings.*c.Field, c.Fallback) << c.Line;
  }
}

TEST(ConfigLinesTest, VolumesOutsideTheRangeAreClampedWithAMessage) {
  const auto r = Read({"SoundVolume=11", "MusicVolume=-1", "SoundVolume=loud",
                       "MusicVolume=", "SoundVolume=99999999999"});
  EXPECT_EQ(r.Messages, (tLines{
                            "Parameter SoundVolume has an invalid value.\r10 used instead.",
                            "Parameter MusicVolume has an invalid value.\r0 used instead.",
                            "Parameter SoundVolume has an invalid value.\rDefaulting to 5",
                            "Parameter MusicVolume has an invalid value.\rDefaulting to 5",
                            "Parameter SoundVolume has an invalid value.\rDefaulting to 5",
                        }));
  EXPECT_EQ(r.Settings.SoundVolume, 5);
  EXPECT_EQ(r.Settings.MusicVolume, 5);

  EXPECT_EQ(Read({"SoundVolume=11"}).Settings.SoundVolume, 10);
  EXPECT_EQ(Read({"MusicVolume=-4"}).Settings.MusicVolume, 0);
  const auto edges = Read({"SoundVolume=0", "MusicVolume=+10"});
  EXPECT_TRUE(edges.Messages.empty());
  EXPECT_EQ(Read({"SoundVolume=+-3"}).Settings.SoundVolume, 5);
  EXPECT_EQ(edges.Settings.SoundVolume, 0);
  EXPECT_EQ(edges.Settings.MusicVolume, 10);
}

TEST(ConfigLinesTest, BrightnessIsAcceptedWithinAHundredthOfItsRange) {
  EXPECT_FLOAT_EQ(Read({"DisplayBrightness=0.495"}).Settings.DisplayBrightness, 0.495f);
  EXPECT_FLOAT_EQ(Read({"DisplayBrightness=2.705"}).Settings.DisplayBrightness, 2.705f);
  EXPECT_TRUE(Read({"DisplayBrightness=0.495", "DisplayBrightness=2.705"}).Messages.empty());

  const auto low = Read({"DisplayBrightness=0.48"});
  EXPECT_EQ(low.Settings.DisplayBrightness, 0.5f);
  EXPECT_EQ(low.Messages,
            tLines{"Parameter DisplayBrightness has an invalid value.\r0.5 used instead."});
  const auto high = Read({"DisplayBrightness=3"});
  EXPECT_EQ(high.Settings.DisplayBrightness, 2.7f);
  EXPECT_EQ(high.Messages,
            tLines{"Parameter DisplayBrightness has an invalid value.\r2.7 used instead."});
}

TEST(ConfigLinesTest, BrightnessThatIsNotANumberKeepsTheCurrentValue) {
  const auto r = Read({"DisplayBrightness=2", "DisplayBrightness=bright", "DisplayBrightness=nan",
                       "DisplayBrightness=inf", "DisplayBrightness=1,5"});
  EXPECT_EQ(r.Settings.DisplayBrightness, 2.0f);
  const std::string message = "Parameter DisplayBrightness has an invalid value.\rDefaulting to 2";
  EXPECT_EQ(r.Messages, (tLines{message, message, message, message}));

  EXPECT_EQ(Read({"DisplayBrightness="}).Messages,
            tLines{"Parameter DisplayBrightness has an invalid value.\rDefaulting to 1.1"});
}

TEST(ConfigLinesTest, SoundDriverAndDeviceFallBackToZero) {
  const auto bad = Read({"SoundDriver=first", "SoundDevice=dsound"});
  EXPECT_EQ(bad.Messages, (tLines{"Parameter SoundDriver has an invalid Value, defaulting to 0",
                                  "Parameter SoundDevice has an invalid Value, defaulting to 0"}));
  EXPECT_EQ(bad.Settings.SoundDriver, 0);
  EXPECT_EQ(bad.Settings.SoundDevice, 0);

  // No range test: the driver is taken as it stands and the device keeps its low byte.
  const auto odd = Read({"SoundDriver=-3", "SoundDevice=257"});
  EXPECT_TRUE(odd.Messages.empty());
  EXPECT_EQ(odd.Settings.SoundDriver, -3);
  EXPECT_EQ(odd.Settings.SoundDevice, 1);
  EXPECT_EQ(Read({"SoundDevice=255"}).Settings.SoundDevice, -1);
}

TEST_F(ConfigFileTest, UnwritableFileRaises) {
  fs::create_directory(FileName);
  EXPECT_THROW(SaveConfig(tSettings{}, FileName), EFileError);
}

TEST(ConfigCommandLineTest, SwitchMatchesWithOneLeadingDashOrSlashInAnyCase) {
  EXPECT_TRUE(IsSwitch({"/fullscreen"}, "FullScreen"));
  EXPECT_TRUE(IsSwitch({"-FULLSCREEN"}, "FullScreen"));
  EXPECT_TRUE(IsSwitch({"-Set", "x.set", "-NoVideo"}, "NoVideo"));
  EXPECT_FALSE(IsSwitch({"--FullScreen"}, "FullScreen"));
  EXPECT_FALSE(IsSwitch({"-FullScreenX", "-Full"}, "FullScreen"));
  EXPECT_FALSE(IsSwitch({}, "FullScreen"));
}

TEST(ConfigCommandLineTest, ValueSwitchGivesJoinedValueInUpperCaseOrNextArgumentUnchanged) {
  EXPECT_EQ(SwitchValue({"-setExtra.set"}, "Set"), "EXTRA.SET");
  EXPECT_EQ(SwitchValue({"/Set:Extra.set"}, "Set"), "EXTRA.SET");
  EXPECT_EQ(SwitchValue({"-Set=Levels\\Extra.set"}, "Set"), "LEVELS\\EXTRA.SET");
  EXPECT_EQ(SwitchValue({"-Set", "Extra.set"}, "Set"), "Extra.set");
  EXPECT_EQ(SwitchValue({"-NoVideo", "/SET", "My Levels.set", "-Set:b.set"}, "Set"),
            "My Levels.set");
  EXPECT_EQ(SwitchValue({"-NoVideo", "-Set"}, "Set"), "");
  EXPECT_EQ(SwitchValue({"-NoVideo"}, "Set"), "");
}

TEST(ConfigCommandLineTest, SwitchesOverrideTheSettings) {
  tSettings settings;
  settings.SystemMemoryBackBuffer = false;
  settings.FullScreen = false;
  tStartupOptions options;
  const tLines args{"-UseSystemMemoryBackBuffer",
                    "/novideo",
                    "-ShowDebugMessages",
                    "-DontForceExclusiveMode",
                    "-FullScreen",
                    "-Set",
                    "Missing.set"};
  ApplyWindowSwitches(args, settings, options, [](const std::string&) { return false; });
  EXPECT_TRUE(settings.SystemMemoryBackBuffer);
  EXPECT_TRUE(options.NoVideo);
  EXPECT_TRUE(options.ShowDebugMessages);
  EXPECT_TRUE(options.DontForceExclusiveMode);
  EXPECT_EQ(options.LevelSetFileName, "QuibNar.set");
  EXPECT_FALSE(settings.FullScreen);  // not before the deferred start-up

  ApplyWindowSwitches({"-Set:extra.set"}, settings, options,
                      [](const std::string& name) { return name == "EXTRA.SET"; });
  EXPECT_EQ(options.LevelSetFileName, "EXTRA.SET");

  ApplyDeferredSwitches(args, settings, options);
  EXPECT_TRUE(settings.FullScreen);
  EXPECT_FALSE(settings.BitBlt);
  EXPECT_TRUE(options.AskDisplayMode);
}

TEST(ConfigCommandLineTest, CompatibilityModeWinsOverFullScreen) {
  tSettings settings;
  tStartupOptions options;
  ApplyDeferredSwitches({"-CompatibilityMode", "-FullScreen"}, settings, options);
  EXPECT_FALSE(settings.FullScreen);
  EXPECT_TRUE(settings.BitBlt);
  EXPECT_EQ(settings.SoundDevice, 0);
  EXPECT_FALSE(options.AskDisplayMode);
}

}  // namespace
}  // namespace qn2
