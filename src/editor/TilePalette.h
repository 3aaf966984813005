#pragma once

#include <cstdint>
#include <optional>

namespace qn2 {

class tDib16;
class tTileSheet;

// One of the editor's tile palettes (ground tiles or overlay tiles): the tiles in a grid of
// 32 x 32 cells, row after row from the first visible index, with a scroll bar by rows.
class tTilePalette {
 public:
  static constexpr int CellSize = 32;
  static constexpr int TileCount = 256;

  // The paint box's size in pixels: columns and rows follow; the first visible tile stays
  // on a row start inside the scroll range.
  void SetSize(int width, int height);
  int Width() const { return PixelsWide; }
  int Height() const { return PixelsHigh; }
  int Columns() const { return ColumnCount; }
  int Rows() const { return RowCount; }
  int FirstVisible() const { return First; }

  // The scroll bar: 0 .. the rows of the 256 tiles less the visible rows, a page of rows.
  int ScrollMax() const;
  int ScrollPosition() const { return ColumnCount > 0 ? First / ColumnCount : 0; }
  void Scroll(int position);

  // The tile under a pixel of the paint box; none outside the cells or past the last tile.
  std::optional<int> IndexAt(int x, int y) const;

  // Draws the visible tiles of the sheet on black, the chosen one framed: black at its
  // border and 3 pixels inside, white at 1 and 2 pixels inside.
  void Draw(tDib16& target, tTileSheet& sheet, int chosen) const;

 private:
  int PixelsWide = 0, PixelsHigh = 0;
  int ColumnCount = 0, RowCount = 0;
  int First = 0;
};

// Frames a square as the palettes do: black at the offsets 0 and 3 (inside when the step
// is 1, outside when it is -1), white at 1 and 2.
void DrawChoiceFrame(tDib16& target, int left, int top, int size, int step);

}  // namespace qn2
