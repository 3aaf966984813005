#include "ui/ClearProgressDialog.h"

#include <algorithm>

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "common/Rounding.h"
#include "input/InputDevice.h"
#include "render/DibStack.h"
#include "render/MenuFont.h"

namespace qn2 {

namespace {

constexpr const char* BackgroundName = "Popup_ConfirmCP.jpg";
constexpr const char* ClearText = "CLEAR PROGRESS";
constexpr const char* KeepText = "LEAVE IT ALONE!";
// Per timer period the selected item brightens by this much and the other one fades.
constexpr double GlowRise = 0.05;
constexpr double GlowFall = 0.03;
constexpr double FullGlowLevel = 29.0;
// The mouse reaches the items only between these columns (left excluded, right included).
constexpr int MouseLeft = 60;
constexpr int MouseRight = 342;
// A line of the menu font fills the 40 pixels above its baseline.
constexpr int ItemLineHeight = 40;

}  // namespace

void tClearProgressDialog::Open() {
  if (!Background) Background = std::make_unique<tDib16>(BackgroundName);
  Answer = 0;
  Glows = {};
}

void tClearProgressDialog::Close() {
  Background.reset();
}

void tClearProgressDialog::Tick(int periods) {
  const std::size_t selected = Selected == 0 ? 0 : 1;
  for (int i = 0; i < periods; ++i) {
    Glows[selected] = std::min(1.0, Glows[selected] + GlowRise);
    Glows[1 - selected] = std::max(0.0, Glows[1 - selected] - GlowFall);
  }
}

std::int32_t tClearProgressDialog::GlowLevel(std::int32_t item) const {
  return Round(FullGlowLevel * Glow(item));
}

void tClearProgressDialog::Draw(tDib16& target) {
  if (!Background) return;
  target.CopyRectFrom(*Background, 0, 0, 0, 0, std::min(target.Width(), Background->Width()),
                      std::min(target.Height(), Background->Height()));
  tDibTarget drawing(&target);
  const std::int32_t middle = Background->Width() / 2;
  DrawMenuTextCentred(middle, ClearItemY, ClearText, GlowLevel(0));
  DrawMenuTextCentred(middle, KeepItemY, KeepText, GlowLevel(1));
}

void tClearProgressDialog::KeyDown(int vk) {
  if (Answer != 0) return;
  switch (vk) {
    case vk::Return:
    case vk::Space:
      Sound().PlaySample(samples::MenuSelect);
      Answer = Selected == 0 ? ClearAnswer : KeepAnswer;
      break;
    case vk::Escape:
      Answer = KeepAnswer;
      Sound().PlaySample(samples::MenuClose);
      break;
    case vk::Up:
    case vk::Down:
      Sound().PlaySample(samples::MenuMove);
      Selected = 1 - Selected;
      break;
    default:
      break;
  }
}

std::int32_t tClearProgressDialog::ItemAt(int x, int y) {
  if (x <= MouseLeft || x > MouseRight) return -1;
  if (y > ClearItemY - ItemLineHeight && y <= ClearItemY) return 0;
  if (y > KeepItemY - ItemLineHeight && y <= KeepItemY) return 1;
  return -1;
}

void tClearProgressDialog::MouseMove(int x, int y) {
  const std::int32_t item = ItemAt(x, y);
  if (item >= 0) Selected = item;
}

void tClearProgressDialog::MouseDown(int x, int y, int /*button*/) {
  if (Answer != 0) return;
  const std::int32_t item = ItemAt(x, y);
  if (item < 0) return;
  Sound().PlaySample(samples::MenuSelect);
  Answer = item == 0 ? ClearAnswer : KeepAnswer;
}

}  // namespace qn2
