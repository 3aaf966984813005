#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "common/OwnerList.h"
#include "input/CheatCode.h"
#include "input/KeyStateSource.h"

namespace qn2 {

// The actions the game reads instead of raw keys. Number 0 means no action and is
// never bound.
enum tInputAction : std::uint8_t {
  iaNone = 0,
  iaClick = 1,    // clicks on menu items and screens
  iaUp = 2,       // move up / menu up
  iaDown = 3,     // move down / menu down
  iaLeft = 4,     // move left
  iaRight = 5,    // move right
  iaAction = 6,   // the player's action flag; restart after death
  iaSelect = 7,   // confirm; also the player's action flag
  iaBack = 8,     // back / cancel
  iaRestart = 9,  // restart the level
  iaFaster = 10,  // game speed up
  iaSlower = 11,  // game speed down
  iaSkipA = 12,   // skip-level chord, first key
  iaSkipB = 13,   // skip-level chord, second key
};

inline constexpr int InputActionCount = 14;

// Consume masks: bit n stands for action n.
constexpr std::uint16_t ActionMask(tInputAction action) {
  return action < 16 ? static_cast<std::uint16_t>(1u << action) : std::uint16_t{0};
}
// The directions, the action key, restart and the two speed keys.
inline constexpr std::uint16_t TurnActionsMask = 0x0E7C;
inline constexpr std::uint16_t AllActionsMask = 0x3FFF;

// Key codes are Windows virtual-key codes, plus the pseudo-codes of the mouse buttons
// and the joystick. Only the codes the game binds or singles out are named here.
namespace vk {
inline constexpr std::uint16_t None = 0;  // an empty binding slot
inline constexpr std::uint16_t LButton = 1;
inline constexpr std::uint16_t RButton = 2;
inline constexpr std::uint16_t MButton = 4;
inline constexpr std::uint16_t Return = 13;
inline constexpr std::uint16_t Shift = 16;
inline constexpr std::uint16_t Alt = 18;
inline constexpr std::uint16_t Escape = 27;
inline constexpr std::uint16_t Space = 32;
inline constexpr std::uint16_t Home = 36;
inline constexpr std::uint16_t Left = 37;
inline constexpr std::uint16_t Up = 38;
inline constexpr std::uint16_t Right = 39;
inline constexpr std::uint16_t Down = 40;
inline constexpr std::uint16_t Insert = 45;
inline constexpr std::uint16_t R = 82;
inline constexpr std::uint16_t NumPadPlus = 107;
inline constexpr std::uint16_t NumPadMinus = 109;
inline constexpr std::uint16_t F6 = 117;
inline constexpr std::uint16_t JoyUp = 256;
inline constexpr std::uint16_t JoyDown = 257;
inline constexpr std::uint16_t JoyLeft = 258;
inline constexpr std::uint16_t JoyRight = 259;
inline constexpr std::uint16_t JoyButton = 260;
}  // namespace vk

// False for the codes whose state cannot be read back from the keyboard (empty slot,
// left and right mouse buttons, joystick): those keep no held state across a resync.
bool IsPolledKey(std::uint16_t keyCode);

// Turns key and mouse-button events into numbered actions, each with a held-now state
// and a pressed-since-last-consumed latch, and carries the typed cheat codes.
//
// Action arguments are taken modulo 128; a number that then falls outside the table
// (14..127) names no action: it reads as neither held nor pressed and changes nothing.
class tInputDevice {
 public:
  tInputDevice() = default;
  tInputDevice(const tInputDevice&) = delete;
  tInputDevice& operator=(const tInputDevice&) = delete;

  // Stores the key in the action's first empty slot; when both are taken, both are
  // cleared and the key goes into slot 1.
  void BindKey(tInputAction action, std::uint16_t keyCode);
  // The first action (0..13, slot 1 before slot 2) bound to the key; iaNone if none.
  tInputAction FindAction(std::uint16_t keyCode) const;
  // The key in slot 1 or 2 of the action; 0 when the slot is empty.
  std::uint16_t BoundKey(tInputAction action, int slot) const;

  // A key or mouse button went down (auto-repeats included) or came up.
  void KeyDown(std::uint16_t keyCode);
  void KeyUp(std::uint16_t keyCode);

  // An action went down: ignored while it is already held, except for iaClick,
  // which re-latches on every button-down.
  void Press(tInputAction action);
  // An action came up. The pressed latch stays until consumed, so a quick tap between
  // two engine ticks is never lost.
  void Release(tInputAction action);

  bool IsHeld(tInputAction action) const;
  bool WasPressed(tInputAction action) const;
  bool IsActive(tInputAction action) const;

  // Clears the pressed latch of every action whose bit is set in the mask, then
  // AnyKey, whatever the mask.
  void Consume(std::uint16_t mask);

  // Copies the action table (keys and states), LastAction and AnyKey; the cheat codes
  // of this device stay as they are.
  void CopyFrom(const tInputDevice& other);

  // The held and pressed state of every action with LastAction and AnyKey, without the
  // keys bound: what a snapshot of the play keeps of a device.
  struct tLatches {
    std::array<bool, InputActionCount> Held{};
    std::array<bool, InputActionCount> Pressed{};
    tInputAction LastAction = iaNone;
    bool AnyKey = false;
  };
  tLatches Latches() const;
  void SetLatches(const tLatches& latches);

  // Forgets every latch and reads the held states back from the keys as they are now
  // (after the window was inactive, keys may have come up unseen). AnyKey stays.
  void Resync(const tKeyStateSource& keys);

  // A typed character: fed, folded to lower case, to every cheat code in the order
  // they were added.
  void CharTyped(char c);
  // True when c (lower-cased) is the next letter of a typed code under way.
  bool ContinuesTypedCode(char c) const;
  void AddCheatCode(std::string code, std::function<void()> onMatch);
  const tOwnerList<tCheatCode>& CheatCodes() const { return CheatList; }

 private:
  struct tActionEntry {
    std::uint16_t Key1 = 0;
    std::uint16_t Key2 = 0;
    bool Held = false;
    bool Pressed = false;
  };

  tActionEntry* Entry(tInputAction action);
  const tActionEntry* Entry(tInputAction action) const;

  tOwnerList<tCheatCode> CheatList;
  std::array<tActionEntry, InputActionCount> Actions{};

 public:
  // The most recently pressed action; iaNone after Resync.
  tInputAction LastAction = iaNone;
  // Some key or button other than Shift or Alt went down since the last Consume.
  bool AnyKey = false;
};

// The game's default key bindings, bound in this order: arrows, joystick directions,
// then buttons and the remaining keys.
void BindDefaultKeys(tInputDevice& device);

}  // namespace qn2
