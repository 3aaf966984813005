#include "LevelFilm.h"

#include <memory>
#include <stdexcept>

#include "data/PackageFiles.h"
#include "data/Recorder.h"
#include "engine/FrameComposer.h"
#include "engine/GameEngine.h"
#include "engine/PackagePictures.h"
#include "engine/board/PlayState.h"
#include "engine/units/OOTPlayer.h"
#include "engine/units/UnitClasses.h"
#include "render/PixelFormat.h"
#include "render/SidePanel.h"

namespace vidgen {

using namespace qn2;

namespace {

constexpr int TicksPerPicture = 2;
constexpr int SkippedOpeningTicks = 50;

std::vector<std::uint8_t> FrameRgb(tDib16& frame) {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(frame.Width()) * frame.Height() * 3);
  std::uint8_t* out = rgb.data();
  for (std::int32_t y = 0; y < frame.Height(); ++y) {
    const std::uint16_t* row = frame.ScanLine(y);
    for (std::int32_t x = 0; x < frame.Width(); ++x) {
      const tRgb c = SplitPixel(row[x]);
      *out++ = c.R;
      *out++ = c.G;
      *out++ = c.B;
    }
  }
  return rgb;
}

}  // namespace

struct LevelFilm::State {
  tGameEngine Engine;
  tFrameComposer Composer;
  std::unique_ptr<tUnit> Ghost;
};

void PrepareEngineDrawing() {
  for (const char* folder : GameDataFolders) AddSearchFolder(folder);
  PictureFiles = &PackagePictures;
  SetUpUnits();
  LoadGameEngineGraphicsData();
  LoadSidePanel();
}

LevelFilm::LevelFilm(const std::string& levelFile, const std::string& label) : S(new State) {
  GameEngine = &S->Engine;
  S->Engine.Frames = &S->Composer;
  S->Ghost = CreateOOTPlayer();
  S->Engine.SetOOTPlayer(S->Ghost.get());
  S->Engine.LoadLevel(levelFile);
  S->Engine.LevelLabel = label;
  S->Engine.PointerEnabled = false;
  // The decisions reach the player as they do when the game plays a stored solution.
  tRecorder& recorder = S->Engine.Play().Recorder;
  recorder.LoadFromFile(StoredSolutionName(levelFile));
  recorder.StartPlayback();
  // The film starts late in the level's opening, as the board finishes appearing.
  for (int tick = 0; tick < SkippedOpeningTicks; ++tick) {
    S->Engine.Update();
    S->Engine.DrawFrame();
  }
}

LevelFilm::~LevelFilm() {
  if (GameEngine == &S->Engine) GameEngine = nullptr;
  delete S;
}

std::vector<std::uint8_t> LevelFilm::NextPicture() {
  GameEngine = &S->Engine;
  for (int tick = 0; tick < TicksPerPicture; ++tick) {
    if (S->Engine.GameMode == gmLevelDone) break;
    S->Engine.Update();
    S->Engine.DrawFrame();
  }
  return FrameRgb(S->Engine.FrameSurface());
}

}  // namespace vidgen
