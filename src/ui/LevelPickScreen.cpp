#include "ui/LevelPickScreen.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "common/LookRandom.h"
#include "data/BestStore.h"
#include "engine/GameEngine.h"
#include "input/InputDevice.h"
#include "render/ColourTables.h"
#include "render/DibRegistry.h"
#include "render/DibStack.h"
#include "render/MenuFont.h"
#include "render/PixelFormat.h"
#include "render/TextService.h"

namespace qn2 {

namespace {

constexpr const char* ButtonPictureName = "LevelPickButton.jpg";
constexpr const char* CaptionName = "PickALevelCaption.jpg";
constexpr const char* BackPictureBase = "BackToMenuButton";
constexpr const char* ClearPictureBase = "ClearProgressButton";
constexpr std::int32_t BonusButtons = 9;
constexpr std::int32_t BonusCellWidth = 72;
constexpr std::int32_t BonusCellHeight = 20;
constexpr std::int32_t PictureButtonWidth = 140;
constexpr std::int32_t PictureButtonHeight = 24;
constexpr tPoint BackButtonAt{8, 8};
constexpr tPoint ClearButtonAt{492, 8};
// Entries that cannot be played (dummies, videos, none at all) are dimmed this many steps.
constexpr int DimSteps = 3;
// The label of the selected button flickers through glows 6..29 under its glow of 24.
constexpr std::int32_t SelectedGlow = 24;
constexpr std::int32_t LowestFlicker = 6;
constexpr std::int32_t FlickerRange = 24;
// The arrow keys put the pointer this far inside the selected button's bottom-right corner.
constexpr std::int32_t PointerInset = 8;
// The hint box: below the pointer's tip, with a margin around the text.
constexpr std::int32_t HintBelowPointer = 20;
constexpr std::int32_t HintPadding = 4;

std::string BonusPictureName(std::int32_t bonus) {
  return "Bonus" + std::to_string(bonus + 1) + "Button.jpg";
}

std::vector<std::string> PictureButtonNames() {
  std::vector<std::string> names;
  for (const char* base : {BackPictureBase, ClearPictureBase})
    for (const char* suffix : {"", "_LitDown", "_Lit"})
      names.push_back(std::string(base) + suffix + ".jpg");
  return names;
}

std::uint16_t GammaPixel(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  const std::uint32_t c = ApplyGamma(r | (g << 8) | (static_cast<std::uint32_t>(b) << 16));
  return MakePixel(static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8),
                   static_cast<std::uint8_t>(c >> 16));
}

void FillRect(tDib16& target, tRect rect, std::uint16_t colour) {
  rect.Left = std::max(rect.Left, 0);
  rect.Top = std::max(rect.Top, 0);
  rect.Right = std::min(rect.Right, target.Width());
  rect.Bottom = std::min(rect.Bottom, target.Height());
  for (std::int32_t y = rect.Top; y < rect.Bottom; ++y) {
    std::uint16_t* row = target.ScanLine(y);
    std::fill(row + rect.Left, row + rect.Right, colour);
  }
}

// A one-pixel bevel: light along the top and left and dark along the bottom and right, the
// other way round for a pressed button.
void Bevel(tDib16& target, const tRect& rect, bool down) {
  const std::uint16_t light = GammaPixel(176, 138, 96);
  const std::uint16_t dark = GammaPixel(24, 14, 10);
  const std::uint16_t topLeft = down ? dark : light;
  const std::uint16_t bottomRight = down ? light : dark;
  FillRect(target, {rect.Left, rect.Top, rect.Right, rect.Top + 1}, topLeft);
  FillRect(target, {rect.Left, rect.Top, rect.Left + 1, rect.Bottom}, topLeft);
  FillRect(target, {rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, bottomRight);
  FillRect(target, {rect.Right - 1, rect.Top + 1, rect.Right, rect.Bottom}, bottomRight);
}

// Nearest-pixel stretch of the whole source over the rectangle.
void StretchOnto(tDib16& target, tDib16& source, const tRect& rect) {
  const std::int32_t width = rect.Right - rect.Left;
  const std::int32_t height = rect.Bottom - rect.Top;
  if (width <= 0 || height <= 0 || source.Width() <= 0 || source.Height() <= 0) return;
  for (std::int32_t dy = 0; dy < height; ++dy) {
    const std::int32_t y = rect.Top + dy;
    if (y < 0 || y >= target.Height()) continue;
    const std::uint16_t* from = source.ScanLine(dy * source.Height() / height);
    std::uint16_t* to = target.ScanLine(y);
    for (std::int32_t dx = 0; dx < width; ++dx) {
      const std::int32_t x = rect.Left + dx;
      if (x >= 0 && x < target.Width()) to[x] = from[dx * source.Width() / width];
    }
  }
}

// The lines of a hint, split at carriage returns.
std::vector<std::string_view> HintLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\r', start);
    lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return lines;
    start = end + 1;
  }
}

}  // namespace

tLevelPickScreen::tLevelPickScreen() = default;
tLevelPickScreen::~tLevelPickScreen() = default;

// --- Layout ---------------------------------------------------------------------------------

tRect tLevelPickScreen::ButtonRect(std::int32_t button) {
  if (button >= 0 && button < LevelButtons) {
    const std::int32_t left = button % Columns * ColumnWidth;
    const std::int32_t top = CaptionHeight + button / Columns * RowHeight;
    return {left, top, left + ColumnWidth + 1, top + RowHeight};
  }
  if (button >= LevelButtons && button < EntryButtons) {
    const std::int32_t left = (button - LevelButtons) * ColumnWidth;
    return {left, ClientHeight - BonusRowHeight, left + ColumnWidth + 1, ClientHeight};
  }
  if (button == BackButton || button == ClearButton) {
    const tPoint at = button == BackButton ? BackButtonAt : ClearButtonAt;
    return {at.X, at.Y, at.X + PictureButtonWidth, at.Y + PictureButtonHeight};
  }
  return {};
}

std::int32_t tLevelPickScreen::ButtonAt(int x, int y) {
  // Neighbouring buttons share a column of pixels; the later one lies on top.
  for (std::int32_t button = ClearButton; button >= 0; --button) {
    const tRect r = ButtonRect(button);
    if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) return button;
  }
  return NoButton;
}

// --- Showing and hiding -----------------------------------------------------------------------

void tLevelPickScreen::Show(tGameEngine& engine) {
  if (IsShown) Hide();
  Engine = &engine;
  for (std::int32_t bonus = 0; bonus < BonusButtons; ++bonus) GetDib(BonusPictureName(bonus), true);
  for (const std::string& name : PictureButtonNames()) GetDib(name, true);
  auto buttonPicture = std::make_unique<tDib16>(ButtonPictureName);
  auto caption = std::make_unique<tDib16>(CaptionName);
  LevelFace = std::make_unique<tDib16>(buttonPicture->Width() / 2, buttonPicture->Height());
  BonusFace = std::make_unique<tDib16>(BonusCellWidth, BonusCellHeight);
  ButtonPicture = std::move(buttonPicture);
  Caption = std::move(caption);
  if (engine.EntryIndex >= 0 && engine.EntryIndex < EntryButtons) Selected = engine.EntryIndex;
  Hot = ButtonAt(Pointer.X, Pointer.Y);
  Pressed = NoButton;
  RestTicks = 0;
  ForgetHint();
  IsShown = true;
}

void tLevelPickScreen::Hide() {
  IsShown = false;
  Pressed = NoButton;
  ForgetHint();
  LevelFace.reset();
  BonusFace.reset();
  ButtonPicture.reset();
  Caption.reset();
  for (std::int32_t bonus = 0; bonus < BonusButtons; ++bonus)
    if (tDib16* picture = FindDib(BonusPictureName(bonus))) picture->Unload();
  for (const std::string& name : PictureButtonNames())
    if (tDib16* picture = FindDib(name)) picture->Unload();
}

void tLevelPickScreen::Entered(tGameEngine& engine) {
  Show(engine);
}

void tLevelPickScreen::Left() {
  if (IsShown) Hide();
}

// --- Selection, hints and ticks -----------------------------------------------------------------

void tLevelPickScreen::SelectLevel(std::int32_t k) {
  if (k < 0 || k >= EntryButtons || k == Selected) return;
  Sound().PlaySample(samples::MenuMove);
  Selected = k;
}

std::int32_t tLevelPickScreen::Progress(std::int32_t entry) const {
  return Engine != nullptr ? Engine->Episode.GetProgress(entry) : 0;
}

std::string tLevelPickScreen::ButtonHint(std::int32_t entry) const {
  if (Engine == nullptr || entry < 0 || entry >= Engine->Episode.Count()) return {};
  std::vector<std::string> lines;
  const std::string title = Engine->Episode.EntryTitle(entry);
  if (!title.empty()) lines.push_back(title);
  if (Engine->Episode.IsVideoEntry(entry)) lines.emplace_back("(Video)");
  const std::int32_t progress = Progress(entry);
  if (progress == 1) lines.emplace_back("(Partially Solved)");
  if (progress == 2) lines.emplace_back("(Solved)");
  if (Engine->Episode.IsLevelEntry(entry))
    if (const std::optional<tBestRun> best =
            Engine->BestOfLevel(Engine->Episode.Entry(entry).FileName))
      lines.push_back(BestRunText(*best));
  std::string hint;
  for (const std::string& line : lines) hint += (hint.empty() ? "" : "\r") + line;
  return hint;
}

void tLevelPickScreen::ForgetHint() {
  HintText.clear();
}

void tLevelPickScreen::Update(tPoint, bool, tInputDevice&) {
  Tick();
}

void tLevelPickScreen::Tick() {
  if (!IsShown) return;
  for (std::int32_t& glow : FlickerGlows) glow = LowestFlicker + LookRandom.Below(FlickerRange);
  SelectedBonusRow = LookRandom.Below(2) == 0 ? 40 : 60;
  if (Hot < 0 || Hot >= EntryButtons || Pressed != NoButton) return;
  if (RestTicks < HintDelayTicks && ++RestTicks == HintDelayTicks) {
    HintText = ButtonHint(Hot);
    HintAt = {Pointer.X, Pointer.Y + HintBelowPointer};
  }
}

// --- Drawing
// ------------------------------------------------------------------------------------------

tLevelPickScreen::tButtonLook tLevelPickScreen::LookOf(std::int32_t button) const {
  return {Pressed == button && Hot == button, Hot == button};
}

void tLevelPickScreen::Draw(tDib16& frame) {
  if (!IsShown) return;
  const tRect clip = frame.ClipRect;
  const bool suspended = frame.SuspendDirty;
  frame.ClipRect = {0, 0, frame.Width(), frame.Height()};
  frame.SuspendDirty = true;
  frame.BeginDraw();
  FillRect(frame, frame.ClipRect, GammaPixel(128, 0, 0));
  frame.EndDraw();
  frame.BlitFrom(*Caption, 0, 0, 0, 0, Caption->Width(), Caption->Height());
  for (std::int32_t entry = 0; entry < EntryButtons; ++entry) {
    if (entry < LevelButtons)
      PaintLevelButton(frame, entry);
    else
      PaintBonusButton(frame, entry);
  }
  PaintPictureButton(frame, BackButton);
  PaintPictureButton(frame, ClearButton);
  PaintHint(frame);
  frame.SuspendDirty = suspended;
  frame.ClipRect = clip;
}

void tLevelPickScreen::DimUnplayable(tDib16& face, std::int32_t entry) const {
  // A video is picked like a level and keeps its face.
  const bool playable =
      Engine != nullptr && !Engine->Episode.IsDummyEntry(entry) &&
      (Engine->Episode.IsLevelEntry(entry) || Engine->Episode.IsVideoEntry(entry));
  if (!playable)
    for (int step = 0; step < DimSteps; ++step) face.DarkenSurface(2);
}

void tLevelPickScreen::PutOnButton(tDib16& frame, tDib16& face, std::int32_t button, bool down) {
  const tButtonLook look = LookOf(button);
  if (look.Hot && !look.Down) {
    // The pointer lights the button up a little.
    face.AddColourRect({0, 0, face.Width(), face.Height()}, MakePixel(28, 22, 12));
  }
  const tRect rect = ButtonRect(button);
  frame.BeginDraw();
  Bevel(frame, rect, down);
  StretchOnto(frame, face, {rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1});
  frame.EndDraw();
}

void tLevelPickScreen::PaintLevelButton(tDib16& frame, std::int32_t entry) {
  const std::int32_t progress = Progress(entry);
  const bool down = LookOf(entry).Down;
  const std::int32_t half = LevelFace->Width();
  LevelFace->FillSurface(0);
  LevelFace->BlitFrom(*ButtonPicture, down || progress == 2 ? half : 0, 0, 0, 0, half,
                      LevelFace->Height());
  const std::string label = std::to_string(entry + 1);
  const std::int32_t x = half / 2;
  const std::int32_t y = LevelFace->Height() * 3 / 4;
  auto write = progress == 2 ? DrawMenuTextAltCentred : DrawMenuTextCentred;
  std::int32_t glow = progress == 1 || progress == 2 ? 0 : 12;
  {
    tDibTarget drawing(LevelFace.get());
    if (entry == Selected) {
      for (std::int32_t flicker : FlickerGlows) write(x, y, label, flicker);
      glow = SelectedGlow;
    }
    write(x, y, label, glow);
  }
  DimUnplayable(*LevelFace, entry);
  PutOnButton(frame, *LevelFace, entry, down);
}

void tLevelPickScreen::PaintBonusButton(tDib16& frame, std::int32_t entry) {
  const std::int32_t progress = Progress(entry);
  const bool down = LookOf(entry).Down;
  const std::int32_t column = down || progress == 2 ? BonusCellWidth : 0;
  const std::int32_t row = entry == Selected ? SelectedBonusRow
                           : progress == 0   ? 40
                           : progress == 1   ? 20
                                             : 0;
  tDib16* picture = GetDib(BonusPictureName(entry - LevelButtons), true);
  BonusFace->FillSurface(0);
  BonusFace->BlitFrom(*picture, column, row, 0, 0, BonusCellWidth, BonusCellHeight);
  DimUnplayable(*BonusFace, entry);
  PutOnButton(frame, *BonusFace, entry, down);
}

void tLevelPickScreen::PaintPictureButton(tDib16& frame, std::int32_t button) {
  const tButtonLook look = LookOf(button);
  const std::string name = std::string(button == BackButton ? BackPictureBase : ClearPictureBase) +
                           (look.Down  ? "_LitDown"
                            : look.Hot ? "_Lit"
                                       : "") +
                           ".jpg";
  tDib16* picture = GetDib(name, true);
  const tRect rect = ButtonRect(button);
  frame.BlitFrom(*picture, 0, 0, rect.Left, rect.Top, rect.Right - rect.Left,
                 rect.Bottom - rect.Top);
}

void tLevelPickScreen::PaintHint(tDib16& frame) {
  if (HintText.empty()) return;
  const std::vector<std::string_view> lines = HintLines(HintText);
  const std::int32_t lineHeight = GameFontHeight();
  std::int32_t width = 0;
  for (std::string_view line : lines) width = std::max(width, GameTextExtent(line).X);
  width += 2 * HintPadding;
  const std::int32_t height =
      static_cast<std::int32_t>(lines.size()) * lineHeight + 2 * HintPadding;
  std::int32_t left = std::min(HintAt.X, frame.Width() - width);
  std::int32_t top = HintAt.Y;
  // Above the pointer when there is no room below it.
  if (top + height > frame.Height()) top = HintAt.Y - HintBelowPointer - height - 4;
  left = std::max(left, 0);
  top = std::max(top, 0);
  frame.BeginDraw();
  FillRect(frame, {left, top, left + width, top + height}, GammaPixel(0x4E, 0x36, 0x2C));
  FillRect(frame, {left + 1, top + 1, left + width - 1, top + height - 1},
           GammaPixel(0xF0, 0xE4, 0xC4));
  frame.EndDraw();
  const std::uint32_t ink = ApplyGamma(0x2C | (0x26 << 8) | (0x20 << 16));
  for (std::size_t i = 0; i < lines.size(); ++i)
    DrawGameText(frame, left + HintPadding,
                 top + HintPadding + static_cast<std::int32_t>(i) * lineHeight, lines[i], ink);
}

// --- Input
// ---------------------------------------------------------------------------------------------

tScreenResult tLevelPickScreen::Pick(std::int32_t entry) {
  if (Engine == nullptr || entry < 0 || entry >= Engine->Episode.Count()) return {};
  Hide();
  Engine->FrameSurface().FillSurface(0);
  Engine->CloseMenuWithSound();
  Engine->GoToEntry(entry);
  return {.Hidden = true, .MovePointerTo = {}};
}

tScreenResult tLevelPickScreen::BackToMenu() {
  Hide();
  Sound().PlaySample(samples::MenuClose);
  Engine->SetGameMode(gmMainMenu);
  return {.Hidden = true, .MovePointerTo = {}};
}

void tLevelPickScreen::ClearProgress() {
  if (!RunModal) return;
  if (RunModal(Dialog) == tClearProgressDialog::ClearAnswer) Engine->Episode.ClearProgress();
}

tScreenResult tLevelPickScreen::KeyDown(int vk) {
  if (Engine == nullptr) return {};
  std::int32_t step = 0;
  switch (vk) {
    case vk::Escape:
      return BackToMenu();
    case vk::Left:
      step = -1;
      break;
    case vk::Up:
      step = -Columns;
      break;
    case vk::Right:
      step = 1;
      break;
    case vk::Down:
      step = Columns;
      break;
    default:
      return {};
  }
  SelectLevel(Selected + step);
  ForgetHint();
  const tRect rect = ButtonRect(Selected);
  return {.MovePointerTo = tPoint{rect.Right - PointerInset, rect.Bottom - PointerInset}};
}

tScreenResult tLevelPickScreen::CharTyped(char c) {
  if (c != '\r' || !IsShown) return {};
  Sound().PlaySample(samples::MenuSelect);
  return Pick(Selected);
}

void tLevelPickScreen::PointerAt(int x, int y) {
  Pointer = {x, y};
  const std::int32_t button = ButtonAt(x, y);
  if (button == Hot) return;
  Hot = button;
  RestTicks = 0;
  ForgetHint();
}

tScreenResult tLevelPickScreen::MouseMove(int x, int y) {
  PointerAt(x, y);
  return {};
}

tScreenResult tLevelPickScreen::MouseDown(int x, int y, int button) {
  PointerAt(x, y);
  ForgetHint();
  // No hint comes back until the pointer moves on to another button.
  RestTicks = HintDelayTicks;
  if (IsShown && button == vk::LButton) Pressed = Hot;
  return {};
}

tScreenResult tLevelPickScreen::MouseUp(int x, int y, int button) {
  PointerAt(x, y);
  if (button != vk::LButton) return {};
  const std::int32_t pressed = Pressed;
  Pressed = NoButton;
  if (!IsShown || pressed == NoButton || pressed != Hot) return {};
  if (pressed < EntryButtons) return Pick(pressed);
  if (pressed == BackButton) return BackToMenu();
  ClearProgress();
  return {};
}

}  // namespace qn2
