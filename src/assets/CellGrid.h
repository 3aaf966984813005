#pragma once

#include <cstdint>

// Where the pictures of the game keep their sprite cells. The art generator draws each cell
// at the place named here and the game cuts it from the same place, so both read these
// tables and neither writes a cell position of its own.

namespace qn2::sheets {

// A block of equal cells in one picture: Columns x Rows cells of Width x Height pixels,
// the first with its top left at (Left, Top), the others packed right and down. A single
// cell is a block of one. The hot spot is where the cell's anchor sits within each cell.
struct tCellGrid {
  const char* Picture;
  std::int32_t Left, Top;
  std::int32_t Width, Height;
  std::int32_t Columns = 1, Rows = 1;
  std::int32_t HotX = 0, HotY = 0;

  constexpr std::int32_t X(std::int32_t column) const { return Left + Width * column; }
  constexpr std::int32_t Y(std::int32_t row) const { return Top + Height * row; }
  constexpr std::int32_t Right() const { return X(Columns); }
  constexpr std::int32_t Bottom() const { return Y(Rows); }
};

}  // namespace qn2::sheets
