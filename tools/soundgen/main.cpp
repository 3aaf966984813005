// soundgen: makes the game's sound samples and music modules.
//
// usage: soundgen OUTDIR
// Writes OUTDIR/samples/<name> for every sound effect the game plays and
// OUTDIR/Music/<name>.xm for every piece of music. The output is the same, byte for
// byte, on every run.
#include <exception>
#include <filesystem>
#include <iostream>

#include "Effects.h"
#include "Songs.h"
#include "Wav.h"
#include "Xm.h"
#include "assets/SampleNames.h"

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '\0') {
    std::cerr << "usage: soundgen OUTDIR\n";
    return 2;
  }
  try {
    namespace fs = std::filesystem;
    const fs::path out = argv[1];
    fs::create_directories(out / qn2::samples::Folder);
    fs::create_directories(out / "Music");
    for (const soundgen::tEffect& effect : soundgen::Effects()) {
      const soundgen::Buffer b = soundgen::RenderEffect(effect);
      soundgen::WriteFile((out / qn2::samples::Folder / effect.FileName).string(),
                          soundgen::EncodeWav(soundgen::ToPcm16(b)));
      std::cout << qn2::samples::Folder << "/" << effect.FileName << " "
                << static_cast<double>(b.size()) / soundgen::SampleRate << " s\n";
    }
    for (const soundgen::tSong& song : soundgen::MakeSongs()) {
      const auto bytes = soundgen::EncodeXm(song.Module);
      soundgen::WriteFile((out / "Music" / song.FileName).string(), bytes);
      std::cout << "Music/" << song.FileName << " " << bytes.size() << " bytes\n";
    }
  } catch (const std::exception& e) {
    std::cerr << "soundgen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
