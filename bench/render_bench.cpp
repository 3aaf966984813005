// Drawing speed of the 16-bit surfaces: each sprite draw mode and the whole-surface passes.
#include <benchmark/benchmark.h>

#include "render/ColourTables.h"
#include "render/Dib16.h"
#include "render/DibStack.h"
#include "render/Sprite.h"

namespace qn2 {
namespace {

// A 32 x 32 sprite with a keyed border over a busy 640 x 480 frame.
struct tSpriteScene {
  tSpriteScene() : Frame(640, 480), SourceA(32, 32), SourceB(32, 32) {
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const bool edge = x < 2 || y < 2 || x > 29 || y > 29;
        SourceA.ScanLine(y)[x] = edge ? 0xF81F : static_cast<std::uint16_t>(x * 2048 + y * 33);
        SourceB.ScanLine(y)[x] = static_cast<std::uint16_t>(0x0841 * ((x + y) & 7));
      }
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x) Frame.ScanLine(y)[x] = static_cast<std::uint16_t>(x ^ (y << 5));
    CurrentDib = &Frame;
  }
  tDib16 Frame, SourceA, SourceB;
};

void BM_SpriteDraw(benchmark::State& state) {
  tSpriteScene scene;
  tSprite sprite;
  const auto mode = static_cast<tDrawMode>(state.range(0));
  if (mode == dmAlternate)
    sprite.SetUpPair(&scene.SourceA, &scene.SourceB, 0, 0, 0, 0, 32, 32);
  else
    sprite.SetUp(&scene.SourceA, 0, 0, 32, 32);
  sprite.DrawMode = mode;
  int i = 0;
  for (auto _ : state) {
    sprite.Draw(100 + (i & 255), 100 + ((i >> 3) & 127));
    ++i;
    if ((i & 511) == 0) scene.Frame.ClearDirty();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SpriteDraw)->DenseRange(dmKeyed, dmNone)->ArgName("mode");

void BM_MaskedSpriteDraw(benchmark::State& state) {
  tSpriteScene scene;
  scene.Frame.SetHasMask(true);
  scene.Frame.MaskActive = true;
  tSprite sprite;
  sprite.SetUp(&scene.SourceA, 0, 0, 32, 32);
  sprite.DrawMode = static_cast<tDrawMode>(state.range(0));
  for (auto _ : state) sprite.Draw(300, 200);
}
BENCHMARK(BM_MaskedSpriteDraw)->Arg(dmKeyed)->Arg(dmAdditive)->ArgName("mode");

void BM_FadeSurface(benchmark::State& state) {
  tSpriteScene scene;
  for (auto _ : state) scene.Frame.FadeSurface();
}
BENCHMARK(BM_FadeSurface);

void BM_DarkenSurface(benchmark::State& state) {
  tSpriteScene scene;
  const auto pattern = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) scene.Frame.DarkenSurface(pattern);
}
BENCHMARK(BM_DarkenSurface)->Arg(0)->Arg(2)->ArgName("pattern");

}  // namespace
}  // namespace qn2
