#include "platform/KeyMap.h"

#include <array>
#include <utility>

namespace qn2 {

namespace {

// Keys whose numbers are not simply their letter or digit.
constexpr std::array<std::pair<SDL_Keycode, std::uint16_t>, 63> NamedKeys{{
    {SDLK_BACKSPACE, 8},      {SDLK_TAB, 9},         {SDLK_RETURN, 13},       {SDLK_KP_ENTER, 13},
    {SDLK_LSHIFT, 16},        {SDLK_RSHIFT, 16},     {SDLK_LCTRL, 17},        {SDLK_RCTRL, 17},
    {SDLK_LALT, 18},          {SDLK_RALT, 18},       {SDLK_PAUSE, 19},        {SDLK_CAPSLOCK, 20},
    {SDLK_ESCAPE, 27},        {SDLK_SPACE, 32},      {SDLK_PAGEUP, 33},       {SDLK_PAGEDOWN, 34},
    {SDLK_END, 35},           {SDLK_HOME, 36},       {SDLK_LEFT, 37},         {SDLK_UP, 38},
    {SDLK_RIGHT, 39},         {SDLK_DOWN, 40},       {SDLK_INSERT, 45},       {SDLK_DELETE, 46},
    {SDLK_KP_0, 96},          {SDLK_KP_1, 97},       {SDLK_KP_2, 98},         {SDLK_KP_3, 99},
    {SDLK_KP_4, 100},         {SDLK_KP_5, 101},      {SDLK_KP_6, 102},        {SDLK_KP_7, 103},
    {SDLK_KP_8, 104},         {SDLK_KP_9, 105},      {SDLK_KP_MULTIPLY, 106}, {SDLK_KP_PLUS, 107},
    {SDLK_KP_MINUS, 109},     {SDLK_KP_PERIOD, 110}, {SDLK_KP_DIVIDE, 111},   {SDLK_F1, 112},
    {SDLK_F2, 113},           {SDLK_F3, 114},        {SDLK_F4, 115},          {SDLK_F5, 116},
    {SDLK_F6, 117},           {SDLK_F7, 118},        {SDLK_F8, 119},          {SDLK_F9, 120},
    {SDLK_F10, 121},          {SDLK_F11, 122},       {SDLK_F12, 123},         {SDLK_SEMICOLON, 186},
    {SDLK_EQUALS, 187},       {SDLK_COMMA, 188},     {SDLK_MINUS, 189},       {SDLK_PERIOD, 190},
    {SDLK_SLASH, 191},        {SDLK_BACKQUOTE, 192}, {SDLK_LEFTBRACKET, 219}, {SDLK_BACKSLASH, 220},
    {SDLK_RIGHTBRACKET, 221}, {SDLK_QUOTE, 222},     {SDLK_PRINTSCREEN, 44},
}};

}  // namespace

std::uint16_t VirtualKeyFromSdl(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<std::uint16_t>('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return static_cast<std::uint16_t>('0' + (key - SDLK_0));
  for (const auto& [sdlKey, keyCode] : NamedKeys)
    if (sdlKey == key) return keyCode;
  return 0;
}

SDL_Keycode SdlKeyFromVirtualKey(std::uint16_t keyCode) {
  if (keyCode >= 'A' && keyCode <= 'Z') return SDLK_a + (keyCode - 'A');
  if (keyCode >= '0' && keyCode <= '9') return SDLK_0 + (keyCode - '0');
  for (const auto& [sdlKey, code] : NamedKeys)
    if (code == keyCode) return sdlKey;
  return SDLK_UNKNOWN;
}

std::uint16_t VirtualKeyFromMouseButton(std::uint8_t button) {
  switch (button) {
    case SDL_BUTTON_LEFT:
      return 1;
    case SDL_BUTTON_RIGHT:
      return 2;
    case SDL_BUTTON_MIDDLE:
      return 4;
    default:
      return 0;
  }
}

bool tSdlKeyState::IsKeyDown(std::uint16_t keyCode) const {
  if (keyCode >= 1 && keyCode <= 4) {
    const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    if (keyCode == 1) return (buttons & SDL_BUTTON_LMASK) != 0;
    if (keyCode == 2) return (buttons & SDL_BUTTON_RMASK) != 0;
    if (keyCode == 4) return (buttons & SDL_BUTTON_MMASK) != 0;
    return false;
  }
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  // Both shift, control and alt keys share one number.
  for (const auto& [sdlKey, code] : NamedKeys) {
    if (code != keyCode) continue;
    const SDL_Scancode scan = SDL_GetScancodeFromKey(sdlKey);
    if (scan < count && state[scan] != 0) return true;
  }
  const SDL_Keycode key = SdlKeyFromVirtualKey(keyCode);
  if (key == SDLK_UNKNOWN) return false;
  const SDL_Scancode scan = SDL_GetScancodeFromKey(key);
  return scan < count && state[scan] != 0;
}

}  // namespace qn2
