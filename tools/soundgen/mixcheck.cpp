// soundgen_mixcheck: proves that SDL2_mixer loads and plays every file soundgen wrote,
// with no sound device, and that each one is audible when mixed.
//
// usage: soundgen_mixcheck OUTDIR [WAVDIR]
// Loads OUTDIR/samples/* as chunks and plays each. Loads OUTDIR/Music/* as music and
// mixes each module through once and on past its end, as the game loops it, faster than
// real time; the whole mix must stay in level and never clip or fall silent, and the
// loop must carry on across its seam. Prints one line per file with the music's figures
// and exits 1 if any file failed. With WAVDIR, writes each module's mix there as a mono
// WAV file for a closer look.
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <string>
#include <vector>

#include "MixStats.h"
#include "Wav.h"

namespace {

constexpr int Rate = 44100;
// Music must last one to two minutes and a little (one pass of the order list), play at
// a steady, moderate level and not drop out for a whole second.
constexpr double ShortestMusic = 60.0, LongestMusic = 130.0;
constexpr double QuietestMusicDb = -32.0, LoudestMusicDb = -10.0;
constexpr double QuietestSecondDb = -50.0;
// Across the loop's seam the level may change, but not leap.
constexpr double LargestSeamStepDb = 12.0;

std::atomic<int> MixedPeak{0};
std::atomic<long> MixedSamples{0}, ClippedSamples{0};
// The mixed output as mono, while a module is being recorded.
std::mutex RecordLock;
std::vector<Sint16> Recording;
std::atomic<bool> RecordingOn{false};

// Watches everything the mixer sends to the device.
void WatchMix(void*, Uint8* stream, int length) {
  const auto* samples = reinterpret_cast<const Sint16*>(stream);
  int peak = 0;
  long clipped = 0;
  for (int i = 0; i < length / 2; ++i) {
    const int v = std::abs(static_cast<int>(samples[i]));
    peak = std::max(peak, v);
    if (v >= 32767) ++clipped;
  }
  int old = MixedPeak.load();
  while (peak > old && !MixedPeak.compare_exchange_weak(old, peak)) {
  }
  MixedSamples += length / 2;
  ClippedSamples += clipped;
  if (RecordingOn) {
    std::lock_guard<std::mutex> lock(RecordLock);
    for (int i = 0; i + 1 < length / 2; i += 2)
      Recording.push_back(static_cast<Sint16>((samples[i] + samples[i + 1]) / 2));
  }
}

std::size_t RecordedFrames() {
  std::lock_guard<std::mutex> lock(RecordLock);
  return Recording.size();
}

void ResetWatch() {
  MixedPeak = 0;
  MixedSamples = 0;
  ClippedSamples = 0;
}

double PeakDb() {
  return MixedPeak > 0 ? 20.0 * std::log10(MixedPeak / 32768.0) : -999.0;
}

std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  if (std::filesystem::is_directory(folder))
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

int failures = 0;

void Fail(const std::filesystem::path& file, const std::string& why) {
  std::cout << "FAIL " << file.filename().string() << ": " << why << "\n";
  ++failures;
}

void CheckSample(const std::filesystem::path& file) {
  Mix_Chunk* chunk = Mix_LoadWAV(file.string().c_str());
  if (!chunk) return Fail(file, std::string("Mix_LoadWAV: ") + Mix_GetError());
  const double seconds = chunk->alen / 4.0 / 44100.0;  // converted to stereo 16-bit
  ResetWatch();
  if (Mix_PlayChannel(-1, chunk, 0) < 0) {
    Fail(file, std::string("Mix_PlayChannel: ") + Mix_GetError());
  } else {
    // The driver mixes as fast as the machine lets it: on a busy machine that can take a
    // while, so the wait is bounded only against a hang.
    for (int waited = 0; waited < 30000 && Mix_Playing(-1); waited += 10) SDL_Delay(10);
    SDL_Delay(60);  // let the last buffer pass the watcher
    Mix_HaltChannel(-1);
    if (MixedPeak < 1000)
      Fail(file, "silent when played");
    else
      std::cout << "ok   " << file.filename().string() << " " << seconds << " s, mixed peak "
                << PeakDb() << " dBFS\n";
  }
  Mix_FreeChunk(chunk);
}

// Records the mix of `music` from its start for `seconds`.
std::vector<Sint16> RecordMusic(Mix_Music* music, double seconds) {
  {
    std::lock_guard<std::mutex> lock(RecordLock);
    Recording.clear();
  }
  ResetWatch();
  RecordingOn = true;
  if (Mix_PlayMusic(music, -1) < 0) {
    RecordingOn = false;
    return {};
  }
  const auto frames = static_cast<std::size_t>(seconds * Rate);
  for (int waited = 0; RecordedFrames() < frames && waited < 600000; waited += 2) SDL_Delay(2);
  Mix_HaltMusic();
  RecordingOn = false;
  std::lock_guard<std::mutex> lock(RecordLock);
  Recording.resize(std::min(Recording.size(), frames));
  return Recording;
}

void CheckMusic(const std::filesystem::path& file, const std::filesystem::path& wavDir) {
  const int failuresBefore = failures;
  Mix_Music* music = Mix_LoadMUS(file.string().c_str());
  if (!music) return Fail(file, std::string("Mix_LoadMUS: ") + Mix_GetError());
  if (Mix_GetMusicType(music) != MUS_MOD) Fail(file, "not loaded as a tracker module");
  const double duration = Mix_MusicDuration(music);
  if (duration < ShortestMusic || duration > LongestMusic)
    Fail(file, "lasts " + std::to_string(duration) + " s, not " + std::to_string(ShortestMusic) +
                   " to " + std::to_string(LongestMusic));
  // The whole piece and four seconds of its second time round.
  const double tail = 4.0;
  const std::vector<Sint16> mix = RecordMusic(music, std::max(duration, 1.0) + tail);
  Mix_FreeMusic(music);
  const auto end = static_cast<std::size_t>(duration * Rate);
  if (mix.size() < end + static_cast<std::size_t>(tail * Rate))
    return Fail(file, std::string("did not play through: ") + Mix_GetError());
  const double clippedShare =
      MixedSamples ? static_cast<double>(ClippedSamples) / MixedSamples : 0.0;
  const soundgen::tMixStats stats = soundgen::Analyse(mix, Rate, 0, end);
  const double before = soundgen::RmsDb(mix, end - Rate, end);
  const double after = soundgen::RmsDb(mix, end, end + Rate);
  const double looped = soundgen::RmsDb(mix, end, mix.size());
  if (stats.RmsDb < QuietestMusicDb || stats.RmsDb > LoudestMusicDb)
    Fail(file, "plays at " + std::to_string(stats.RmsDb) + " dBFS RMS");
  if (stats.QuietestSecondDb < QuietestSecondDb)
    Fail(file, "falls silent (a second at " + std::to_string(stats.QuietestSecondDb) + " dBFS)");
  if (clippedShare > 0.001) Fail(file, "clips");
  if (looped < QuietestSecondDb) Fail(file, "did not play on past its end");
  if (std::fabs(after - before) > LargestSeamStepDb)
    Fail(file, "its loop jumps from " + std::to_string(before) + " to " + std::to_string(after) +
                   " dBFS");
  if (!wavDir.empty()) {
    const std::vector<Sint16> loop(mix.begin(), mix.begin() + static_cast<long>(end));
    soundgen::WriteFile((wavDir / (file.stem().string() + ".wav")).string(),
                        soundgen::EncodeWav(loop, Rate));
  }
  std::printf(
      "%-4s %s %.1f s, RMS %.1f dBFS (seconds %.1f .. %.1f), peak %.1f dBFS, "
      "seam %.1f -> %.1f dB, energy low %.0f%% mid %.0f%% high %.0f%%\n",
      failures == failuresBefore ? "ok" : "", file.filename().string().c_str(), duration,
      stats.RmsDb, stats.QuietestSecondDb, stats.LoudestSecondDb, stats.PeakDb, before, after,
      100 * stats.Low, 100 * stats.Mid, 100 * stats.High);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::cerr << "usage: soundgen_mixcheck OUTDIR [WAVDIR]\n";
    return 2;
  }
  // The disk driver with no delay mixes as fast as it can, into nothing.
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
  setenv("SDL_DISKAUDIODELAY", "0", 1);
  if (SDL_Init(SDL_INIT_AUDIO) != 0) {
    std::cerr << "SDL_Init: " << SDL_GetError() << "\n";
    return 1;
  }
  if ((Mix_Init(MIX_INIT_MOD) & MIX_INIT_MOD) == 0)
    std::cerr << "note: Mix_Init(MOD): " << Mix_GetError() << "\n";
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    std::cerr << "Mix_OpenAudio: " << Mix_GetError() << "\n";
    return 1;
  }
  Mix_AllocateChannels(8);
  Mix_SetPostMix(WatchMix, nullptr);

  const std::filesystem::path out = argv[1];
  const std::filesystem::path wavDir = argc == 3 ? argv[2] : "";
  if (!wavDir.empty()) std::filesystem::create_directories(wavDir);
  const auto samples = FilesIn(out / "samples");
  const auto music = FilesIn(out / "Music");
  if (samples.empty()) Fail(out / "samples", "no samples");
  if (music.empty()) Fail(out / "Music", "no music");
  for (const auto& file : samples) CheckSample(file);
  for (const auto& file : music) CheckMusic(file, wavDir);

  Mix_SetPostMix(nullptr, nullptr);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_Quit();
  std::cout << (failures ? "mixcheck: " + std::to_string(failures) + " failure(s)\n"
                         : "mixcheck: all files load and play\n");
  return failures ? 1 : 0;
}
