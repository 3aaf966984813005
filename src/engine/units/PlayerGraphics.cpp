#include "engine/units/PlayerGraphics.h"

#include <algorithm>
#include <array>
#include <string>

#include "render/DibRegistry.h"
#include "render/Sprite.h"

namespace qn2 {

namespace {

constexpr char WalkingPicture[] = "ZeviWalking.jpg";
constexpr char StandingPicture[] = "ZeviStanding.jpg";
constexpr char DyingPicture[] = "ZeviDying.jpg";
constexpr char WarpPicture[] = "Warp.jpg";

struct tPlayerSprites {
  std::array<std::array<tSprite, PlayerWalkFrames>, 4> Walking;     // [direction][frame]
  std::array<std::array<tSprite, PlayerIdleVariants>, 4> Standing;  // [direction][variant]
  std::array<tSprite, PlayerDyingFrames> Dying;
  std::array<tSprite, WarpFrameCount> Warp;
};

tPlayerSprites& Sprites() {
  static tPlayerSprites sprites;
  return sprites;
}

// The character pictures hold one column per facing: up, down, left, right.
std::int32_t ColumnOf(tDirection facing) {
  switch (facing) {
    case tDirection::Up:
      return 0;
    case tDirection::Down:
      return 32;
    case tDirection::Left:
      return 64;
    case tDirection::Right:
      return 96;
  }
  return 0;
}

std::size_t FacingIndex(tDirection facing) {
  return static_cast<std::size_t>(facing) & 3;
}

std::size_t Limited(std::int32_t value, std::int32_t count) {
  return static_cast<std::size_t>(std::clamp(value, 0, count - 1));
}

void CutCell(tSprite& sprite, const std::string& picture, std::int32_t x, std::int32_t y,
             std::int32_t width, std::int32_t height, std::int32_t hotX, std::int32_t hotY,
             tDrawMode mode) {
  sprite.SetUp(picture, x, y, width, height);
  sprite.HotX = hotX;
  sprite.HotY = hotY;
  sprite.DrawMode = mode;
}

}  // namespace

void LoadPlayerGraphicsData() {
  GetDib("BaseGfx.bmp", false);
  GetDib(WalkingPicture, true);
  GetDib(StandingPicture, true);
  GetDib(DyingPicture, true);
  GetDib(WarpPicture, false)->NoBrightness = true;

  tPlayerSprites& s = Sprites();
  for (tDirection facing :
       {tDirection::Up, tDirection::Right, tDirection::Down, tDirection::Left}) {
    const std::size_t f = FacingIndex(facing);
    for (std::int32_t frame = 0; frame < PlayerWalkFrames; ++frame)
      CutCell(s.Walking[f][static_cast<std::size_t>(frame)], WalkingPicture, ColumnOf(facing),
              64 * frame, 32, 64, 16, 34, dmKeyed);
    for (std::int32_t variant = 0; variant < PlayerIdleVariants; ++variant)
      CutCell(s.Standing[f][static_cast<std::size_t>(variant)], StandingPicture, ColumnOf(facing),
              64 * variant, 32, 64, 16, 34, dmKeyed);
  }
  for (std::int32_t frame = 0; frame < PlayerDyingFrames; ++frame)
    CutCell(s.Dying[static_cast<std::size_t>(frame)], DyingPicture, 0, 40 * frame, 40, 40, 20, 22,
            dmKeyed);
  for (std::int32_t frame = 0; frame < WarpFrameCount; ++frame)
    CutCell(s.Warp[static_cast<std::size_t>(frame)], WarpPicture, 0, 30 * frame, 66, 30, 33, 15,
            dmAdditive);
}

tSprite* WalkingSprite(tDirection facing, std::int32_t frame) {
  return &Sprites().Walking[FacingIndex(facing)][Limited(frame, PlayerWalkFrames)];
}

tSprite* StandingSprite(tDirection facing, std::int32_t variant) {
  return &Sprites().Standing[FacingIndex(facing)][Limited(variant, PlayerIdleVariants)];
}

tSprite* DyingSprite(std::int32_t frame) {
  return &Sprites().Dying[Limited(frame, PlayerDyingFrames)];
}

tSprite* WarpSprite(std::int32_t frame) {
  return &Sprites().Warp[Limited(frame, WarpFrameCount)];
}

tSprite* PlayerIcon() {
  return WalkingSprite(tDirection::Down, 1);
}

}  // namespace qn2
