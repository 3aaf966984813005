#pragma once

#include <cstdint>

#include "assets/PlayerSheets.h"
#include "common/Direction.h"

namespace qn2 {

class tSprite;

inline constexpr std::int32_t PlayerWalkFrames = sheets::ZeviWalking.Rows;
inline constexpr std::int32_t PlayerIdleVariants = sheets::ZeviStanding.Rows;
inline constexpr std::int32_t PlayerDyingFrames = sheets::ZeviDying.Rows;
inline constexpr std::int32_t WarpFrameCount = sheets::WarpCells.Rows;  // frames 0..70

// Registers the player's pictures ("BaseGfx.bmp", the three character pictures, loaded at
// once, and "Warp.jpg", which skips the brightness pass) and cuts the sprite tables below.
// Runs once at start-up and again after the pictures were freed.
void LoadPlayerGraphicsData();

// The sprite tables. They exist from the start (units may point at them before the
// pictures are registered); drawing one needs LoadPlayerGraphicsData first. Numbers out of
// range are brought into range.
tSprite* WalkingSprite(tDirection facing, std::int32_t frame);
tSprite* StandingSprite(tDirection facing, std::int32_t variant);
tSprite* DyingSprite(std::int32_t frame);
tSprite* WarpSprite(std::int32_t frame);

// The editor's palette picture of "Player": walking, facing down, frame 1.
tSprite* PlayerIcon();

}  // namespace qn2
