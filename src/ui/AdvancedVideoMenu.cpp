#include "ui/AdvancedVideoMenu.h"

#include <array>

#include "assets/SampleNames.h"
#include "engine/GameEngine.h"
#include "input/InputDevice.h"
#include "render/DibStack.h"
#include "ui/MenuPictures.h"

namespace qn2 {

namespace {

constexpr tSpan Column{110, 533};
constexpr std::array<tSpan, 3> Rows{{{162, 188}, {202, 262}, {274, 334}}};
constexpr tBox ClickBox{{110, 533}, {160, 338}};
constexpr std::int32_t SlabRaise = 8;

}  // namespace

tAdvancedVideoMenu::tAdvancedVideoMenu(tMenuShared& shared)
    : tSlabMenu(shared, AdvancedVideoSlab, Items, SlabRaise) {}

void tAdvancedVideoMenu::ZeroGlows() {
  tSlabMenu::ZeroGlows();
  MemoryGlow = {};
  BitBltGlow = {};
}

void tAdvancedVideoMenu::StepGlows() {
  tSlabMenu::StepGlows();
  MemoryGlow.Step(Shared.PendingVideo.SystemMemoryBackBuffer);
  BitBltGlow.Step(Shared.PendingVideo.BitBlt);
}

bool& tAdvancedVideoMenu::Switch(std::int32_t item) {
  return item == SystemMemory ? Shared.PendingVideo.SystemMemoryBackBuffer
                              : Shared.PendingVideo.BitBlt;
}

void tAdvancedVideoMenu::Tick(tPoint pointer, bool moved, tInputDevice& input) {
  if (moved) {
    const std::int32_t row = RowAt(pointer, Column, Rows);
    if (row >= 0) SetSelection(row);
  }
  StepByKeys(input, Items);
  const bool left = input.WasPressed(iaLeft);
  const bool right = input.WasPressed(iaRight);
  if (left && Selection() == Back) return GoBack(gmVideoOptions);
  if ((left || right) && Selection() != Back) {
    PlaySound(samples::MenuSelect);
    Switch(Selection()) = left;
  }
  if (input.WasPressed(iaBack) || (input.WasPressed(iaClick) && !ClickBox.Contains(pointer)))
    return GoBack(gmVideoOptions);
  if (input.WasPressed(iaSelect) || input.WasPressed(iaClick)) {
    PlaySound(samples::MenuSelect);
    if (Selection() == Back)
      GoBack(gmVideoOptions);
    else
      Switch(Selection()) = !Switch(Selection());
  }
}

void tAdvancedVideoMenu::Draw(tDib16& frame) {
  DrawSlab(frame);
  tDibTarget target(&frame);
  Text(104, 199, "< BACK TO VIDEO", Glow(Back));
  Text(131, 239, "BACK BUFFER", Glow(SystemMemory));
  Text(131, 270, "IN SYSTEM RAM", Glow(SystemMemory));
  Text(126, 314, "DRAW WITHOUT", Glow(BitBlt));
  Text(131, 344, "ACCELERATION", Glow(BitBlt));
  Centred(450, 255, "YES", MemoryGlow.First);
  Centred(525, 255, "NO", MemoryGlow.Second);
  Text(483, 255, "/", Glow(SystemMemory));
  Centred(450, 329, "YES", BitBltGlow.First);
  Centred(525, 329, "NO", BitBltGlow.Second);
  Text(483, 329, "/", Glow(BitBlt));
}

}  // namespace qn2
