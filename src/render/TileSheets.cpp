#include "render/TileSheets.h"

namespace qn2 {

tTileSheet TileSheet;
tTileSheet OverlaySheet;

void tTileSheet::SetPicture(const std::string& name, tDib16* picture) {
  SheetName = name;
  for (int i = 0; i < TileCount; ++i) {
    tSprite& tile = Tiles[static_cast<std::size_t>(i)];
    const int x = 32 * (i % 4 + 4 * (i / 64));
    const int y = 32 * ((i / 4) % 16);
    tile.SetUp(picture, x, y, 32, 32);
    tile.HotX = 0;
    tile.HotY = 0;
    tile.DrawMode = dmKeyed;
  }
}

}  // namespace qn2
