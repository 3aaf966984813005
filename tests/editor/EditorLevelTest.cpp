// Properties, the "Vars" page, undo and redo, files and their questions, checks, test play.
#include <filesystem>

#include "data/LevelFile.h"
#include "data/LevelKey.h"
#include "editor/EditorFixture.h"
#include "editor/PropertyRows.h"
#include "engine/units/Info.h"

namespace qn2::testing {

namespace {

enum class tShade : std::uint8_t { Light, Dark };
const std::vector<std::string>& ShadeNames() {
  static const std::vector<std::string> names{"Light", "Dark"};
  return names;
}
const std::vector<std::string>& CornerNames() {
  static const std::vector<std::string> names{"TopLeft", "TopRight", "BottomLeft"};
  return names;
}

// A unit with a property of every kind the list edits.
class tEveryKind : public tUnit {
  QN2_UNIT_CLASS(tEveryKind)
 public:
  static const tPropertyList& Properties() {
    static const tPropertyList list = [] {
      tPropertyList l = tUnit::Properties();
      Publish<tEveryKind>(l)
          .Character("Letter", &tEveryKind::Letter, &tEveryKind::Letter)
          .Enumeration("Shade", ShadeNames(), &tEveryKind::Shade, &tEveryKind::Shade)
          .Float("Speed", &tEveryKind::Speed, &tEveryKind::Speed)
          .String("Label", &tEveryKind::Label, &tEveryKind::Label)
          .Set("Corners", CornerNames(), &tEveryKind::Corners, &tEveryKind::Corners);
      return l;
    }();
    return list;
  }
  const tPropertyList& PublishedProperties() const override { return Properties(); }
  char Letter = 'a';
  tShade Shade = tShade::Light;
  float Speed = 1.5f;
  std::string Label = "x";
  std::int32_t Corners = 0;
};

}  // namespace

TEST_F(EditorTest, EveryKindOfPropertyIsEditedThroughItsWriter) {
  UnitRegistry.Add("EveryKind", tEveryKind::Class, nullptr);
  auto* unit = static_cast<tEveryKind*>(Place("EveryKind", 4, 4));
  ASSERT_NE(unit, nullptr);
  const auto rows = ListProperties(*unit);
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[0].Name, "Corners");  // in name order
  EXPECT_EQ(rows[0].Names, &CornerNames());

  EXPECT_FALSE(Editor->SetProperty("Letter", "q"));
  EXPECT_FALSE(Editor->SetProperty("Shade", "dark"));
  EXPECT_FALSE(Editor->SetProperty("Speed", "2.25"));
  EXPECT_FALSE(Editor->SetProperty("Label", "two words"));
  EXPECT_FALSE(Editor->SetProperty("Corners", SetWithMember("0", 2, true)));
  EXPECT_FALSE(Editor->SetProperty("InitialX", "9"));
  EXPECT_EQ(unit->Letter, 'q');
  EXPECT_EQ(unit->Shade, tShade::Dark);
  EXPECT_FLOAT_EQ(unit->Speed, 2.25f);
  EXPECT_EQ(unit->Label, "two words");
  EXPECT_TRUE(SetHasMember(*GetPropertyText(*unit, "Corners"), 2));
  EXPECT_FALSE(SetHasMember(*GetPropertyText(*unit, "Corners"), 0));
  EXPECT_EQ(unit->RoundX(), 9);  // the level's state restarted at once

  // Refusals leave the value as it was and say why.
  EXPECT_TRUE(Editor->SetProperty("Shade", "Purple"));
  EXPECT_TRUE(Editor->SetProperty("Speed", "fast"));
  EXPECT_EQ(unit->Shade, tShade::Dark);
  EXPECT_FLOAT_EQ(unit->Speed, 2.25f);
  EXPECT_EQ(Editor->History().UndoCount(), 7u);  // the place and six changes
}

TEST_F(EditorTest, ATriggerThatDoesNotParseIsRefusedAndNothingChanges) {
  auto* info = static_cast<tInfo*>(Place("Info", 2, 2));
  ASSERT_FALSE(Editor->SetProperty("Trigger", "KeysLeft=0"));
  const auto steps = Editor->History().UndoCount();
  const auto refusal = Editor->SetProperty("Trigger", "Sometimes(3)");
  ASSERT_TRUE(refusal);
  EXPECT_NE(refusal->find("Bad start to trigger 1"), std::string::npos);
  EXPECT_EQ(info->Trigger, "KeysLeft=0");
  EXPECT_EQ(info->Conditions.size(), 1u);
  EXPECT_EQ(Editor->History().UndoCount(), steps);
  EXPECT_FALSE(Editor->SetProperty("InitialY", "40"));  // out of range: the writer ignores it
  EXPECT_EQ(info->InitialY, 2);
}

TEST_F(EditorTest, VarsPageSetsTitleAndOnlyListedBackdropsAndMusic) {
  Editor->SetTitle("Deep Water");
  EXPECT_EQ(Level().Title, "Deep Water");
  EXPECT_EQ(Engine->LevelTitleText, "Deep Water");
  EXPECT_EQ(Editor->Lists.Backgrounds, (std::vector<std::string>{"Hollowmere.jpg", "Marsh.JPG"}));
  EXPECT_EQ(Editor->Lists.Music, (std::vector<std::string>{"Tune.xm", "Other.oxm"}));

  const std::string background = Level().BackgroundName;
  EXPECT_FALSE(Editor->ChooseBackground("Marshes.jpg"));
  EXPECT_EQ(Level().BackgroundName, background);
  EXPECT_EQ(Editor->BackgroundText, "Marshes.jpg");  // the text stays as typed
  EXPECT_FALSE(Editor->ChooseMusic("Tune"));
  EXPECT_TRUE(Editor->ChooseMusic(" tune.XM "));
  EXPECT_EQ(Level().MusicName, "tune.XM");
  EXPECT_EQ(Editor->History().UndoCount(), 2u);
}

TEST_F(EditorTest, UndoAndRedoTakeBackEveryKindOfEdit) {
  const auto blank = tLevelDesign::Capture(Level());
  std::vector<tLevelDesign> states{blank};
  auto step = [&] { states.push_back(tLevelDesign::Capture(Level())); };
  Editor->ChooseTile(30);
  Click(1, 1);  // tile and solid
  step();
  Editor->TileLayer = tLevelEditor::LayerNone;
  Click(1, 1, tLevelEditor::tButton::Right);  // solid only
  step();
  Editor->SetPage("Overlay");
  Editor->ChooseOverlay(5);
  Click(2, 2);
  step();
  Place("Boulder", 4, 4);
  step();
  Editor->MouseDown({4, 4}, tLevelEditor::tButton::Left, false);
  Editor->MouseMove({7, 4});
  Editor->MouseUp();
  step();
  ASSERT_FALSE(Editor->SetProperty("InitialY", "9"));
  step();
  Place("Key", 0, 0);
  Editor->KeyDown(tLevelEditor::KeyDelete, false);
  step();
  Editor->SetTitle("T");
  Editor->SetTitle("Ti");  // typing merges into one step
  step();
  Editor->ChooseBackground("marsh.jpg");
  step();
  Editor->ChooseMusic("Other.oxm");
  step();
  ASSERT_EQ(Editor->History().UndoCount(), states.size());  // the key's place is a step too

  EXPECT_TRUE(Editor->KeyDown(tLevelEditor::KeyZ, false, true));
  EXPECT_TRUE(tLevelDesign::Capture(Level()) == states[states.size() - 2]);
  while (Editor->Undo()) {
  }
  EXPECT_TRUE(tLevelDesign::Capture(Level()) == blank);
  EXPECT_EQ(Level().BackgroundName, "Back.bmp");
  EXPECT_FALSE(Editor->Modified());
  while (Editor->KeyDown(tLevelEditor::KeyY, true, true)) {
  }
  EXPECT_TRUE(tLevelDesign::Capture(Level()) == states.back());
  EXPECT_EQ(Engine->LevelTitleText, "Ti");
  EXPECT_TRUE(Editor->Modified());
}

TEST_F(EditorTest, UndoSelectsTheUnitAgainAndANewEditDropsTheRedoSteps) {
  tUnit* boulder = Place("Boulder", 4, 4);
  ASSERT_FALSE(Editor->SetProperty("InitialX", "6"));
  Editor->Undo();
  ASSERT_NE(Editor->SelectedUnit(), nullptr);
  EXPECT_NE(Editor->SelectedUnit(), boulder);  // made again from its design
  EXPECT_EQ(Editor->SelectedUnit()->InitialX, 4);
  Editor->Undo();
  EXPECT_EQ(Editor->SelectedUnit(), nullptr);
  EXPECT_EQ(Level().Units.Count(), 0u);
  Editor->SetPage("Tiles");
  Click(0, 0);
  EXPECT_FALSE(Editor->Redo());
}

TEST_F(EditorTest, TheHistoryKeepsAtLeastTwoHundredSteps) {
  for (int i = 0; i < 230; ++i) {
    Editor->ChooseTile(1 + i % 200);
    Click(i % BoardColumns, (i / BoardColumns) % BoardRows);
  }
  EXPECT_EQ(Editor->History().UndoCount(), 230u);
  int undone = 0;
  while (Editor->Undo()) ++undone;
  EXPECT_EQ(undone, 230);
  EXPECT_EQ(CellAt(0, 0).Tile, 0);
}

TEST_F(EditorTest, SaveAfterNewWritesUntitledInTheCurrentFolder) {
  EXPECT_EQ(Engine->LevelFileName, "Untitled");
  Place("Player", 1, 1);
  EXPECT_TRUE(Editor->Modified());
  EXPECT_NE(Editor->WindowTitle().find("Untitled *"), std::string::npos);
  ASSERT_TRUE(Editor->Save());
  EXPECT_TRUE(std::filesystem::exists(Scratch / "Untitled"));
  EXPECT_FALSE(Editor->Modified());
  EXPECT_EQ(Editor->CheckNotes, (std::vector<std::string>{"No exit"}));
}

TEST_F(EditorTest, SaveAsWritesRelativeToTheStartFolderAndReadsTheLevelAgain) {
  std::filesystem::create_directory(Scratch / "Mine");
  Place("Exit", 3, 3);
  Editor->StartFolder = Scratch.path().string();
  ASSERT_TRUE(Editor->SaveAs((Scratch / "Mine" / "First.map").string()));
  EXPECT_EQ(Engine->LevelFileName, "Mine/First.map");
  EXPECT_TRUE(std::filesystem::exists(Scratch / "Mine" / "First.map"));
  EXPECT_EQ(UnitNames(), std::vector<std::string>{"Exit"});
  EXPECT_EQ(Editor->SelectedUnit(), Level().Units[0]);
  EXPECT_EQ(Editor->CheckNotes, (std::vector<std::string>{"No player start"}));
  // The history goes on across the new name.
  EXPECT_TRUE(Editor->Undo());
  EXPECT_EQ(Level().Units.Count(), 0u);
}

// A level changed in the editor is not what its file holds: its runs are nobody's best
// until it is saved, and then they count for the saved file.
TEST_F(EditorTest, AnEditedLevelHasNoKeyUntilItIsSavedAgain) {
  EXPECT_EQ(Engine->LevelKey, std::nullopt) << "a new level has no file";
  Place("Exit", 3, 3);
  Engine->LevelFileName = "Mine.map";
  ASSERT_TRUE(Editor->Save());
  ASSERT_TRUE(Engine->LevelKey.has_value());
  EXPECT_EQ(*Engine->LevelKey, LevelFileKey("Mine.map"));

  Place("Boulder", 5, 5);
  EXPECT_EQ(Engine->LevelKey, std::nullopt);
  ASSERT_TRUE(Editor->Save());
  EXPECT_EQ(Engine->LevelKey, LevelFileKey("Mine.map"));
  EXPECT_TRUE(Editor->Undo());
  EXPECT_EQ(Engine->LevelKey, std::nullopt) << "taking an edit back changes the level too";
  Engine->LoadLevel("Mine.map");
  EXPECT_EQ(Engine->LevelKey, LevelFileKey("Mine.map"));
}

TEST_F(EditorTest, AFileThatCannotBeReadLeavesTheLevelAsItWas) {
  Place("Boulder", 5, 5);
  Write("Broken.map", "[Tiles]\r\n000\r\n");
  EXPECT_FALSE(Editor->Open((Scratch / "Broken.map").string()));
  EXPECT_NE(Editor->LastError.find("[Tiles]"), std::string::npos);
  EXPECT_EQ(UnitNames(), std::vector<std::string>{"Boulder"});
  EXPECT_EQ(Engine->LevelFileName, "Untitled");
  EXPECT_TRUE(Editor->Modified());
}

TEST_F(EditorTest, UnsavedChangesAreAskedAboutBeforeNewOpenAndQuitting) {
  Editor->Request(tLevelEditor::tFileAction::Open);  // nothing changed: straight on
  ASSERT_TRUE(Editor->DialogWanted);
  Editor->DialogDone("");
  EXPECT_FALSE(Editor->DialogWanted);

  Place("Boulder", 5, 5);
  Editor->Request(tLevelEditor::tFileAction::New);
  EXPECT_TRUE(Editor->Asking());
  Editor->Reply(tLevelEditor::tReply::Cancel);
  EXPECT_EQ(Level().Units.Count(), 1u);
  Editor->Request(tLevelEditor::tFileAction::New);
  Editor->Reply(tLevelEditor::tReply::Discard);
  EXPECT_EQ(Level().Units.Count(), 0u);
  EXPECT_FALSE(Editor->Modified());

  // Saving a level without a name goes through the dialog, then on to what was asked.
  Place("Boulder", 5, 5);
  Engine->LevelFileName.clear();
  Editor->Request(tLevelEditor::tFileAction::Quit);
  Editor->Reply(tLevelEditor::tReply::Save);
  ASSERT_EQ(Editor->DialogWanted, tFileBrowser::tPurpose::Save);
  EXPECT_FALSE(Editor->QuitAgreed);
  Editor->DialogDone((Scratch / "Kept.map").string());
  EXPECT_TRUE(Editor->QuitAgreed);
  EXPECT_TRUE(std::filesystem::exists(Scratch / "Kept.map"));
}

TEST_F(EditorTest, TestPlayStartsFromTheInitialStateAndComesBackToTheEditedLevel) {
  tUnit* player = Place("Player", 1, 1);
  Place("Boulder", 5, 5);
  Editor->SelectUnit(player);
  const auto edited = tLevelDesign::Capture(Level());
  Engine->Level.Title = "edited";

  Editor->SetEditing(false);
  EXPECT_EQ(Engine->GameMode, gmIntro);
  EXPECT_FALSE(Engine->Editing);
  EXPECT_EQ(Host.Focused, 2);  // New, then the switch
  Tick(101);
  EXPECT_EQ(Engine->GameMode, gmPlaying);
  // Whatever play (or the game moving on) does to the level...
  Level().FreeUnit(Level().Units[1]);
  Level().Cell(0, 0).Tile = 99;
  Engine->LevelFileName = "Elsewhere.map";

  Editor->SetEditing(true);
  EXPECT_EQ(Engine->GameMode, gmEditing);
  auto back = tLevelDesign::Capture(Level());
  back.Title = edited.Title;
  EXPECT_TRUE(back == edited);
  EXPECT_EQ(Level().Title, "edited");
  EXPECT_EQ(Engine->LevelFileName, "Untitled");
  EXPECT_EQ(Level().Player, Level().Units[0]);
  EXPECT_EQ(Editor->SelectedUnit(), Level().Units[0]);
}

TEST_F(EditorTest, ChecksListWhatTheLevelLacksWithoutStoppingTheSave) {
  Place("Player", 1, 1);
  Place("Player", 2, 1);
  auto* info = static_cast<tInfo*>(Place("Info", 3, 3));
  info->Trigger = "At(1";  // as a level file may hold it
  Engine->LevelFileName = "Checked.map";
  ASSERT_TRUE(Editor->Save());
  ASSERT_EQ(Editor->CheckNotes.size(), 3u);
  EXPECT_EQ(Editor->CheckNotes[0], "2 players (one is played)");
  EXPECT_NE(Editor->CheckNotes[1].find("Info at 3,3: Couldn't Interpret Trigger String"),
            std::string::npos);
  EXPECT_EQ(Editor->CheckNotes[2], "No exit");
  info->InitialX = -4;  // only code can put it there
  Place("Exit", 9, 9);
  Editor->Save();
  EXPECT_NE(Editor->CheckNotes[1].find("Info starts outside the grid at -4,3"), std::string::npos);
}

TEST_F(EditorTest, ALevelTheGameLoadsStartsANewHistory) {
  Place("Boulder", 5, 5);
  WriteLevel("Other.map", "Other");
  Engine->LoadLevel("Other.map");
  EXPECT_FALSE(Editor->Modified());
  EXPECT_FALSE(Editor->History().CanUndo());
  EXPECT_EQ(Editor->TitleText, "Other");
  EXPECT_EQ(Editor->SelectedUnit(), nullptr);
}

}  // namespace qn2::testing
