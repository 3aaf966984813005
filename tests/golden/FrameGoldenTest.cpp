// Golden pictures of whole frames composed by the game: a level with tiles and overlay,
// a unit passing behind an overlay arch, and the side panel with its hint and counters.
#include <filesystem>
#include <fstream>

#include "GoldenImage.h"
#include "data/TextLines.h"
#include "engine/FrameComposer.h"
#include "engine/GameEngine.h"
#include "engine/board/CarriedItems.h"
#include "engine/board/CycleProcedures.h"
#include "engine/board/PlayState.h"
#include "engine/board/UnitRegistry.h"
#include "platform/TtfTextService.h"
#include "render/DibRegistry.h"
#include "render/SidePanel.h"
#include "render/TextService.h"
#include "support/PictureTestFiles.h"
#include "support/ScratchFolder.h"

namespace qn2 {
namespace {

using test::MakeBmp;
using test::MakeJpeg;

tRgb Magenta() {
  return {255, 0, 255};
}

// Stone tiles: each numbered tile a block of its own hue with a darker border.
tRgb TileColour(int x, int y) {
  const int tile = (x % 128) / 32 + 4 * ((y / 32) % 16) + 64 * (x / 128);
  const int cx = x % 32, cy = y % 32;
  const bool border = cx < 2 || cy < 2 || cx > 29 || cy > 29;
  const auto r = static_cast<std::uint8_t>(90 + (tile * 37) % 120);
  const auto g = static_cast<std::uint8_t>(70 + (tile * 53) % 100);
  const auto b = static_cast<std::uint8_t>(50 + (tile * 29) % 80);
  if (border)
    return {static_cast<std::uint8_t>(r / 2), static_cast<std::uint8_t>(g / 2),
            static_cast<std::uint8_t>(b / 2)};
  return {r, g, b};
}

// Overlay tile 1 (x 32..63, y 0..31 of the sheet) is an arch; everything else is
// transparent.
tRgb OverlayColour(int x, int y) {
  if (x >= 32 && x < 64 && y < 32) {
    const int cx = x - 48, cy = y - 40;
    const int d2 = cx * cx + cy * cy;
    if (d2 > 30 * 30) return {150, 120, 80};
  }
  return Magenta();
}

tRgb BackgroundColour(int x, int y) {
  return {static_cast<std::uint8_t>(20 + y / 6), static_cast<std::uint8_t>(30 + x / 12),
          static_cast<std::uint8_t>(60)};
}

// A round boulder on the key colour.
tRgb BallColour(int x, int y) {
  const int cx = x - 16, cy = y - 16;
  if (cx * cx + cy * cy > 14 * 14) return Magenta();
  return {static_cast<std::uint8_t>(140 + cx * 3), static_cast<std::uint8_t>(130 + cy * 3), 120};
}

// "BaseGfx.bmp": the pointer at (32, 192) and the menu button's frames from x = 384.
tRgb BaseGfxColour(int x, int y) {
  if (x >= 32 && x < 64 && y >= 192 && y < 224) {
    const int px = x - 32 - 2, py = y - 192 - 2;
    return (px >= 0 && py >= 0 && px <= py && py < 20) ? tRgb{255, 255, 230} : Magenta();
  }
  if (x >= 384 && x < 576 && y < 288) {
    const int frame = y / 48;
    return {static_cast<std::uint8_t>(60 + frame * 30), static_cast<std::uint8_t>(50 + frame * 20),
            40};
  }
  return Magenta();
}

// Digit glyphs 18 x 28: glyph g shows g + 1 short bars; the blank glyph is empty.
tRgb DigitColour(int x, int y, int glyphs) {
  const int g = y / 28, cy = y % 28, cx = x % 18;
  if (g >= glyphs) return {0, 0, 0};
  const bool letterB = glyphs == 12 && g == 11;
  if (g == 10) return {30, 20, 15};
  const int bars = letterB ? 2 : g + 1;
  const bool lit = cx >= 3 && cx < 15 && cy >= 3 && cy < 25 && ((cy - 3) / 2) < bars * 2 &&
                   ((cy - 3) / 2) % 2 == 0;
  return lit ? tRgb{230, 200, 120} : tRgb{30, 20, 15};
}

tRgb PanelColour(int x, int y) {
  const bool box = x >= 20 && x < 120 && y >= 356 && y < 396;
  return box ? tRgb{40, 30, 25} : tRgb{static_cast<std::uint8_t>(90 + y / 16), 70, 50};
}

// A boulder that rolls one cell right every turn while it can, as the level's player.
class tRoller : public tUnit {
  QN2_UNIT_CLASS(tRoller)
 public:
  static tSprite& Ball() {
    static tSprite sprite;
    return sprite;
  }
  tRoller() { Sprite = &Ball(); }
  void TakeTurn() override {
    if (CanEnter(GridX + 1, GridY)) {
      Direction = tDirection::Right;
      StartMove(tDirection::Right);
    }
  }
};

class FrameGoldenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Previous = std::filesystem::current_path();
    std::filesystem::current_path(Scratch.path());
    CycleProcedures.Clear();
    ClearDibs();
    Write("Tiles.bmp", MakeBmp(512, 512, TileColour));
    Write("Over.bmp", MakeBmp(512, 512, OverlayColour));
    Write("Back.bmp", MakeBmp(512, 480, BackgroundColour));
    Write("Ball.bmp", MakeBmp(32, 32, BallColour));
    Write("BaseGfx.bmp", MakeBmp(576, 288, BaseGfxColour));
    Write("SidePanel.jpg", MakeJpeg(128, 480, PanelColour));
    Write("LevelDigits.bmp", MakeBmp(36, 336, [](int x, int y) { return DigitColour(x, y, 12); }));
    for (const char* name : {"KeysDigits.bmp", "GemsDigits.bmp"})
      Write(name, MakeBmp(121, 308, [](int x, int y) { return DigitColour(x % 67, y, 11); }));
    Engine = std::make_unique<tGameEngine>();
    GameEngine = Engine.get();
    Engine->Frames = &Composer;
    LoadGameEngineGraphicsData();
    LoadSidePanel();
    GetDib("Ball.bmp", false);
    tRoller::Ball().SetUp("Ball.bmp", 0, 0, 32, 32);
    UnitRegistry.Add("Player", tRoller::Class, nullptr);
  }
  tPlayState& State() { return Engine->Play(); }
  void TearDown() override {
    TextService = nullptr;
    GameEngine = nullptr;
    Engine.reset();
    FreeSidePanel();
    ClearDibs();
    UnitRegistry.Clear();
    std::filesystem::current_path(Previous);
  }

  void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream(Scratch / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }

  // A level of stone floor with a wall row, an arch overlay at (6, 7) and the roller at
  // (3, 7).
  void WriteLevel(const std::string& hint) const {
    std::vector<std::string> lines{
        "[Misc]",       "Background=Back.bmp", "TileSet=Tiles.bmp", "OverlayTileSet=Over.bmp",
        "Hint=" + hint, "[MoreTiles]"};
    for (int y = 0; y < 15; ++y) {
      std::string row;
      for (int x = 0; x < 16; ++x) {
        const int below = (x + y) % 3 == 0 ? 0 : 1 + (x * y) % 4;
        const int middle = y == 8 ? 5 + x % 3 : (y == 2 && x > 3 ? 70 : 0);
        char field[8];
        std::snprintf(field, sizeof field, "%02X%02X00", below, middle);
        if (x > 0) row += ',';
        row += field;
      }
      lines.push_back(row);
    }
    lines.push_back("[Overlay]");
    for (int y = 0; y < 15; ++y) {
      std::string row;
      for (int x = 0; x < 16; ++x) {
        if (x > 0) row += ',';
        row += y == 7 && x == 6 ? "001" : "000";
      }
      lines.push_back(row);
    }
    lines.insert(lines.end(),
                 {"[Units]", "Begin Player", "InitialX = 3", "InitialY = 7", "End Player"});
    std::ofstream(Scratch / "Golden.map", std::ios::binary) << JoinLines(lines);
  }

  void Frame() {
    Engine->Update();
    Engine->DrawFrame();
  }
  void PlayIntro() {
    Engine->LoadLevel("Golden.map");
    for (int i = 0; i < 101; ++i) Frame();
    ASSERT_EQ(Engine->GameMode, gmPlaying);
  }

  testing::tScratchFolder Scratch;
  std::filesystem::path Previous;
  tFrameComposer Composer;
  std::unique_ptr<tGameEngine> Engine;
};

TEST_F(FrameGoldenTest, ALevelWithTilesAndOverlay) {
  WriteLevel("");
  PlayIntro();
  Engine->FullRedraw = true;
  Engine->DrawFrame();
  test::ExpectMatchesGolden(Engine->FrameSurface(), "level_with_tiles");
}

// The roller passes behind the arch: the incremental repaint of each frame must give the
// same picture as a full repaint of the same moment.
TEST_F(FrameGoldenTest, AUnitPassesBehindTheOverlayInFullAndIncrementalRepaints) {
  WriteLevel("");
  PlayIntro();
  tDib16& frame = Engine->FrameSurface();
  tDib16 incremental(frame.Width(), frame.Height());
  int checked = 0;
  while (Engine->Level.Player->X < 6.5f) {
    Frame();
    incremental.CopyRectFrom(frame, 0, 0, 0, 0, frame.Width(), frame.Height());
    Engine->RestorePointerBackground();
    Engine->FullRedraw = true;
    Engine->DrawFrame();
    ASSERT_TRUE(test::SamePixels(incremental, frame))
        << "frame with the roller at x = " << Engine->Level.Player->X;
    ++checked;
    if (Engine->Level.Player->X > 5.7f && Engine->Level.Player->X < 5.8f)
      test::ExpectMatchesGolden(frame, "unit_behind_overlay");
  }
  EXPECT_GT(checked, 30);
}

TEST_F(FrameGoldenTest, TheSidePanelWithHintLevelCodeAndCounters) {
  tTtfTextService text;
  TextService = &text;
  WriteLevel("Roll the stone under the old arch");
  PlayIntro();
  Engine->LevelLabel = "B7";
  State().Counters.KeysInLevel = 12;
  State().Counters.KeysCollected = 3;
  State().Counters.JewelsInLevel = 4;
  State().Counters.JewelsCollected = 4;
  Engine->FullRedraw = true;
  Engine->DrawFrame();
  test::ExpectMatchesGolden(Engine->FrameSurface(), "side_panel");
}

}  // namespace
}  // namespace qn2
