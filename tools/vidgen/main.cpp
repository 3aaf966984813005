// vidgen: makes the game's intro video "Intro.mp4" from our own material: title cards
// drawn with cairo, three of the episode's levels played by the engine with their stored
// solutions, cross-fades between them, and one of our music modules as the sound track.
//
//   vidgen OUTDIR
//
// OUTDIR holds the game's files as the data package will (the generated pictures and
// music, the levels, the set file and the solutions); the video is written there too.
#include <cairo.h>
#include <fontconfig/fontconfig.h>

extern "C" {
#include <libavutil/log.h>
}

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "LevelFilm.h"
#include "MusicTrack.h"
#include "TitleCards.h"
#include "VideoEncoder.h"
#include "data/SetFile.h"
#include "data/TextLines.h"

namespace vidgen {
namespace {

namespace fs = std::filesystem;

constexpr int Rate = 25;
constexpr const char* OutputName = "Intro.mp4";
constexpr const char* SetName = "QuibNar.set";
constexpr const char* MusicName = "Music/AncientStories2.xm";
constexpr double CrossFadeSeconds = 0.8;

using Picture = std::vector<std::uint8_t>;
// The pictures of one part of the video, one call a picture.
using PictureSource = std::function<Picture()>;

struct Part {
  PictureSource Next;
  int Pictures = 0;
};

Picture Blend(const Picture& a, const Picture& b, double t) {
  Picture out(a.size());
  for (std::size_t i = 0; i < a.size(); ++i)
    out[i] = static_cast<std::uint8_t>(a[i] + (b[i] - a[i]) * t + 0.5);
  return out;
}

Picture Darken(const Picture& a, double t) {
  return Blend(a, Picture(a.size(), 0), t);
}

// The levels the video shows: three of the episode's levels that have stored solutions,
// from its start, its first third and its second third.
struct ChosenLevel {
  std::string FileName;
  std::string Label;  // its number in the episode, as the side panel shows it
};

std::vector<ChosenLevel> ChooseLevels() {
  std::ifstream in(SetName, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<ChosenLevel> levels;
  const std::vector<qn2::tSetEntry> entries = qn2::ParseSetLines(qn2::SplitLines(text));
  for (std::size_t index = 0; index < entries.size(); ++index) {
    const qn2::tSetEntry& entry = entries[index];
    const fs::path solution =
        fs::path("Solutions") / (fs::path(entry.FileName).stem().string() + ".Solution");
    if (entry.IsLevel() && !entry.IsDummy() && fs::exists(solution))
      levels.push_back({entry.FileName, qn2::EntryLabel(SetName, index)});
  }
  if (levels.size() < 3) throw std::runtime_error("fewer than three solved levels in the episode");
  return {levels[0], levels[levels.size() / 3], levels[2 * levels.size() / 3]};
}

PictureSource Still(Picture picture) {
  return [picture] { return picture; };
}

PictureSource Film(const ChosenLevel& level) {
  auto film = std::make_shared<LevelFilm>(level.FileName, level.Label);
  return [film] { return film->NextPicture(); };
}

// The parts one after the other, each cross-fading into the next; the first fades in from
// black and the last out to black.
void WritePictures(std::vector<Part>& parts, VideoEncoder& encoder) {
  const int fade = static_cast<int>(CrossFadeSeconds * Rate);
  Picture carried;  // the last pictures of the part before, fading out
  std::vector<Picture> tail;
  for (std::size_t p = 0; p < parts.size(); ++p) {
    Part& part = parts[p];
    const bool last = p + 1 == parts.size();
    std::vector<Picture> ending;
    for (int n = 0; n < part.Pictures; ++n) {
      Picture picture = part.Next();
      if (p == 0 && n < fade) picture = Darken(picture, 1.0 - static_cast<double>(n) / fade);
      if (n < static_cast<int>(tail.size()))
        picture = Blend(tail[static_cast<std::size_t>(n)], picture,
                        static_cast<double>(n + 1) / (fade + 1));
      if (last && n >= part.Pictures - fade)
        picture = Darken(picture, static_cast<double>(n - (part.Pictures - fade) + 1) / fade);
      // The part's own last pictures are held back to be blended into the next part.
      if (!last && n >= part.Pictures - fade) {
        ending.push_back(std::move(picture));
        continue;
      }
      encoder.AddPicture(picture);
    }
    tail = std::move(ending);
  }
}

int Run(const fs::path& outDir) {
  fs::current_path(outDir);
  PrepareEngineDrawing();
  const std::vector<ChosenLevel> levels = ChooseLevels();

  std::vector<Part> parts;
  parts.push_back(
      {Still(DrawTitleCard("QUIBNAR 2", "a puzzle of stone, water and jewels", 7)), 4 * Rate});
  parts.push_back({Film(levels[0]), 7 * Rate});
  parts.push_back(
      {Still(DrawTitleCard("DIG, PUSH, GATHER", "every jewel, every board", 11)), 3 * Rate});
  parts.push_back({Film(levels[1]), 6 * Rate});
  parts.push_back({Film(levels[2]), 6 * Rate});
  parts.push_back({Still(DrawTitleCard("QUIBNAR 2", "press any key to begin", 7)), 4 * Rate});

  // Each cross-fade lays two parts over each other.
  const int fade = static_cast<int>(CrossFadeSeconds * Rate);
  int pictures = 0;
  for (const Part& part : parts) pictures += part.Pictures;
  pictures -= fade * static_cast<int>(parts.size() - 1);

  VideoShape shape;
  shape.FramesPerSecond = Rate;
  const fs::path output = fs::path(OutputName);
  VideoEncoder encoder(output.string(), shape);
  WritePictures(parts, encoder);
  const std::int64_t samples = static_cast<std::int64_t>(shape.SampleRate) * pictures / Rate;
  encoder.AddSound(RenderMusic(MusicName, shape.SampleRate, samples, 2.0));
  encoder.Finish();
  std::cout << OutputName << " " << encoder.Pictures() << " pictures, "
            << static_cast<double>(encoder.Pictures()) / Rate << " s, " << fs::file_size(output)
            << " bytes" << std::endl;
  return 0;
}

}  // namespace
}  // namespace vidgen

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: vidgen OUTDIR" << std::endl;
    return 2;
  }
  av_log_set_level(AV_LOG_ERROR);
  int status = 0;
  try {
    status = vidgen::Run(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "vidgen: " << e.what() << std::endl;
    status = 1;
  }
  // The font caches the title cards filled, let go so that leak checks stay quiet.
  cairo_debug_reset_static_data();
  FcFini();
  return status;
}
