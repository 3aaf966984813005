#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/board/Board.h"
#include "engine/board/Level.h"

namespace qn2 {

// One unit as a level file describes it: its class name and every published property's
// value text, in the class's order.
struct tUnitDesign {
  std::string ClassName;
  std::vector<std::pair<std::string, std::string>> Properties;
  bool operator==(const tUnitDesign&) const = default;
};

// Everything a designer makes of a level and nothing of its play: the cells, the look and
// sound settings, the title and hint, and the units with their properties. The editor keeps
// one per step of its undo history and one while the level is played for a test.
struct tLevelDesign {
  std::array<tCell, BoardColumns * BoardRows> Cells{};
  std::string BackgroundName, MusicName, TileSetName, OverlayTileSetName, Title, Hint;
  std::uint32_t WaterTint = DefaultWaterTint;
  std::vector<tUnitDesign> Units;
  int PlayerIndex = -1;  // the unit that is the level's player, -1 when none is

  static tLevelDesign Capture(const tLevel& level);
  // Makes the level this design: its units are freed and made again from their classes
  // and properties (a value the unit refuses is left as the unit keeps it) and reset.
  void ApplyTo(tLevel& level) const;
  bool operator==(const tLevelDesign& other) const;
};

bool SameCell(const tCell& a, const tCell& b);

}  // namespace qn2
