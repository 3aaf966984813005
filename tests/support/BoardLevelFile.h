#pragma once

#include <string>
#include <vector>

#include "engine/board/Board.h"
#include "support/TextBoard.h"

namespace qn2::testing {

// A unit's block of a level file: its start cell, then its further "Name = Value" lines.
inline std::vector<std::string> UnitBlock(const std::string& name, int x, int y,
                                          const std::vector<std::string>& properties = {}) {
  std::vector<std::string> lines{"Begin " + name, "   InitialX = " + std::to_string(x),
                                 "   InitialY = " + std::to_string(y)};
  for (const std::string& property : properties) lines.push_back("   " + property);
  lines.push_back("End " + name);
  return lines;
}

// The lines of a level file holding the text board: the test pictures, a tile for every
// cell (100 a wall, 000 open floor), a block for each of the board's units and after those
// the further unit lines given.
inline std::vector<std::string> BoardLevelLines(const std::vector<std::string>& rows,
                                                const std::vector<std::string>& moreUnits = {}) {
  std::vector<std::string> tiles(static_cast<std::size_t>(BoardColumns * BoardRows), "000");
  std::vector<std::string> units;
  for (const tBoardCell& cell : ReadBoard(rows)) {
    if (cell.Symbol->Wall) {
      tiles[static_cast<std::size_t>(cell.Y * BoardColumns + cell.X)] = "100";
      continue;
    }
    std::vector<std::string> properties;
    for (const auto& [name, value] : cell.Symbol->Properties)
      properties.push_back(name + " = " + value);
    const std::vector<std::string> block = UnitBlock(cell.Symbol->Unit, cell.X, cell.Y, properties);
    units.insert(units.end(), block.begin(), block.end());
  }

  std::vector<std::string> lines{
      "[Misc]", "Background=Back.bmp", "TileSet=Tiles.bmp", "OverlayTileSet=Over.bmp", "Music=",
      "[Tiles]"};
  for (int y = 0; y < BoardRows; ++y) {
    std::string line;
    for (int x = 0; x < BoardColumns; ++x) {
      if (x > 0) line += ",";
      line += tiles[static_cast<std::size_t>(y * BoardColumns + x)];
    }
    lines.push_back(line);
  }
  lines.push_back("[Units]");
  lines.insert(lines.end(), units.begin(), units.end());
  lines.insert(lines.end(), moreUnits.begin(), moreUnits.end());
  return lines;
}

}  // namespace qn2::testing
