#include "ui/DisplayQuestion.h"

#include <algorithm>
#include <string_view>

#include "input/InputDevice.h"
#include "render/Dib16.h"
#include "render/DisplayChoice.h"
#include "render/PixelFormat.h"
#include "render/TextService.h"

namespace qn2 {

namespace {

constexpr int TabKey = 9;
constexpr std::int32_t Margin = 10;
constexpr std::int32_t ButtonGap = 16;
constexpr std::int32_t MinButtonWidth = 120;
constexpr std::int32_t MinButtonHeight = 25;
constexpr std::int32_t ButtonPadding = 24;
constexpr std::int32_t HintPadding = 4;

constexpr const char* Label =
    "Your desktop is not running in a 16 bit per pixel display mode.\r\n\r\n"
    "This game is designed to run in 16 bits per pixel.   Although the\r\n"
    "game can run in other modes, it may may not perfom as well.\r\n\r\n"
    "If you play the game Full-Screen, the Screen will be \r\n"
    "changed to the appropriate mode.";

// Text colours: red in the low byte.
constexpr std::uint32_t BlackText = 0x000000;

struct tButtonInfo {
  const char* Text;
  const char* Hint;
  int Answer;
};
constexpr std::array<tButtonInfo, 2> ButtonInfo{{
    {"Run Full-Screen", "For higher perfomance", RunFullScreenAnswer},
    {"Run Windowed", "Possibly slower", RunWindowedAnswer},
}};

std::uint16_t FaceColour() {
  return MakePixel(212, 208, 200);
}

void FillBox(tDib16& target, const tRect& box, std::uint16_t colour) {
  const tRect& clip = target.ClipRect;
  const std::int32_t left = std::max(box.Left, clip.Left);
  const std::int32_t right = std::min(box.Right, clip.Right);
  const std::int32_t top = std::max(box.Top, clip.Top);
  const std::int32_t bottom = std::min(box.Bottom, clip.Bottom);
  if (left >= right || top >= bottom) return;
  target.BeginDraw();
  for (std::int32_t y = top; y < bottom; ++y)
    std::fill_n(target.ScanLine(y) + left, right - left, colour);
  target.EndDraw();
  target.AddDirtyRect({left, top, right, bottom});
}

void Line(tDib16& target, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
          std::uint16_t colour) {
  target.PenColour = colour;
  target.DrawLine(x1, y1, x2, y2);
}

// Top and left edges in one colour, bottom and right in another (right and bottom of the
// rectangle excluded, as everywhere).
void Bevel(tDib16& target, const tRect& r, std::uint16_t light, std::uint16_t dark) {
  Line(target, r.Left, r.Bottom - 1, r.Left, r.Top, light);
  Line(target, r.Left, r.Top, r.Right - 1, r.Top, light);
  Line(target, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1, dark);
  Line(target, r.Right - 1, r.Bottom - 1, r.Left, r.Bottom - 1, dark);
}

tRect Inset(const tRect& r, std::int32_t by) {
  return {r.Left + by, r.Top + by, r.Right - by, r.Bottom - by};
}

// Every other pixel of the outline, like a focus rectangle.
void DottedFrame(tDib16& target, const tRect& r, std::uint16_t colour) {
  const tRect& clip = target.ClipRect;
  auto plot = [&](std::int32_t x, std::int32_t y) {
    if (x >= clip.Left && x < clip.Right && y >= clip.Top && y < clip.Bottom)
      target.ScanLine(y)[x] = colour;
  };
  target.BeginDraw();
  for (std::int32_t x = r.Left; x < r.Right; x += 2) {
    plot(x, r.Top);
    plot(x, r.Bottom - 1);
  }
  for (std::int32_t y = r.Top; y < r.Bottom; y += 2) {
    plot(r.Left, y);
    plot(r.Right - 1, y);
  }
  target.EndDraw();
  target.AddDirtyRect(r);
}

}  // namespace

tDisplayQuestion::tDisplayQuestion(tTextService* face) : Face(face) {
  Layout();
}

const char* tDisplayQuestion::LabelText() {
  return Label;
}

const char* tDisplayQuestion::ButtonText(std::int32_t button) {
  return ButtonInfo[static_cast<std::size_t>(button)].Text;
}

const char* tDisplayQuestion::ButtonHint(std::int32_t button) {
  return ButtonInfo[static_cast<std::size_t>(button)].Hint;
}

int tDisplayQuestion::ButtonAnswer(std::int32_t button) {
  return ButtonInfo[static_cast<std::size_t>(button)].Answer;
}

tPoint tDisplayQuestion::Measure(const std::string& text) const {
  return Face != nullptr ? Face->TextExtent(text) : GameTextExtent(text);
}

std::int32_t tDisplayQuestion::LineHeight() const {
  return Face != nullptr ? Face->FontHeight() : GameFontHeight();
}

void tDisplayQuestion::DrawText(tDib16& target, std::int32_t left, std::int32_t top,
                                const std::string& text, std::uint32_t colour) const {
  if (Face != nullptr)
    Face->DrawText(target, left, top, text, colour);
  else
    DrawGameText(target, left, top, text, colour);
}

// The explanation's paragraphs (separated by blank lines) are flowed into lines no wider
// than the client area allows; a word too long for a line gets one of its own.
void tDisplayQuestion::Layout() {
  std::int32_t buttonText = 0;
  for (const tButtonInfo& info : ButtonInfo)
    buttonText = std::max(buttonText, Measure(info.Text).X);
  const std::int32_t lineHeight = LineHeight();
  const std::int32_t buttonWidth = std::max(MinButtonWidth, buttonText + ButtonPadding);
  const std::int32_t buttonHeight = std::max(MinButtonHeight, lineHeight + 10);
  const std::int32_t width = std::max(MinWidth, 2 * buttonWidth + ButtonGap + 2 * Margin);

  Lines.clear();
  const std::string_view text = Label;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find("\r\n\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    if (!Lines.empty()) Lines.emplace_back();
    std::string line;
    std::size_t pos = start;
    while (pos < end) {
      const std::size_t wordStart = text.find_first_not_of(" \r\n", pos);
      if (wordStart == std::string_view::npos || wordStart >= end) break;
      std::size_t wordEnd = text.find_first_of(" \r\n", wordStart);
      if (wordEnd == std::string_view::npos || wordEnd > end) wordEnd = end;
      const std::string word(text.substr(wordStart, wordEnd - wordStart));
      const std::string longer = line.empty() ? word : line + " " + word;
      if (line.empty() || Measure(longer).X <= width - 2 * Margin) {
        line = longer;
      } else {
        Lines.push_back(line);
        line = word;
      }
      pos = wordEnd;
    }
    if (!line.empty()) Lines.push_back(line);
    start = end + 4;
  }

  const std::int32_t labelHeight = static_cast<std::int32_t>(Lines.size()) * lineHeight;
  const std::int32_t needed = Margin + labelHeight + Margin + buttonHeight + Margin;
  const std::int32_t height = std::max(MinHeight, needed);
  ClientSize = {width, height};
  LabelTop = Margin + (height - needed) / 2;
  const std::int32_t buttonsLeft = (width - (2 * buttonWidth + ButtonGap)) / 2;
  const std::int32_t buttonsTop = height - Margin - buttonHeight;
  for (std::size_t i = 0; i < Buttons.size(); ++i) {
    const std::int32_t left =
        buttonsLeft + static_cast<std::int32_t>(i) * (buttonWidth + ButtonGap);
    Buttons[i] = {left, buttonsTop, left + buttonWidth, buttonsTop + buttonHeight};
  }
}

void tDisplayQuestion::Open() {
  Layout();
  Answer = 0;
  Focus = FullScreenButton;
  Hover = -1;
  Pressed = -1;
  PressedInside = false;
  HoverPeriods = 0;
}

void tDisplayQuestion::Tick(int periods) {
  HoverPeriods = std::min(HoverPeriods + std::max(periods, 0), HintDelayPeriods);
}

std::int32_t tDisplayQuestion::ButtonAt(int x, int y) const {
  for (std::size_t i = 0; i < Buttons.size(); ++i) {
    const tRect& r = Buttons[i];
    if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom)
      return static_cast<std::int32_t>(i);
  }
  return -1;
}

std::int32_t tDisplayQuestion::HintShown() const {
  if (Hover < 0 || Pressed >= 0 || HoverPeriods < HintDelayPeriods) return -1;
  return Hover;
}

void tDisplayQuestion::KeyDown(int vk) {
  HoverPeriods = 0;  // a key hides the hint
  switch (vk) {
    case vk::Left:
      Focus = FullScreenButton;
      break;
    case vk::Right:
      Focus = WindowedButton;
      break;
    case TabKey:
      Focus = Focus == FullScreenButton ? WindowedButton : FullScreenButton;
      break;
    case vk::Return:
    case vk::Space:
      Answer = ButtonAnswer(Focus);
      break;
    case vk::Escape:
      Answer = RunWindowedAnswer;
      break;
    default:
      break;
  }
}

void tDisplayQuestion::MouseMove(int x, int y) {
  MousePos = {x, y};
  const std::int32_t over = ButtonAt(x, y);
  if (over != Hover) {
    Hover = over;
    HoverPeriods = 0;
  }
  if (Pressed >= 0) PressedInside = over == Pressed;
}

void tDisplayQuestion::MouseDown(int x, int y, int button) {
  MouseMove(x, y);
  if (button != vk::LButton || Hover < 0) return;
  Pressed = Hover;
  PressedInside = true;
  Focus = Hover;
}

void tDisplayQuestion::MouseUp(int x, int y, int button) {
  if (button != vk::LButton) return;
  MouseMove(x, y);
  if (Pressed >= 0 && Hover == Pressed) Answer = ButtonAnswer(Pressed);
  Pressed = -1;
  PressedInside = false;
}

void tDisplayQuestion::Draw(tDib16& target) {
  FillBox(target, {0, 0, target.Width(), target.Height()}, FaceColour());
  const std::int32_t lineHeight = LineHeight();
  for (std::size_t i = 0; i < Lines.size(); ++i) {
    const std::int32_t width = Measure(Lines[i]).X;
    DrawText(target, (ClientSize.X - width) / 2,
             LabelTop + static_cast<std::int32_t>(i) * lineHeight, Lines[i], BlackText);
  }
  for (std::int32_t i = 0; i < static_cast<std::int32_t>(Buttons.size()); ++i)
    DrawButton(target, i);
  DrawHint(target);
}

// A push button: raised, or sunken while the mouse holds it down; the focused one has a
// black outline and a dotted focus frame inside.
void tDisplayQuestion::DrawButton(tDib16& target, std::int32_t button) const {
  const tRect& outer = ButtonRect(button);
  const bool focused = Focus == button;
  const bool sunken = Pressed == button && PressedInside;
  const std::uint16_t black = MakePixel(0, 0, 0);
  const std::uint16_t white = MakePixel(255, 255, 255);
  const std::uint16_t shadow = MakePixel(128, 128, 128);
  FillBox(target, outer, FaceColour());
  tRect r = outer;
  if (focused) {
    Bevel(target, r, black, black);
    r = Inset(r, 1);
  }
  if (sunken) {
    Bevel(target, r, shadow, shadow);
  } else {
    Bevel(target, r, white, black);
    Bevel(target, Inset(r, 1), FaceColour(), shadow);
  }
  const std::string text = ButtonText(button);
  const tPoint size = Measure(text);
  const std::int32_t shift = sunken ? 1 : 0;
  DrawText(target, outer.Left + (outer.Right - outer.Left - size.X) / 2 + shift,
           outer.Top + (outer.Bottom - outer.Top - size.Y) / 2 + shift, text, BlackText);
  if (focused) DottedFrame(target, Inset(outer, 4), black);
}

// The hint of the button the mouse rests on, in a pale box below the pointer, kept inside
// the client area.
void tDisplayQuestion::DrawHint(tDib16& target) const {
  const std::int32_t shown = HintShown();
  if (shown < 0) return;
  const std::string text = ButtonHint(shown);
  const tPoint size = Measure(text);
  const std::int32_t width = size.X + 2 * HintPadding;
  const std::int32_t height = size.Y + 2 * HintPadding;
  std::int32_t left = std::min(MousePos.X, ClientSize.X - width);
  std::int32_t top = MousePos.Y + 20;
  if (top + height > ClientSize.Y) top = MousePos.Y - height - 4;
  left = std::max(left, 0);
  top = std::max(top, 0);
  const tRect box{left, top, left + width, top + height};
  FillBox(target, box, MakePixel(255, 255, 225));
  Bevel(target, box, MakePixel(0, 0, 0), MakePixel(0, 0, 0));
  DrawText(target, left + HintPadding, top + HintPadding, text, BlackText);
}

}  // namespace qn2
