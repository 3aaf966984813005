#pragma once

#include "engine/EngineHooks.h"
#include "render/Dib16.h"
#include "render/Sprite.h"

namespace qn2 {

class tDib16;

// Composes the game picture of each frame: the level's background picture (built once
// per level), the units on top with the overlay tiles kept in front by the frame's mask,
// the side panel and carried items, the centred message and the mouse pointer. Each frame
// only puts back what was drawn over last time, unless a full repaint is asked for.
class tFrameComposer : public tFrameHooks {
 public:
  void DrawGamePicture(tGameEngine& engine) override;
  void DrawMenuScreen(tGameEngine& engine) override;
  void DrawMessageAndPointer(tGameEngine& engine) override;
  void PaintLevelBackground(tGameEngine& engine) override;
  void UpdatePanelButton(std::int32_t x, std::int32_t y, bool clickNow, bool held) override;
  bool TakePanelButtonClick() override;
  void ResetPanelButton() override;
  void RestoreUnderPointer(tDib16& frame) override;

 private:
  void FullRepaint(tGameEngine& engine, tDib16& frame);
  void IncrementalRepaint(tGameEngine& engine, tDib16& frame);
  void DrawUnits(tGameEngine& engine, tDib16& frame);
  void DrawLiveTiles(tGameEngine& engine);
  void DrawPanelAndCursor(tGameEngine& engine, tDib16& frame);
  void PlaceOOTPlayer(tGameEngine& engine);
  void DrawMessage(tGameEngine& engine, tDib16& frame);
  void DrawPointer(tGameEngine& engine, tDib16& frame);

  // What the mouse pointer was last drawn over, and where.
  tDib16 PointerUnder{32, 32};
  std::int32_t PointerSaveX = 0, PointerSaveY = 0;
  bool PointerDrawn = false;
};

// The mouse pointer: a cell of "BaseGfx.bmp" registered and cut at start-up.
void LoadGameEngineGraphicsData();
tSprite& PointerSprite();

}  // namespace qn2
