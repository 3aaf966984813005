#include "platform/GamePad.h"

namespace qn2 {

namespace {

// A quarter of the stick's travel from the middle, as the game's joystick reading had it.
constexpr Sint16 StickThreshold = 16384;

}  // namespace

tGamePad::tGamePad(const tKeyNumbers& keys) : Keys(keys) {}

tGamePad::~tGamePad() {
  if (Controller != nullptr) SDL_GameControllerClose(Controller);
}

void tGamePad::Update(tPadKey key, const tKeyHandler& onKey) {
  const bool held = ButtonDown[key] || StickDown[key];
  if (held == Held[key]) return;
  Held[key] = held;
  onKey(Keys[key], held);
}

bool tGamePad::HandleEvent(const SDL_Event& event, const tKeyHandler& onKey) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      if (Controller == nullptr) Controller = SDL_GameControllerOpen(event.cdevice.which);
      return true;
    case SDL_CONTROLLERDEVICEREMOVED:
      if (Controller != nullptr && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(
                                       Controller)) == event.cdevice.which) {
        SDL_GameControllerClose(Controller);
        Controller = nullptr;
        for (int key = 0; key < PadKeyCount; ++key) {
          ButtonDown[key] = StickDown[key] = false;
          Update(static_cast<tPadKey>(key), onKey);
        }
      }
      return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      const bool down = event.type == SDL_CONTROLLERBUTTONDOWN;
      tPadKey key;
      switch (event.cbutton.button) {
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
          key = PadUp;
          break;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
          key = PadDown;
          break;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
          key = PadLeft;
          break;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
          key = PadRight;
          break;
        case SDL_CONTROLLER_BUTTON_A:
          key = PadFire;
          break;
        default:
          return true;
      }
      ButtonDown[key] = down;
      Update(key, onKey);
      return true;
    }
    case SDL_CONTROLLERAXISMOTION: {
      const Sint16 value = event.caxis.value;
      if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
        StickDown[PadLeft] = value < -StickThreshold;
        StickDown[PadRight] = value > StickThreshold;
        Update(PadLeft, onKey);
        Update(PadRight, onKey);
      } else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
        StickDown[PadUp] = value < -StickThreshold;
        StickDown[PadDown] = value > StickThreshold;
        Update(PadUp, onKey);
        Update(PadDown, onKey);
      }
      return true;
    }
    default:
      return false;
  }
}

}  // namespace qn2
