// soundgen_mixcheck: proves that SDL2_mixer loads and plays every file soundgen wrote,
// on the dummy audio driver, and that each one is audible when mixed.
//
// usage: soundgen_mixcheck OUTDIR
// Loads OUTDIR/samples/* as chunks and OUTDIR/Music/* as music, plays each briefly,
// prints one line per file and exits 1 if any file failed.
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

std::atomic<int> MixedPeak{0};
std::atomic<long> MixedSamples{0}, ClippedSamples{0};

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
    for (int waited = 0; waited < 1600 && Mix_Playing(-1); waited += 10) SDL_Delay(10);
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

void CheckMusic(const std::filesystem::path& file) {
  Mix_Music* music = Mix_LoadMUS(file.string().c_str());
  if (!music) return Fail(file, std::string("Mix_LoadMUS: ") + Mix_GetError());
  if (Mix_GetMusicType(music) != MUS_MOD) Fail(file, "not loaded as a tracker module");
  const double duration = Mix_MusicDuration(music);
  if (duration < 60.0 || duration > 180.0)
    Fail(file, "lasts " + std::to_string(duration) + " s, not 1 to 3 minutes");
  ResetWatch();
  if (Mix_PlayMusic(music, -1) < 0) {
    Fail(file, std::string("Mix_PlayMusic: ") + Mix_GetError());
    Mix_FreeMusic(music);
    return;
  }
  SDL_Delay(2500);
  const int openingPeak = MixedPeak;
  // Jump to just before the end: playing on past it must carry on from the start.
  ResetWatch();
  const bool seekable = duration > 3.0 && Mix_SetMusicPosition(duration - 1.0) == 0;
  SDL_Delay(2500);
  const bool stillPlaying = Mix_PlayingMusic();
  const int loopPeak = MixedPeak;
  const double clippedShare =
      MixedSamples ? static_cast<double>(ClippedSamples) / MixedSamples : 0.0;
  Mix_HaltMusic();
  if (openingPeak < 1000) Fail(file, "silent at its start");
  if (!stillPlaying || (seekable && loopPeak < 1000)) Fail(file, "did not play on past its end");
  if (clippedShare > 0.001) Fail(file, "clips");
  std::cout << "ok   " << file.filename().string() << " " << duration << " s, opening peak "
            << 20.0 * std::log10(std::max(openingPeak, 1) / 32768.0) << " dBFS, "
            << (seekable ? "looped past its end" : "not seekable") << "\n";
  Mix_FreeMusic(music);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: soundgen_mixcheck OUTDIR\n";
    return 2;
  }
  setenv("SDL_AUDIODRIVER", "dummy", 1);
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
  const auto samples = FilesIn(out / "samples");
  const auto music = FilesIn(out / "Music");
  if (samples.empty()) Fail(out / "samples", "no samples");
  if (music.empty()) Fail(out / "Music", "no music");
  for (const auto& file : samples) CheckSample(file);
  for (const auto& file : music) CheckMusic(file);

  Mix_SetPostMix(nullptr, nullptr);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_Quit();
  std::cout << (failures ? "mixcheck: " + std::to_string(failures) + " failure(s)\n"
                         : "mixcheck: all files load and play\n");
  return failures ? 1 : 0;
}
