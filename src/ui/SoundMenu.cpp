#include "ui/SoundMenu.h"

#include <algorithm>
#include <array>

#include "assets/SampleNames.h"
#include "common/Rounding.h"
#include "data/ConfigFile.h"
#include "engine/GameEngine.h"
#include "input/InputDevice.h"
#include "render/DibStack.h"
#include "ui/MenuPictures.h"

namespace qn2 {

namespace {

constexpr tSpan Column{141, 468};
constexpr std::array<tSpan, 6> Rows{
    {{134, 159}, {180, 204}, {218, 244}, {262, 288}, {300, 324}, {346, 372}}};
constexpr tBox ClickBox{{141, 468}, {128, 374}};
constexpr tSpan SliderColumn{345, 466};
constexpr tSpan EffectsSliderRow{218, 244};
constexpr tSpan MusicSliderRow{300, 324};
constexpr std::int32_t SliderLeft = 345;
constexpr std::int32_t SliderWidth = 120;
constexpr std::int32_t KnobStep = 12;

}  // namespace

tSoundMenu::tSoundMenu(tMenuShared& shared) : tSlabMenu(shared, SoundSlab, Items) {}

std::int32_t tSoundMenu::VolumeAt(std::int32_t x) {
  return std::clamp(Round(static_cast<double>(x - SliderLeft) / SliderWidth * 10), 0, 10);
}

void tSoundMenu::ZeroGlows() {
  tSlabMenu::ZeroGlows();
  EffectsGlow = {};
  MusicGlow = {};
}

void tSoundMenu::StepGlows() {
  tSlabMenu::StepGlows();
  EffectsGlow.Step(Settings.SoundOn);
  MusicGlow.Step(Settings.MusicOn);
}

void tSoundMenu::SetVolume(std::int32_t& volume, std::int32_t value) {
  value = std::clamp(value, 0, 10);
  if (value == volume) return;
  volume = value;
  PlaySound(samples::Slider);
}

void tSoundMenu::Drag(tPoint pointer, tInputDevice& input) {
  if (input.WasPressed(iaClick) && SliderColumn.Contains(pointer.X)) {
    if (EffectsSliderRow.Contains(pointer.Y)) Engine->MenuDrag = DraggingEffects;
    if (MusicSliderRow.Contains(pointer.Y)) Engine->MenuDrag = DraggingMusic;
  }
  if (!input.IsHeld(iaClick)) Engine->MenuDrag = 0;
  if (Engine->MenuDrag == DraggingEffects) SetVolume(Settings.SoundVolume, VolumeAt(pointer.X));
  if (Engine->MenuDrag == DraggingMusic) SetVolume(Settings.MusicVolume, VolumeAt(pointer.X));
}

void tSoundMenu::Tick(tPoint pointer, bool moved, tInputDevice& input) {
  if (moved) {
    const std::int32_t row = RowAt(pointer, Column, Rows);
    if (row >= 0) SetSelection(row);
  }
  Drag(pointer, input);
  StepByKeys(input, Items);
  const bool left = input.WasPressed(iaLeft);
  const bool right = input.WasPressed(iaRight);
  if (left || right) {
    const std::int32_t step = right ? 1 : -1;
    switch (Selection()) {
      case Back:
        if (left) return GoBack(gmOptions);
        break;
      case Effects:
        PlaySound(samples::MenuSelect);
        Settings.SoundOn = left;
        break;
      case EffectsVolume:
        SetVolume(Settings.SoundVolume, Settings.SoundVolume + step);
        break;
      case Music:
        PlaySound(samples::MenuSelect);
        Settings.MusicOn = left;
        break;
      case MusicVolume:
        SetVolume(Settings.MusicVolume, Settings.MusicVolume + step);
        break;
      case Advanced:
        if (right) return GoTo(gmSoundDevice, 0);
        break;
      default:
        break;
    }
  }
  if (input.WasPressed(iaBack) || (input.WasPressed(iaClick) && !ClickBox.Contains(pointer)))
    return GoBack(gmOptions);
  if (input.WasPressed(iaSelect) || input.WasPressed(iaClick)) {
    PlaySound(samples::MenuSelect);
    Choose(Selection());
  }
}

void tSoundMenu::Choose(std::int32_t item) {
  switch (item) {
    case Back:
      GoBack(gmOptions);
      break;
    case Effects:
      Settings.SoundOn = !Settings.SoundOn;
      break;
    case Music:
      Settings.MusicOn = !Settings.MusicOn;
      break;
    case Advanced:
      GoTo(gmSoundDevice);
      break;
    default:
      break;
  }
}

void tSoundMenu::Draw(tDib16& frame) {
  DrawSlab(frame);
  tDibTarget target(&frame);
  Centred(314, 170, "< BACK TO OPTIONS", Glow(Back));
  Text(170, 214, "EFFECTS", Glow(Effects));
  Text(170, 252, "VOLUME", Glow(EffectsVolume));
  Text(170, 298, "MUSIC", Glow(Music));
  Text(170, 336, "VOLUME", Glow(MusicVolume));
  Text(170, 382, "ADVANCED  >", Glow(Advanced));
  Centred(368, 214, "ON", EffectsGlow.First);
  Centred(440, 214, "OFF", EffectsGlow.Second);
  Text(394, 214, "/", Glow(Effects));
  Centred(368, 298, "ON", MusicGlow.First);
  Centred(440, 298, "OFF", MusicGlow.Second);
  Text(394, 298, "/", Glow(Music));
  DrawKnob(SliderLeft + KnobStep * Settings.SoundVolume, 227);
  DrawKnob(SliderLeft + KnobStep * Settings.MusicVolume, 308);
}

}  // namespace qn2
