#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakeSoundLibrary.h"
#include "audio/Module.h"
#include "audio/Sample.h"
#include "audio/SoundErrors.h"

namespace qn2 {
namespace {

using testing::tFakeSoundLibrary;

template <class E, class F>
std::string MessageRaised(F action) {
  try {
    action();
  } catch (const E& e) {
    return e.what();
  }
  return "nothing raised";
}

TEST(SoundWrappers, FailedLoadsRaiseTheOperationFollowedByACarriageReturn) {
  tFakeSoundLibrary library;
  library.FailingLoads = {"Bad.wav", "bad", "Bad.xm"};
  tSample sample(library);
  tModule module(library);

  EXPECT_EQ("tSample.LoadWav(Bad.wav)\r",
            MessageRaised<eFSoundError>([&] { sample.LoadWav("Bad.wav"); }));
  EXPECT_EQ("tSample.LoadWavMemory\r",
            MessageRaised<eFSoundError>([&] { sample.LoadWavMemory("bad", 3); }));
  EXPECT_EQ("tSample.LoadRaw\r",
            MessageRaised<eFSoundError>([&] { sample.LoadRaw("Bad.wav", Sample8Bits); }));
  EXPECT_EQ("tSample.LoadmpgMemory\r",
            MessageRaised<eFSoundError>([&] { sample.LoadmpgMemory("bad", 3); }));
  EXPECT_FALSE(sample.Loaded());
  EXPECT_EQ("tModule.Load\r", MessageRaised<eFMusicError>([&] { module.Load("Bad.xm"); }));
  EXPECT_EQ("tModule.LoadFromMemory\r",
            MessageRaised<eFMusicError>([&] { module.LoadFromMemory("bad", 3); }));
  EXPECT_FALSE(module.Loaded());

  // Both failure classes are the game's general exception.
  EXPECT_EQ("tModule.Play\r", MessageRaised<Exception>([&] { module.Play(); }));
  library.FailDefaults = true;
  EXPECT_EQ("tSample.GetDefaults\r", MessageRaised<Exception>([&] { sample.GetDefaults(); }));
  // Raw data is loaded with the mode asked for.
  EXPECT_EQ("SampleLoad(Bad.wav," + std::to_string(Sample8Bits | SampleLoadRaw) + ")",
            library.CallsStartingWith("SampleLoad(")[1]);
}

TEST(SoundWrappers, APlayWithoutAChannelRaisesItsOwnMessage) {
  tFakeSoundLibrary library;
  tSample sample(library);
  sample.LoadWavMemory("wave", 4);
  library.RefusePlays = true;

  EXPECT_EQ("tSample.Play\r", MessageRaised<eFSoundError>([&] { sample.Play(); }));
  EXPECT_EQ("tSample.PlayOnChannel\r",
            MessageRaised<eFSoundError>([&] { sample.PlayOnChannel(5); }));
  EXPECT_EQ("tSample.PlayAttrib\r",
            MessageRaised<eFSoundError>([&] { sample.PlayAttrib(44100, 9, 128); }));
  EXPECT_EQ("tSample.PlayAttribOnChannel\r",
            MessageRaised<eFSoundError>([&] { sample.PlayAttribOnChannel(5, 44100, 9, 128); }));
  // Nothing is set on a channel that was never given.
  EXPECT_TRUE(library.CallsStartingWith("Set").empty());
}

TEST(SoundWrappers, PlayingSetsVolumeFrequencyAndPanInThatOrder) {
  tFakeSoundLibrary library;
  tSample sample(library);
  sample.LoadWavMemory("wave", 4);
  library.Calls.clear();

  EXPECT_EQ(3, sample.PlayAttrib(22050, 200, 17));
  EXPECT_EQ(7, sample.PlayAttribOnChannel(7, 11025, 5, 240));
  EXPECT_EQ(4, sample.Play());
  EXPECT_EQ(9, sample.PlayOnChannel(9));
  const std::vector<std::string> expected = {
      "PlaySound(-1,memory:wave)", "SetVolume(3,200)", "SetFrequency(3,22050)",    "SetPan(3,17)",
      "PlaySound(7,memory:wave)",  "SetVolume(7,5)",   "SetFrequency(7,11025)",    "SetPan(7,240)",
      "PlaySound(-1,memory:wave)", "SetPan(4,-1)",     "PlaySound(9,memory:wave)", "SetPan(9,-1)"};
  EXPECT_EQ(expected, library.Calls);
}

TEST(SoundWrappers, LoadingAgainFreesTheOldObjectAndDestroyingFreesTheLast) {
  tFakeSoundLibrary library;
  {
    tSample sample(library);
    tModule module(library);
    sample.LoadWavMemory("one", 3);
    sample.LoadWavMemory("two", 3);
    module.LoadFromMemory("song1", 5);
    module.LoadFromMemory("song2", 5);
    module.Unload();
    module.LoadFromMemory("song3", 5);
  }
  const std::vector<std::string> expected = {"SampleLoadMemory(one)",   "SampleFree(memory:one)",
                                             "SampleLoadMemory(two)",   "MusicLoadMemory(song1)",
                                             "MusicFree(memory:song1)", "MusicLoadMemory(song2)",
                                             "MusicFree(memory:song2)", "MusicLoadMemory(song3)",
                                             "MusicFree(memory:song3)", "SampleFree(memory:two)"};
  EXPECT_EQ(expected, library.Calls);
}

}  // namespace
}  // namespace qn2
