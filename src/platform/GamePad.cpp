#include "platform/GamePad.h"

#include <utility>

namespace qn2 {

namespace {

constexpr int AxisLow = -16384;
constexpr int AxisHigh = 16384;

}  // namespace

tPadKeys PadKeysFromState(int xAxis, int yAxis, bool button1, bool button2) {
  return {xAxis<AxisLow, xAxis> AxisHigh, yAxis<AxisLow, yAxis> AxisHigh, button1, button2};
}

void SendPadChanges(const tPadKeys& before, const tPadKeys& now, const tPadKeyNumbers& numbers,
                    const std::function<void(std::uint16_t, bool)>& onKey) {
  const std::pair<bool tPadKeys::*, std::uint16_t> keys[] = {
      {&tPadKeys::Left, numbers.Left},   {&tPadKeys::Right, numbers.Right},
      {&tPadKeys::Up, numbers.Up},       {&tPadKeys::Down, numbers.Down},
      {&tPadKeys::Enter, numbers.Enter}, {&tPadKeys::Escape, numbers.Escape}};
  for (const auto& [state, key] : keys)
    if (before.*state != now.*state) onKey(key, now.*state);
}

tGamePad::tGamePad() {
  Started = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  Reopen();
}

tGamePad::~tGamePad() {
  if (Controller != nullptr) SDL_GameControllerClose(Controller);
  if (Joystick != nullptr) SDL_JoystickClose(Joystick);
  if (Started) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void tGamePad::Reopen() {
  if (!Started || Present() || SDL_NumJoysticks() < 1) return;
  if (SDL_IsGameController(0))
    Controller = SDL_GameControllerOpen(0);
  else
    Joystick = SDL_JoystickOpen(0);
}

tPadKeys tGamePad::Read() const {
  if (Controller != nullptr) return ReadController();
  if (Joystick != nullptr) return ReadJoystick();
  return {};
}

void tGamePad::Poll(const tPadKeyNumbers& numbers,
                    const std::function<void(std::uint16_t, bool)>& onKey) {
  if (!Present()) return;
  const tPadKeys now = Read();
  SendPadChanges(State, now, numbers, onKey);
  State = now;
}

tPadKeys tGamePad::ReadController() const {
  SDL_GameControllerUpdate();
  auto button = [this](SDL_GameControllerButton b) {
    return SDL_GameControllerGetButton(Controller, b) != 0;
  };
  tPadKeys keys =
      PadKeysFromState(SDL_GameControllerGetAxis(Controller, SDL_CONTROLLER_AXIS_LEFTX),
                       SDL_GameControllerGetAxis(Controller, SDL_CONTROLLER_AXIS_LEFTY),
                       button(SDL_CONTROLLER_BUTTON_A), button(SDL_CONTROLLER_BUTTON_B));
  keys.Left = keys.Left || button(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
  keys.Right = keys.Right || button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  keys.Up = keys.Up || button(SDL_CONTROLLER_BUTTON_DPAD_UP);
  keys.Down = keys.Down || button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  return keys;
}

tPadKeys tGamePad::ReadJoystick() const {
  SDL_JoystickUpdate();
  const int axes = SDL_JoystickNumAxes(Joystick);
  const int buttons = SDL_JoystickNumButtons(Joystick);
  tPadKeys keys = PadKeysFromState(axes > 0 ? SDL_JoystickGetAxis(Joystick, 0) : 0,
                                   axes > 1 ? SDL_JoystickGetAxis(Joystick, 1) : 0,
                                   buttons > 0 && SDL_JoystickGetButton(Joystick, 0) != 0,
                                   buttons > 1 && SDL_JoystickGetButton(Joystick, 1) != 0);
  if (SDL_JoystickNumHats(Joystick) > 0) {
    const Uint8 hat = SDL_JoystickGetHat(Joystick, 0);
    keys.Left = keys.Left || (hat & SDL_HAT_LEFT) != 0;
    keys.Right = keys.Right || (hat & SDL_HAT_RIGHT) != 0;
    keys.Up = keys.Up || (hat & SDL_HAT_UP) != 0;
    keys.Down = keys.Down || (hat & SDL_HAT_DOWN) != 0;
  }
  return keys;
}

}  // namespace qn2
