#include "editor/LevelDesign.h"

#include "common/Exception.h"
#include "engine/board/UnitRegistry.h"

namespace qn2 {

bool SameCell(const tCell& a, const tCell& b) {
  return a.Solid == b.Solid && a.TileBelow == b.TileBelow && a.Tile == b.Tile &&
         a.TileAbove == b.TileAbove && a.OverlayTile == b.OverlayTile;
}

tLevelDesign tLevelDesign::Capture(const tLevel& level) {
  tLevelDesign design;
  design.Cells = level.Cells;
  design.BackgroundName = level.BackgroundName;
  design.MusicName = level.MusicName;
  design.TileSetName = level.TileSetName;
  design.OverlayTileSetName = level.OverlayTileSetName;
  design.Title = level.Title;
  design.Hint = level.Hint;
  design.WaterTint = level.WaterTint;
  for (const auto& unit : level.Units) {
    if (unit->Temporary) continue;
    tUnitDesign u;
    u.ClassName = UnitRegistry.NameOf(*unit);
    for (const tPropertyInfo& property : unit->PublishedProperties().All())
      u.Properties.emplace_back(property.Name, GetPropertyText(*unit, property));
    if (unit.get() == level.Player) design.PlayerIndex = static_cast<int>(design.Units.size());
    design.Units.push_back(std::move(u));
  }
  return design;
}

void tLevelDesign::ApplyTo(tLevel& level) const {
  level.FreeUnits();
  level.Cells = Cells;
  level.BackgroundName = BackgroundName;
  level.MusicName = MusicName;
  level.TileSetName = TileSetName;
  level.OverlayTileSetName = OverlayTileSetName;
  level.Title = Title;
  level.Hint = Hint;
  level.WaterTint = WaterTint;
  for (std::size_t i = 0; i < Units.size(); ++i) {
    const tUnitClass& unitClass = UnitRegistry.ClassByName(Units[i].ClassName);
    if (&unitClass == &tUnit::Class) continue;
    std::unique_ptr<tUnit> unit = unitClass.Create();
    unit->Level = &level;
    for (const auto& [name, value] : Units[i].Properties) {
      try {
        SetPropertyText(*unit, name, value);
      } catch (const Exception&) {
        // A trigger that does not parse keeps its text, as when a level file is read.
      }
    }
    unit->Level = nullptr;
    unit->Reset();
    tUnit* added = level.AddUnit(std::move(unit));
    if (static_cast<int>(i) == PlayerIndex) level.Player = added;
  }
}

bool tLevelDesign::operator==(const tLevelDesign& other) const {
  for (std::size_t i = 0; i < Cells.size(); ++i)
    if (!SameCell(Cells[i], other.Cells[i])) return false;
  return BackgroundName == other.BackgroundName && MusicName == other.MusicName &&
         TileSetName == other.TileSetName && OverlayTileSetName == other.OverlayTileSetName &&
         Title == other.Title && Hint == other.Hint && WaterTint == other.WaterTint &&
         Units == other.Units && PlayerIndex == other.PlayerIndex;
}

}  // namespace qn2
