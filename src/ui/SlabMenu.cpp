#include "ui/SlabMenu.h"

#include <algorithm>

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "common/Rounding.h"
#include "engine/GameEngine.h"
#include "input/InputDevice.h"
#include "render/DibRegistry.h"
#include "render/DibStack.h"
#include "render/MenuFont.h"
#include "render/Sprite.h"
#include "ui/MenuPictures.h"

namespace qn2 {

namespace {

constexpr float GlowRise = 0.05f;
constexpr float GlowFall = 0.03f;
constexpr std::int32_t FrameCentreX = 320;
constexpr std::int32_t FrameCentreY = 240;

float Rise(float glow) {
  return std::min(glow + GlowRise, 1.0f);
}
float Fall(float glow) {
  return std::max(glow - GlowFall, 0.0f);
}

}  // namespace

void tChoiceGlow::Step(bool firstChosen) {
  First = firstChosen ? Rise(First) : Fall(First);
  Second = firstChosen ? Fall(Second) : Rise(Second);
}

void UnloadPicture(const std::string& name) {
  if (tDib16* picture = FindDib(name)) picture->Unload();
}

tSlabMenu::tSlabMenu(tMenuShared& shared, std::string slabName, std::int32_t items,
                     std::int32_t raise)
    : Shared(shared),
      Glows(static_cast<std::size_t>(items), 0.0f),
      Slab(std::move(slabName)),
      Raise(raise) {}

void tSlabMenu::Entered(tGameEngine& engine) {
  Engine = &engine;
  if (Shared.SelectOnEntry >= 0) SetSelection(Shared.SelectOnEntry);
  Shared.SelectOnEntry = -1;
}

void tSlabMenu::Update(tPoint pointer, bool moved, tInputDevice& input) {
  if (Engine == nullptr) return;
  const std::int32_t before = Selection();
  Tick(pointer, moved, input);
  StepGlows();
  if (Selection() != before) PlaySound(samples::MenuMouseMove);
}

void tSlabMenu::ZeroGlows() {
  std::fill(Glows.begin(), Glows.end(), 0.0f);
}

void tSlabMenu::MenuClosed() {
  UnloadPicture(Slab);
}

void tSlabMenu::StepGlows() {
  for (std::size_t item = 0; item < Glows.size(); ++item)
    Glows[item] =
        static_cast<std::int32_t>(item) == Selection() ? Rise(Glows[item]) : Fall(Glows[item]);
}

std::int32_t tSlabMenu::RowAt(tPoint pointer, tSpan column, std::span<const tSpan> rows) {
  if (!column.Contains(pointer.X)) return -1;
  for (std::size_t row = 0; row < rows.size(); ++row)
    if (rows[row].Contains(pointer.Y)) return static_cast<std::int32_t>(row);
  return -1;
}

bool tSlabMenu::StepByKeys(tInputDevice& input, std::int32_t count,
                           bool (*skip)(const tSlabMenu&, int)) {
  std::int32_t step = 0;
  if (input.WasPressed(iaUp)) step = -1;
  if (input.WasPressed(iaDown)) step = +1;
  if (step == 0) return false;
  std::int32_t item = Selection();
  do {
    item = (item + step + count) % count;
  } while (skip != nullptr && skip(*this, item) && item != Selection());
  SetSelection(item);
  PlaySound(samples::MenuMove);
  return true;
}

void tSlabMenu::GoTo(tGameMode mode, std::int32_t selectItem) {
  Shared.SelectOnEntry = selectItem;
  Engine->FullRedraw = true;
  Engine->SetGameMode(mode);
}

void tSlabMenu::GoBack(tGameMode mode) {
  PlaySound(samples::MenuClose);
  GoTo(mode);
}

void tSlabMenu::PlaySound(const char* sample) {
  Sound().PlaySample(sample);
}

void tSlabMenu::DrawSlab(tDib16& frame) {
  tDib16* picture = GetDib(Slab, true);
  tSprite slab;
  slab.SetUp(picture, 0, 0, picture->Width(), picture->Height());
  slab.HotY += Raise;
  tDibTarget target(&frame);
  slab.Draw(FrameCentreX, FrameCentreY);
}

void tSlabMenu::DrawKnob(std::int32_t x, std::int32_t y) {
  tSprite knob;
  knob.SetUp(GetDib(KnobPicture, true), KnobX, KnobY, KnobSize, KnobSize);
  knob.Draw(x, y);
}

std::int32_t tSlabMenu::Level(float glow) {
  return Round(glow * 29);
}

void tSlabMenu::Text(std::int32_t x, std::int32_t y, const char* text, float glow) {
  DrawMenuText(x, y, text, Level(glow));
}

void tSlabMenu::Centred(std::int32_t x, std::int32_t y, const char* text, float glow) {
  DrawMenuTextCentred(x, y, text, Level(glow));
}

void tSlabMenu::CentredLevel(std::int32_t x, std::int32_t y, const char* text, std::int32_t level) {
  DrawMenuTextCentred(x, y, text, level);
}

}  // namespace qn2
