#pragma once

// The shared look of the game's art: a lantern-lit ruin of warm stone, moss, brass and
// jewel colours. Both art files draw with these so the pictures belong together.

namespace assetgen {

// A colour with channels from 0 to 1 (cairo's convention).
struct Rgb {
  double R = 0, G = 0, B = 0;
};

// Mixes a toward b by t (0 gives a, 1 gives b).
constexpr Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}
// Scales a colour's brightness (clamped to 1).
constexpr Rgb Shade(Rgb c, double f) {
  auto clamp = [](double v) { return v > 1.0 ? 1.0 : (v < 0.0 ? 0.0 : v); };
  return {clamp(c.R * f), clamp(c.G * f), clamp(c.B * f)};
}

namespace palette {

// The key colour: written exactly, never blended.
inline constexpr Rgb Key{1.0, 0.0, 1.0};
// The marker for animated water in the water templates.
inline constexpr Rgb WaterMarker{0.0, 0.0, 1.0};

// Warm stone, dark to light.
inline constexpr Rgb StoneShadow{0.16, 0.11, 0.08};
inline constexpr Rgb StoneDark{0.33, 0.25, 0.19};
inline constexpr Rgb Stone{0.55, 0.44, 0.33};
inline constexpr Rgb StoneLight{0.74, 0.63, 0.49};
inline constexpr Rgb Sandstone{0.84, 0.71, 0.52};

// Moss and ferns.
inline constexpr Rgb MossDark{0.17, 0.27, 0.11};
inline constexpr Rgb Moss{0.33, 0.46, 0.18};
inline constexpr Rgb MossLight{0.55, 0.66, 0.30};

// Brass and lantern light.
inline constexpr Rgb BrassDark{0.45, 0.31, 0.10};
inline constexpr Rgb Brass{0.78, 0.58, 0.22};
inline constexpr Rgb BrassLight{0.98, 0.84, 0.48};
inline constexpr Rgb LanternGlow{1.00, 0.78, 0.36};
inline constexpr Rgb Flame{1.00, 0.55, 0.15};

// Jewels.
inline constexpr Rgb Ruby{0.78, 0.10, 0.16};
inline constexpr Rgb Emerald{0.10, 0.62, 0.36};
inline constexpr Rgb Sapphire{0.14, 0.32, 0.82};
inline constexpr Rgb Amethyst{0.55, 0.26, 0.72};
inline constexpr Rgb Topaz{0.95, 0.70, 0.16};
inline constexpr Rgb Diamond{0.86, 0.94, 1.00};

// Water, deep to bright.
inline constexpr Rgb WaterDeep{0.06, 0.20, 0.30};
inline constexpr Rgb Water{0.12, 0.38, 0.48};
inline constexpr Rgb WaterLight{0.45, 0.72, 0.78};

// Night and ink: the darkest shade, used for outlines and the ruin's shadows.
inline constexpr Rgb Ink{0.07, 0.05, 0.04};
inline constexpr Rgb Parchment{0.93, 0.86, 0.70};

}  // namespace palette
}  // namespace assetgen
