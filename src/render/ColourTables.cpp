#include "render/ColourTables.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/LastMessage.h"
#include "common/Properties.h"
#include "render/PixelFormat.h"

namespace qn2 {

tGammaTable GammaTable{};
tPixelTable FadeTable{};
tPixelTable DarkenTable{};
std::array<std::uint16_t, 1024> WaterTable{};
float Gamma = 1.1f;
std::uint32_t WaterColour = DefaultWaterColour;

namespace {

// base^exponent as exp(exponent * ln(base)); base 0 gives 0 and exponent 0 gives 1.
double Power(double base, double exponent) {
  if (exponent == 0) return 1;
  if (base == 0) return 0;
  return std::exp(exponent * std::log(base));
}

// Half the light of a 2.22-gamma channel of 2^bits levels: close to 0.73 x level.
std::vector<std::uint32_t> FadeCurve(int bits) {
  const float p1 = 0.45f, p2 = 0.5f, p3 = 2.22f;
  const int n = 1 << bits;
  std::vector<std::uint32_t> curve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    const double x = static_cast<double>(i) / (n - 1);
    const double y = p2 * Power(x, 1.0 / p1);
    const double c = std::nearbyint((n - 1) * Power(y, 1.0 / p3));
    curve[static_cast<std::size_t>(i)] = c <= 0   ? 0u
                                         : c >= n ? static_cast<std::uint32_t>(n - 1)
                                                  : static_cast<std::uint32_t>(c);
  }
  return curve;
}

void BuildFadeTable() {
  const int widest = std::max({RedBits + RedShift, GreenBits + GreenShift, BlueBits + BlueShift});
  auto badBits = [](int bits) { return bits < 1 || bits > 8; };
  if (widest < 1 || widest > 16 || badBits(RedBits) || badBits(GreenBits) || badBits(BlueBits))
    return;
  const auto red = FadeCurve(RedBits), green = FadeCurve(GreenBits), blue = FadeCurve(BlueBits);
  for (std::uint32_t r = 0; r < red.size(); ++r)
    for (std::uint32_t g = 0; g < green.size(); ++g)
      for (std::uint32_t b = 0; b < blue.size(); ++b) {
        const std::uint32_t index = (r << RedShift) + (g << GreenShift) + (b << BlueShift);
        FadeTable[index] = static_cast<std::uint16_t>(
            (red[r] << RedShift) + (green[g] << GreenShift) + (blue[b] << BlueShift));
      }
}

void BuildDarkenTable() {
  struct tChannel {
    std::uint32_t Mask;
    int Shift;
    int Step;
  };
  const tChannel channels[3] = {
      {RedMask, RedShift, static_cast<int>(std::nearbyint((1 << RedBits) / 8.0))},
      {GreenMask, GreenShift, static_cast<int>(std::nearbyint((1 << GreenBits) / 8.0))},
      {BlueMask, BlueShift, static_cast<int>(std::nearbyint((1 << BlueBits) / 8.0))}};
  for (std::uint32_t p = 0; p < 65536; ++p) {
    std::uint32_t result = 0;
    for (const tChannel& c : channels) {
      const int level = static_cast<int>((p & c.Mask) >> c.Shift) - c.Step;
      result += static_cast<std::uint32_t>(std::max(0, level)) << c.Shift;
    }
    DarkenTable[p] = static_cast<std::uint16_t>(result);
  }
}

void BuildWaterTable() {
  const float channel[3] = {static_cast<float>(WaterColour & 0xFF),
                            static_cast<float>((WaterColour >> 8) & 0xFF),
                            static_cast<float>((WaterColour >> 16) & 0xFF)};
  for (int i = 0; i < 1024; ++i) {
    const int k = i / 4;
    const double l = std::log10(k + 1.0);
    const int d = k - 64;
    std::uint8_t level[3];
    for (int c = 0; c < 3; ++c) {
      const float product = static_cast<float>(l * d * channel[c]);
      const auto v = static_cast<std::int64_t>(std::nearbyint(product));
      level[c] = static_cast<std::uint8_t>(std::clamp<std::int64_t>(v / 128, 0, 255));
    }
    WaterTable[static_cast<std::size_t>(i)] =
        MakePixel(GammaTable[level[0]], GammaTable[level[1]], GammaTable[level[2]]);
  }
}

}  // namespace

void MakeGamma(tGammaTable& table, float gamma) {
  if (gamma < 0.1f) gamma = 0.1f;
  const float e = 1.0f / gamma;
  for (int i = 0; i < 256; ++i) {
    DebugMessage("MakeGamma A " + std::to_string(i));
    const double x = i * (1.0 / 255);
    DebugMessage("MakeGamma B: " + std::to_string(i));
    double y = Power(x, e);
    DebugMessage("MakeGamma C " + std::to_string(i));
    y *= 256;
    DebugMessage("MakeGamma OutputValue: " + FormatFloatText(static_cast<float>(y)));
    const double v = std::nearbyint(y);
    DebugMessage("MakeGamma RoundedValue: " + std::to_string(static_cast<long long>(v)));
    table[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0));
  }
}

void SetupColourValues(std::uint32_t redMask, std::uint32_t greenMask, std::uint32_t blueMask) {
  // The layout's bit counts, divisors and shifts are worked out in one go; the
  // breadcrumbs name the steps as they always have.
  DebugMessage("SetPixelMode: Setting up color Values : 1");
  DebugMessage("SetPixelMode: Setting up color Values : 2");
  DebugMessage("SetPixelMode: Setting up color Values : 3");
  DebugMessage("SetPixelMode: Setting up color Values : 4");
  SetPixelLayout(redMask, greenMask, blueMask);
  DebugMessage("SetPixelMode: Setting up color Values : 5");
  DebugMessage("SetPixelMode: Making Fade Table");
  BuildFadeTable();
  DebugMessage("SetPixelMode: Setting up color Values : 6");
  DebugMessage("SetPixelMode: Making gamma table");
  MakeGamma(GammaTable, Gamma);
  DebugMessage("SetPixelMode: Making darken table");
  BuildDarkenTable();
  DebugMessage("SetPixelMode: Making water");
  BuildWaterTable();
  DebugMessage("SetPixelMode: Done");
}

void SetWaterColour(std::uint32_t colour) {
  WaterColour = colour;
  BuildWaterTable();
}

std::uint32_t ApplyGamma(std::uint32_t colour) {
  return GammaTable[colour & 0xFF] + GammaTable[(colour >> 8) & 0xFF] * 256u +
         GammaTable[(colour >> 16) & 0xFF] * 65536u;
}

// The tables exist from the start, in the 5-6-5 layout, before any display is opened.
const bool TablesBuiltAtStart = [] {
  SetupColourValues(0xF800, 0x07E0, 0x001F);
  return true;
}();

}  // namespace qn2
