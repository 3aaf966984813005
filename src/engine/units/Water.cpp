#include "engine/units/Water.h"

#include <algorithm>
#include <array>

#include "assets/SampleNames.h"
#include "assets/TerrainSheets.h"
#include "audio/SoundPort.h"
#include "data/ConfigFile.h"
#include "engine/board/Board.h"
#include "engine/board/Level.h"
#include "engine/board/StateIo.h"
#include "engine/units/Boulder.h"
#include "engine/units/TerrainGraphics.h"
#include "render/ColourTables.h"
#include "render/Dib16.h"
#include "render/DibStack.h"
#include "render/PictureSource.h"
#include "render/PixelFormat.h"

namespace qn2 {

tWaterNoise WaterNoise;

namespace {

// The frame's occlusion mask bytes of one row.
const std::uint8_t* MaskRow(const tDib16& target, std::int32_t y) {
  return target.Mask() + static_cast<std::size_t>(y) * static_cast<std::size_t>(target.Width());
}

// The columns of a cell starting at screen column left that lie inside the clip.
struct tColumns {
  std::int32_t From, To;
};
tColumns ColumnsInside(const tRect& clip, std::int32_t left) {
  const std::int32_t from = std::clamp(clip.Left - left, 0, tWater::CellPixels);
  return {from, std::clamp(clip.Right - left, from, tWater::CellPixels)};
}

// The mask has to be read for the cell: it is in use and covers something there.
bool MaskMatters(const tDib16& target, const tRect& cell) {
  return target.MaskActive && target.HasMaskBytes() && !target.MaskClearIn(cell);
}

std::int32_t Wrap(std::int32_t value, std::int32_t size) {
  const std::int32_t r = value % size;
  return r < 0 ? r + size : r;
}

// The CellPixels noise bytes of a row from column x on: read straight from the row, or,
// where they wrap round its end, gathered into spare.
const std::uint8_t* NoiseSpan(const std::uint8_t* row, std::int32_t x, std::size_t width,
                              std::array<std::uint8_t, tWater::CellPixels>& spare) {
  const auto from = static_cast<std::size_t>(x);
  if (from + tWater::CellPixels <= width) return row + from;
  for (std::size_t i = 0; i < tWater::CellPixels; ++i) spare[i] = row[(from + i) % width];
  return spare.data();
}

// One row of a cell, columns [from, to): pure blue in the template shows the shade; the key
// colour and the mask keep what is there. Whatever the cell ends with is kept in cached for
// the frames in between.
template <bool ReadsMask>
void MixRow(std::uint16_t* __restrict row, std::uint16_t* __restrict cached,
            const std::uint16_t* __restrict pattern, const std::uint16_t* __restrict shade,
            const std::uint8_t* __restrict mask, std::int32_t from, std::int32_t to) {
  const std::uint16_t water = MakePixel(0, 0, 255);
  const std::uint16_t key = MakePixel(255, 0, 255);
  for (std::int32_t i = from; i < to; ++i) {
    const std::uint16_t p = pattern[i];
    const std::uint16_t pixel = PickPixel(p == water, shade[i], p);
    bool keep = pixel == key;
    if constexpr (ReadsMask) keep = keep | (mask[i] != 0);
    const std::uint16_t shown = PickPixel(keep, row[i], pixel);
    row[i] = shown;
    cached[i] = shown;
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

const std::vector<std::string>& WaterEdgeStyleNames() {
  static const std::vector<std::string> names{"weTypeA", "weTypeB", "weTypeC", "weSquare"};
  return names;
}

std::uint8_t tWaterNoise::At(std::int32_t x, std::int32_t y) const {
  return Bytes[static_cast<std::size_t>(Wrap(y, Height)) * static_cast<std::size_t>(Width) +
               static_cast<std::size_t>(Wrap(x, Width))];
}

const std::uint8_t* tWaterNoise::Row(std::int32_t y) const {
  return Bytes.data() + static_cast<std::size_t>(Wrap(y, Height)) * static_cast<std::size_t>(Width);
}

tWaterNoise MakeWaterNoise(const tPicture& first, const tPicture& second) {
  tWaterNoise noise;
  noise.Width = std::min(first.Width, second.Width);
  noise.Height = first.Height + second.Height;
  noise.Bytes.reserve(static_cast<std::size_t>(noise.Width) *
                      static_cast<std::size_t>(noise.Height));
  for (const tPicture* picture : {&first, &second}) {
    const std::size_t step = static_cast<std::size_t>(picture->BitsPerPixel / 8);
    for (std::int32_t y = 0; y < picture->Height; ++y) {
      const std::uint8_t* row = picture->Row(y);
      for (std::int32_t x = 0; x < noise.Width; ++x)
        noise.Bytes.push_back(row[static_cast<std::size_t>(x) * step + 2]);
    }
  }
  return noise;
}

void BuildWaterNoise() {
  const std::string names[2] = {sheets::WaterNoiseParts[0], sheets::WaterNoiseParts[1]};
  const tPicture first = DecodePicture(ReadPictureFile(names[0]), names[0]);
  const tPicture second = DecodePicture(ReadPictureFile(names[1]), names[1]);
  WaterNoise = MakeWaterNoise(first, second);
}

// --- The unit --------------------------------------------------------------------------------

tWater::tWater() {
  Sprite = &TerrainSprites().WaterIcon;
  Layer = 0;
  EdgeStyle = tWaterEdgeStyle::weSquare;
  AutoEdge = true;
}

// The cell is repainted once the water is gone (the editor deletes units).
tWater::~tWater() {
  AddCellToDirty();
}

const tPropertyList& tWater::Properties() {
  static const tPropertyList list = [] {
    tPropertyList l = tUnit::Properties();
    Publish<tWater>(l)
        .Enumeration("AutoEdge", BooleanNames(), &tWater::AutoEdge, &tWater::AutoEdge)
        .Enumeration("EdgeStyle", WaterEdgeStyleNames(), &tWater::EdgeStyle, &tWater::EdgeStyle)
        .Enumeration("Boulder", BooleanNames(), &tWater::Boulder, &tWater::Boulder)
        .Set("Edge", DirectionNames(), &tWater::Edge, &tWater::Edge)
        .String("Tint", &tWater::Tint, &tWater::SetTint);
    return l;
  }();
  return list;
}

std::string tWater::Tint() const {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::uint32_t value = WaterColour;
  std::string text;
  do {
    text.insert(text.begin(), digits[value & 15]);
    value >>= 4;
  } while (value != 0);
  return text;
}

// The digits are read from the last character backwards; the first character that is not
// a hexadecimal digit ends them. Digits beyond the eighth from the end do not fit the
// 32-bit colour and are dropped.
void tWater::SetTint(const std::string& text) {
  std::uint32_t value = 0;
  int place = 0;
  for (auto c = text.rbegin(); c != text.rend(); ++c, ++place) {
    const int digit = HexDigit(*c);
    if (digit < 0) break;
    if (place < 8) value |= static_cast<std::uint32_t>(digit) << (4 * place);
  }
  if (Level == nullptr || !Owner().EditorOpen()) return;
  Level->WaterTint = value;
}

void tWater::WorkOutEdge() {
  Edge = tDirectionSet();
  if (Level == nullptr) return;
  for (const auto& unit : Level->Units) {
    const tWater* water = dynamic_cast<const tWater*>(unit.get());
    if (water == nullptr) continue;
    const int dx = water->InitialX - InitialX;
    const int dy = water->InitialY - InitialY;
    if (dy == 0 && dx == 1) Edge.Include(tDirection::Right);
    if (dy == 0 && dx == -1) Edge.Include(tDirection::Left);
    if (dx == 0 && dy == 1) Edge.Include(tDirection::Down);
    if (dx == 0 && dy == -1) Edge.Include(tDirection::Up);
  }
}

// Each style's block of 4 x 4 cells is 128 pixels wide; within it, an open side (no water
// next to it) moves the picture by one or two cells.
tPoint tWater::TemplateOrigin() const {
  const std::int32_t left = (Edge.Contains(tDirection::Up) ? 0 : 32) +
                            (Edge.Contains(tDirection::Right) ? 0 : 64) +
                            128 * static_cast<std::int32_t>(EdgeStyle);
  const std::int32_t top =
      (Edge.Contains(tDirection::Down) ? 0 : 32) + (Edge.Contains(tDirection::Left) ? 0 : 64);
  return {left, top};
}

tRect tWater::CellRect() const {
  const std::int32_t left = CellPixels * GridX + PlayAreaOffset;
  const std::int32_t top = CellPixels * GridY;
  return {left, top, left + CellPixels, top + CellPixels};
}

void tWater::AddCellToDirty() const {
  if (CurrentDib != nullptr) CurrentDib->AddDirtyRect(CellRect());
}

// Four windows into the noise drift through its bands at slightly different speeds, two
// read downwards and two upwards; their sum picks the shade from the water colour table.
void tWater::Render() {
  tDib16* templates = TerrainSprites().WaterTemplates;
  if (templates == nullptr || WaterNoise.Empty() || CurrentDib == nullptr) return;
  templates->Load();
  tDib16& target = *CurrentDib;
  const tRect& clip = target.ClipRect;
  const tPoint origin = TemplateOrigin();
  const std::int32_t px = CellPixels * GridX;
  const std::int32_t py = CellPixels * GridY;
  const std::int32_t t = Level != nullptr ? Play().TickCount : 0;
  const std::int32_t w = WaterNoise.Width;
  const std::int32_t b = WaterNoise.Band();
  const std::int32_t fx = Wrap(px, w);
  const std::int32_t fy = Wrap(py, b);
  const std::int32_t downX = fx;
  const std::int32_t downA = fy + ((t / 13) % 30) * b;
  const std::int32_t downB = fy + (((t + 6) / 13) % 30) * b;
  const std::int32_t upX = (fx + w / 2) % w;
  const std::int32_t upC = b + (((t + 6) / 12) % 30) * b - fy - 1;
  const std::int32_t upD = b + ((t / 12) % 30) * b - fy - 1;
  const std::int32_t screenLeft = px + PlayAreaOffset;
  const tColumns columns = ColumnsInside(clip, screenLeft);
  const bool masked =
      MaskMatters(target, {screenLeft, py, screenLeft + CellPixels, py + CellPixels});
  // The template's columns this cell has; the rest count as the key colour.
  const std::int32_t patternColumns = std::clamp(templates->Width() - origin.X, 0, CellPixels);
  const std::size_t noiseWidth = static_cast<std::size_t>(w);

  target.BeginDraw();
  templates->BeginDraw();
  std::array<std::uint16_t, CellPixels> shade{};
  std::array<std::uint16_t, CellPixels> sum{};
  std::array<std::array<std::uint8_t, CellPixels>, 4> wrapped{};
  for (std::int32_t j = 0; j < CellPixels; ++j) {
    const std::int32_t y = py + j;
    if (y < clip.Top || y >= clip.Bottom) continue;
    std::uint16_t* __restrict row = target.ScanLine(y) + screenLeft;
    std::uint16_t* __restrict cached = WaterCache.data() + static_cast<std::size_t>(j * CellPixels);
    const std::uint8_t* maskRow = masked ? MaskRow(target, y) + screenLeft : nullptr;
    const std::int32_t templateRow = origin.Y + j;
    const std::uint16_t* pattern =
        templateRow < templates->Height() ? templates->ScanLine(templateRow) + origin.X : nullptr;
    const std::int32_t patternEnd = pattern != nullptr ? std::min(patternColumns, columns.To) : 0;
    // The four noise windows' bytes under this row of the cell, each read straight on.
    const std::uint8_t* noiseA =
        NoiseSpan(WaterNoise.Row(downA + j), downX, noiseWidth, wrapped[0]);
    const std::uint8_t* noiseB =
        NoiseSpan(WaterNoise.Row(downB + j), downX, noiseWidth, wrapped[1]);
    const std::uint8_t* noiseC = NoiseSpan(WaterNoise.Row(upC - j), upX, noiseWidth, wrapped[2]);
    const std::uint8_t* noiseD = NoiseSpan(WaterNoise.Row(upD - j), upX, noiseWidth, wrapped[3]);
    for (std::size_t i = 0; i < CellPixels; ++i)
      sum[i] = static_cast<std::uint16_t>(noiseA[i] + noiseB[i] + noiseC[i] + noiseD[i]);
    for (std::size_t i = 0; i < CellPixels; ++i) shade[i] = WaterTable[sum[i]];
    if (maskRow != nullptr)
      MixRow<true>(row, cached, pattern, shade.data(), maskRow, columns.From, patternEnd);
    else
      MixRow<false>(row, cached, pattern, shade.data(), nullptr, columns.From, patternEnd);
    for (std::int32_t i = std::max(columns.From, patternEnd); i < columns.To; ++i)
      cached[i] = row[i];
  }
  templates->EndDraw();
  target.EndDraw();
}

void tWater::DrawFromCache() {
  if (CurrentDib == nullptr) return;
  tDib16& target = *CurrentDib;
  const tRect& clip = target.ClipRect;
  const std::int32_t px = CellPixels * GridX + PlayAreaOffset;
  const std::int32_t py = CellPixels * GridY;
  const tColumns columns = ColumnsInside(clip, px);
  const bool masked = MaskMatters(target, {px, py, px + CellPixels, py + CellPixels});
  target.BeginDraw();
  for (std::int32_t j = 0; j < CellPixels; ++j) {
    const std::int32_t y = py + j;
    if (y < clip.Top || y >= clip.Bottom) continue;
    std::uint16_t* row = target.ScanLine(y) + px;
    const std::uint16_t* cached = WaterCache.data() + static_cast<std::size_t>(j * CellPixels);
    if (!masked) {
      std::copy(cached + columns.From, cached + columns.To, row + columns.From);
      continue;
    }
    const std::uint8_t* maskRow = MaskRow(target, y) + px;
    for (std::int32_t i = columns.From; i < columns.To; ++i)
      if (maskRow[i] == 0) row[i] = cached[i];
  }
  target.EndDraw();
}

bool tWater::DrawnInBackground() {
  return !Settings.AnimateWater;
}

bool tWater::QueryPush(tUnit* pusher, tDirection /*direction*/) {
  return Filled || dynamic_cast<tBoulder*>(pusher) != nullptr;
}

void tWater::Reset() {
  tUnit::Reset();
  Filled = Boulder;
  Present = !Boulder;
  Sprite = Filled ? &TerrainSprites().SunkBoulder : &TerrainSprites().WaterIcon;
  if (AutoEdge) WorkOutEdge();
  AddCellToDirty();
}

// A boulder that has arrived on the water sinks into it.
void tWater::TakeTurn() {
  if (Filled || Level == nullptr) return;
  tUnit* boulder = Level->UnitOfClassAt(GridX, GridY, tBoulder::Class);
  if (boulder == nullptr) return;
  Filled = true;
  Present = false;
  boulder->Dead = true;
  Sprite = &TerrainSprites().SunkBoulder;
  Sound().PlaySample(samples::Splosh);
}

// Animated water is drawn every frame, each cell rendered afresh every second frame in a
// checkerboard and put back from its cache in between. Still water lives in the level's
// background picture and is only painted while that is built (or in the editor).
void tWater::Draw() {
  if (DrawnInBackground()) {
    if (Owner().PaintingStillLayers()) Render();
  } else {
    const std::int32_t anim = Owner().AnimationFrame();
    if (anim < 2 || ((GridX ^ GridY ^ anim) & 1) != 0)
      Render();
    else
      DrawFromCache();
  }
  if (Filled) tUnit::Draw();
}

void tWater::DrawAtInitialPosition() {
  GridX = InitialX;
  GridY = InitialY;
  Draw();
  AddCellToDirty();
}

void tWater::SaveState(tSnapshotStream& stream) {
  tUnit::SaveState(stream);
  stream.Write<std::uint8_t>(Filled);
}

// Filled water is off the board: the two always go together.
void tWater::LoadState(tSnapshotStream& stream) {
  tUnit::LoadState(stream);
  Filled = stream.Read<std::uint8_t>() != 0;
  Present = !Filled;
}

tSprite* WaterIcon() {
  return &TerrainSprites().WaterIcon;
}

void tWater::StateFields(tStateIo& io) {
  tUnit::StateFields(io);
  io.Field(Filled);
  io.Field(Edge);
}

}  // namespace qn2
