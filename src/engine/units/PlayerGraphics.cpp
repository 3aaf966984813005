#include "engine/units/PlayerGraphics.h"

#include <algorithm>
#include <array>
#include <string>

#include "assets/BaseGfxSheet.h"
#include "assets/PlayerSheets.h"
#include "render/DibRegistry.h"
#include "render/Sprite.h"

namespace qn2 {

namespace {

constexpr const char* WalkingPicture = sheets::ZeviWalking.Picture;
constexpr const char* StandingPicture = sheets::ZeviStanding.Picture;
constexpr const char* DyingPicture = sheets::ZeviDying.Picture;
constexpr const char* WarpPicture = sheets::WarpCells.Picture;

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
      return sheets::ZeviWalking.X(sheets::FacingUpColumn);
    case tDirection::Down:
      return sheets::ZeviWalking.X(sheets::FacingDownColumn);
    case tDirection::Left:
      return sheets::ZeviWalking.X(sheets::FacingLeftColumn);
    case tDirection::Right:
      return sheets::ZeviWalking.X(sheets::FacingRightColumn);
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
  GetDib(sheets::BaseGfx, false);
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
              sheets::ZeviWalking.Y(frame), sheets::ZeviWalking.Width, sheets::ZeviWalking.Height,
              sheets::ZeviWalking.HotX, sheets::ZeviWalking.HotY, dmKeyed);
    for (std::int32_t variant = 0; variant < PlayerIdleVariants; ++variant)
      CutCell(s.Standing[f][static_cast<std::size_t>(variant)], StandingPicture, ColumnOf(facing),
              sheets::ZeviStanding.Y(variant), sheets::ZeviStanding.Width,
              sheets::ZeviStanding.Height, sheets::ZeviStanding.HotX, sheets::ZeviStanding.HotY,
              dmKeyed);
  }
  for (std::int32_t frame = 0; frame < PlayerDyingFrames; ++frame)
    CutCell(s.Dying[static_cast<std::size_t>(frame)], DyingPicture, sheets::ZeviDying.Left,
            sheets::ZeviDying.Y(frame), sheets::ZeviDying.Width, sheets::ZeviDying.Height,
            sheets::ZeviDying.HotX, sheets::ZeviDying.HotY, dmKeyed);
  for (std::int32_t frame = 0; frame < WarpFrameCount; ++frame)
    CutCell(s.Warp[static_cast<std::size_t>(frame)], WarpPicture, sheets::WarpCells.Left,
            sheets::WarpCells.Y(frame), sheets::WarpCells.Width, sheets::WarpCells.Height,
            sheets::WarpCells.HotX, sheets::WarpCells.HotY, dmAdditive);
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
