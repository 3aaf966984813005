#include "engine/units/HostileGraphics.h"

#include <algorithm>
#include <array>
#include <cstddef>

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

constexpr const char* BaseGfx = "BaseGfx.bmp";
constexpr const char* SnakePicture = "Snake1.jpg";
constexpr const char* SpiderPicture = "Spider.jpg";
constexpr const char* ExplosionPicture = "Explosion1.jpg";
constexpr const char* BlastPicture = "FireBall.jpg";

}  // namespace

void LoadHostileGraphicsData() {
  GetDib(BaseGfx, false);
  GetDib(SnakePicture, false);
  GetDib(SpiderPicture, false);
  GetDib(ExplosionPicture, false);
  GetDib(BlastPicture, false)->NoBrightness = true;

  tHostileSprites& s = Sprites();
  Cut(s.SnakeIcon, BaseGfx, 0, 256, 32, 32);
  for (std::int32_t i = 0; i < SnakeSwayFrames; ++i) {
    CutWithHotSpot(s.SnakeSway[1][static_cast<std::size_t>(i)], SnakePicture, 0, 48 * i, 32, 48, 16,
                   32);
    CutWithHotSpot(s.SnakeSway[0][static_cast<std::size_t>(i)], SnakePicture, 32, 48 * i, 32, 48,
                   16, 32);
  }
  Cut(s.FireBallRight, BaseGfx, 64, 256, 32, 32, dmAdditive);
  CutWithHotSpot(s.FireBallLeft, BaseGfx, 96, 256, 32, 32, 16, 28, dmAdditive);
  for (std::int32_t i = 0; i < FireBallHitFrames; ++i)
    Cut(s.FireBallHit[static_cast<std::size_t>(i)], BaseGfx, 32 * i, 160, 32, 32, dmAdditive);

  // The rows of the spider picture: left, right, up, down from the top.
  constexpr std::array<std::int32_t, 4> spiderTops{52, 26, 78, 0};  // Up, Right, Down, Left
  for (std::size_t d = 0; d < 4; ++d)
    for (std::int32_t i = 0; i < SpiderFrames; ++i)
      Cut(s.Spider[d][static_cast<std::size_t>(i)], SpiderPicture, 36 * i, spiderTops[d], 36, 26);

  for (std::int32_t i = 0; i < ExplosionFrames; ++i)
    Cut(s.Explosion[static_cast<std::size_t>(i)], ExplosionPicture, 52 * i, 0, 52, 54, dmAdditive);

  Cut(s.BombLying, BaseGfx, 0, 320, 32, 32);
  for (std::int32_t i = 0; i < BombLitFrames; ++i)
    Cut(s.BombLit[static_cast<std::size_t>(i)], BaseGfx, 32 + 32 * i, 320, 32, 32);
  for (std::int32_t i = 0; i < BombFlashFrames; ++i)
    Cut(s.BombFlashing[static_cast<std::size_t>(i)], BaseGfx, 128 + 32 * i, 320, 32, 32);
  Cut(s.Blast[0], BaseGfx, 288, 320, 32, 32);
  Cut(s.Blast[1], BaseGfx, 320, 320, 32, 32);
  for (std::int32_t i = 2; i < BlastFrames; ++i)
    CutWithHotSpot(s.Blast[static_cast<std::size_t>(i)], BlastPicture, 0, 132 * (i - 2), 160, 132,
                   78, 85, dmAdditive);

  for (std::int32_t i = 0; i < DroidFrames; ++i)
    Cut(s.Droid[static_cast<std::size_t>(i)], BaseGfx, 256 + 32 * i, 384, 32, 32);
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
