#include "ui/VideoMenu.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "assets/SampleNames.h"
#include "common/Rounding.h"
#include "data/ConfigFile.h"
#include "engine/GameEngine.h"
#include "input/InputDevice.h"
#include "render/DibStack.h"
#include "ui/MenuPictures.h"

namespace qn2 {

namespace {

constexpr tSpan Column{110, 533};
constexpr std::array<tSpan, 6> Rows{
    {{133, 160}, {169, 196}, {208, 235}, {246, 273}, {286, 315}, {347, 386}}};
constexpr tBox ClickBoxPending{{110, 533}, {120, 385}};
constexpr tBox ClickBoxIdle{{110, 533}, {120, 354}};
constexpr tBox SliderBox{{400, 530}, {170, 196}};
constexpr float LowestGamma = 0.5f;
constexpr float HighestGamma = 2.7f;
constexpr float GammaRange = HighestGamma - LowestGamma;
constexpr float GammaKeyStep = 0.22f;
constexpr float AudibleChange = 0.05f;
constexpr std::int32_t SliderLeft = 404;
constexpr std::int32_t SliderWidth = 120;
constexpr std::int32_t KnobStep = 12;
constexpr float PulseFall = 0.02f;
constexpr float PulseRise = 0.03f;
constexpr float PulseTop = 0.6f;

}  // namespace

bool VideoChangesPending(const tVideoChoices& pending) {
  return std::fabs(Settings.DisplayBrightness - pending.Gamma) > 0.1f ||
         pending.AnimateWater != Settings.AnimateWater ||
         pending.FullScreen != Settings.FullScreen ||
         pending.SystemMemoryBackBuffer != Settings.SystemMemoryBackBuffer ||
         pending.BitBlt != Settings.BitBlt;
}

tVideoMenu::tVideoMenu(tMenuShared& shared) : tSlabMenu(shared, VideoSlab, Items) {}

float tVideoMenu::GammaAt(std::int32_t x) {
  const float gamma = static_cast<float>(x - SliderLeft) / SliderWidth * GammaRange + LowestGamma;
  return std::clamp(gamma, LowestGamma, HighestGamma);
}

void tVideoMenu::ZeroGlows() {
  tSlabMenu::ZeroGlows();
  WaterGlow = {};
  FullScreenGlow = {};
}

// "APPLY CHANGES" pulses while something is pending and it is not selected.
void tVideoMenu::StepGlows() {
  const float applyBefore = Glows[Apply];
  tSlabMenu::StepGlows();
  WaterGlow.Step(Shared.PendingVideo.AnimateWater);
  FullScreenGlow.Step(Shared.PendingVideo.FullScreen);
  float& apply = Glows[Apply];
  if (!Pending()) {
    PulseTicks = 0;
    apply = 0;
  } else if (Selection() != Apply) {
    ++PulseTicks;
    apply = (PulseTicks & 0x70) != 0 ? std::max(applyBefore - PulseFall, 0.0f)
                                     : std::min(applyBefore + PulseRise, PulseTop);
  }
}

void tVideoMenu::SetGamma(float gamma) {
  gamma = std::clamp(gamma, LowestGamma, HighestGamma);
  if (std::fabs(gamma - Shared.PendingVideo.Gamma) > AudibleChange) PlaySound(samples::Slider);
  Shared.PendingVideo.Gamma = gamma;
}

void tVideoMenu::Drag(tPoint pointer, tInputDevice& input) {
  if (input.WasPressed(iaClick) && SliderBox.Contains(pointer))
    Engine->MenuDrag = DraggingBrightness;
  if (!input.IsHeld(iaClick)) Engine->MenuDrag = 0;
  if (Engine->MenuDrag == DraggingBrightness) SetGamma(GammaAt(pointer.X));
}

void tVideoMenu::Tick(tPoint pointer, bool moved, tInputDevice& input) {
  if (moved && Engine->MenuDrag == 0) {
    const std::int32_t row = RowAt(pointer, Column, Rows);
    if (row >= 0 && (row != Apply || Pending())) SetSelection(row);
  }
  Drag(pointer, input);
  StepByKeys(input, Items, [](const tSlabMenu& menu, int item) {
    return item == Apply && !static_cast<const tVideoMenu&>(menu).Pending();
  });
  const bool left = input.WasPressed(iaLeft);
  const bool right = input.WasPressed(iaRight);
  if (left || right) {
    switch (Selection()) {
      case Back:
        if (left) return GoBack(gmOptions);
        break;
      case Brightness:
        SetGamma(Shared.PendingVideo.Gamma + (right ? GammaKeyStep : -GammaKeyStep));
        break;
      case AnimateWater:
        PlaySound(samples::MenuSelect);
        Shared.PendingVideo.AnimateWater = left;
        break;
      case FullScreen:
        PlaySound(samples::MenuSelect);
        Shared.PendingVideo.FullScreen = left;
        break;
      case Advanced:
        if (right) {
          PlaySound(samples::MenuSelect);
          return GoTo(gmAdvancedVideo, 0);
        }
        break;
      default:
        break;
    }
  }
  const tBox& clickBox = Pending() ? ClickBoxPending : ClickBoxIdle;
  if (input.WasPressed(iaBack) || (input.WasPressed(iaClick) && !clickBox.Contains(pointer)))
    return GoBack(gmOptions);
  if (input.WasPressed(iaSelect) || input.WasPressed(iaClick)) {
    PlaySound(samples::MenuSelect);
    Choose(Selection());
  }
}

void tVideoMenu::Choose(std::int32_t item) {
  switch (item) {
    case Back:
      GoBack(gmOptions);
      break;
    case AnimateWater:
      Shared.PendingVideo.AnimateWater = !Shared.PendingVideo.AnimateWater;
      break;
    case FullScreen:
      Shared.PendingVideo.FullScreen = !Shared.PendingVideo.FullScreen;
      break;
    case Advanced:
      GoTo(gmAdvancedVideo);
      break;
    case Apply:
      if (Pending()) ApplyChanges();
      break;
    default:
      break;
  }
}

// The choices become the settings, and the program sets the display and every graphic up
// again with them. A game in progress gets its mode back first: the set-up starts its
// entry again, and the menu's place on the mode stack must not stay behind.
void tVideoMenu::ApplyChanges() {
  const tVideoChoices& chosen = Shared.PendingVideo;
  Settings.DisplayBrightness = chosen.Gamma;
  Settings.AnimateWater = chosen.AnimateWater;
  Settings.FullScreen = chosen.FullScreen;
  Settings.SystemMemoryBackBuffer = chosen.SystemMemoryBackBuffer;
  Settings.BitBlt = chosen.BitBlt;
  if (Engine->GameInProgress) Engine->CloseMenu();
  if (Shared.Services.ReloadData) Shared.Services.ReloadData();
}

void tVideoMenu::Draw(tDib16& frame) {
  DrawSlab(frame);
  tDibTarget target(&frame);
  Centred(314, 168, "< BACK TO OPTIONS", Glow(Back));
  Text(111, 206, "BRIGHTNESS", Glow(Brightness));
  Text(111, 246, "ANIMATE WATER", Glow(AnimateWater));
  Text(111, 286, "USE FULL SCREEN", Glow(FullScreen));
  Text(111, 326, "ADVANCED >", Glow(Advanced));
  Centred(436, 244, "YES", WaterGlow.First);
  Centred(505, 244, "NO", WaterGlow.Second);
  Text(463, 244, "/", Glow(AnimateWater));
  Centred(436, 281, "YES", FullScreenGlow.First);
  Centred(505, 281, "NO", FullScreenGlow.Second);
  Text(463, 281, "/", Glow(FullScreen));
  const std::int32_t c =
      std::clamp(Round((Shared.PendingVideo.Gamma - LowestGamma) / GammaRange * 10), 0, 10);
  DrawKnob(SliderLeft + KnobStep * c, 181);
  if (Pending())
    Centred(320, 384, "APPLY CHANGES", Glow(Apply));
  else
    CentredLevel(320, 384, "APPLY CHANGES", -1);
}

}  // namespace qn2
