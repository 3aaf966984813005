// Composing whole frames of a busy level: a full repaint and the incremental repaint of
// a frame in which sixty units are on the move. The floor is a plain copy of one 640 x 480
// 16-bit frame; each frame benchmark also reports its cost in such copies ("copies"),
// measured in the same run, so the figure holds from one machine to another.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <memory>
#include <tuple>
#include <vector>

#include "engine/FrameComposer.h"
#include "engine/GameEngine.h"
#include "engine/board/PlayState.h"
#include "render/DibRegistry.h"
#include "render/DibStack.h"
#include "render/SidePanel.h"
#include "render/TileSheets.h"

namespace qn2 {
namespace {

// A unit that walks back and forth along its row, one cell a turn.
class tPacer : public tUnit {
  QN2_UNIT_CLASS(tPacer)
 public:
  void TakeTurn() override {
    const tDirection d = (GridX % 2 == 0) ? tDirection::Right : tDirection::Left;
    const tCellOffset o = DirectionOffset(d);
    if (CanEnter(GridX + o.DX, GridY + o.DY)) {
      Direction = d;
      StartMove(d);
    }
  }
};

// Pictures made in memory: the tiles and overlay, a background and a unit sprite.
struct tBusyLevel {
  tBusyLevel() : Background(512, 480), Tiles(512, 512), Ball(32, 32) {
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 512; ++x)
        Background.ScanLine(y)[x] = static_cast<std::uint16_t>(x * 3 + y);
    for (int y = 0; y < 512; ++y)
      for (int x = 0; x < 512; ++x)
        Tiles.ScanLine(y)[x] =
            ((x / 8 + y / 8) % 5 == 0) ? 0xF81F : static_cast<std::uint16_t>(x ^ y);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const int dx = x - 16, dy = y - 16;
        Ball.ScanLine(y)[x] =
            dx * dx + dy * dy < 196 ? static_cast<std::uint16_t>(0x7BEF + x) : 0xF81F;
      }
    BallSprite.SetUp(&Ball, 0, 0, 32, 32);
    // The side panel's pictures, blank, under their own names.
    ClearDibs();
    for (auto [name, w, h] :
         {std::tuple{"sidepanel.jpg", 128, 480}, std::tuple{"basegfx.bmp", 576, 288},
          std::tuple{"leveldigits.bmp", 36, 336}, std::tuple{"keysdigits.bmp", 121, 308},
          std::tuple{"gemsdigits.bmp", 121, 308}}) {
      auto picture = std::make_unique<tDib16>(w, h);
      picture->FileName = name;
      RegisterDib(std::move(picture));
    }
    LoadSidePanel();
    TileSheet.SetPicture("bench tiles", &Tiles);
    OverlaySheet.SetPicture("bench overlay", &Tiles);

    Engine = std::make_unique<tGameEngine>();
    GameEngine = Engine.get();
    Engine->Frames = &Composer;
    tLevel& level = Engine->Level;
    for (int x = 0; x < 16; ++x)
      for (int y = 0; y < 15; ++y) {
        level.Cell(x, y).TileBelow = 1 + (x + y) % 40;
        if ((x * 7 + y * 3) % 11 == 0) level.Cell(x, y).OverlayTile = 1 + x % 8;
      }
    for (int i = 0; i < 60; ++i) {
      auto unit = std::make_unique<tPacer>();
      unit->SetInitialX((i * 2) % 16);
      unit->SetInitialY(i / 4);
      unit->Sprite = &BallSprite;
      tUnit* added = level.AddUnit(std::move(unit));
      if (i == 0) level.Player = added;
    }
    level.ResetAll();
    Engine->Background = std::make_unique<tDib16>(512, 480);
    Engine->Background->CopyRectFrom(Background, 0, 0, 0, 0, 512, 480);
    Composer.PaintLevelBackground(*Engine);
    Engine->SetGameMode(gmPlaying);
    Engine->PointerEnabled = false;
    CurrentDib = &Engine->FrameSurface();
    Engine->FullRedraw = true;
    Engine->DrawFrame();
  }
  ~tBusyLevel() { GameEngine = nullptr; }

  // One engine tick and one frame, the way the main window runs them.
  void Frame() {
    Engine->Update();
    Engine->DrawFrame();
  }

  tDib16 Background, Tiles, Ball;
  tSprite BallSprite;
  tFrameComposer Composer;
  std::unique_ptr<tGameEngine> Engine;
};

// One frame's pixels copied from one buffer to another.
struct tPlainCopy {
  std::vector<std::uint16_t> From = std::vector<std::uint16_t>(640 * 480, 0x1234);
  std::vector<std::uint16_t> To = std::vector<std::uint16_t>(640 * 480);
  void Copy() {
    std::memcpy(To.data(), From.data(), From.size() * sizeof(std::uint16_t));
    benchmark::DoNotOptimize(To.data());
    benchmark::ClobberMemory();
  }
};

// Processor seconds this process has used: the ratio then holds on a busy machine too.
double CpuSeconds() {
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// Processor seconds one plain copy takes on this machine now: the best of a few rounds.
double PlainCopySeconds() {
  tPlainCopy copy;
  double best = 1e9;
  for (int round = 0; round < 5; ++round) {
    const double start = CpuSeconds();
    for (int i = 0; i < 2000; ++i) copy.Copy();
    best = std::min(best, (CpuSeconds() - start) / 2000);
  }
  return best;
}

// Runs the frame in the benchmark's loop and reports its cost in plain copies.
template <typename tFrame>
void TimeInCopies(benchmark::State& state, tFrame frame) {
  const double copySeconds = PlainCopySeconds();
  const double start = CpuSeconds();
  for (auto _ : state) frame();
  state.counters["copies"] =
      (CpuSeconds() - start) / static_cast<double>(state.iterations()) / copySeconds;
}

void BM_PlainFrameCopy(benchmark::State& state) {
  tPlainCopy copy;
  for (auto _ : state) copy.Copy();
}
BENCHMARK(BM_PlainFrameCopy)->Unit(benchmark::kMicrosecond);

void BM_FullRedrawFrame(benchmark::State& state) {
  tBusyLevel level;
  TimeInCopies(state, [&] {
    level.Engine->FullRedraw = true;
    level.Frame();
  });
}
BENCHMARK(BM_FullRedrawFrame)->Unit(benchmark::kMicrosecond);

void BM_IncrementalFrame(benchmark::State& state) {
  tBusyLevel level;
  TimeInCopies(state, [&] { level.Frame(); });
}
BENCHMARK(BM_IncrementalFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qn2
