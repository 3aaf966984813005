#include "engine/units/HostileGraphics.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "assets/BaseGfxSheet.h"
#include "assets/HostileSheets.h"
#include "render/DibRegistry.h"
#include "render/Sprite.h"

namespace qn2 {

namespace {

struct tHostileSprites {
  tSprite SnakeIcon;
  std::array<std::array<tSprite, SnakeSwayFrames>, 2> SnakeSway;  // [0] facing right, [1] left
  tSprite FireBallRight;
  tSprite FireBallLeft;
  std::array<tSprite, FireBallHitFrames> FireBallHit;
  std::array<std::array<tSprite, SpiderFrames>, 4> Spider;  // by tDirection
  std::array<tSprite, ExplosionFrames> Explosion;
  tSprite BombLying;
  std::array<tSprite, BombLitFrames> BombLit;
  std::array<tSprite, BombFlashFrames> BombFlashing;
  std::array<tSprite, BlastFrames> Blast;
  std::array<tSprite, DroidFrames> Droid;
};

tHostileSprites& Sprites() {
  static tHostileSprites sprites;
  return sprites;
}

std::size_t Index(std::int32_t frame, std::int32_t count) {
  return static_cast<std::size_t>(std::clamp(frame, 0, count - 1));
}

// A cell of a registered picture with its hot spot and draw mode.
void Cut(tSprite& sprite, const char* picture, std::int32_t x, std::int32_t y, std::int32_t width,
         std::int32_t height, tDrawMode mode = dmKeyed) {
  sprite.SetUp(picture, x, y, width, height);
  sprite.DrawMode = mode;
}

void CutWithHotSpot(tSprite& sprite, const char* picture, std::int32_t x, std::int32_t y,
                    std::int32_t width, std::int32_t height, std::int32_t hotX, std::int32_t hotY,
                    tDrawMode mode = dmKeyed) {
  Cut(sprite, picture, x, y, width, height, mode);
  sprite.HotX = hotX;
  sprite.HotY = hotY;
}

constexpr const char* BaseGfx = sheets::BaseGfx;
constexpr const char* SnakePicture = sheets::SnakeSway.Picture;
constexpr const char* SpiderPicture = sheets::SpiderCells.Picture;
constexpr const char* ExplosionPicture = sheets::ExplosionCells.Picture;
constexpr const char* BlastPicture = sheets::BlastCells.Picture;

}  // namespace

void LoadHostileGraphicsData() {
  GetDib(BaseGfx, false);
  GetDib(SnakePicture, false);
  GetDib(SpiderPicture, false);
  GetDib(ExplosionPicture, false);
  GetDib(BlastPicture, false)->NoBrightness = true;

  tHostileSprites& s = Sprites();
  Cut(s.SnakeIcon, BaseGfx, sheets::SnakeIconCell.Left, sheets::SnakeIconCell.Top,
      sheets::SnakeIconCell.Width, sheets::SnakeIconCell.Height);
  for (std::int32_t i = 0; i < SnakeSwayFrames; ++i) {
    CutWithHotSpot(s.SnakeSway[1][static_cast<std::size_t>(i)], SnakePicture,
                   sheets::SnakeSway.X(sheets::SnakeFacingLeftColumn), sheets::SnakeSway.Y(i),
                   sheets::SnakeSway.Width, sheets::SnakeSway.Height, sheets::SnakeSway.HotX,
                   sheets::SnakeSway.HotY);
    CutWithHotSpot(s.SnakeSway[0][static_cast<std::size_t>(i)], SnakePicture,
                   sheets::SnakeSway.X(sheets::SnakeFacingRightColumn), sheets::SnakeSway.Y(i),
                   sheets::SnakeSway.Width, sheets::SnakeSway.Height, sheets::SnakeSway.HotX,
                   sheets::SnakeSway.HotY);
  }
  Cut(s.FireBallRight, BaseGfx, sheets::FireBallRightCell.Left, sheets::FireBallRightCell.Top,
      sheets::FireBallRightCell.Width, sheets::FireBallRightCell.Height, dmAdditive);
  CutWithHotSpot(s.FireBallLeft, BaseGfx, sheets::FireBallLeftCell.Left,
                 sheets::FireBallLeftCell.Top, sheets::FireBallLeftCell.Width,
                 sheets::FireBallLeftCell.Height, sheets::FireBallLeftCell.HotX,
                 sheets::FireBallLeftCell.HotY, dmAdditive);
  for (std::int32_t i = 0; i < FireBallHitFrames; ++i)
    Cut(s.FireBallHit[static_cast<std::size_t>(i)], BaseGfx, sheets::FireBallHitCells.X(i),
        sheets::FireBallHitCells.Top, sheets::FireBallHitCells.Width,
        sheets::FireBallHitCells.Height, dmAdditive);

  // The rows of the spider picture: left, right, up, down from the top.
  constexpr std::array<std::int32_t, 4> spiderTops{
      sheets::SpiderCells.Y(sheets::SpiderUpRow), sheets::SpiderCells.Y(sheets::SpiderRightRow),
      sheets::SpiderCells.Y(sheets::SpiderDownRow),
      sheets::SpiderCells.Y(sheets::SpiderLeftRow)};  // Up, Right, Down, Left
  for (std::size_t d = 0; d < 4; ++d)
    for (std::int32_t i = 0; i < SpiderFrames; ++i)
      Cut(s.Spider[d][static_cast<std::size_t>(i)], SpiderPicture, sheets::SpiderCells.X(i),
          spiderTops[d], sheets::SpiderCells.Width, sheets::SpiderCells.Height);

  for (std::int32_t i = 0; i < ExplosionFrames; ++i)
    Cut(s.Explosion[static_cast<std::size_t>(i)], ExplosionPicture, sheets::ExplosionCells.X(i),
        sheets::ExplosionCells.Top, sheets::ExplosionCells.Width, sheets::ExplosionCells.Height,
        dmAdditive);

  Cut(s.BombLying, BaseGfx, sheets::BombLyingCell.Left, sheets::BombLyingCell.Top,
      sheets::BombLyingCell.Width, sheets::BombLyingCell.Height);
  for (std::int32_t i = 0; i < BombLitFrames; ++i)
    Cut(s.BombLit[static_cast<std::size_t>(i)], BaseGfx, sheets::BombLitCells.X(i),
        sheets::BombLitCells.Top, sheets::BombLitCells.Width, sheets::BombLitCells.Height);
  for (std::int32_t i = 0; i < BombFlashFrames; ++i)
    Cut(s.BombFlashing[static_cast<std::size_t>(i)], BaseGfx, sheets::BombFlashingCells.X(i),
        sheets::BombFlashingCells.Top, sheets::BombFlashingCells.Width,
        sheets::BombFlashingCells.Height);
  Cut(s.Blast[0], BaseGfx, sheets::BlastStartCells.X(0), sheets::BlastStartCells.Top,
      sheets::BlastStartCells.Width, sheets::BlastStartCells.Height);
  Cut(s.Blast[1], BaseGfx, sheets::BlastStartCells.X(1), sheets::BlastStartCells.Top,
      sheets::BlastStartCells.Width, sheets::BlastStartCells.Height);
  for (std::int32_t i = 2; i < BlastFrames; ++i)
    CutWithHotSpot(s.Blast[static_cast<std::size_t>(i)], BlastPicture, sheets::BlastCells.Left,
                   sheets::BlastCells.Y(i - 2), sheets::BlastCells.Width, sheets::BlastCells.Height,
                   sheets::BlastCells.HotX, sheets::BlastCells.HotY, dmAdditive);

  for (std::int32_t i = 0; i < DroidFrames; ++i)
    Cut(s.Droid[static_cast<std::size_t>(i)], BaseGfx, sheets::DroidCells.X(i),
        sheets::DroidCells.Top, sheets::DroidCells.Width, sheets::DroidCells.Height);
}

tSprite* SnakeSwaySprite(bool facingLeft, std::int32_t frame) {
  return &Sprites().SnakeSway[facingLeft ? 1 : 0][Index(frame, SnakeSwayFrames)];
}
tSprite* FireBallFlyingSprite(bool flyingRight) {
  return flyingRight ? &Sprites().FireBallRight : &Sprites().FireBallLeft;
}
tSprite* FireBallHitSprite(std::int32_t frame) {
  return &Sprites().FireBallHit[Index(frame, FireBallHitFrames)];
}
tSprite* SpiderSprite(tDirection facing, std::int32_t frame) {
  return &Sprites().Spider[static_cast<std::size_t>(facing) & 3][Index(frame, SpiderFrames)];
}
tSprite* ExplosionSprite(std::int32_t frame) {
  return &Sprites().Explosion[Index(frame, ExplosionFrames)];
}
tSprite* BombLyingSprite() {
  return &Sprites().BombLying;
}
tSprite* BombLitSprite(std::int32_t frame) {
  return &Sprites().BombLit[Index(frame, BombLitFrames)];
}
tSprite* BombFlashingSprite(std::int32_t frame) {
  return &Sprites().BombFlashing[Index(frame, BombFlashFrames)];
}
tSprite* BlastSprite(std::int32_t frame) {
  return &Sprites().Blast[Index(frame, BlastFrames)];
}
tSprite* DroidSprite(std::int32_t frame) {
  return &Sprites().Droid[Index(frame, DroidFrames)];
}

tSprite* SnakeIcon() {
  return &Sprites().SnakeIcon;
}
tSprite* SpiderIcon() {
  return SpiderSprite(tDirection::Left, 0);
}
tSprite* CherryBombIcon() {
  return BombLyingSprite();
}
tSprite* SeekerDroidIcon() {
  return DroidSprite(0);
}

}  // namespace qn2
