#include "engine/FrameComposer.h"

#include "assets/BaseGfxSheet.h"
#include "engine/GameEngine.h"
#include "engine/board/CarriedItems.h"
#include "engine/board/PlayState.h"
#include "render/ColourTables.h"
#include "render/DibRegistry.h"
#include "render/DibStack.h"
#include "render/PixelFormat.h"
#include "render/SidePanel.h"
#include "render/TextService.h"
#include "render/TileSheets.h"

namespace qn2 {

namespace {

tSprite Pointer;

const tRect PlayArea{SidePanelWidth, 0, FrameWidth, FrameHeight};

void CopyPlayAreaRow(tDib16& frame, tDib16& background, std::int32_t row) {
  const std::uint16_t* from = background.ScanLine(row);
  std::uint16_t* to = frame.ScanLine(row) + SidePanelWidth;
  std::copy(from, from + std::min(background.Width(), frame.Width() - SidePanelWidth), to);
}

}  // namespace

void LoadGameEngineGraphicsData() {
  GetDib(sheets::BaseGfx, false);
  Pointer.SetUp(sheets::PointerCell.Picture, sheets::PointerCell.Left, sheets::PointerCell.Top,
                sheets::PointerCell.Width, sheets::PointerCell.Height);
  Pointer.HotX = sheets::PointerCell.HotX;
  Pointer.HotY = sheets::PointerCell.HotY;
}

tSprite& PointerSprite() {
  return Pointer;
}

// --- The game picture ------------------------------------------------------------------------

void tFrameComposer::DrawGamePicture(tGameEngine& engine) {
  tDib16& frame = *CurrentDib;
  if (engine.FullRedraw || !engine.Background)
    FullRepaint(engine, frame);
  else
    IncrementalRepaint(engine, frame);
}

void tFrameComposer::FullRepaint(tGameEngine& engine, tDib16& frame) {
  engine.FullRedraw = false;
  DrawSidePanelBackground();
  frame.MaskActive = false;
  if (engine.Background) {
    for (std::int32_t row = 0; row < std::min(frame.Height(), engine.Background->Height()); ++row)
      CopyPlayAreaRow(frame, *engine.Background, row);
  }
  frame.ClearTouchedRows();
  if (frame.TrackDirty) frame.ClearDirty();
  if (engine.Editing) DrawLiveTiles(engine);
  frame.MaskActive = true;
  DrawUnits(engine, frame);
  engine.Level.DrawOverlay(SidePanelWidth);
  ForgetSidePanel();
  DrawPanelAndCursor(engine, frame);
}

// Puts back what was drawn over last frame, then draws the moving picture on top.
void tFrameComposer::IncrementalRepaint(tGameEngine& engine, tDib16& frame) {
  frame.MaskActive = false;
  if (frame.TrackDirty) {
    frame.RestoreDirtyFrom(*engine.Background, -SidePanelWidth, 0);
  } else {
    for (std::int32_t row = 0; row < std::min(frame.Height(), engine.Background->Height()); ++row)
      if (frame.RowTouched[static_cast<std::size_t>(row)])
        CopyPlayAreaRow(frame, *engine.Background, row);
  }
  frame.ClearTouchedRows();
  if (engine.Editing) DrawLiveTiles(engine);
  frame.MaskActive = true;
  frame.BeginDraw();
  DrawUnits(engine, frame);
  frame.EndDraw();
  DrawPanelAndCursor(engine, frame);
}

// While editing, the background holds the picture alone: tiles and overlay are drawn live.
void tFrameComposer::DrawLiveTiles(tGameEngine& engine) {
  engine.Level.DrawTiles(SidePanelWidth);
  engine.Level.DrawOverlay(SidePanelWidth);
}

void tFrameComposer::DrawUnits(tGameEngine& engine, tDib16& frame) {
  frame.ClipRect = tRect{PlayAreaOffset, 0, frame.Width(), frame.Height()};
  if (engine.Editing)
    engine.Level.DrawUnitsAtStart();
  else
    engine.Level.DrawUnits();
  PlaceOOTPlayer(engine);
}

// The ghost of an early step walks between its two cells; from the next frame on the
// level draws it in the player's place.
void tFrameComposer::PlaceOOTPlayer(tGameEngine& engine) {
  if (!engine.Play().Clock.OOTStepActive || engine.OOTPlayer == nullptr) return;
  const float f = engine.Play().Clock.OOTFraction;
  engine.OOTPlayer->X = (1 - f) * static_cast<float>(engine.Play().Clock.OOTFromX) +
                        f * static_cast<float>(engine.Play().Clock.OOTToX);
  engine.OOTPlayer->Y = (1 - f) * static_cast<float>(engine.Play().Clock.OOTFromY) +
                        f * static_cast<float>(engine.Play().Clock.OOTToY);
  engine.OOTPlayer->Move();
  engine.Play().Clock.DrawOOTPlayer = true;
}

void tFrameComposer::DrawPanelAndCursor(tGameEngine& engine, tDib16& frame) {
  tSidePanel& panel = SidePanel;
  panel.LevelCode = engine.LevelLabel;
  panel.KeysCollected = engine.Play().Counters.KeysCollected;
  panel.KeysInLevel = engine.Play().Counters.KeysInLevel;
  panel.JewelsCollected = engine.Play().Counters.JewelsCollected;
  panel.JewelsInLevel = engine.Play().Counters.JewelsInLevel;
  panel.HintText = engine.Level.Hint;
  DrawSidePanel();
  DrawCarriedItems(engine.Play().Carried, GetDib("SidePanel.jpg", true));
  if (engine.ShowCursor && engine.CursorX >= 0) {
    const int left = engine.CursorX * 32 + SidePanelWidth;
    const int top = engine.CursorY * 32;
    if (engine.CursorSprite != nullptr) {
      engine.CursorSprite->Draw(left + 16, top + 16);
    } else {
      frame.PenColour = MakePixel(255, 255, 255);
      frame.FrameRect(left, top, left + 32, top + 32);
    }
  }
  if (engine.ShowSolid) engine.Level.ShadeSolid();
}

// --- Menus, message and pointer ------------------------------------------------------------------

// The menu and pop-up screens draw themselves over the backdrop the engine copied; a mode
// without a screen leaves the backdrop on show.
void tFrameComposer::DrawMenuScreen(tGameEngine& engine) {
  engine.Menus->DrawScreen(engine);
}

void tFrameComposer::DrawMessageAndPointer(tGameEngine& engine) {
  tDib16& frame = engine.FrameSurface();
  if (engine.GameMode == gmPlaying && (engine.MessageTicks > 0 || engine.Paused))
    DrawMessage(engine, frame);
  DrawPointer(engine, frame);
}

// The game-speed message (or "Paused"), white with a black outline, centred near the top.
void tFrameComposer::DrawMessage(tGameEngine& engine, tDib16& frame) {
  if (TextService == nullptr) return;
  const std::string text = engine.Paused ? "Paused" : engine.MessageText;
  const tPoint extent = TextService->TextExtent(text);
  const int x = 320 - extent.X / 2;
  const tRect clip = frame.ClipRect;
  frame.ClipRect = tRect{0, 0, frame.Width(), frame.Height()};
  for (auto [dx, dy] : {std::pair{1, 99}, std::pair{-1, 99}, std::pair{-1, 101}, std::pair{1, 101}})
    TextService->DrawText(frame, x + dx, dy, text, 0x000000);
  TextService->DrawText(frame, x, 100, text, 0xFFFFFF);
  frame.ClipRect = clip;
  frame.AddDirtyRect(tRect{x - 1, 99, 321 + extent.X / 2, 121});
}

void tFrameComposer::DrawPointer(tGameEngine& engine, tDib16& frame) {
  if (!engine.PointerEnabled) {
    PointerDrawn = false;
    return;
  }
  const tRect clip = frame.ClipRect;
  const bool tracking = frame.TrackDirty;
  frame.ClipRect = tRect{0, 0, frame.Width(), frame.Height()};
  frame.TrackDirty = false;
  PointerSaveX = engine.MouseX - 14;
  PointerSaveY = engine.MouseY - 12;
  PointerUnder.BlitFrom(frame, PointerSaveX, PointerSaveY, 0, 0, 32, 32);
  {
    tDibTarget target(&frame);
    Pointer.Draw(engine.MouseX - 12, engine.MouseY - 10);
  }
  frame.TrackDirty = tracking;
  frame.ClipRect = clip;
  PointerDrawn = true;
}

void tFrameComposer::RestoreUnderPointer(tDib16& frame) {
  if (!PointerDrawn) return;
  const tRect clip = frame.ClipRect;
  const bool tracking = frame.TrackDirty;
  frame.ClipRect = tRect{0, 0, frame.Width(), frame.Height()};
  frame.TrackDirty = false;
  frame.BlitFrom(PointerUnder, 0, 0, PointerSaveX, PointerSaveY, 32, 32);
  frame.TrackDirty = tracking;
  frame.ClipRect = clip;
  PointerDrawn = false;
}

// --- The background picture ------------------------------------------------------------------

// Tiles, the units that never change and the overlay are painted once into the level's
// background picture; the frame's mask then keeps units behind the overlay's pixels.
void tFrameComposer::PaintLevelBackground(tGameEngine& engine) {
  if (!engine.Background) return;
  tDib16& frame = engine.FrameSurface();
  {
    tDibTarget target(engine.Background.get());
    engine.BuildingBackground = true;
    PlayAreaOffset = 0;
    engine.Background->ClipRect =
        tRect{0, 0, engine.Background->Width(), engine.Background->Height()};
    engine.Level.DrawTiles(0);
    engine.Level.DrawBackgroundUnits();
    engine.Level.DrawOverlay(0);
    engine.BuildingBackground = false;
  }
  frame.ClearMask();
  tDibTarget target(&frame);
  const tRect clip = frame.ClipRect;
  frame.ClipRect = PlayArea;
  engine.Level.MarkOverlay(SidePanelWidth);
  frame.ClipRect = clip;
}

// --- The side panel's button -------------------------------------------------------------------

void tFrameComposer::UpdatePanelButton(std::int32_t x, std::int32_t y, bool clickNow, bool held) {
  qn2::UpdatePanelButton(x, y, clickNow, held);
}

bool tFrameComposer::TakePanelButtonClick() {
  return qn2::TakePanelButtonClick();
}

void tFrameComposer::ResetPanelButton() {
  qn2::ResetPanelButton();
}

}  // namespace qn2
