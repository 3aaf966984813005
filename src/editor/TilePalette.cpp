#include "editor/TilePalette.h"

#include <algorithm>

#include "render/Dib16.h"
#include "render/DibStack.h"
#include "render/PixelFormat.h"
#include "render/TileSheets.h"

namespace qn2 {

void tTilePalette::SetSize(int width, int height) {
  PixelsWide = std::max(width, 0);
  PixelsHigh = std::max(height, 0);
  ColumnCount = PixelsWide / CellSize;
  RowCount = PixelsHigh / CellSize;
  Scroll(ScrollPosition());
}

int tTilePalette::ScrollMax() const {
  if (ColumnCount <= 0) return 0;
  // Every tile can be reached: a last row holding fewer tiles counts too.
  return std::max((TileCount + ColumnCount - 1) / ColumnCount - RowCount, 0);
}

void tTilePalette::Scroll(int position) {
  First = std::clamp(position, 0, ScrollMax()) * ColumnCount;
}

std::optional<int> tTilePalette::IndexAt(int x, int y) const {
  if (x < 0 || y < 0) return std::nullopt;
  const int column = x / CellSize, row = y / CellSize;
  if (column >= ColumnCount || row >= RowCount) return std::nullopt;
  const int index = row * ColumnCount + column + First;
  if (index >= TileCount) return std::nullopt;
  return index;
}

void DrawChoiceFrame(tDib16& target, int left, int top, int size, int step) {
  const std::uint16_t black = MakePixel(0, 0, 0), white = MakePixel(255, 255, 255);
  for (int offset = 0; offset < 4; ++offset) {
    const int d = offset * step;
    target.PenColour = offset == 1 || offset == 2 ? white : black;
    target.FrameRect(left + d, top + d, left + size - d, top + size - d);
  }
}

void tTilePalette::Draw(tDib16& target, tTileSheet& sheet, int chosen) const {
  target.FillSurface(MakePixel(0, 0, 0));
  tDibTarget into(&target);
  for (int row = 0; row < RowCount; ++row) {
    for (int column = 0; column < ColumnCount; ++column) {
      const int index = row * ColumnCount + column + First;
      if (index >= TileCount) return;
      const int left = column * CellSize, top = row * CellSize;
      tSprite& tile = sheet.Tile(index);
      if (tile.SourceA() != nullptr) tile.Draw(left + tile.HotX, top + tile.HotY);
      if (index == chosen) DrawChoiceFrame(target, left, top, CellSize, 1);
    }
  }
}

}  // namespace qn2
