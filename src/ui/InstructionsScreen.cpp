#include "ui/InstructionsScreen.h"

#include <algorithm>
#include <string>

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "common/Rounding.h"
#include "engine/GameEngine.h"
#include "input/InputDevice.h"
#include "render/DibRegistry.h"
#include "ui/MenuPictures.h"
#include "ui/SlabMenu.h"

namespace qn2 {

namespace {

constexpr std::int32_t ButtonWidth = 48;
constexpr std::int32_t ButtonHeight = 32;
constexpr std::int32_t NextRow = 0;
constexpr std::int32_t PreviousRow = 32;
constexpr std::int32_t DoneRow = 64;
constexpr tPoint NextAt{577, 438};
constexpr tPoint DoneAt{574, 438};
constexpr tPoint PreviousAt{518, 438};
constexpr float GlowRise = 0.075f;
constexpr float GlowDecay = 0.9f;
constexpr float GlowTop = 0.95f;

std::string PageName(std::int32_t page) {
  return "Instructions(Page" + std::to_string(page) + ").jpg";
}

bool OverPrevious(tPoint p) {
  return p.X >= 524 && p.X <= 556 && p.Y >= 443 && p.Y <= 464;
}
bool OverNext(tPoint p) {
  return p.X >= 584 && p.X <= 616 && p.Y >= 443 && p.Y <= 464;
}
bool OverDone(tPoint p) {
  return p.X > 580 && p.X <= 611 && p.Y >= 443 && p.Y <= 461;
}

// One frame of a button: frame index trunc(glow * 10) across the picture's row.
void DrawButton(tDib16& frame, tDib16& buttons, std::int32_t row, float glow, tPoint at) {
  const std::int32_t index = std::clamp(Trunc(glow * 10), 0, 9);
  frame.CopyRectFrom(buttons, index * ButtonWidth, row, at.X, at.Y, ButtonWidth, ButtonHeight);
}

}  // namespace

void tInstructionsScreen::Entered(tGameEngine& engine) {
  Engine = &engine;
  CurrentPage = 1;
  PauseTicks = OpeningPause;
  Glows = {};
}

void tInstructionsScreen::ZeroGlows() {
  Glows = {};
}

void tInstructionsScreen::MenuClosed() {
  for (std::int32_t page = 1; page <= Pages; ++page) UnloadPicture(PageName(page));
  UnloadPicture(InstructionButtons);
}

void tInstructionsScreen::StepGlow(float& glow, bool hovered) {
  glow = std::clamp(hovered ? glow + GlowRise : glow * GlowDecay, 0.0f, GlowTop);
}

void tInstructionsScreen::Update(tPoint pointer, bool, tInputDevice& input) {
  if (Engine == nullptr) return;
  const bool last = CurrentPage == Pages;
  if (CurrentPage >= 2) StepGlow(Glows[0], OverPrevious(pointer));
  StepGlow(Glows[1], last ? OverDone(pointer) : OverNext(pointer));
  if (PauseTicks > 0) {
    --PauseTicks;
    return;
  }
  if (CurrentPage >= 2 &&
      (input.WasPressed(iaLeft) || (input.WasPressed(iaClick) && OverPrevious(pointer)))) {
    Sound().PlaySample(samples::MenuSelect);
    Turn(-1);
    return;
  }
  if (!last) {
    if (input.WasPressed(iaBack)) {
      Sound().PlaySample(samples::MenuClose);
      BackToMainMenu();
    } else if (input.AnyKey) {
      Sound().PlaySample(samples::MenuSelect);
      Turn(+1);
      PauseTicks = TurnPause;
    }
  } else if (input.AnyKey) {
    Sound().PlaySample(samples::MenuClose);
    BackToMainMenu();
  }
}

void tInstructionsScreen::Turn(std::int32_t step) {
  CurrentPage = std::clamp(CurrentPage + step, 1, Pages);
  Glows = {};
}

// The first two pages are put away on the way out; the others go when the menu closes.
void tInstructionsScreen::BackToMainMenu() {
  UnloadPicture(PageName(1));
  UnloadPicture(PageName(2));
  Engine->FullRedraw = true;
  Engine->SetGameMode(gmMainMenu);
}

void tInstructionsScreen::Draw(tDib16& frame) {
  tDib16* page = GetDib(PageName(CurrentPage), true);
  frame.CopyRectFrom(*page, 0, 0, 0, 0, page->Width(), page->Height());
  tDib16& buttons = *GetDib(InstructionButtons, true);
  if (CurrentPage < Pages)
    DrawButton(frame, buttons, NextRow, Glows[1], NextAt);
  else
    DrawButton(frame, buttons, DoneRow, Glows[1], DoneAt);
  if (CurrentPage >= 2) DrawButton(frame, buttons, PreviousRow, Glows[0], PreviousAt);
}

}  // namespace qn2
