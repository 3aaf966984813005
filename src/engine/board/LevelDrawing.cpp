#include "engine/board/Level.h"
#include "render/ColourTables.h"
#include "render/Dib16.h"
#include "render/DibStack.h"
#include "render/PixelFormat.h"
#include "render/TileSheets.h"

namespace qn2 {

namespace {

constexpr int FirstLayer = 0;
constexpr int LastLayer = 3;

bool Shown(const tUnit& unit) {
  return !unit.Dead && !unit.Carried;
}

}  // namespace

// Units by layer, lower rows in front; the player is drawn whatever its state, or the
// out-of-turn ghost in its place while an early step is shown.
void tLevel::DrawUnits() {
  tDib16& frame = *CurrentDib;
  frame.ClipRect = tRect{PlayAreaOffset, 0, frame.Width(), frame.Height()};
  for (int layer = FirstLayer; layer <= LastLayer; ++layer) {
    for (tUnit* unit : DrawList) {
      if (unit->Layer != layer) continue;
      if (unit == Player) {
        if (Play.Clock.DrawOOTPlayer && Play.Clock.OOTPlayer != nullptr)
          Play.Clock.OOTPlayer->Draw();
        else
          unit->Draw();
      } else if (Shown(*unit)) {
        unit->Draw();
      }
    }
  }
  for (tUnit* unit : DrawList)
    if (Shown(*unit)) unit->DrawEffects();
}

// The editor's view: every unit at its start cell.
void tLevel::DrawUnitsAtStart() {
  for (int layer = FirstLayer; layer <= LastLayer; ++layer)
    for (tUnit* unit : DrawList)
      if (unit->Layer == layer) unit->DrawAtInitialPosition();
}

void tLevel::DrawTiles(int left) {
  for (int y = 0; y < BoardRows; ++y) {
    for (int x = 0; x < BoardColumns; ++x) {
      const tCell& cell = Cell(x, y);
      for (std::int32_t tile : {cell.TileBelow, cell.Tile, cell.TileAbove})
        if (tile > 0) TileSheet.Tile(tile).Draw(left + 32 * x, 32 * y);
    }
  }
}

// Overlay tiles are drawn over whatever the mask protects: they are the front-most layer.
void tLevel::DrawOverlay(int left) {
  tDib16& frame = *CurrentDib;
  const bool wasActive = frame.MaskActive;
  frame.MaskActive = false;
  for (int y = 0; y < BoardRows; ++y)
    for (int x = 0; x < BoardColumns; ++x)
      if (const std::int32_t tile = Cell(x, y).OverlayTile; tile > 0)
        OverlaySheet.Tile(tile).Draw(left + 32 * x, 32 * y);
  frame.MaskActive = wasActive;
}

void tLevel::MarkOverlay(int left) {
  for (int y = 0; y < BoardRows; ++y)
    for (int x = 0; x < BoardColumns; ++x)
      if (const std::int32_t tile = Cell(x, y).OverlayTile; tile > 0)
        OverlaySheet.Tile(tile).StampMask(left + 32 * x, 32 * y);
}

// Units that never change (still water, when it is not animated) are painted into the
// level's background picture once.
void tLevel::DrawBackgroundUnits() {
  tDib16& target = *CurrentDib;
  target.ClipRect = tRect{0, 0, target.Width(), target.Height()};
  PlayAreaOffset = 0;
  for (int layer = FirstLayer; layer <= LastLayer; ++layer)
    for (tUnit* unit : DrawList)
      if (unit->Layer == layer && Shown(*unit) && unit->DrawnInBackground()) unit->Draw();
  PlayAreaOffset = SidePanelWidth;
}

void tLevel::ShadeSolid() {
  const std::uint16_t shade = MakePixel(20, 50, 20);
  for (int x = 0; x < BoardColumns; ++x)
    for (int y = 0; y < BoardRows; ++y)
      if (Cell(x, y).Solid) {
        const int left = PlayAreaOffset + 32 * x;
        CurrentDib->AddColourRect(tRect{left, 32 * y, left + 32, 32 * y + 32}, shade);
      }
}

void tLevel::ApplyWaterTint() const {
  SetWaterColour(WaterTint);
}

}  // namespace qn2
