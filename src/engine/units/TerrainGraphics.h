#pragma once

#include <array>
#include <string>
#include <vector>

#include "assets/BaseGfxSheet.h"
#include "assets/TerrainSheets.h"
#include "render/Sprite.h"

namespace qn2 {

class tDib16;

// The pictures of the terrain and collectible units: boulders, dirt, keys, jewels, exits,
// water, force fields, push buttons and pillars. The sprites exist for the whole program
// so units can point at them from their construction on; LoadTerrainGraphicsData cuts them
// from their pictures.
struct tTerrainSprites {
  static constexpr int ColourCount = sheets::PushButtonCells.Columns;
  static constexpr int PillarFrames = sheets::PillarCells.Columns;
  static constexpr int KeyFrames = sheets::SpinningKey.Rows;
  static constexpr int JewelKinds = 4;
  static constexpr int MaxJewelFrames = 32;
  static constexpr int ExitKinds = 5;
  static constexpr int ExitFrames = sheets::ExitDoorCells.Columns;

  tSprite Boulder;
  tSprite SunkBoulder;  // a boulder that has filled a water cell
  tSprite KeyCell;      // a key before its first frame step
  tSprite JewelCell;    // a jewel before its reset
  tSprite Dirt;
  tSprite WaterIcon;
  std::array<tSprite, ColourCount> Buttons;
  std::array<tSprite, ColourCount> FieldsOff;
  std::array<tSprite, ColourCount> FieldsOn;
  std::array<tSprite, PillarFrames> Pillar;
  std::array<tSprite, KeyFrames> KeySpin;
  // By jewel kind; only the frames up to the kind's last one are cut.
  std::array<std::array<tSprite, MaxJewelFrames>, JewelKinds> JewelSpin;
  std::array<std::array<tSprite, ExitFrames>, ExitKinds> Exits;

  // The water templates picture (registered, loaded when first drawn); none until the
  // graphics are loaded.
  tDib16* WaterTemplates = nullptr;
};

tTerrainSprites& TerrainSprites();

// Registers the pictures of the terrain units and cuts their sprites, builds the water
// noise and the force-field textures (which reads "WaterBWa.jpg", "WaterBWb.jpg" and the
// force-field pictures at once) and chooses the light force field on slow machines. Run
// once per set-up of the graphics; running it again rebuilds everything.
void LoadTerrainGraphicsData();
// Frees the water noise and the force-field textures and forgets the templates picture
// (the picture registry frees the pictures themselves).
void FreeTerrainGraphicsData();

}  // namespace qn2
