#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SoundTestSupport.h"
#include "audio/FocusFade.h"

namespace qn2 {
namespace {

using testing::tSoundTest;

class FocusFadeTest : public tSoundTest {
 protected:
  FocusFadeTest() : Module(Library, Current, Settings) {
    Module.LoadFromMemory("song", 4);
    Current.Module = &Module;
  }

  // Runs ticks and returns the music volumes set meanwhile.
  std::vector<std::string> Ticks(int count, bool applicationActive, bool windowActive) {
    Library.Calls.clear();
    for (int i = 0; i < count; ++i)
      Fade.Step(applicationActive, windowActive, Settings, Library, Current.Module);
    return Library.CallsStartingWith("MusicVolume");
  }

  tCurrentModule Current;
  tGameModule Module;
  tFocusFade Fade;
};

TEST_F(FocusFadeTest, EffectsFadeOutInFortyThreeTicksAndBackFifteenATick) {
  Ticks(42, false, false);
  EXPECT_EQ(3, Fade.Effects());
  Ticks(1, false, false);
  EXPECT_EQ(0, Fade.Effects());
  Ticks(5, false, false);
  EXPECT_EQ(0, Fade.Effects());
  EXPECT_EQ((std::vector<std::string>(5, "SfxMaster(0)")), Library.CallsStartingWith("Sfx"));

  Ticks(1, true, false);
  EXPECT_EQ(15, Fade.Effects());
  Ticks(1, true, true);
  EXPECT_EQ(30, Fade.Effects());
  EXPECT_EQ((std::vector<std::string>{"SfxMaster(30)"}), Library.CallsStartingWith("Sfx"));
  Ticks(16, true, true);
  EXPECT_EQ(255, Fade.Effects());
}

TEST_F(FocusFadeTest, MusicStepsDownATenthEveryEightTicksAndComesBackAtOnce) {
  Settings.MusicVolume = 10;
  EXPECT_EQ((std::vector<std::string>{"MusicVolume(memory:song,128)"}), Ticks(1, true, true));
  EXPECT_TRUE(Ticks(5, true, true).empty());  // nothing changed

  // Another window of the game's is active: the music steps down on the 7th, 15th...
  // tick, to nothing after ten steps.
  EXPECT_TRUE(Ticks(6, true, false).empty());
  EXPECT_EQ((std::vector<std::string>{"MusicVolume(memory:song,115)"}), Ticks(1, true, false));
  EXPECT_TRUE(Ticks(7, true, false).empty());
  EXPECT_EQ((std::vector<std::string>{"MusicVolume(memory:song,102)"}), Ticks(1, true, false));
  const std::vector<std::string> rest = Ticks(64, false, false);
  ASSERT_EQ(8u, rest.size());
  EXPECT_EQ("MusicVolume(memory:song,12)", rest[6]);
  EXPECT_EQ("MusicVolume(memory:song,0)", rest[7]);
  EXPECT_EQ(0, Fade.Music());
  EXPECT_EQ((std::vector<std::string>{"MusicVolume(memory:song,0)"}), Ticks(8, false, false));

  // Back in front: the setting at once, and the idle count starts again.
  EXPECT_EQ((std::vector<std::string>{"MusicVolume(memory:song,128)"}), Ticks(1, true, true));
  EXPECT_TRUE(Ticks(6, false, false).empty());
  EXPECT_EQ((std::vector<std::string>{"MusicVolume(memory:song,115)"}), Ticks(1, false, false));
}

TEST_F(FocusFadeTest, AGameStartedInTheBackgroundStepsDownFromTheSetting) {
  Settings.MusicVolume = 5;
  EXPECT_TRUE(Ticks(6, true, false).empty());
  EXPECT_EQ((std::vector<std::string>{"MusicVolume(memory:song,51)"}), Ticks(1, true, false));
  EXPECT_EQ(4, Fade.Music());
}

TEST_F(FocusFadeTest, MusicOffSilencesTheModuleOnceAndOnRestoresIt) {
  Settings.MusicVolume = 5;
  Ticks(1, true, true);
  Settings.MusicOn = false;
  EXPECT_EQ((std::vector<std::string>{"MusicVolume(memory:song,0)"}), Ticks(20, false, false));
  Settings.MusicOn = true;
  EXPECT_EQ((std::vector<std::string>{"MusicVolume(memory:song,64)"}), Ticks(1, true, true));
  // A new setting is applied on the next tick.
  Settings.MusicVolume = 1;
  EXPECT_EQ((std::vector<std::string>{"MusicVolume(memory:song,12)"}), Ticks(3, true, true));
}

TEST_F(FocusFadeTest, WithoutACurrentModuleOnlyTheLevelsMove) {
  Current.Module = nullptr;
  Settings.MusicVolume = 4;
  EXPECT_TRUE(Ticks(1, true, true).empty());
  EXPECT_EQ(4, Fade.Music());
  EXPECT_TRUE(Ticks(7, false, false).empty());
  EXPECT_EQ(3, Fade.Music());
}

}  // namespace
}  // namespace qn2
