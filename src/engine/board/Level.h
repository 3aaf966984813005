#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/OwnerList.h"
#include "engine/board/Board.h"
#include "engine/board/PlayState.h"
#include "engine/board/Unit.h"

namespace qn2 {

class tStateIo;

// One cell of the board: three tile layers, an overlay tile drawn in front of the
// units, and the solid flag of walls.
struct tCell {
  bool Solid = false;
  std::int32_t TileBelow = 0;
  std::int32_t Tile = 0;
  std::int32_t TileAbove = 0;
  std::int32_t OverlayTile = 0;
};

constexpr std::uint32_t DefaultWaterTint = 0x806040;

// One level: the grid of cells, its look and sound settings, and every unit on it.
class tLevel {
 public:
  tLevel() = default;
  ~tLevel();
  tLevel(const tLevel&) = delete;
  tLevel& operator=(const tLevel&) = delete;

  // Units by the row of their rounded position at the last re-indexing.
  std::array<std::vector<tUnit*>, BoardRows> Rows;
  std::string BackgroundName;
  std::string MusicName;
  std::string TileSetName;
  std::string OverlayTileSetName;
  std::string Title;
  std::string Hint;
  std::uint32_t WaterTint = DefaultWaterTint;                     // red in the low byte
  std::array<tCell, BoardColumns * BoardRows> Cells{};            // column-major
  std::array<std::uint8_t, BoardColumns * BoardRows> Reserved{};  // index x * 15 + y
  std::vector<tUnit*> DrawList;
  tOwnerList<tUnit> Units;
  tUnit* Player = nullptr;  // one of Units, or none
  // The state of the level in play: turn clock, counters, carried items and the like.
  tPlayState Play;
  tPlayOwner& Owner() const { return Play.Owner != nullptr ? *Play.Owner : NoPlayOwner(); }

  tCell& Cell(int x, int y) { return Cells[static_cast<std::size_t>(x * BoardRows + y)]; }
  const tCell& Cell(int x, int y) const {
    return Cells[static_cast<std::size_t>(x * BoardRows + y)];
  }
  bool IsReserved(int x, int y) const;
  void Reserve(int x, int y);
  void ClearCells();

  // Takes ownership of a unit, gives it the next serial number and appends it to the
  // unit list.
  tUnit* AddUnit(std::unique_ptr<tUnit> unit);
  // Frees every unit (and forgets the player).
  void FreeUnits();
  // Frees one unit of the list and forgets it everywhere (the player too, if it is).
  void FreeUnit(const tUnit* unit);

  // --- Lookups by cell ---------------------------------------------------------
  tUnit* UnitAt(int x, int y) const;
  void UnitsAt(int x, int y, std::vector<tUnit*>& list) const;
  tUnit* UnitHeadingTo(int x, int y) const;
  void UnitsHeadingTo(int x, int y, std::vector<tUnit*>& list) const;
  tUnit* UnitOfClassAt(int x, int y, const tUnitClass& unitClass) const;
  tUnit* UnitStartingAt(int x, int y) const;
  bool AnyHoldsPlayerTurn() const;

  // --- Passes over the units -----------------------------------------------------
  void MuteAll();
  void UnmuteAll();
  void MoveAll();
  void DeathAnimAll();
  void ReindexRows();
  void TakeTurns();
  void ResetAll();
  void ResetUnits();
  void RemoveTemporary();
  void RemoveDeadTemporary();
  // Sets the water colour table from WaterTint.
  void ApplyWaterTint() const;

  // --- Snapshots of the play -------------------------------------------------------------
  // Writes the level's state in play: its play state, the reserved cells, every unit's
  // state in list order and the indexes over them. The cells and the level's look are not
  // written: play never changes them.
  void SaveState(tSnapshotStream& stream);
  // Puts back the state a snapshot of this level holds. Units the snapshot knows are
  // found again by serial number, units created since are freed and units freed since
  // are made again; every reference between units is restored.
  void LoadState(tSnapshotStream& stream);
  // A hash of the state in play that leaves out what only shapes the picture (animation
  // phases, sprites, the counts of time): two moments that will play on alike hash alike.
  std::uint64_t PlayHash();

  // --- Drawing into the current surface ----------------------------------------------
  void DrawUnits();
  void DrawUnitsAtStart();
  void DrawTiles(int left);
  void DrawOverlay(int left);
  void MarkOverlay(int left);
  void DrawBackgroundUnits();
  void ShadeSolid();

 private:
  void RebuildDrawList();
  void WriteState(tStateIo& io);
  void DrawListFields(tStateIo& io);
  // Frees the units the predicate selects and forgets them everywhere.
  template <class Pred>
  void FreeUnitsWhere(Pred pred);
};

}  // namespace qn2
