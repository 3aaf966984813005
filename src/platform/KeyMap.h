#pragma once

#include <SDL.h>

#include <cstdint>

#include "input/KeyStateSource.h"

namespace qn2 {

// The game keeps its own virtual-key numbers (arrows 37..40, Enter 13, ...);
// these translate SDL's keys and mouse buttons into them. 0 means the game has no
// number for the key.
std::uint16_t VirtualKeyFromSdl(SDL_Keycode key);
// The SDL key of a virtual-key number; SDLK_UNKNOWN when there is none.
SDL_Keycode SdlKeyFromVirtualKey(std::uint16_t keyCode);
// Left 1, right 2, middle 4; 0 for other buttons.
std::uint16_t VirtualKeyFromMouseButton(std::uint8_t button);

// The keyboard and mouse as SDL sees them at this moment, for resynchronising the input.
class tSdlKeyState final : public tKeyStateSource {
 public:
  bool IsKeyDown(std::uint16_t keyCode) const override;
};

}  // namespace qn2
