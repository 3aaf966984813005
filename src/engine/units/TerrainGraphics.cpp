#include "engine/units/TerrainGraphics.h"

#include "assets/BaseGfxSheet.h"
#include "assets/TerrainSheets.h"
#include "engine/units/ForceField.h"
#include "engine/units/Water.h"
#include "render/DibRegistry.h"

namespace qn2 {

namespace {

constexpr const char* BaseGfx = sheets::BaseGfx;
constexpr const char* Spinning = sheets::SpinningThings;
constexpr const char* ExitsPicture = sheets::Exits;
constexpr const char* WaterTemplatesPicture = sheets::WaterTemplates;

// Spinning columns of "SpinningThings.jpg", by jewel kind.
constexpr std::int32_t JewelColumn[tTerrainSprites::JewelKinds] = {
    sheets::SpinningBlueJewel.Left, sheets::SpinningMagentaJewel.Left,
    sheets::SpinningYellowJewel.Left, sheets::SpinningGreenJewel.Left};
constexpr std::int32_t JewelFrames[tTerrainSprites::JewelKinds] = {
    sheets::SpinningBlueJewel.Rows, sheets::SpinningMagentaJewel.Rows,
    sheets::SpinningYellowJewel.Rows, sheets::SpinningGreenJewel.Rows};

struct tExitLayout {
  std::int32_t Top, Height, HotX, HotY;
};
constexpr tExitLayout ExitLayouts[tTerrainSprites::ExitKinds] = {
    {sheets::ExitDoorCells.Top, sheets::ExitDoorCells.Height, sheets::ExitDoorCells.HotX,
     sheets::ExitDoorCells.HotY},  // ExitDoor
    {sheets::ExitUpDoorCells.Top, sheets::ExitUpDoorCells.Height, sheets::ExitUpDoorCells.HotX,
     sheets::ExitUpDoorCells.HotY},  // ExitUpDoor
    {sheets::ExitLeftCells.Top, sheets::ExitLeftCells.Height, sheets::ExitLeftCells.HotX,
     sheets::ExitLeftCells.HotY},  // ExitLeft
    {sheets::ExitRightCells.Top, sheets::ExitRightCells.Height, sheets::ExitRightCells.HotX,
     sheets::ExitRightCells.HotY},  // ExitRight
    {sheets::ExitHatchCells.Top, sheets::ExitHatchCells.Height, sheets::ExitHatchCells.HotX,
     sheets::ExitHatchCells.HotY},  // ExitHatch
};

void Cut(tSprite& sprite, const char* picture, std::int32_t x, std::int32_t y,
         std::int32_t width = 32, std::int32_t height = 32, tDrawMode mode = dmKeyed) {
  sprite.SetUp(picture, x, y, width, height);
  sprite.DrawMode = mode;
}

void CutSprites(tTerrainSprites& s) {
  Cut(s.Boulder, BaseGfx, sheets::BoulderCell.Left, sheets::BoulderCell.Top);
  Cut(s.SunkBoulder, BaseGfx, sheets::SunkBoulderCell.Left, sheets::SunkBoulderCell.Top);
  Cut(s.KeyCell, BaseGfx, sheets::KeyCell.Left, sheets::KeyCell.Top);
  Cut(s.JewelCell, BaseGfx, sheets::JewelCell.Left, sheets::JewelCell.Top);
  Cut(s.Dirt, BaseGfx, sheets::DirtCell.Left, sheets::DirtCell.Top);
  Cut(s.WaterIcon, BaseGfx, sheets::WaterIconCell.Left, sheets::WaterIconCell.Top);
  for (std::int32_t c = 0; c < tTerrainSprites::ColourCount; ++c) {
    const auto i = static_cast<std::size_t>(c);
    Cut(s.Buttons[i], BaseGfx, sheets::PushButtonCells.X(c), sheets::PushButtonCells.Top);
    Cut(s.FieldsOff[i], BaseGfx, sheets::FieldOffCells.X(c), sheets::FieldOffCells.Top,
        sheets::FieldOffCells.Width, sheets::FieldOffCells.Height, dmOpaque);
    Cut(s.FieldsOn[i], BaseGfx, sheets::FieldOnCells.X(c), sheets::FieldOnCells.Top,
        sheets::FieldOnCells.Width, sheets::FieldOnCells.Height, dmOpaque);
  }
  for (std::int32_t f = 0; f < tTerrainSprites::PillarFrames; ++f) {
    tSprite& pillar = s.Pillar[static_cast<std::size_t>(f)];
    Cut(pillar, BaseGfx, sheets::PillarCells.X(f), sheets::PillarCells.Top,
        sheets::PillarCells.Width, sheets::PillarCells.Height);
    pillar.HotX = sheets::PillarCells.HotX;
    pillar.HotY = sheets::PillarCells.HotY;
  }
  for (std::int32_t f = 0; f < tTerrainSprites::KeyFrames; ++f)
    Cut(s.KeySpin[static_cast<std::size_t>(f)], Spinning, sheets::SpinningKey.Left,
        sheets::SpinningKey.Y(f), sheets::SpinningKey.Width, sheets::SpinningKey.Height);
  for (std::int32_t k = 0; k < tTerrainSprites::JewelKinds; ++k)
    for (std::int32_t f = 0; f < JewelFrames[k]; ++f)
      Cut(s.JewelSpin[static_cast<std::size_t>(k)][static_cast<std::size_t>(f)], Spinning,
          JewelColumn[k], sheets::SpinningBlueJewel.Y(f), sheets::SpinningBlueJewel.Width,
          sheets::SpinningBlueJewel.Height);
  for (std::int32_t k = 0; k < tTerrainSprites::ExitKinds; ++k) {
    const tExitLayout& layout = ExitLayouts[k];
    for (std::int32_t f = 0; f < tTerrainSprites::ExitFrames; ++f) {
      tSprite& exit = s.Exits[static_cast<std::size_t>(k)][static_cast<std::size_t>(f)];
      Cut(exit, ExitsPicture, sheets::ExitDoorCells.X(f), layout.Top, sheets::ExitDoorCells.Width,
          layout.Height);
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
