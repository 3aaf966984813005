#include "ui/OptionsMenu.h"

#include <array>

#include "assets/SampleNames.h"
#include "data/ConfigFile.h"
#include "engine/GameEngine.h"
#include "input/InputDevice.h"
#include "render/DibStack.h"
#include "ui/MenuPictures.h"

namespace qn2 {

namespace {

constexpr tSpan Column{104, 530};
constexpr std::array<tSpan, 4> Rows{{{180, 210}, {217, 247}, {254, 284}, {291, 321}}};
constexpr tBox ClickBox{{104, 530}, {176, 320}};

}  // namespace

tOptionsMenu::tOptionsMenu(tMenuShared& shared) : tSlabMenu(shared, OptionsSlab, Items) {}

void tOptionsMenu::ZeroGlows() {
  tSlabMenu::ZeroGlows();
  DialogsGlow = {};
}

void tOptionsMenu::StepGlows() {
  tSlabMenu::StepGlows();
  DialogsGlow.Step(Settings.Dialogs);
}

void tOptionsMenu::Tick(tPoint pointer, bool moved, tInputDevice& input) {
  if (moved) {
    const std::int32_t row = RowAt(pointer, Column, Rows);
    if (row >= 0) SetSelection(row);
  }
  StepByKeys(input, Items);
  if (input.WasPressed(iaLeft)) {
    if (Selection() == Back) return GoBack(gmMainMenu);
    if (Selection() == InGameMenus) {
      PlaySound(samples::MenuSelect);
      Settings.Dialogs = true;
    }
  }
  if (input.WasPressed(iaRight)) {
    if (Selection() == Sound) return GoTo(gmSoundOptions, 0);
    if (Selection() == Video) return OpenVideo();
    if (Selection() == InGameMenus) {
      PlaySound(samples::MenuSelect);
      Settings.Dialogs = false;
    }
  }
  if (input.WasPressed(iaBack) || (input.WasPressed(iaClick) && !ClickBox.Contains(pointer)))
    return GoBack(gmMainMenu);
  if (input.WasPressed(iaSelect) || input.WasPressed(iaClick)) {
    PlaySound(samples::MenuSelect);
    Choose(Selection());
  }
}

void tOptionsMenu::Choose(std::int32_t item) {
  switch (item) {
    case Back:
      GoBack(gmMainMenu);
      break;
    case Sound:
      GoTo(gmSoundOptions);
      break;
    case Video:
      OpenVideo();
      break;
    case InGameMenus:
      Settings.Dialogs = !Settings.Dialogs;
      break;
    default:
      break;
  }
}

// The video menu works on copies of the display settings from here on.
void tOptionsMenu::OpenVideo() {
  Shared.PendingVideo = {Settings.DisplayBrightness, Settings.AnimateWater, Settings.FullScreen,
                         Settings.SystemMemoryBackBuffer, Settings.BitBlt};
  GoTo(gmVideoOptions, 0);
}

void tOptionsMenu::Draw(tDib16& frame) {
  DrawSlab(frame);
  tDibTarget target(&frame);
  Centred(312, 218, "< BACK TO MAIN", Glow(Back));
  Centred(334, 256, "SOUND >", Glow(Sound));
  Centred(336, 293, "VIDEO >", Glow(Video));
  Centred(306, 330, "IN-GAME MENUS      / ", Glow(InGameMenus));
  Centred(434, 330, "ON", DialogsGlow.First);
  Centred(504, 330, "OFF", DialogsGlow.Second);
}

}  // namespace qn2
