#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>

namespace qn2 {

// The six joystick states that become keys.
struct tPadKeys {
  bool Left = false;
  bool Right = false;
  bool Up = false;
  bool Down = false;
  bool Enter = false;
  bool Escape = false;

  bool operator==(const tPadKeys&) const = default;
};

// The key numbers the six states stand for.
struct tPadKeyNumbers {
  std::uint16_t Left, Right, Up, Down, Enter, Escape;
};

// Axis positions as SDL reports them (-32768..32767, the game's 0..0xFFFF less 0x8000):
// below -16384 (0x4000) counts as pressed toward the low end, above 16384 (0xC000) toward
// the high end. X low Left, X high Right, Y low Up, Y high Down; button 1 Enter, button 2
// Escape.
tPadKeys PadKeysFromState(int xAxis, int yAxis, bool button1, bool button2);

// Key-down (becoming pressed) or key-up (released) for each of the six whose state
// differs, in the order Left, Right, Up, Down, Enter, Escape.
void SendPadChanges(const tPadKeys& before, const tPadKeys& now, const tPadKeyNumbers& numbers,
                    const std::function<void(std::uint16_t key, bool down)>& onKey);

// Joystick 0, as a game controller when SDL has a mapping for it (its left stick or d-pad,
// A and B), else as a plain joystick (its first two axes or first hat, buttons 1 and 2).
// Read on demand, so whoever polls it decides how often.
class tGamePad {
 public:
  tGamePad();
  ~tGamePad();
  tGamePad(const tGamePad&) = delete;
  tGamePad& operator=(const tGamePad&) = delete;

  bool Present() const { return Controller != nullptr || Joystick != nullptr; }
  // Opens joystick 0 if none is open and one has been plugged in since.
  void Reopen();
  tPadKeys Read() const;
  // The pad's present state becomes the last one seen: what is held now sends nothing.
  void Settle() { State = Read(); }
  // Reads the pad and reports every change since the last poll through onKey.
  void Poll(const tPadKeyNumbers& numbers,
            const std::function<void(std::uint16_t key, bool down)>& onKey);

 private:
  tPadKeys ReadController() const;
  tPadKeys ReadJoystick() const;

  bool Started = false;
  SDL_GameController* Controller = nullptr;
  SDL_Joystick* Joystick = nullptr;
  tPadKeys State;
};

}  // namespace qn2
