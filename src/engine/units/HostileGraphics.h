#pragma once

#include <cstdint>

#include "assets/BaseGfxSheet.h"
#include "assets/HostileSheets.h"
#include "common/Direction.h"

namespace qn2 {

class tSprite;

inline constexpr std::int32_t SnakeSwayFrames = sheets::SnakeSway.Rows;  // frames 0..30
inline constexpr std::int32_t FireBallHitFrames = sheets::FireBallHitCells.Columns;
inline constexpr std::int32_t SpiderFrames = sheets::SpiderCells.Columns;  // per direction
inline constexpr std::int32_t ExplosionFrames = sheets::ExplosionCells.Columns;
inline constexpr std::int32_t BombLitFrames = sheets::BombLitCells.Columns;
inline constexpr std::int32_t BombFlashFrames = sheets::BombFlashingCells.Columns;
inline constexpr std::int32_t BlastFrames =
    sheets::BlastStartCells.Columns + sheets::BlastCells.Rows;
inline constexpr std::int32_t DroidFrames = sheets::DroidCells.Columns;

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
