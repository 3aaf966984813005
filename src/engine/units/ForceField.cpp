#include "engine/units/ForceField.h"

#include <cmath>
#include <numbers>

#include "assets/TerrainSheets.h"
#include "common/LookRandom.h"
#include "common/Rounding.h"
#include "engine/board/Board.h"
#include "engine/board/CycleProcedures.h"
#include "engine/units/TerrainGraphics.h"
#include "render/Dib16.h"

namespace qn2 {

std::int32_t ProcessorMHz = 1000;
bool LiteForceField = false;
tForceFieldTextures ForceFieldTextures;

const std::array<std::uint16_t, 4096> SineTable = [] {
  std::array<std::uint16_t, 4096> table{};
  for (std::size_t i = 0; i < table.size(); ++i)
    table[i] = static_cast<std::uint16_t>(
        Round(std::sin(static_cast<double>(i) * 2 * std::numbers::pi / 4096) * 511 + 512));
  return table;
}();

namespace {

std::size_t Index(tForceFieldColor colour) {
  return static_cast<std::size_t>(colour) % ForceFieldColorCount;
}

// The texture of each pass of the additive shimmer; together they mix to the field's colour.
tDib16* FirstPassTexture(tForceFieldColor colour) {
  switch (colour) {
    case tForceFieldColor::Green:
    case tForceFieldColor::Cyan:
      return ForceFieldTextures.Green.get();
    case tForceFieldColor::Blue:
      return ForceFieldTextures.Blue.get();
    case tForceFieldColor::Red:
    case tForceFieldColor::Yellow:
    case tForceFieldColor::Magenta:
      return ForceFieldTextures.Red.get();
    default:
      return ForceFieldTextures.Base.get();
  }
}

tDib16* SecondPassTexture(tForceFieldColor colour) {
  switch (colour) {
    case tForceFieldColor::Red:
      return ForceFieldTextures.Red.get();
    case tForceFieldColor::Green:
    case tForceFieldColor::Yellow:
      return ForceFieldTextures.Green.get();
    case tForceFieldColor::Magenta:
    case tForceFieldColor::Cyan:
      return ForceFieldTextures.Blue.get();
    default:
      return ForceFieldTextures.Base.get();
  }
}

std::unique_ptr<tDib16> LoadTexture(const std::string& name) {
  tDib16 picture(name);
  return MakeForceFieldTexture(picture);
}

std::int32_t Sine(std::int64_t index) {
  return SineTable[static_cast<std::size_t>(index % 4096)];
}

}  // namespace

const std::vector<std::string>& ForceFieldColorNames() {
  static const std::vector<std::string> names{"DarkGray", "Red",     "Green", "Yellow",
                                              "Blue",     "Magenta", "Cyan",  "LightGrey"};
  return names;
}

void ClearButtonsUp(tPlayState& play) {
  play.ButtonsUp.fill(0);
}

void AddTerrainCycleProcedure() {
  CycleProcedures.Add(&ClearButtonsUp);
}

bool FieldSwitchedOn(const tPlayState& play, tForceFieldColor colour) {
  return play.ButtonsUp[Index(colour)] > 0;
}

std::unique_ptr<tDib16> MakeForceFieldTexture(tDib16& picture) {
  picture.Load();
  const std::int32_t width = picture.Width();
  const std::int32_t height = picture.Height();
  auto texture = std::make_unique<tDib16>(width + 32, height + 32);
  if (width <= 0 || height <= 0) return texture;
  picture.BeginDraw();
  texture->BeginDraw();
  for (std::int32_t y = 0; y < texture->Height(); ++y) {
    const std::uint16_t* from = picture.ScanLine(y % height);
    std::uint16_t* to = texture->ScanLine(y);
    for (std::int32_t x = 0; x < texture->Width(); ++x) to[x] = from[x % width];
  }
  texture->EndDraw();
  picture.EndDraw();
  return texture;
}

void BuildForceFieldTextures() {
  LiteForceField = ProcessorMHz < LiteForceFieldBelowMHz;
  ForceFieldTextures.Base =
      LoadTexture(LiteForceField ? sheets::ForceFieldLite : sheets::ForceField);
  ForceFieldTextures.Red = LoadTexture(sheets::ForceFieldRed);
  ForceFieldTextures.Green = LoadTexture(sheets::ForceFieldGreen);
  ForceFieldTextures.Blue = LoadTexture(sheets::ForceFieldBlue);
}

void FreeForceFieldTextures() {
  ForceFieldTextures = tForceFieldTextures();
}

// --- The unit --------------------------------------------------------------------------------

tForceField::tForceField() {
  Color = tForceFieldColor::Blue;
  Sprite = &TerrainSprites().FieldsOff[Index(Color)];
  AutoBorder = true;
  Layer = 0;
  QuietWhenStill = true;
  if (ForceFieldTextures.Base) Shimmer.SetUp(ForceFieldTextures.Base.get(), 0, 0, 32, 32);
  Shimmer.HotX = 0;
  Shimmer.HotY = 0;
}

const tPropertyList& tForceField::Properties() {
  static const tPropertyList list = [] {
    tPropertyList l = tUnit::Properties();
    Publish<tForceField>(l)
        .Enumeration("Color", ForceFieldColorNames(), &tForceField::Color, &tForceField::SetColor)
        .Enumeration("AutoBorder", BooleanNames(), &tForceField::AutoBorder,
                     &tForceField::AutoBorder)
        .Integer("BorderStyle", &tForceField::BorderStyle, &tForceField::BorderStyle);
    return l;
  }();
  return list;
}

void tForceField::SetColor(tForceFieldColor colour) {
  Color = colour;
  Sprite = &TerrainSprites().FieldsOff[Index(colour)];
}

bool tForceField::QueryPush(tUnit* /*pusher*/, tDirection /*direction*/) {
  return !SwitchedOn();
}

bool tForceField::AllowsEntry(tUnit* /*mover*/) {
  return !SwitchedOn();
}

bool tForceField::LetsShotPass(tUnit* /*shooter*/) {
  return !SwitchedOn();
}

void tForceField::Reset() {
  tUnit::Reset();
  if (Level != nullptr) Play().ButtonsUp[Index(Color)] = 1;
}

void tForceField::Draw() {
  Sprite = SwitchedOn() ? &TerrainSprites().FieldsOn[Index(Color)]
                        : &TerrainSprites().FieldsOff[Index(Color)];
  tUnit::Draw();
}

// Two windows sway over the textures at different speeds and add up to the field's colour;
// on a slow machine one keyed window jumps about every few frames instead.
void tForceField::DrawEffects() {
  if (!SwitchedOn()) return;
  const std::int32_t a = Round(X * 32);
  const std::int32_t b = Round(Y * 32);
  const std::int32_t left = a + PlayAreaOffset;
  if (LiteForceField) {
    tDib16* texture = ForceFieldTextures.Base.get();
    if (texture == nullptr || texture->Width() <= 32) return;
    if (LookRandom.Below(3) != 0) return;
    const std::int32_t period = texture->Width() - 32;
    const std::int32_t ox = LookRandom.Below(period);
    const std::int32_t oy = LookRandom.Below(period);
    Shimmer.SetUp(texture, ox, oy, 32, 32);
    Shimmer.HotX = 0;
    Shimmer.HotY = 0;
    Shimmer.DrawMode = dmKeyed;
    Shimmer.Draw(left, b);
    return;
  }
  const std::int64_t n = Play().FrameCount;
  struct tPass {
    tDib16* Texture;
    std::int64_t SineX, SineY;
  };
  const tPass passes[2] = {{FirstPassTexture(Color), n + 750, 3 * n},
                           {SecondPassTexture(Color), 5 * n + 200, 7 * n + 900}};
  for (const tPass& pass : passes) {
    if (pass.Texture == nullptr || pass.Texture->Width() <= 32) continue;
    const std::int32_t period = pass.Texture->Width() - 32;
    const std::int32_t ox = (a + Sine(pass.SineX)) % period;
    const std::int32_t oy = (b + Sine(pass.SineY)) % period;
    Shimmer.SetUp(pass.Texture, ox, oy, 32, 32);
    Shimmer.HotX = 0;
    Shimmer.HotY = 0;
    Shimmer.DrawMode = dmAdditive;
    Shimmer.Draw(left, b);
  }
}

tSprite* ForceFieldIcon() {
  return &TerrainSprites().FieldsOff[Index(tForceFieldColor::Blue)];
}

}  // namespace qn2
