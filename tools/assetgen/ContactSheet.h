#pragma once

#include <string>

namespace assetgen {

// Lays out every picture of dir (decoded with the game's own loader, after its key-colour
// snap, in name order) on one PNG at sheetPath: each picture scaled down to fit a cell of at
// most CellSize x CellSize pixels, with its name and pixel size written under it. Returns
// the number of pictures placed; raises std::runtime_error when dir holds no picture or the
// sheet cannot be written.
inline constexpr int ContactCellSize = 256;
int WriteContactSheet(const std::string& dir, const std::string& sheetPath);

}  // namespace assetgen
