#include "engine/units/TerrainGraphics.h"

#include "engine/units/ForceField.h"
#include "engine/units/Water.h"
#include "render/DibRegistry.h"

namespace qn2 {

namespace {

constexpr const char* BaseGfx = "BaseGfx.bmp";
constexpr const char* Spinning = "SpinningThings.jpg";
constexpr const char* ExitsPicture = "Exits.jpg";
constexpr const char* WaterTemplatesPicture = "WaterTemplates.jpg";

// Spinning columns of "SpinningThings.jpg", by jewel kind.
constexpr std::int32_t JewelColumn[tTerrainSprites::JewelKinds] = {32, 64, 128, 96};
constexpr std::int32_t JewelFrames[tTerrainSprites::JewelKinds] = {32, 16, 13, 16};

struct tExitLayout {
  std::int32_t Top, Height, HotX, HotY;
};
constexpr tExitLayout ExitLayouts[tTerrainSprites::ExitKinds] = {
    {64, 64, 16, 16},   // ExitDoor
    {0, 64, 16, 16},    // ExitUpDoor
    {128, 32, 16, 16},  // ExitLeft
    {160, 32, 16, 16},  // ExitRight
    {192, 64, 16, 45},  // ExitHatch
};

void Cut(tSprite& sprite, const char* picture, std::int32_t x, std::int32_t y,
         std::int32_t width = 32, std::int32_t height = 32, tDrawMode mode = dmKeyed) {
  sprite.SetUp(picture, x, y, width, height);
  sprite.DrawMode = mode;
}

void CutSprites(tTerrainSprites& s) {
  Cut(s.Boulder, BaseGfx, 0, 224);
  Cut(s.SunkBoulder, BaseGfx, 96, 224);
  Cut(s.KeyCell, BaseGfx, 0, 288);
  Cut(s.JewelCell, BaseGfx, 32, 288);
  Cut(s.Dirt, BaseGfx, 96, 288);
  Cut(s.WaterIcon, BaseGfx, 128, 288);
  for (std::int32_t c = 0; c < tTerrainSprites::ColourCount; ++c) {
    const auto i = static_cast<std::size_t>(c);
    Cut(s.Buttons[i], BaseGfx, 32 * c, 352);
    Cut(s.FieldsOff[i], BaseGfx, 32 * c, 384, 32, 32, dmOpaque);
    Cut(s.FieldsOn[i], BaseGfx, 32 * c, 448, 32, 32, dmOpaque);
  }
  for (std::int32_t f = 0; f < tTerrainSprites::PillarFrames; ++f) {
    tSprite& pillar = s.Pillar[static_cast<std::size_t>(f)];
    Cut(pillar, BaseGfx, 32 * f, 0, 32, 48);
    pillar.HotX = 16;
    pillar.HotY = 32;
  }
  for (std::int32_t f = 0; f < tTerrainSprites::KeyFrames; ++f)
    Cut(s.KeySpin[static_cast<std::size_t>(f)], Spinning, 0, 24 * f, 32, 24);
  for (std::int32_t k = 0; k < tTerrainSprites::JewelKinds; ++k)
    for (std::int32_t f = 0; f < JewelFrames[k]; ++f)
      Cut(s.JewelSpin[static_cast<std::size_t>(k)][static_cast<std::size_t>(f)], Spinning,
          JewelColumn[k], 24 * f, 32, 24);
  for (std::int32_t k = 0; k < tTerrainSprites::ExitKinds; ++k) {
    const tExitLayout& layout = ExitLayouts[k];
    for (std::int32_t f = 0; f < tTerrainSprites::ExitFrames; ++f) {
      tSprite& exit = s.Exits[static_cast<std::size_t>(k)][static_cast<std::size_t>(f)];
      Cut(exit, ExitsPicture, 32 * f, layout.Top, 32, layout.Height);
      exit.HotX = layout.HotX;
      exit.HotY = layout.HotY;
    }
  }
}

}  // namespace

tTerrainSprites& TerrainSprites() {
  static tTerrainSprites sprites;
  return sprites;
}

void LoadTerrainGraphicsData() {
  tTerrainSprites& sprites = TerrainSprites();
  for (const char* picture : {BaseGfx, Spinning, ExitsPicture}) GetDib(picture, false);
  sprites.WaterTemplates = GetDib(WaterTemplatesPicture, false);
  CutSprites(sprites);
  BuildWaterNoise();
  BuildForceFieldTextures();
}

void FreeTerrainGraphicsData() {
  TerrainSprites().WaterTemplates = nullptr;
  WaterNoise = tWaterNoise();
  FreeForceFieldTextures();
}

}  // namespace qn2
