// The clicks and drags of the editor on the game picture: painting tiles and overlay
// (a cell, a stroke, or with Shift a rectangle), placing, picking and dragging units.
#include <algorithm>

#include "editor/LevelEditor.h"
#include "engine/GameEngine.h"
#include "engine/board/UnitRegistry.h"

namespace qn2 {

void tLevelEditor::MouseDown(tPoint cell, tButton button, bool shift) {
  if (!Engine.Editing || Stroke.Active) return;
  if (EditPage == PageTiles || EditPage == PageOverlay) {
    Stroke = {};
    Stroke.Active = true;
    Stroke.Button = button;
    Stroke.Rectangle = shift;
    Stroke.Start = cell;
    Stroke.Before = Present();
    const bool overlay = EditPage == PageOverlay;
    Stroke.What = std::string(button == tButton::Left ? "paint " : "clear ") +
                  (overlay ? "overlay" : "tiles") + (shift ? " (rectangle)" : "");
    if (shift)
      PaintRectangle(cell, cell, button);
    else
      PaintCell(cell, button);
  } else if (EditPage == PageObjects) {
    if (TemplateArmed) {
      if (!InsideBoard(cell.X, cell.Y)) return;
      tEditState before = Present();
      PlaceUnit(cell);
      Commit(std::move(before), "place " + UnitRegistry.NameOf(*SelectedUnit()));
      return;
    }
    tUnit* unit = Engine.EditorUnitAt(cell.X, cell.Y);
    SelectUnit(unit);
    if (unit == nullptr) return;
    Stroke = {};
    Stroke.Active = true;
    Stroke.Button = button;
    Stroke.Start = cell;
    Stroke.Before = Present();
    Stroke.What = "move " + UnitRegistry.NameOf(*unit);
  }
}

void tLevelEditor::MouseMove(tPoint cell) {
  if (!Stroke.Active) return;
  if (EditPage == PageTiles || EditPage == PageOverlay) {
    if (Stroke.Rectangle) {
      Level().Cells = Stroke.Before.Design.Cells;
      PaintRectangle(Stroke.Start, cell, Stroke.Button);
    } else {
      PaintCell(cell, Stroke.Button);
    }
    return;
  }
  tUnit* unit = SelectedUnit();
  if (unit == nullptr) {
    Stroke = {};
    return;
  }
  // Off the board the cell is (-1, -1), which the start-cell writers ignore: the unit
  // stays on the last cell inside.
  unit->SetInitialX(cell.X);
  unit->SetInitialY(cell.Y);
  ResetAll();
}

void tLevelEditor::MouseUp() {
  if (!Stroke.Active) return;
  tStroke stroke = std::move(Stroke);
  Stroke = {};
  Commit(std::move(stroke.Before), stroke.What);
}

void tLevelEditor::PaintCell(tPoint cell, tButton button) {
  if (!InsideBoard(cell.X, cell.Y)) return;
  tCell& c = Level().Cell(cell.X, cell.Y);
  const bool left = button == tButton::Left;
  if (EditPage == PageOverlay) {
    c.OverlayTile = left ? SelectedOverlay : 0;
    return;
  }
  std::int32_t* layer = nullptr;
  if (TileLayer == -1)
    layer = &c.TileBelow;
  else if (TileLayer == 0)
    layer = &c.Tile;
  else if (TileLayer == 1)
    layer = &c.TileAbove;
  if (layer != nullptr) *layer = left ? SelectedTile : 0;
  c.Solid = left ? SolidBox : false;
}

// The rectangle between two cells, cut to the board (a corner off the board is taken as
// the nearest edge, so dragging past the border paints up to it).
void tLevelEditor::PaintRectangle(tPoint from, tPoint to, tButton button) {
  if (!InsideBoard(from.X, from.Y)) return;
  if (!InsideBoard(to.X, to.Y)) to = LastRectangleCorner;
  LastRectangleCorner = to;
  for (int x = std::min(from.X, to.X); x <= std::max(from.X, to.X); ++x)
    for (int y = std::min(from.Y, to.Y); y <= std::max(from.Y, to.Y); ++y)
      PaintCell({x, y}, button);
}

void tLevelEditor::PlaceUnit(tPoint cell) {
  const tUnitRecord& record = *UnitRegistry[static_cast<std::size_t>(TemplateIndex)];
  std::unique_ptr<tUnit> unit = record.UnitClass->Create();
  unit->Level = &Level();
  unit->SetInitialX(cell.X);
  unit->SetInitialY(cell.Y);
  unit->Level = nullptr;
  unit->Reset();
  tUnit* added = Level().AddUnit(std::move(unit));
  // As when a level file is read: the last player placed is the one that plays.
  if (record.Name == "Player") Level().Player = added;
  ResetAll();
  SetTemplateArmed(false);
  SelectUnit(added);
}

void tLevelEditor::DeleteSelected() {
  tUnit* unit = SelectedUnit();
  if (unit == nullptr) return;
  tEditState before = Present();
  const std::string name = UnitRegistry.NameOf(*unit);
  Level().FreeUnit(unit);
  Selected = nullptr;
  ResetAll();
  Commit(std::move(before), "delete " + name);
}

}  // namespace qn2
