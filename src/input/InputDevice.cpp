#include "input/InputDevice.h"

#include <cstddef>
#include <memory>
#include <utility>

namespace qn2 {

bool IsPolledKey(std::uint16_t keyCode) {
  if (keyCode == vk::None || keyCode == vk::LButton || keyCode == vk::RButton) return false;
  return keyCode < 256 || keyCode > 261;
}

tInputDevice::tActionEntry* tInputDevice::Entry(tInputAction action) {
  const unsigned index = action % 128u;
  return index < Actions.size() ? &Actions[index] : nullptr;
}

const tInputDevice::tActionEntry* tInputDevice::Entry(tInputAction action) const {
  const unsigned index = action % 128u;
  return index < Actions.size() ? &Actions[index] : nullptr;
}

void tInputDevice::BindKey(tInputAction action, std::uint16_t keyCode) {
  tActionEntry* e = Entry(action);
  if (!e) return;
  if (e->Key1 == 0) {
    e->Key1 = keyCode;
  } else if (e->Key2 == 0) {
    e->Key2 = keyCode;
  } else {
    e->Key1 = keyCode;
    e->Key2 = 0;
  }
}

tInputAction tInputDevice::FindAction(std::uint16_t keyCode) const {
  for (std::size_t i = 0; i < Actions.size(); ++i)
    if (Actions[i].Key1 == keyCode || Actions[i].Key2 == keyCode)
      return static_cast<tInputAction>(i);
  return iaNone;
}

std::uint16_t tInputDevice::BoundKey(tInputAction action, int slot) const {
  const tActionEntry* e = Entry(action);
  if (!e) return 0;
  if (slot == 1) return e->Key1;
  if (slot == 2) return e->Key2;
  return 0;
}

void tInputDevice::KeyDown(std::uint16_t keyCode) {
  if (keyCode != vk::Shift && keyCode != vk::Alt) AnyKey = true;
  // Both typed codes hold an "r", the restart key: a letter that carries on a code being
  // typed is typing, not an action, or the code could never be finished.
  if (keyCode >= 'A' && keyCode <= 'Z' &&
      ContinuesTypedCode(CheatLowerCase(static_cast<char>(keyCode))))
    return;
  const tInputAction action = FindAction(keyCode);
  if (action != iaNone) Press(action);
}

bool tInputDevice::ContinuesTypedCode(char c) const {
  for (std::size_t i = 0; i < CheatList.Count(); ++i)
    if (CheatList[i]->Continues(c)) return true;
  return false;
}

void tInputDevice::KeyUp(std::uint16_t keyCode) {
  const tInputAction action = FindAction(keyCode);
  if (action != iaNone) Release(action);
}

void tInputDevice::Press(tInputAction action) {
  tActionEntry* e = Entry(action);
  if (!e) return;
  if (e->Held && e != &Actions[iaClick]) return;
  AnyKey = true;
  LastAction = static_cast<tInputAction>(e - Actions.data());
  e->Held = true;
  e->Pressed = true;
}

void tInputDevice::Release(tInputAction action) {
  if (tActionEntry* e = Entry(action)) e->Held = false;
}

bool tInputDevice::IsHeld(tInputAction action) const {
  const tActionEntry* e = Entry(action);
  return e && e->Held;
}

bool tInputDevice::WasPressed(tInputAction action) const {
  const tActionEntry* e = Entry(action);
  return e && e->Pressed;
}

bool tInputDevice::IsActive(tInputAction action) const {
  const tActionEntry* e = Entry(action);
  return e && (e->Pressed || e->Held);
}

void tInputDevice::Consume(std::uint16_t mask) {
  for (std::size_t i = 0; i < Actions.size(); ++i)
    if (mask & (1u << i)) Actions[i].Pressed = false;
  AnyKey = false;
}

void tInputDevice::CopyFrom(const tInputDevice& other) {
  Actions = other.Actions;
  LastAction = other.LastAction;
  AnyKey = other.AnyKey;
}

tInputDevice::tLatches tInputDevice::Latches() const {
  tLatches latches;
  for (std::size_t i = 0; i < Actions.size(); ++i) {
    latches.Held[i] = Actions[i].Held;
    latches.Pressed[i] = Actions[i].Pressed;
  }
  latches.LastAction = LastAction;
  latches.AnyKey = AnyKey;
  return latches;
}

void tInputDevice::SetLatches(const tLatches& latches) {
  for (std::size_t i = 0; i < Actions.size(); ++i) {
    Actions[i].Held = latches.Held[i];
    Actions[i].Pressed = latches.Pressed[i];
  }
  LastAction = latches.LastAction;
  AnyKey = latches.AnyKey;
}

void tInputDevice::Resync(const tKeyStateSource& keys) {
  for (tActionEntry& e : Actions) {
    e.Pressed = false;
    e.Held = false;
    for (std::uint16_t key : {e.Key1, e.Key2})
      if (IsPolledKey(key)) e.Held = e.Held || keys.IsKeyDown(key);
  }
  LastAction = iaNone;
}

void tInputDevice::CharTyped(char c) {
  const char lower = CheatLowerCase(c);
  // By index: a matched code's operation may add further codes to the list (they see
  // only the characters typed after them).
  const std::size_t count = CheatList.Count();
  for (std::size_t i = 0; i < count; ++i) CheatList[i]->FeedChar(lower);
}

void tInputDevice::AddCheatCode(std::string code, std::function<void()> onMatch) {
  CheatList.Add(std::make_unique<tCheatCode>(std::move(code), std::move(onMatch)));
}

void BindDefaultKeys(tInputDevice& device) {
  device.BindKey(iaUp, vk::Up);
  device.BindKey(iaDown, vk::Down);
  device.BindKey(iaLeft, vk::Left);
  device.BindKey(iaRight, vk::Right);
  device.BindKey(iaUp, vk::JoyUp);
  device.BindKey(iaDown, vk::JoyDown);
  device.BindKey(iaLeft, vk::JoyLeft);
  device.BindKey(iaRight, vk::JoyRight);
  device.BindKey(iaBack, vk::RButton);
  device.BindKey(iaClick, vk::LButton);
  device.BindKey(iaAction, vk::Space);
  device.BindKey(iaBack, vk::Escape);
  device.BindKey(iaSelect, vk::Return);
  device.BindKey(iaSelect, vk::JoyButton);
  device.BindKey(iaRestart, vk::F6);
  device.BindKey(iaRestart, vk::R);
  device.BindKey(iaFaster, vk::NumPadPlus);
  device.BindKey(iaSlower, vk::NumPadMinus);
  device.BindKey(iaSkipA, vk::Insert);
  device.BindKey(iaSkipB, vk::Home);
}

}  // namespace qn2
