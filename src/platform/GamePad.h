#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <functional>

namespace qn2 {

// The first game controller as five keys: up, down, left, right (the d-pad or the left
// stick past a quarter of its travel) and the fire button (A). Each change of one of them
// becomes a key going down or up with the number the owner chooses for it.
class tGamePad {
 public:
  enum tPadKey { PadUp, PadDown, PadLeft, PadRight, PadFire, PadKeyCount };
  using tKeyNumbers = std::array<std::uint16_t, PadKeyCount>;
  using tKeyHandler = std::function<void(std::uint16_t keyCode, bool down)>;

  explicit tGamePad(const tKeyNumbers& keys);
  ~tGamePad();
  tGamePad(const tGamePad&) = delete;
  tGamePad& operator=(const tGamePad&) = delete;

  // Opens a controller that was plugged in, forgets one that was pulled out, and turns
  // button and stick events into keys. True when the event was the pad's.
  bool HandleEvent(const SDL_Event& event, const tKeyHandler& onKey);

 private:
  // Reports the key when its held state (button or stick) changed.
  void Update(tPadKey key, const tKeyHandler& onKey);

  tKeyNumbers Keys;
  SDL_GameController* Controller = nullptr;
  std::array<bool, PadKeyCount> ButtonDown{};
  std::array<bool, PadKeyCount> StickDown{};
  std::array<bool, PadKeyCount> Held{};
};

}  // namespace qn2
