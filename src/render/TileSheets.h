#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "render/Sprite.h"

namespace qn2 {

class tDib16;

// The graphics of the level grid: a sheet picture of 512 x 512 pixels cut into 256
// tiles of 32 x 32. The sheet is four strips of 128 pixels, each four tiles wide and
// sixteen high, numbered row by row within a strip.
class tTileSheet {
 public:
  static constexpr int TileCount = 256;

  // Points the 256 sprites at the picture.
  void SetPicture(const std::string& name, tDib16* picture);
  tSprite& Tile(int number) { return Tiles[static_cast<std::size_t>(number & 255)]; }
  const std::string& Name() const { return SheetName; }

 private:
  std::array<tSprite, TileCount> Tiles{};
  std::string SheetName;
};

// Sheet 1 holds the level's tiles, sheet 2 its overlay tiles.
extern tTileSheet TileSheet;
extern tTileSheet OverlaySheet;

}  // namespace qn2
