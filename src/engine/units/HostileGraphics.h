#pragma once

#include <cstdint>

#include "common/Direction.h"

namespace qn2 {

class tSprite;

inline constexpr std::int32_t SnakeSwayFrames = 31;  // frames 0..30
inline constexpr std::int32_t FireBallHitFrames = 7;
inline constexpr std::int32_t SpiderFrames = 10;  // per direction
inline constexpr std::int32_t ExplosionFrames = 27;
inline constexpr std::int32_t BombLitFrames = 3;
inline constexpr std::int32_t BombFlashFrames = 5;
inline constexpr std::int32_t BlastFrames = 28;
inline constexpr std::int32_t DroidFrames = 10;

// Registers the pictures of the snakes, spiders, cherry bombs, explosions and seeker droids
// ("BaseGfx.bmp", "Snake1.jpg", "Spider.jpg", "Explosion1.jpg" and "FireBall.jpg", which
// skips the brightness pass) and cuts the sprite tables below. Nothing is loaded until it
// is drawn. Runs once at start-up and again after the pictures were freed.
void LoadHostileGraphicsData();

// The sprite tables. They exist from the start (units point at them before the pictures
// are registered); drawing one needs LoadHostileGraphicsData first. Frame numbers out of
// range are brought into range.
tSprite* SnakeSwaySprite(bool facingLeft, std::int32_t frame);
tSprite* FireBallFlyingSprite(bool flyingRight);
tSprite* FireBallHitSprite(std::int32_t frame);
tSprite* SpiderSprite(tDirection facing, std::int32_t frame);
tSprite* ExplosionSprite(std::int32_t frame);
tSprite* BombLyingSprite();
tSprite* BombLitSprite(std::int32_t frame);
tSprite* BombFlashingSprite(std::int32_t frame);
tSprite* BlastSprite(std::int32_t frame);
tSprite* DroidSprite(std::int32_t frame);

// The editor's palette pictures: "Snake", "Spider" (facing left, frame 0), "CherryBomb"
// (the bomb lying) and "SeekerDroid" (frame 0).
tSprite* SnakeIcon();
tSprite* SpiderIcon();
tSprite* CherryBombIcon();
tSprite* SeekerDroidIcon();

}  // namespace qn2
