#pragma once

#include <optional>

#include "render/Rect.h"

namespace qn2 {

class tDib16;
class tGameEngine;
class tInputDevice;

// What the window must do after a screen handled a piece of raw input.
struct tScreenResult {
  // The screen put itself away (an entry was picked, the player went back to the menu): the
  // engine's mode has moved on, and the window follows it to the next screen.
  bool Hidden = false;
  // Put the mouse pointer here, in frame coordinates.
  std::optional<tPoint> MovePointerTo;
};

// A screen of the game: a menu, a pop-up or the level-pick screen, shown while the engine
// is in one of the modes it is registered for. It is entered when the engine's mode moves
// onto those modes and left when it moves off them; in between it is updated once per tick
// and drawn once per frame.
class tScreen {
 public:
  virtual ~tScreen() = default;

  // Whether the screen runs in place of the engine. The window then ticks and draws it
  // itself, over the whole frame, shows the system pointer over it and gives it all raw
  // input. The engine runs the other screens through its menu hooks, and their raw input
  // reaches the engine's input device as well.
  virtual bool OwnsFrame() const { return false; }

  virtual void Entered(tGameEngine&) {}
  virtual void Left() {}
  // One tick: the pointer in frame pixels, whether it moved since the last tick, and the
  // keys and buttons as the game's actions.
  virtual void Update(tPoint pointer, bool moved, tInputDevice& input) = 0;
  virtual void Draw(tDib16& frame) = 0;

  // Raw window input the input device does not carry: a key going down (virtual-key code),
  // a typed character, and the mouse in frame coordinates.
  virtual tScreenResult KeyDown(int) { return {}; }
  virtual tScreenResult CharTyped(char) { return {}; }
  virtual tScreenResult MouseMove(int, int) { return {}; }
  virtual tScreenResult MouseDown(int, int, int) { return {}; }
  virtual tScreenResult MouseUp(int, int, int) { return {}; }

  // The menus' shared moments, sent to every screen whether shown or not: a menu mode was
  // entered (every glow back to 0), the menu was opened (every selection back to its first
  // item), the menu was closed back to a game (sliders let go, pictures put away).
  virtual void ZeroGlows() {}
  virtual void ZeroSelection() {}
  virtual void MenuClosed() {}
};

}  // namespace qn2
