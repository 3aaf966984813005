#include <gtest/gtest.h>

#include <memory>

#include "ProbeUnit.h"
#include "engine/board/CarriedItems.h"
#include "render/Dib16.h"
#include "render/DibStack.h"
#include "render/Sprite.h"
#include "render/TileSheets.h"

namespace qn2 {
namespace {

using testing::Place;
using testing::tProbe;

// A 32 x 32 picture of one colour and a sprite of it.
struct tSwatch {
  explicit tSwatch(std::uint16_t colour) : Picture(32, 32) {
    Picture.FillSurface(colour);
    Sprite.SetUp(&Picture, 0, 0, 32, 32);
  }
  tDib16 Picture;
  tSprite Sprite;
};

class LevelDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PushDib();
    CurrentDib = &Frame;
  }
  void TearDown() override { PopDib(); }

  std::uint16_t PixelOfCell(int x, int y, int dx = 5, int dy = 5) {
    return Frame.ScanLine(32 * y + dy)[128 + 32 * x + dx];
  }

  tDib16 Frame{640, 480};
  tPlayState& State() { return Level.Play; }
  tLevel Level;
  tSwatch Red{0xF800}, Green{0x07E0}, Blue{0x001F};
};

TEST_F(LevelDrawingTest, UnitsAreDrawnOnTheirCellsByLayerAndLayerFourNever) {
  tProbe* floor = Place(Level, 2, 2);
  floor->Layer = 0;
  floor->Sprite = &Red.Sprite;
  tProbe* top = Place(Level, 2, 2);
  top->Layer = 3;
  top->Sprite = &Green.Sprite;
  tProbe* hidden = Place(Level, 5, 5);
  hidden->Layer = 4;
  hidden->Sprite = &Blue.Sprite;
  Level.MoveAll();
  Level.DrawUnits();
  EXPECT_EQ(PixelOfCell(2, 2), 0x07E0) << "layer 3 is drawn over layer 0";
  EXPECT_EQ(PixelOfCell(5, 5), 0);
  EXPECT_EQ(Frame.ClipRect, (tRect{128, 0, 640, 480}));
}

TEST_F(LevelDrawingTest, ThePlayerIsDrawnEvenWhenDeadOthersOnlyWhenShown) {
  tProbe* player = Place(Level, 0, 0, true);
  player->Sprite = &Red.Sprite;
  player->Dead = true;
  tProbe* dead = Place(Level, 1, 0);
  dead->Sprite = &Green.Sprite;
  dead->Dead = true;
  tProbe* carried = Place(Level, 2, 0);
  carried->Sprite = &Green.Sprite;
  carried->Carried = true;
  Level.MoveAll();
  Level.DrawUnits();
  EXPECT_EQ(PixelOfCell(0, 0), 0xF800);
  EXPECT_EQ(PixelOfCell(1, 0), 0);
  EXPECT_EQ(PixelOfCell(2, 0), 0);
}

TEST_F(LevelDrawingTest, TheOutOfTurnGhostIsDrawnInPlaceOfThePlayer) {
  tProbe* player = Place(Level, 0, 0, true);
  player->Sprite = &Red.Sprite;
  tProbe ghost;
  ghost.Sprite = &Blue.Sprite;
  ghost.X = 3;
  ghost.Y = 4;
  State().Clock.OOTPlayer = &ghost;
  State().Clock.DrawOOTPlayer = true;
  Level.MoveAll();
  Level.DrawUnits();
  EXPECT_EQ(PixelOfCell(0, 0), 0);
  EXPECT_EQ(PixelOfCell(3, 4), 0x001F);
}

TEST_F(LevelDrawingTest, AMovingUnitIsDrawnAtItsRoundedPixelPosition) {
  tProbe* unit = Place(Level, 4, 4);
  unit->Sprite = &Red.Sprite;
  unit->StartMove(tDirection::Right);
  for (int i = 0; i < 6; ++i) unit->Move();  // half-way: 16 pixels to the right
  unit->Draw();
  EXPECT_EQ(PixelOfCell(4, 4, 15), 0);
  EXPECT_EQ(PixelOfCell(4, 4, 16), 0xF800);
  EXPECT_EQ(PixelOfCell(5, 4, 15), 0xF800);
  EXPECT_EQ(PixelOfCell(5, 4, 16), 0);
}

TEST_F(LevelDrawingTest, QuietUnitsAreOnlyListedAsDirtyWhileMoving) {
  tProbe* unit = Place(Level, 4, 4);
  unit->Sprite = &Red.Sprite;
  unit->QuietWhenStill = true;
  Frame.TrackDirty = true;
  unit->Draw();
  EXPECT_TRUE(Frame.DirtyRects().empty());
  EXPECT_TRUE(Frame.TrackDirty);
  unit->StartMove(tDirection::Up);
  unit->Draw();
  EXPECT_EQ(Frame.DirtyRects().size(), 1u);
}

TEST_F(LevelDrawingTest, TheEditorViewDrawsUnitsAtTheirStartCells) {
  tProbe* unit = Place(Level, 4, 4);
  unit->Sprite = &Green.Sprite;
  unit->X = 9;
  Level.MoveAll();
  Level.DrawUnitsAtStart();
  EXPECT_EQ(PixelOfCell(4, 4), 0x07E0);
}

TEST_F(LevelDrawingTest, CarriedItemsAreDrawnLeftToRightInQueueOrder) {
  tProbe* items[3];
  tSwatch* swatches[3] = {&Red, &Green, &Blue};
  for (int i = 0; i < 3; ++i) {
    items[i] = Place(Level, i, 0);
    items[i]->Sprite = &swatches[i]->Sprite;
    items[i]->PickUp();
  }
  State().Carried.QueueTakeFirst();
  tDib16 panel(128, 480);
  panel.FillSurface(0x1111);
  DrawCarriedItems(State().Carried, &panel);
  // Two items: centred at 48 and 80 on row 376; the second picked up is now leftmost.
  EXPECT_EQ(Frame.ScanLine(376)[48], 0x07E0);
  EXPECT_EQ(Frame.ScanLine(376)[80], 0x001F);
  EXPECT_EQ(Frame.ScanLine(356)[21], 0x1111) << "the box is restored from the panel";
  EXPECT_EQ(Frame.ScanLine(355)[21], 0);
  EXPECT_EQ(Frame.ClipRect, (tRect{128, 0, 640, 480}));
}

TEST_F(LevelDrawingTest, TilesAreCutFromTheSheetStripsAndDrawnInLayerOrder) {
  tDib16 sheet(512, 512);
  // Tile 65 is in the second strip: x = 32 * (1 + 4), y = 32 * 16 mod 16 = 0.
  tDib16* saved = CurrentDib;
  CurrentDib = &sheet;
  sheet.AddColourRect(tRect{160, 0, 192, 32}, 0x07E0);
  sheet.AddColourRect(tRect{32, 32, 64, 64}, 0xF800);  // tile 5
  CurrentDib = saved;
  TileSheet.SetPicture("sheet", &sheet);
  OverlaySheet.SetPicture("overlay", &sheet);
  Level.Cell(3, 1).TileBelow = 65;
  Level.Cell(3, 1).Tile = 5;
  Level.Cell(7, 2).OverlayTile = 65;
  Level.DrawTiles(128);
  EXPECT_EQ(PixelOfCell(3, 1), 0xF800);
  Level.Cell(3, 1).Tile = 0;
  Level.DrawTiles(128);
  EXPECT_EQ(PixelOfCell(3, 1), 0x07E0);

  // The overlay protects its pixels through the mask, and draws over it itself.
  Frame.SetHasMask(true);
  Level.MarkOverlay(128);
  Frame.MaskActive = true;
  tProbe* unit = Place(Level, 7, 2);
  unit->Sprite = &Blue.Sprite;
  Level.MoveAll();
  Level.DrawUnits();
  EXPECT_EQ(PixelOfCell(7, 2), 0);
  Level.DrawOverlay(128);
  EXPECT_EQ(PixelOfCell(7, 2), 0x07E0);
  EXPECT_TRUE(Frame.MaskActive);
}

TEST_F(LevelDrawingTest, SolidCellsAreShadedGreen) {
  Level.Cell(1, 1).Solid = true;
  Frame.ClipRect = tRect{128, 0, 640, 480};
  Level.ShadeSolid();
  EXPECT_EQ(PixelOfCell(1, 1), MakePixel(20, 50, 20));
  EXPECT_EQ(PixelOfCell(1, 1, 31, 31), MakePixel(20, 50, 20));
  EXPECT_EQ(PixelOfCell(2, 1), 0);
}

TEST_F(LevelDrawingTest, BackgroundUnitsArePaintedWithoutThePanelOffset) {
  struct tStill : tProbe {
    bool DrawnInBackground() override { return true; }
  };
  auto still = std::make_unique<tStill>();
  still->SetInitialX(1);
  still->Reset();
  still->Sprite = &Red.Sprite;
  Level.AddUnit(std::move(still));
  tProbe* other = Place(Level, 2, 0);
  other->Sprite = &Green.Sprite;
  Level.MoveAll();
  tDib16 background(512, 480);
  CurrentDib = &background;
  Level.DrawBackgroundUnits();
  EXPECT_EQ(background.ScanLine(5)[32 + 5], 0xF800);
  EXPECT_EQ(background.ScanLine(5)[64 + 5], 0);
  EXPECT_EQ(PlayAreaOffset, 128);
}

}  // namespace
}  // namespace qn2
