#include "engine/units/SeekerDroid.h"

#include <array>
#include <cstdlib>

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "common/LookRandom.h"
#include "common/Rounding.h"
#include "engine/board/Board.h"
#include "engine/board/StateIo.h"
#include "engine/units/HostileGraphics.h"
#include "engine/units/Player.h"
#include "render/Dib16.h"
#include "render/DibStack.h"
#include "render/PixelFormat.h"

namespace qn2 {

namespace {

constexpr std::int32_t ZapLength = 40;  // frames of lightning
constexpr int BoltsPerZap = 4;
constexpr int BoltPoints = 11;

int Sign(int value) {
  return (value > 0) - (value < 0);
}

// Screen pixel of a position in cells.
int ScreenX(float x) {
  return Round(32.0 * x) + PlayAreaOffset + 16;
}
int ScreenY(float y) {
  return Round(32.0 * y) + 16;
}

// The bolt colours: white, blue, dark blue-green and pale blue (each as 0xBBGGRR).
std::uint16_t BoltColour(std::int32_t index) {
  constexpr std::array<std::uint32_t, 4> colours{0xFFFFFF, 0xFF0000, 0x804000, 0xFF8080};
  const std::uint32_t c = colours[static_cast<std::size_t>(index) & 3];
  return MakePixel(static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
                   static_cast<std::uint8_t>((c >> 16) & 0xFF));
}

// A line of the given width: wider lines are laid side by side across the line's run.
void WideLine(tDib16& dib, int x1, int y1, int x2, int y2, int width) {
  const bool mostlyLevel = std::abs(x2 - x1) >= std::abs(y2 - y1);
  for (int i = 0; i < width; ++i) {
    const int ox = mostlyLevel ? 0 : i;
    const int oy = mostlyLevel ? i : 0;
    dib.DrawLine(x1 + ox, y1 + oy, x2 + ox, y2 + oy);
  }
  dib.PenPos = tPoint{x2, y2};
}

}  // namespace

tSeekerDroid::tSeekerDroid() {
  Sprite = DroidSprite(0);
}

void tSeekerDroid::Reset() {
  tUnit::Reset();
  Sprite = DroidSprite(0);
  Zapping = false;
}

void tSeekerDroid::TakeTurn() {
  tPlayer* player = Player();
  if (player == nullptr) return;
  if (std::abs(player->GridX - GridX) + std::abs(player->GridY - GridY) <= 1) {
    player->Kill(0, &tSeekerDroid::Class);
    Zapping = true;
    ZapFrames = ZapLength;
    Sound().PlaySample(samples::DroidZap);
    return;
  }
  if (player->Moved) StepTowards(player->TargetX, player->TargetY);
}

// One step along the longer way to the target; a tie goes sideways; when that cell is
// taken, the other way.
void tSeekerDroid::StepTowards(int targetX, int targetY) {
  const int dx = targetX - GridX;
  const int dy = targetY - GridY;
  if (std::abs(dx) + std::abs(dy) < 2) return;
  const bool vertical = dy != 0 && CanEnter(GridX, GridY + Sign(dy));
  const bool horizontal = dx != 0 && CanEnter(GridX + Sign(dx), GridY);
  if (vertical && (std::abs(dx) < std::abs(dy) || !horizontal))
    StartMoveTo(GridX, GridY + Sign(dy));
  else if (horizontal)
    StartMoveTo(GridX + Sign(dx), GridY);
}

void tSeekerDroid::Move() {
  tUnit::Move();
  if (HasArrived()) {
    if (Glow > 0) --Glow;
  } else if (Glow < DroidFrames - 1) {
    ++Glow;
  }
  Sprite = DroidSprite(Glow);
}

void tSeekerDroid::DeathAnimMove() {
  if (ZapFrames <= 0) return;
  --ZapFrames;
  if (ZapFrames == 0) Zapping = false;
  if (ZapFrames > 16 && ZapFrames % 16 == 0) Sound().PlaySample(samples::DroidZap);
}

void tSeekerDroid::DrawEffects() {
  if (!Zapping || CurrentDib == nullptr) return;
  tPlayer* player = Player();
  if (player == nullptr) return;
  for (int bolt = 0; bolt < BoltsPerZap; ++bolt) DrawBolt(X, Y - 0.15f, player->X, player->Y);
}

// A jagged line from the droid to the player, wildest half way.
void tSeekerDroid::DrawBolt(float fromX, float fromY, float toX, float toY) {
  tDib16& dib = *CurrentDib;
  dib.PenColour = BoltColour(LookRandom.Below(4));
  dib.PenPos = tPoint{ScreenX(fromX), ScreenY(fromY)};
  for (int i = 0; i < BoltPoints; ++i) {
    const double l = i / 10.0;
    const double a = (l > 0.5 ? 1 - l : l) - 0.15;
    const double jitterX = (2 * LookRandom.Fraction() - 1) * a;
    const double jitterY = (2 * LookRandom.Fraction() - 1) * a;
    const auto x = static_cast<float>(l * toX + (1 - l) * fromX + jitterX);
    const auto y = static_cast<float>(l * toY + (1 - l) * fromY + jitterY);
    const int width = LookRandom.Below(2) + 1;
    WideLine(dib, dib.PenPos.X, dib.PenPos.Y, ScreenX(x), ScreenY(y), width);
  }
}

void tSeekerDroid::StateFields(tStateIo& io) {
  tPlayerAwareUnit::StateFields(io);
  io.Look(Glow);
  io.Field(Zapping);
  io.Field(ZapFrames);
}

}  // namespace qn2
