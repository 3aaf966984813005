#include "render/SidePanel.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "assets/BaseGfxSheet.h"
#include "common/Exception.h"
#include "common/Rounding.h"
#include "common/Text.h"
#include "render/ColourTables.h"
#include "render/Dib16.h"
#include "render/DibRegistry.h"
#include "render/DibStack.h"
#include "render/TextService.h"

namespace qn2 {

tSidePanel SidePanel;

namespace {

constexpr const char* kPanelName = "SidePanel.jpg";
constexpr const char* kButtonName = sheets::BaseGfx;
constexpr const char* kLevelDigitsName = "LevelDigits.bmp";
constexpr const char* kKeysDigitsName = "KeysDigits.bmp";
constexpr const char* kGemsDigitsName = "GemsDigits.bmp";

constexpr std::int32_t kPanelWidth = 128;
constexpr std::int32_t kPanelHeight = 480;

// The hint: the band the panel picture is restored in before new text, the width a line
// may take, and the centre of the text block.
constexpr tRect kHintBand{0, 96, kPanelWidth, 192};
constexpr std::int32_t kHintLineWidth = 115;
constexpr std::int32_t kHintCentreX = 64;
constexpr std::int32_t kHintCentreY = 150;
// Hint colours, red in the low byte.
constexpr std::uint32_t kHintLightGrey = 0xDA | (0xD1 << 8) | (0xCF << 16);
constexpr std::uint32_t kHintBlack = 0;
constexpr std::uint32_t kHintDarkBrown = 0x4E | (0x36 << 8) | (0x2C << 16);

constexpr std::int32_t kButtonX = 64;
constexpr std::int32_t kButtonY = 439;
constexpr float kButtonGlowStep = 0.075f;

constexpr std::int32_t kDigitWidth = 18;
constexpr std::int32_t kDigitHeight = 28;
constexpr int kBlankDigit = 10;
constexpr int kLetterB = 11;
constexpr std::int32_t kKeysY = 228;
constexpr std::int32_t kJewelsY = 302;

tDib16& Target() {
  if (CurrentDib == nullptr) throw Exception("Side panel drawn with no CurrentDib");
  return *CurrentDib;
}

tRect PanelClip(const tDib16& target) {
  return {0, 0, std::min(kPanelWidth, target.Width()), std::min(kPanelHeight, target.Height())};
}

tRect PlayAreaClip(const tDib16& target) {
  return {std::min(kPanelWidth, target.Width()), 0, target.Width(), target.Height()};
}

bool Hovers(std::int32_t x, std::int32_t y) {
  return 26 < x && x < 100 && 425 < y && y < 458;
}

// A count as the panel writes it; the glyph sets have three places.
std::string CounterText(std::int32_t value) {
  return std::to_string(std::clamp(value, -99, 999));
}

int DigitGlyph(char c) {
  return c >= '0' && c <= '9' ? c - '0' : kBlankDigit;
}

// Counters are drawn without listing dirty rectangles; the frame's tracking comes back
// afterwards, whatever happens.
class tUntracked {
 public:
  explicit tUntracked(tDib16& target) : Surface(target), Tracking(target.TrackDirty) {
    Surface.TrackDirty = false;
  }
  ~tUntracked() { Surface.TrackDirty = Tracking; }
  tUntracked(const tUntracked&) = delete;
  tUntracked& operator=(const tUntracked&) = delete;

 private:
  tDib16& Surface;
  bool Tracking;
};

}  // namespace

// Words separated by spaces join the current line while its width stays within the line
// width; a longer word stands on its own line, unbroken.
std::vector<std::string> WrapHint(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t at = 0;
  while (true) {
    const std::size_t start = text.find_first_not_of(' ', at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(text.find(' ', start), text.size());
    const std::string_view word = text.substr(start, end - start);
    at = end;
    if (line.empty()) {
      line = word;
      continue;
    }
    std::string longer = line + ' ';
    longer += word;
    if (GameTextExtent(longer).X <= kHintLineWidth) {
      line = std::move(longer);
    } else {
      lines.push_back(std::move(line));
      line = word;
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

void tSidePanel::Load() {
  GetDib(kPanelName, false);
  GetDib(kButtonName, false);
  GetDib(kLevelDigitsName, false);
  GetDib(kKeysDigitsName, true);
  GetDib(kGemsDigitsName, true);
  for (std::size_t k = 0; k < ButtonGlowFrames.size(); ++k) {
    ButtonGlowFrames[k].SetUp(kButtonName, sheets::MenuButtonGlowCells.Left,
                              sheets::MenuButtonGlowCells.Y(static_cast<std::int32_t>(k)),
                              sheets::MenuButtonGlowCells.Width,
                              sheets::MenuButtonGlowCells.Height);
    ButtonGlowFrames[k].DrawMode = dmOpaque;
  }
  ButtonPressed.SetUp(kButtonName, sheets::MenuButtonPressedCell.Left,
                      sheets::MenuButtonPressedCell.Top, sheets::MenuButtonPressedCell.Width,
                      sheets::MenuButtonPressedCell.Height);
  ButtonPressed.DrawMode = dmOpaque;
  for (std::int32_t place = 0; place < 2; ++place)
    for (std::int32_t g = 0; g < 12; ++g)
      LevelDigits[static_cast<std::size_t>(place)][static_cast<std::size_t>(g)].SetUp(
          kLevelDigitsName, kDigitWidth * place, kDigitHeight * g, kDigitWidth, kDigitHeight);
  SetUpCounter(KeyDigits, kKeysDigitsName);
  SetUpCounter(GemDigits, kGemsDigitsName);
}

void tSidePanel::SetUpCounter(tCounterGlyphs& glyphs, const std::string& name) {
  for (std::int32_t column = 0; column < 3; ++column)
    for (std::int32_t g = 0; g < 11; ++g) {
      const auto c = static_cast<std::size_t>(column);
      const auto i = static_cast<std::size_t>(g);
      glyphs.Count[c][i].SetUp(name, kDigitWidth * column, kDigitHeight * g, kDigitWidth,
                               kDigitHeight);
      glyphs.Total[c][i].SetUp(name, 67 + kDigitWidth * column, kDigitHeight * g, kDigitWidth,
                               kDigitHeight);
    }
}

void tSidePanel::Free() {
  ButtonGlowFrames = {};
  ButtonPressed = {};
  LevelDigits = {};
  KeyDigits = {};
  GemDigits = {};
  Forget();
}

void tSidePanel::DrawBackground() {
  tDib16& target = Target();
  tDib16& panel = *GetDib(kPanelName, true);
  const tRect clip = target.ClipRect;
  target.ClipRect = PanelClip(target);
  target.BlitFrom(panel, 0, 0, 0, 0, panel.Width(), panel.Height());
  target.ClipRect = clip;
}

void tSidePanel::Forget() {
  DrawnHintText.reset();
  DrawnKeysCollected.reset();
  DrawnJewelsCollected.reset();
}

void tSidePanel::UpdateButton(std::int32_t mouseX, std::int32_t mouseY, bool clickNow,
                              bool buttonHeld) {
  Hovering = Hovers(mouseX, mouseY);
  if ((buttonHeld && !WasHeld) || clickNow) PressedInside = Hovering;
  WasHeld = buttonHeld;
  if (!buttonHeld) {
    if (PressedInside && Hovering) Clicked = true;
    PressedInside = false;
  }
  if (Hovering && ButtonGlow < 1)
    ButtonGlow += kButtonGlowStep;
  else if (!Hovering && ButtonGlow > 0)
    ButtonGlow -= kButtonGlowStep;
  ButtonGlow = std::clamp(ButtonGlow, 0.0f, 1.0f);
}

bool tSidePanel::TakeButtonClick() {
  const bool clicked = Clicked;
  Clicked = false;
  return clicked;
}

// The mouse button's own state is kept, so a button still held from before the reset
// does not count as a new press.
void tSidePanel::ResetButton() {
  ButtonGlow = 0;
  Hovering = false;
  PressedInside = false;
  Clicked = false;
}

void tSidePanel::Draw() {
  tDib16& target = Target();
  // The panel's own clip first: the hint text is cut to it like every other drawing.
  target.ClipRect = PanelClip(target);
  if (DrawnHintText != HintText) DrawHint(target);
  DrawButton();
  DrawLevelCode();
  if (DrawnKeysCollected != KeysCollected)
    DrawCounter(target, KeyDigits, kKeysY, KeysCollected, KeysInLevel);
  if (DrawnJewelsCollected != JewelsCollected)
    DrawCounter(target, GemDigits, kJewelsY, JewelsCollected, JewelsInLevel);
  target.ClipRect = PlayAreaClip(target);
  DrawnHintText = HintText;
  DrawnKeysCollected = KeysCollected;
  DrawnJewelsCollected = JewelsCollected;
}

// Lines are centred on x 64, the block around y 150; each is drawn twice in light grey
// as a highlight to the lower right, then in black, then in dark brown one pixel right.
void tSidePanel::DrawHint(tDib16& target) {
  tDib16& panel = *GetDib(kPanelName, true);
  target.BlitFrom(panel, kHintBand.Left, kHintBand.Top, kHintBand.Left, kHintBand.Top,
                  kHintBand.Right - kHintBand.Left, kHintBand.Bottom - kHintBand.Top);
  const std::vector<std::string> lines = WrapHint(HintText);
  const std::int32_t lineHeight = GameFontHeight();
  const auto count = static_cast<std::int32_t>(lines.size());
  const std::uint32_t lightGrey = ApplyGamma(kHintLightGrey);
  const std::uint32_t black = ApplyGamma(kHintBlack);
  const std::uint32_t darkBrown = ApplyGamma(kHintDarkBrown);
  for (std::int32_t k = 0; k < count; ++k) {
    const std::string& line = lines[static_cast<std::size_t>(k)];
    const std::int32_t centreY = kHintCentreY - (count * lineHeight) / 2 + k * lineHeight;
    const tPoint extent = GameTextExtent(line);
    const std::int32_t left = kHintCentreX - extent.X / 2;
    const std::int32_t top = centreY - extent.Y / 2;
    target.BlitFrom(panel, left, top, left, top, extent.X + 3, extent.Y + 3);
    DrawGameText(target, left + 3, top + 1, line, lightGrey);
    DrawGameText(target, left + 2, top + 1, line, lightGrey);
    DrawGameText(target, left, top, line, black);
    DrawGameText(target, left + 1, top, line, darkBrown);
  }
}

void tSidePanel::DrawButton() {
  if (PressedInside && Hovering) {
    ButtonPressed.Draw(kButtonX, kButtonY);
    return;
  }
  const std::int32_t frame = std::clamp(Round(ButtonGlow * 5), 0, 5);
  ButtonGlowFrames[static_cast<std::size_t>(frame)].Draw(kButtonX, kButtonY);
}

void tSidePanel::DrawLevelCode() {
  for (std::size_t place = 0; place < LevelDigits.size(); ++place) {
    const char c = place < LevelCode.size() ? UpperAscii(LevelCode[place]) : ' ';
    const int glyph = c == 'B' ? kLetterB : DigitGlyph(c);
    LevelDigits[place][static_cast<std::size_t>(glyph)].Draw(
        90 + kDigitWidth * static_cast<std::int32_t>(place), 74);
  }
}

// The total reads left to right from x 79; the collected count, padded with "0" to the
// total's length, reads right to left from x 48.
void tSidePanel::DrawCounter(tDib16& target, tCounterGlyphs& glyphs, std::int32_t y,
                             std::int32_t collected, std::int32_t total) {
  tUntracked untracked(target);
  const std::string totalText = CounterText(total);
  std::string countText = CounterText(collected);
  if (countText.size() < totalText.size())
    countText.insert(0, totalText.size() - countText.size(), '0');
  const std::size_t places = glyphs.Total.size();
  for (std::size_t p = 0; p < std::min(places, totalText.size()); ++p)
    glyphs.Total[p][static_cast<std::size_t>(DigitGlyph(totalText[p]))].Draw(
        79 + kDigitWidth * static_cast<std::int32_t>(p), y);
  for (std::size_t p = 0; p < std::min(places, countText.size()); ++p)
    glyphs
        .Count[places - 1 - p]
              [static_cast<std::size_t>(DigitGlyph(countText[countText.size() - 1 - p]))]
        .Draw(48 - kDigitWidth * static_cast<std::int32_t>(p), y);
}

void LoadSidePanel() {
  SidePanel.Load();
}

void FreeSidePanel() {
  SidePanel.Free();
}

void DrawSidePanelBackground() {
  SidePanel.DrawBackground();
}

void ForgetSidePanel() {
  SidePanel.Forget();
}

void UpdatePanelButton(std::int32_t mouseX, std::int32_t mouseY, bool clickNow, bool buttonHeld) {
  SidePanel.UpdateButton(mouseX, mouseY, clickNow, buttonHeld);
}

bool TakePanelButtonClick() {
  return SidePanel.TakeButtonClick();
}

void ResetPanelButton() {
  SidePanel.ResetButton();
}

void DrawSidePanel() {
  SidePanel.Draw();
}

}  // namespace qn2
