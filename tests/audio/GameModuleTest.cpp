#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SoundTestSupport.h"
#include "audio/GameModule.h"
#include "audio/PackageSoundFiles.h"

namespace qn2 {
namespace {

using testing::tSoundTest;

class GameModuleTest : public tSoundTest {
 protected:
  GameModuleTest() {
    Library.SetFileCallbacks(PackageSoundFileCallbacks());
    WriteGameFile("Music/First.xm", "first module");
    WriteGameFile("Music/Second.xm", "second module");
  }

  std::unique_ptr<tGameModule> Loaded(const std::string& name) {
    auto module = std::make_unique<tGameModule>(Library, Current, Settings);
    module->Load(name);
    return module;
  }

  tCurrentModule Current;
};

TEST_F(GameModuleTest, MusicVolumeSettingGivesHalfTheModuleRange) {
  EXPECT_EQ(128, MusicMasterVolume(10, true));
  EXPECT_EQ(64, MusicMasterVolume(5, true));
  EXPECT_EQ(12, MusicMasterVolume(1, true));
  EXPECT_EQ(0, MusicMasterVolume(0, true));
  EXPECT_EQ(0, MusicMasterVolume(10, false));

  auto module = Loaded("First.xm");
  Library.Calls.clear();
  Settings.MusicVolume = 1;
  module->Play();
  Settings.MusicOn = false;
  module->Play();
  const std::vector<std::string> expected = {
      "MusicVolume(Music\\First.xm,12)", "MusicPlay(Music\\First.xm)", "MusicStop(Music\\First.xm)",
      "MusicVolume(Music\\First.xm,0)", "MusicPlay(Music\\First.xm)"};
  EXPECT_EQ(expected, Library.Calls);
}

TEST_F(GameModuleTest, LoadsFromTheMusicFolderAndKeepsItsName) {
  auto module = Loaded("First.xm");
  EXPECT_EQ("first module", Library.FilesRead["Music\\First.xm"]);
  EXPECT_EQ("First.xm", module->Name());
  EXPECT_EQ(nullptr, Current.Module);  // loading does not make it current
}

TEST_F(GameModuleTest, StartingASecondModuleStopsTheFirst) {
  auto first = Loaded("First.xm");
  auto second = Loaded("Second.xm");
  first->Play();
  Library.Calls.clear();
  second->Play();
  EXPECT_EQ(second.get(), Current.Module);
  EXPECT_EQ(
      (std::vector<std::string>{"MusicStop(Music\\First.xm)", "MusicVolume(Music\\Second.xm,64)",
                                "MusicPlay(Music\\Second.xm)"}),
      Library.Calls);
}

TEST_F(GameModuleTest, DestroyingTheCurrentModuleLeavesNoneCurrent) {
  auto first = Loaded("First.xm");
  auto second = Loaded("Second.xm");
  first->Play();
  first.reset();
  EXPECT_EQ(nullptr, Current.Module);
  Library.Calls.clear();
  second->Play();
  EXPECT_TRUE(Library.CallsStartingWith("MusicStop").empty());
  // Destroying a module that is not current leaves the current one alone.
  auto third = Loaded("First.xm");
  third.reset();
  EXPECT_EQ(second.get(), Current.Module);
}

}  // namespace
}  // namespace qn2
