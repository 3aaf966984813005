#pragma once

#include <cstddef>
#include <optional>

namespace qn2 {

class tDib16;
class tUnitRegistry;

// The editor's box of unit templates: every registered class by its icon, in registration
// order, in a grid of 40 x 40 cells on grey.
class tTemplateBox {
 public:
  static constexpr int CellSize = 40;
  static constexpr int TopMargin = 8;

  void SetSize(int width, int height);
  int Width() const { return PixelsWide; }
  int Height() const { return PixelsHigh; }
  int Columns() const { return ColumnCount; }
  int Rows() const { return RowCount; }

  // The entry a click at a pixel of the box chooses: x div 40 + columns * ((y - 8) div 40);
  // none beyond the visible cells or the number of classes.
  std::optional<int> IndexAt(int x, int y, std::size_t classCount) const;

  // Every icon with its hot spot at (40 column + 20, 40 row + 30); the armed entry framed
  // (black around its square at (40 column, 40 row + 8) and 3 pixels outside, white 1 and
  // 2 outside).
  void Draw(tDib16& target, const tUnitRegistry& registry, std::optional<int> armed) const;

 private:
  int PixelsWide = 0, PixelsHigh = 0;
  int ColumnCount = 0, RowCount = 0;
};

}  // namespace qn2
