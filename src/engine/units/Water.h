#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Direction.h"
#include "engine/board/Unit.h"
#include "render/Rect.h"

namespace qn2 {

class tStateIo;

class tSprite;
struct tPicture;

enum class tWaterEdgeStyle : std::uint8_t { weTypeA = 0, weTypeB = 1, weTypeC = 2, weSquare = 3 };

// Identifiers of the water edge styles, as level files store them.
const std::vector<std::string>& WaterEdgeStyleNames();

// The grey noise the water shimmer is mixed from: one byte per pixel, the rows of
// "WaterBWa.jpg" followed by those of "WaterBWb.jpg". The image is cut into 30 bands;
// the animation steps through them.
struct tWaterNoise {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::vector<std::uint8_t> Bytes;  // row-major

  std::int32_t Band() const { return Height / 30; }
  // Too small to animate (no band a pixel high): water is not rendered.
  bool Empty() const { return Width <= 0 || Band() <= 0; }
  // The byte at a column and row, both wrapping round the image.
  std::uint8_t At(std::int32_t x, std::int32_t y) const;
  // The bytes of a row, wrapping round the image.
  const std::uint8_t* Row(std::int32_t y) const;
};

extern tWaterNoise WaterNoise;

// Noise from the blue channel of two decoded pictures, the first one's rows on top; as
// wide as the narrower of the two.
tWaterNoise MakeWaterNoise(const tPicture& first, const tPicture& second);
// Reads and decodes "WaterBWa.jpg" and "WaterBWb.jpg" into WaterNoise.
void BuildWaterNoise();

// A cell of water: boulders may be pushed onto it, and the first one sinks and fills it;
// nothing else may enter until then. Filled water is no longer on the board, so anything
// crosses it. The water is drawn from the templates picture, whose pure blue pixels show
// the animated noise through the water colour table. Level files and the editor call it
// "Water".
class tWater : public tUnit {
  QN2_UNIT_CLASS(tWater)

 public:
  static constexpr std::int32_t CellPixels = 32;

  tWater();
  void StateFields(tStateIo& io) override;
  ~tWater() override;

  static const tPropertyList& Properties();
  const tPropertyList& PublishedProperties() const override { return Properties(); }

  bool Filled = false;
  bool AutoEdge = true;  // Edge is worked out from the neighbouring water at Reset
  tWaterEdgeStyle EdgeStyle = tWaterEdgeStyle::weSquare;
  bool Boulder = false;                                             // starts filled
  std::array<std::uint16_t, CellPixels * CellPixels> WaterCache{};  // row-major
  tDirectionSet Edge;  // neighbouring cells that hold water

  // The water colour in force, in upper-case hexadecimal.
  std::string Tint() const;
  // Hexadecimal text (the digits at its end count) becomes the level's water tint, but
  // only while the level is being edited.
  void SetTint(const std::string& text);

  // Work out Edge from the start cells of the level's other water.
  void WorkOutEdge();
  // Top left corner of this cell's picture in the templates picture.
  tPoint TemplateOrigin() const;
  // The cell's square on the drawing surface.
  tRect CellRect() const;
  // Draws the whole cell afresh into the current surface and keeps the result.
  void Render();
  // Puts the kept result of the last rendering back.
  void DrawFromCache();

  bool DrawnInBackground() override;
  bool LetsShotPass(tUnit* /*shooter*/) override { return true; }
  bool QueryPush(tUnit* pusher, tDirection direction) override;
  void Reset() override;
  void TakeTurn() override;
  void Draw() override;
  void DrawAtInitialPosition() override;
  void SaveState(tSnapshotStream& stream) override;
  void LoadState(tSnapshotStream& stream) override;

 private:
  void AddCellToDirty() const;
};

// The editor's picture of water.
tSprite* WaterIcon();

}  // namespace qn2
