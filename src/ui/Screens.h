#pragma once

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "engine/GameModes.h"
#include "ui/Screen.h"

namespace qn2 {

// The game's screens, each registered for its modes. It follows the engine's mode: the
// screen of the old mode is left and the one of the new mode entered; and it passes the
// ticks, the drawing and the raw input on to the screen entered last.
class tScreens {
 public:
  tScreens();
  ~tScreens();
  tScreens(const tScreens&) = delete;
  tScreens& operator=(const tScreens&) = delete;

  // The screen becomes the one of each mode given (replacing any screen the mode had).
  void Register(std::unique_ptr<tScreen> screen, std::initializer_list<tGameMode> modes);
  // Every registered screen once, in the order registered.
  void ForEach(const std::function<void(tScreen&)>& visit) const;
  // The screen registered for a mode, null when the mode has none.
  tScreen* For(tGameMode mode) const;
  // The screen entered last and not left since, null when none.
  tScreen* Current() const { return Shown; }
  // The current screen when it runs in place of the engine, null otherwise.
  tScreen* FrameOwner() const;

  // Leaves the current screen when the engine's mode is not one of its modes, then enters
  // the screen of that mode. A screen whose entering fails is not current. Returns the
  // current screen.
  tScreen* Follow(tGameEngine& engine);
  // Leaves the current screen whatever the mode (its pictures go with the display);
  // following the engine enters it again.
  void Leave();

  // To the current screen; nothing happens, and nothing is asked of the window, without one.
  void Update(tPoint pointer, bool moved, tInputDevice& input);
  void Draw(tDib16& frame);
  tScreenResult KeyDown(int vk);
  tScreenResult CharTyped(char c);
  tScreenResult MouseMove(int x, int y);
  tScreenResult MouseDown(int x, int y, int button);
  tScreenResult MouseUp(int x, int y, int button);

 private:
  std::vector<std::unique_ptr<tScreen>> Owned;
  std::array<tScreen*, 256> ByMode{};
  tScreen* Shown = nullptr;
};

}  // namespace qn2
