#pragma once

#include <cstdint>
#include <string>

#include "engine/GameModes.h"
#include "render/Rect.h"

namespace qn2 {

class tDib16;
class tGameEngine;

// Where the mouse is: the cursor in the main window's client area, and that area's size.
class tPointerSource {
 public:
  virtual ~tPointerSource() = default;
  virtual tPoint CursorPosition() const = 0;
  virtual tPoint ClientSize() const = 0;
};

// A pointer resting at the top-left of a 640 x 480 window (tests and tools).
class tFixedPointer : public tPointerSource {
 public:
  tPoint Cursor{0, 0};
  tPoint Client{640, 480};
  tPoint CursorPosition() const override { return Cursor; }
  tPoint ClientSize() const override { return Client; }
};

// The work of the menu and pop-up modes, done by the screens of the main menu, the slab
// menus and the pop-ups. The engine calls these; a mode without a screen does nothing.
class tMenuHooks {
 public:
  virtual ~tMenuHooks() = default;
  // One tick of the main menu (mode 13), of a slab menu (17..21, 25, 26), of a pop-up
  // (33..35).
  virtual void MainMenuTick(tGameEngine&) {}
  virtual void SlabMenuTick(tGameEngine&, tGameMode) {}
  virtual void PopupTick(tGameEngine&, tGameMode) {}
  // Draws the screen of the engine's menu or pop-up mode, or the all-solved screen (11),
  // into the frame surface.
  virtual void DrawScreen(tGameEngine&) {}
  // Entering a menu mode: every menu's and pop-up's glow back to 0.
  virtual void ZeroGlows() {}
  // Opening the menu: every menu's and pop-up's selection back to the first item.
  virtual void ZeroSelections() {}
  // Closing the menu over a game: the menus' transient state (sliders held, ...).
  virtual void ResetTransientState() {}
  // The caption of the main menu's first item ("START GAME", "PICK A LEVEL").
  virtual void SetStartCaption(const std::string&) {}
};

// The drawing the frame composition does for the engine's DrawFrame. Until it exists
// nothing of the game picture, the menus, the message or the pointer is drawn; the
// transitions (fade-out, intro reveal) are the engine's own.
class tFrameHooks {
 public:
  virtual ~tFrameHooks() = default;
  // Draws the game picture (background, units, overlay, side panel, carried items) into
  // the current drawing target, in full when the engine's FullRedraw is set.
  virtual void DrawGamePicture(tGameEngine&) {}
  // Draws the screen of a menu or pop-up mode (13, 15..27, 33..35) or the all-solved
  // screen (11).
  virtual void DrawMenuScreen(tGameEngine&) {}
  // Draws the centred message and the mouse pointer, last in every frame.
  virtual void DrawMessageAndPointer(tGameEngine&) {}
  // Paints the level's static layers into the engine's background picture.
  virtual void PaintLevelBackground(tGameEngine&) {}
  // The side panel's menu button: fed once per tick with the mouse and the click state;
  // reports a click once; forgets its state on a level reset.
  virtual void UpdatePanelButton(std::int32_t, std::int32_t, bool, bool) {}
  virtual bool TakePanelButtonClick() { return false; }
  virtual void ResetPanelButton() {}
  // Puts back what lay under the mouse pointer, when the pointer was drawn.
  virtual void RestoreUnderPointer(tDib16&) {}
};

}  // namespace qn2
