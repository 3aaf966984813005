#include "platform/MixerSoundLibrary.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "audio/PackageSoundFiles.h"
#include "data/PackageFiles.h"
#include "support/ScratchFolder.h"

namespace qn2 {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

void PutText(Bytes& out, const std::string& text, std::size_t width) {
  for (std::size_t i = 0; i < width; ++i) out.push_back(i < text.size() ? text[i] : 0);
}

// A tone as 16-bit mono samples at 44100 Hz.
std::vector<std::int16_t> Tone(double seconds) {
  std::vector<std::int16_t> pcm(static_cast<std::size_t>(seconds * 44100));
  for (std::size_t i = 0; i < pcm.size(); ++i)
    pcm[i] = static_cast<std::int16_t>(12000 * std::sin(i * 2 * 3.14159265 * 440 / 44100));
  return pcm;
}

Bytes RawPcm(const std::vector<std::int16_t>& pcm) {
  Bytes out;
  for (std::int16_t v : pcm) Put16(out, static_cast<std::uint16_t>(v));
  return out;
}

Bytes Wave(const std::vector<std::int16_t>& pcm) {
  const Bytes data = RawPcm(pcm);
  Bytes out;
  PutText(out, "RIFF", 4);
  Put32(out, static_cast<std::uint32_t>(36 + data.size()));
  PutText(out, "WAVEfmt ", 8);
  Put32(out, 16);
  Put16(out, 1);
  Put16(out, 1);
  Put32(out, 44100);
  Put32(out, 88200);
  Put16(out, 2);
  Put16(out, 16);
  PutText(out, "data", 4);
  Put32(out, static_cast<std::uint32_t>(data.size()));
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

// The smallest extended module worth playing: two channels, one four-row pattern that
// strikes one looping 16-bit instrument.
Bytes TinyModule() {
  Bytes out;
  PutText(out, "Extended Module: ", 17);
  PutText(out, "tiny", 20);
  out.push_back(0x1A);
  PutText(out, "test", 20);
  Put16(out, 0x0104);
  Put32(out, 276);        // header size
  Put16(out, 1);          // orders
  Put16(out, 0);          // restart
  Put16(out, 2);          // channels
  Put16(out, 1);          // patterns
  Put16(out, 1);          // instruments
  Put16(out, 1);          // linear frequencies
  Put16(out, 6);          // speed
  Put16(out, 125);        // tempo
  PutText(out, "", 256);  // order list: pattern 0

  const Bytes rows = {0x83, 49, 1, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
  Put32(out, 9);
  out.push_back(0);
  Put16(out, 4);
  Put16(out, static_cast<std::uint32_t>(rows.size()));
  out.insert(out.end(), rows.begin(), rows.end());

  const std::size_t instrument = out.size();
  Put32(out, 263);
  PutText(out, "beep", 22);
  out.push_back(0);
  Put16(out, 1);
  Put32(out, 40);                   // sample header size
  out.resize(instrument + 263, 0);  // keymap, envelopes, vibrato: all unused
  std::vector<std::int16_t> pcm(256);
  for (std::size_t i = 0; i < pcm.size(); ++i) pcm[i] = (i / 64) % 2 != 0 ? 8000 : -8000;
  Put32(out, static_cast<std::uint32_t>(pcm.size() * 2));
  Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>(pcm.size() * 2));  // loops whole
  out.push_back(64);                                       // volume
  out.push_back(0);                                        // finetune
  out.push_back(0x11);                                     // 16-bit, forward loop
  out.push_back(128);                                      // panning
  out.push_back(0);                                        // relative note
  out.push_back(0);
  PutText(out, "beep", 22);
  std::int16_t previous = 0;
  for (std::int16_t v : pcm) {
    Put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(v - previous)));
    previous = v;
  }
  return out;
}

class MixerSoundLibraryTest : public ::testing::Test {
 protected:
  MixerSoundLibraryTest() {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::filesystem::current_path(Scratch.path());
    Write("samples/Beep.wav", Wave(Tone(0.5)));
    Write("samples/Blip.wav", Wave(Tone(0.05)));
    Write("samples/Beep.raw", RawPcm(Tone(0.5)));
    Write("Music/Tiny.xm", TinyModule());
    Library->SetFileCallbacks(PackageSoundFileCallbacks());
  }
  ~MixerSoundLibraryTest() override {
    Library->Close();
    std::filesystem::current_path(SavedFolder);
  }

  void Write(const std::string& path, const Bytes& bytes) const {
    std::filesystem::create_directories((Scratch / path).parent_path());
    std::ofstream(Scratch / path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }

  void Open(int outputType = OutputDefaultBackend) {
    ASSERT_TRUE(Library->SetOutput(outputType));
    ASSERT_TRUE(Library->SetDriver(0));
    ASSERT_TRUE(Library->Init(44100, 64, 0)) << SDL_GetError();
  }

  std::filesystem::path SavedFolder = std::filesystem::current_path();
  testing::tScratchFolder Scratch;
  std::unique_ptr<tSoundLibrary> Library = CreateMixerSoundLibrary();
};

TEST_F(MixerSoundLibraryTest, EveryOutputListsTheDefaultDeviceFirst) {
  ASSERT_TRUE(Library->SetOutput(OutputNoSound));
  EXPECT_EQ(1, Library->GetNumDrivers());
  EXPECT_EQ("No sound", Library->GetDriverName(0));
  for (int output : {OutputPlainBackend, OutputDefaultBackend}) {
    ASSERT_TRUE(Library->SetOutput(output));
    EXPECT_GE(Library->GetNumDrivers(), 1);
    EXPECT_EQ("Default device", Library->GetDriverName(0));
    EXPECT_EQ("", Library->GetDriverName(Library->GetNumDrivers()));
  }
  EXPECT_FALSE(Library->SetOutput(3));
  EXPECT_EQ(OutputDefaultBackend, Library->GetOutput());
}

TEST_F(MixerSoundLibraryTest, PlaysASampleOnAChannelAndControlsIt) {
  Open();
  const tSampleHandle beep = Library->SampleLoad("samples\\BEEP.WAV", SampleDefaultMode);
  ASSERT_NE(0u, beep);
  tSampleDefaults defaults;
  ASSERT_TRUE(Library->SampleGetDefaults(beep, defaults));
  EXPECT_EQ(44100, defaults.Frequency);
  EXPECT_EQ(255, defaults.Volume);

  const int channel = Library->PlaySound(AnyChannel, beep);
  ASSERT_EQ(0, channel);
  EXPECT_EQ(1, Library->PlaySound(AnyChannel, beep));  // the first one still plays
  EXPECT_EQ(MIX_MAX_VOLUME, Mix_Volume(channel, -1));
  EXPECT_TRUE(Library->SetVolume(channel, 128));
  EXPECT_EQ(64, Mix_Volume(channel, -1));
  EXPECT_TRUE(Library->SetVolume(channel, 0));
  EXPECT_EQ(0, Mix_Volume(channel, -1));
  EXPECT_TRUE(Library->SetFrequency(channel, 44100));
  EXPECT_FALSE(Library->SetFrequency(channel, 22050));  // no pitch changes
  EXPECT_TRUE(Library->SetPan(channel, 30));
  EXPECT_TRUE(Library->SetPan(channel, StereoPan));
  EXPECT_TRUE(Library->StopSound(channel));
  EXPECT_EQ(0, Mix_Playing(channel));

  // Playing on a given channel starts again at full volume.
  EXPECT_EQ(channel, Library->PlaySound(channel, beep));
  EXPECT_EQ(MIX_MAX_VOLUME, Mix_Volume(channel, -1));

  Library->SetSfxMasterVolume(128);
  EXPECT_EQ(128, Library->GetSfxMasterVolume());
  EXPECT_EQ(64, Mix_MasterVolume(-1));

  // Channels that do not exist are left alone (not taken as "every channel").
  EXPECT_EQ(-1, Library->PlaySound(64, beep));
  EXPECT_FALSE(Library->SetVolume(-1, 0));
  EXPECT_FALSE(Library->StopSound(-1));
  EXPECT_EQ(MIX_MAX_VOLUME, Mix_Volume(1, -1));
}

// The loudest sample the mixer sent to the device while it was watched.
std::atomic<int> MixedPeak{0};

void WatchMix(void*, Uint8* stream, int length) {
  const auto* samples = reinterpret_cast<const Sint16*>(stream);
  int peak = 0;
  for (int i = 0; i < length / 2; ++i)
    peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
  MixedPeak = std::max(MixedPeak.load(), peak);
}

// The peak of the mix over the next buffers.
int PeakOverTheNextBuffers() {
  SDL_Delay(100);  // buffers mixed before the change pass first
  MixedPeak = 0;
  SDL_Delay(150);
  return MixedPeak;
}

TEST_F(MixerSoundLibraryTest, ASampleIsHeardAtItsChannelAndMasterVolume) {
  Open();
  Mix_SetPostMix(WatchMix, nullptr);
  const tSampleHandle fuse =
      Library->SampleLoad("samples\\Beep.raw", SampleDefaultMode | SampleLoadRaw);
  ASSERT_TRUE(Library->SampleSetMode(fuse, SampleLoopNormal));
  const int channel = Library->PlaySound(AnyChannel, fuse);
  const int full = PeakOverTheNextBuffers();
  EXPECT_GT(full, 11000);  // the tone's own level
  EXPECT_LT(full, 13000);
  Library->SetVolume(channel, 128);
  const int half = PeakOverTheNextBuffers();
  EXPECT_GT(half, full * 4 / 10);
  EXPECT_LT(half, full * 6 / 10);
  Library->SetSfxMasterVolume(0);
  EXPECT_EQ(0, PeakOverTheNextBuffers());
  Library->SetSfxMasterVolume(255);
  Library->SetVolume(channel, 0);
  EXPECT_EQ(0, PeakOverTheNextBuffers());
  Mix_SetPostMix(nullptr, nullptr);
}

TEST_F(MixerSoundLibraryTest, ALoopingSampleKeepsPlayingAndAShortOneEnds) {
  Open();
  const tSampleHandle blip = Library->SampleLoad("samples\\Blip.wav", SampleDefaultMode);
  const tSampleHandle fuse = Library->SampleLoad("samples\\Blip.wav", SampleDefaultMode);
  ASSERT_TRUE(Library->SampleSetMode(fuse, SampleLoopNormal));
  const int once = Library->PlaySound(AnyChannel, blip);
  const int looping = Library->PlaySound(AnyChannel, fuse);
  for (int waited = 0; waited < 3000 && Mix_Playing(once) != 0; waited += 10) SDL_Delay(10);
  EXPECT_EQ(0, Mix_Playing(once));
  EXPECT_EQ(1, Mix_Playing(looping));

  // Every channel busy: no channel for one more.
  for (int i = 0; i < 63; ++i) ASSERT_NE(-1, Library->PlaySound(AnyChannel, fuse));
  EXPECT_EQ(-1, Library->PlaySound(AnyChannel, fuse));
  // Freeing the sample stops it everywhere.
  Library->SampleFree(fuse);
  EXPECT_EQ(0, Mix_Playing(-1));
  EXPECT_EQ(-1, Library->PlaySound(AnyChannel, fuse));
}

TEST_F(MixerSoundLibraryTest, LoadsFromMemoryAndRawDataAndRefusesWhatIsNotSound) {
  Open();
  const Bytes wave = Wave(Tone(0.1));
  EXPECT_NE(0u, Library->SampleLoadMemory(wave.data(), wave.size(), SampleDefaultMode));
  const std::string junk = "this is not a sound file at all";
  EXPECT_EQ(0u, Library->SampleLoadMemory(junk.data(), junk.size(), SampleDefaultMode));
  EXPECT_EQ(0u, Library->MusicLoadSongMemory(junk.data(), junk.size()));

  const tSampleHandle raw =
      Library->SampleLoad("samples\\Beep.raw", SampleDefaultMode | SampleLoadRaw);
  ASSERT_NE(0u, raw);
  EXPECT_NE(-1, Library->PlaySound(AnyChannel, raw));
  EXPECT_THROW(Library->SampleLoad("samples\\Missing.wav", SampleDefaultMode), EFileMissing);
}

TEST_F(MixerSoundLibraryTest, PlaysAModuleAtItsVolumeAndPausesIt) {
  Open();
  const tModuleHandle tiny = Library->MusicLoadSong("Music\\Tiny.xm");
  ASSERT_NE(0u, tiny) << Mix_GetError();
  EXPECT_TRUE(Library->MusicSetMasterVolume(tiny, 256));
  ASSERT_TRUE(Library->MusicPlaySong(tiny));
  EXPECT_EQ(1, Mix_PlayingMusic());
  EXPECT_EQ(128, Mix_VolumeMusic(-1));
  EXPECT_TRUE(Library->MusicSetMasterVolume(tiny, 100));
  EXPECT_EQ(50, Mix_VolumeMusic(-1));
  EXPECT_EQ(100, Library->MusicGetMasterVolume(tiny));
  EXPECT_TRUE(Library->MusicSetOrder(tiny, 0));

  EXPECT_TRUE(Library->MusicSetPaused(tiny, true));
  EXPECT_TRUE(Library->MusicGetPaused(tiny));
  EXPECT_EQ(1, Mix_PausedMusic());
  EXPECT_TRUE(Library->MusicSetPaused(tiny, false));
  EXPECT_EQ(0, Mix_PausedMusic());

  EXPECT_TRUE(Library->MusicStopSong(tiny));
  EXPECT_EQ(0, Mix_PlayingMusic());
  EXPECT_TRUE(Library->MusicFreeSong(tiny));
  EXPECT_FALSE(Library->MusicFreeSong(tiny));
  EXPECT_FALSE(Library->MusicPlaySong(tiny));
}

TEST_F(MixerSoundLibraryTest, NoSoundLoadsEverythingButPlaysNothing) {
  Open(OutputNoSound);
  const tSampleHandle beep = Library->SampleLoad("samples\\Beep.wav", SampleDefaultMode);
  ASSERT_NE(0u, beep);
  EXPECT_EQ(-1, Library->PlaySound(AnyChannel, beep));
  EXPECT_FALSE(Library->SetVolume(0, 255));
  const tModuleHandle tiny = Library->MusicLoadSong("Music\\Tiny.xm");
  ASSERT_NE(0u, tiny);
  EXPECT_FALSE(Library->MusicPlaySong(tiny));
  EXPECT_THROW(Library->MusicLoadSong("Music\\Missing.xm"), EFileMissing);
}

TEST_F(MixerSoundLibraryTest, CloseForgetsEverythingAndTheLibraryOpensAgain) {
  Open();
  const tSampleHandle beep = Library->SampleLoad("samples\\Beep.wav", SampleDefaultMode);
  const tModuleHandle tiny = Library->MusicLoadSong("Music\\Tiny.xm");
  ASSERT_TRUE(Library->MusicPlaySong(tiny));
  Library->Close();
  EXPECT_EQ(-1, Library->PlaySound(AnyChannel, beep));
  EXPECT_FALSE(Library->MusicFreeSong(tiny));
  Library->SampleFree(beep);

  Open(OutputPlainBackend);
  const tSampleHandle again = Library->SampleLoad("samples\\Beep.wav", SampleDefaultMode);
  EXPECT_NE(beep, again);
  EXPECT_EQ(0, Library->PlaySound(AnyChannel, again));
}

}  // namespace
}  // namespace qn2
