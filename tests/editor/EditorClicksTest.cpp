#include "editor/EditorFixture.h"

namespace qn2::testing {

using tButton = tLevelEditor::tButton;

TEST_F(EditorTest, EachLayerButtonPaintsItsLayerAndTheSolidFlag) {
  Editor->ChooseTile(40);
  Editor->TileLayer = -1;
  Click(2, 3);
  Editor->TileLayer = 0;
  Click(3, 3);
  Editor->TileLayer = 1;
  Editor->SolidBox = false;
  Click(4, 3);
  EXPECT_EQ(CellAt(2, 3).TileBelow, 40);
  EXPECT_TRUE(CellAt(2, 3).Solid);
  EXPECT_EQ(CellAt(3, 3).Tile, 40);
  EXPECT_EQ(CellAt(4, 3).TileAbove, 40);
  EXPECT_FALSE(CellAt(4, 3).Solid);
  EXPECT_EQ(CellAt(4, 3).Tile, 0);

  Editor->TileLayer = 0;
  Click(3, 3, tButton::Right);
  EXPECT_EQ(CellAt(3, 3).Tile, 0);
  EXPECT_FALSE(CellAt(3, 3).Solid);
}

TEST_F(EditorTest, TheNoneLayerOnlyTouchesTheSolidFlag) {
  Editor->ChooseTile(40);
  Click(5, 5);  // layer 0: tile 40, solid
  Editor->TileLayer = tLevelEditor::LayerNone;
  Click(5, 5, tButton::Right);
  EXPECT_EQ(CellAt(5, 5).Tile, 40);
  EXPECT_FALSE(CellAt(5, 5).Solid);
  Editor->ChooseTile(77);
  Click(5, 5);
  EXPECT_EQ(CellAt(5, 5).Tile, 40);
  EXPECT_TRUE(CellAt(5, 5).Solid);
  Editor->SolidBox = false;
  Click(5, 5);
  EXPECT_FALSE(CellAt(5, 5).Solid);
  EXPECT_EQ(CellAt(5, 5).TileBelow + CellAt(5, 5).TileAbove, 0);
}

TEST_F(EditorTest, OverlayPageSetsAndClearsTheOverlayTile) {
  Editor->SetPage("Overlay");
  Editor->ChooseOverlay(9);
  Click(1, 1);
  EXPECT_EQ(CellAt(1, 1).OverlayTile, 9);
  EXPECT_FALSE(CellAt(1, 1).Solid);
  Click(1, 1, tButton::Right);
  EXPECT_EQ(CellAt(1, 1).OverlayTile, 0);
}

TEST_F(EditorTest, ClicksOffTheBoardOrWhileNotEditingChangeNothing) {
  const auto before = tLevelDesign::Capture(Level());
  Click(-1, -1);
  Editor->SetPage("Objects");
  Editor->SetTemplateArmed(true);
  Click(-1, -1);
  EXPECT_TRUE(Editor->TemplateArmed);  // still armed: nothing was placed at 0,0
  Editor->SetPage("Tiles");
  Editor->SetEditing(false);
  Click(4, 4);
  EXPECT_TRUE(tLevelDesign::Capture(Level()) == before);
}

TEST_F(EditorTest, DraggingPaintsAStrokeAndShiftDragARectangle) {
  Editor->ChooseTile(12);
  Editor->MouseDown({0, 0}, tButton::Left, false);
  Editor->MouseMove({1, 0});
  Editor->MouseMove({2, 0});
  Editor->MouseUp();
  EXPECT_EQ(CellAt(2, 0).Tile, 12);
  EXPECT_EQ(Editor->History().UndoCount(), 1u);

  Editor->MouseDown({3, 3}, tButton::Left, true);
  Editor->MouseMove({8, 8});  // a wider rectangle first: it shrinks back with the mouse
  Editor->MouseMove({5, 4});
  Editor->MouseUp();
  int painted = 0;
  for (int x = 0; x < BoardColumns; ++x)
    for (int y = 1; y < BoardRows; ++y) painted += CellAt(x, y).Tile == 12;
  EXPECT_EQ(painted, 3 * 2);
  EXPECT_TRUE(CellAt(5, 4).Solid);

  // The right button clears a rectangle; dragged off the board it stops at the border.
  Editor->MouseDown({4, 4}, tButton::Right, true);
  Editor->MouseMove({-1, -1});
  Editor->MouseUp();
  EXPECT_EQ(CellAt(5, 4).Tile, 12);
  EXPECT_EQ(CellAt(4, 4).Tile, 0);
  EXPECT_EQ(Editor->History().UndoCount(), 3u);
}

TEST_F(EditorTest, PlacingTwoUnitsOnOneCellKeepsBothAndAClickSelectsTheFirst) {
  tUnit* first = Place("Boulder", 6, 6);
  ASSERT_NE(first, nullptr);
  EXPECT_FALSE(Editor->TemplateArmed);
  EXPECT_EQ(Engine->CursorSprite, nullptr);
  tUnit* second = Place("Key", 6, 6);
  EXPECT_EQ(UnitNames(), (std::vector<std::string>{"Boulder", "Key"}));
  EXPECT_EQ(Editor->SelectedUnit(), second);
  Click(6, 6);
  EXPECT_EQ(Editor->SelectedUnit(), first);
  EXPECT_EQ(Editor->SelectedUnitLabel(), "Boulder at 6,6");
}

TEST_F(EditorTest, APlacedPlayerIsTheLevelsPlayer) {
  tUnit* player = Place("Player", 2, 2);
  EXPECT_EQ(Level().Player, player);
}

TEST_F(EditorTest, DraggingAUnitOffTheGridLeavesItOnTheLastCellInside) {
  tUnit* boulder = Place("Boulder", 3, 3);
  Editor->MouseDown({3, 3}, tButton::Left, false);
  Editor->MouseMove({0, 5});
  Editor->MouseMove({-1, -1});
  Editor->MouseUp();
  EXPECT_EQ(boulder->InitialX, 0);
  EXPECT_EQ(boulder->InitialY, 5);
  EXPECT_EQ(boulder->RoundX(), 0);  // the level was reset: it stands there
  EXPECT_FALSE(Editor->Dragging());
}

TEST_F(EditorTest, DeleteRemovesOnlyASelectedUnitOnTheObjectsPage) {
  Place("Player", 1, 1);
  Editor->SelectUnit(nullptr);
  EXPECT_FALSE(Editor->KeyDown(tLevelEditor::KeyDelete, false));
  Click(1, 1);
  Editor->SetPage("Tiles");
  EXPECT_FALSE(Editor->KeyDown(tLevelEditor::KeyDelete, false));
  EXPECT_EQ(Level().Units.Count(), 1u);
  Editor->SetPage("Objects");
  EXPECT_TRUE(Editor->KeyDown(tLevelEditor::KeyDelete, false));
  EXPECT_EQ(Level().Units.Count(), 0u);
  EXPECT_EQ(Level().Player, nullptr);
  EXPECT_EQ(Editor->SelectedUnit(), nullptr);
}

TEST_F(EditorTest, KeysActOnlyWhileEditingAndNotFromTheToolWindow) {
  Editor->SetPage("Objects");
  Editor->TemplateIndex = 3;
  EXPECT_FALSE(Editor->KeyDown(tLevelEditor::KeyA, true));
  EXPECT_FALSE(Editor->TemplateArmed);
  EXPECT_TRUE(Editor->KeyDown(tLevelEditor::KeyA, false));
  EXPECT_TRUE(Editor->TemplateArmed);
  EXPECT_EQ(Engine->CursorSprite, UnitRegistry[3]->Icon);

  Editor->SetEditing(false);
  Editor->SetTemplateArmed(false);
  EXPECT_FALSE(Editor->KeyDown(tLevelEditor::KeyA, false));
  // F11 always toggles the window, which takes the engine's editing view with it.
  EXPECT_TRUE(Editor->KeyDown(tLevelEditor::KeyF11, true));
  EXPECT_FALSE(Editor->Visible);
  EXPECT_FALSE(Engine->ShowCursor);
  EXPECT_TRUE(Editor->KeyDown(tLevelEditor::KeyF11, false));
  EXPECT_TRUE(Editor->Visible);
}

TEST_F(EditorTest, TheTemplateBoxArmsItsChoiceOnce) {
  Editor->ClickTemplateBox(45, 10);  // column 1, row 0
  EXPECT_EQ(Editor->TemplateIndex, 1);
  EXPECT_TRUE(Editor->TemplateArmed);
  Editor->ClickTemplateBox(5, 8 + 40 * 3 + 2);  // row 3, column 0: entry 12
  EXPECT_EQ(Editor->TemplateIndex, 12);
  Editor->ClickTemplateBox(125, 8 + 40 * 3 + 2);  // entry 15: beyond the 15 classes
  EXPECT_EQ(Editor->TemplateIndex, 12);
  Editor->ClickTemplateBox(165, 10);  // beyond the visible columns
  EXPECT_EQ(Editor->TemplateIndex, 12);
}

}  // namespace qn2::testing
