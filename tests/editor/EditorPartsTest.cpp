// The editor's parts that stand alone: paths, the file dialog, palettes, lists, layout.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "editor/FileBrowser.h"
#include "editor/PackageLists.h"
#include "editor/RelativePath.h"
#include "editor/TemplateBox.h"
#include "editor/TilePalette.h"
#include "editor/ToolWindowLayout.h"
#include "support/ScratchFolder.h"

namespace qn2::testing {

TEST(RelativePathTest, InsideTheFolderOnlyAtAFolderBoundaryKeepingLetterCase) {
  EXPECT_EQ(RelativePath("/home/ann/Game/Levels/My.map", "/home/ann/game"), "Levels/My.map");
  EXPECT_EQ(RelativePath("/home/ann/Game/Levels/My.map", "/home/ann/Game/"), "Levels/My.map");
  EXPECT_EQ(RelativePath("C:\\Games\\Q2\\Mine.map", "c:\\games\\q2"), "Mine.map");
  EXPECT_EQ(RelativePath("/home/ann/Game2/My.map", "/home/ann/Game"), "/home/ann/Game2/My.map");
  EXPECT_EQ(RelativePath("/elsewhere/My.map", "/home/ann"), "/elsewhere/My.map");
  EXPECT_EQ(RelativePath("/home/ann", "/home/ann"), "/home/ann");
}

TEST(FileBrowserTest, ListsFoldersFirstThenTheFilesTheFilterLetsThrough) {
  tScratchFolder scratch;
  std::filesystem::create_directory(scratch / "levels");
  std::filesystem::create_directory(scratch / "Art");
  for (const char* name : {"b.map", "A.MAP", "notes.txt"}) std::ofstream(scratch / name) << "x";
  tFileBrowser browser;
  browser.Start(tFileBrowser::tPurpose::Open, (scratch / "b.map").string());
  EXPECT_EQ(browser.Title(), "Load A Level");
  EXPECT_EQ(browser.FileName, "b.map");
  std::vector<std::string> names;
  for (const auto& entry : browser.Entries()) names.push_back(entry.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"..", "Art", "levels", "A.MAP", "b.map"}));
  browser.Filter = tFileBrowser::tFilter::AllFiles;
  EXPECT_EQ(browser.Entries().size(), 6u);
  browser.EnterFolder("levels");
  EXPECT_EQ(browser.Folder(), scratch / "levels");
  browser.EnterFolder("..");
  EXPECT_EQ(browser.Folder(), scratch.path());
}

TEST(FileBrowserTest, OkAnswersByPurpose) {
  tScratchFolder scratch;
  std::ofstream(scratch / "Old.map") << "x";
  std::filesystem::create_directory(scratch / "sub");
  tFileBrowser browser;
  browser.Start(tFileBrowser::tPurpose::Open, (scratch / "x").string());
  browser.FileName = "Missing";
  EXPECT_EQ(browser.Confirm(), tFileBrowser::tAnswer::NotFound);
  browser.FileName = "Old";  // the default extension is added
  EXPECT_EQ(browser.Confirm(), tFileBrowser::tAnswer::Chosen);
  EXPECT_EQ(browser.ChosenPath, (scratch / "Old.map").string());
  browser.FileName = "  ";
  EXPECT_EQ(browser.Confirm(), tFileBrowser::tAnswer::NothingChosen);
  browser.FileName = "sub";
  EXPECT_EQ(browser.Confirm(), tFileBrowser::tAnswer::FolderEntered);
  EXPECT_EQ(browser.Folder(), scratch / "sub");

  browser.Start(tFileBrowser::tPurpose::Save, (scratch / "Old.map").string());
  EXPECT_EQ(browser.Title(), "Save Current level as");
  EXPECT_EQ(browser.Confirm(), tFileBrowser::tAnswer::AskOverwrite);
  EXPECT_TRUE(browser.ChosenPath.empty());
  browser.Overwrite();
  EXPECT_EQ(browser.ChosenPath, (scratch / "Old.map").string());
  browser.FileName = "New.map";
  EXPECT_EQ(browser.Confirm(), tFileBrowser::tAnswer::Chosen);
}

TEST(TilePaletteTest, ScrollsByRowsAndPicksTheTileUnderAPixel) {
  tTilePalette palette;
  palette.SetSize(170, 330);  // 5 columns, 10 rows
  EXPECT_EQ(palette.Columns(), 5);
  // 52 rows hold the 256 tiles, the last with tile 255 alone.
  EXPECT_EQ(palette.ScrollMax(), 52 - 10);
  EXPECT_EQ(palette.IndexAt(33, 65), 2 * 5 + 1);
  EXPECT_FALSE(palette.IndexAt(165, 10));  // the strip right of the last column
  palette.Scroll(42);
  EXPECT_EQ(palette.FirstVisible(), 210);
  EXPECT_EQ(palette.IndexAt(0, 9 * 32), 255);
  EXPECT_FALSE(palette.IndexAt(32, 9 * 32 + 5));  // 256: past the last tile
  palette.Scroll(99);
  EXPECT_EQ(palette.ScrollPosition(), 42);
  palette.SetSize(128, 320);  // 4 columns: 64 rows exactly
  EXPECT_EQ(palette.ScrollMax(), 54);
}

TEST(TemplateBoxTest, ClicksCountRowsFromTheTopMargin) {
  tTemplateBox box;
  box.SetSize(160, 168);
  EXPECT_EQ(box.IndexAt(0, 0, 15), 0);
  EXPECT_EQ(box.IndexAt(159, 47, 15), 3);
  EXPECT_EQ(box.IndexAt(0, 48, 15), 4);
  EXPECT_FALSE(box.IndexAt(0, 8 + 4 * 40, 15));
  EXPECT_FALSE(box.IndexAt(130, 130, 15));
}

TEST(PackageListsTest, BackdropsAndMusicByTheirFolders) {
  const auto lists = BuildPackageLists({"Backdrops/A.jpg", "backdrops/sub/B.JPG", "Backdrops/C.bmp",
                                        "MenuGFX/D.jpg", "Music/E.xm", "music/F.oxm", "Music/G.wav",
                                        "musical/H.xm"});
  EXPECT_EQ(lists.Backgrounds, (std::vector<std::string>{"A.jpg", "sub/B.JPG"}));
  EXPECT_EQ(lists.Music, (std::vector<std::string>{"E.xm", "F.oxm"}));
  EXPECT_EQ(MatchListItem(lists.Music, "  e.XM "), "e.XM");
  EXPECT_FALSE(MatchListItem(lists.Music, "E"));
}

TEST(ToolWindowLayoutTest, BesideTheGameWindowWhereThereIsRoom) {
  EXPECT_EQ(ToolWindowPlace({300, 50}, {640, 480}, 185, 1920, {0, 0}), (tPoint{115, 50}));
  EXPECT_EQ(ToolWindowPlace({185, 50}, {640, 480}, 185, 1920, {0, 0}), (tPoint{825, 50}));
  EXPECT_EQ(ToolWindowPlace({100, 50}, {640, 480}, 185, 925, {7, 9}), (tPoint{7, 50}));
  EXPECT_EQ(StatusPanels({640, 480}, {3, 14}, 2),
            (std::array<std::string, 3>{"640,480", "3,14", "2"}));
  EXPECT_EQ(StatusPanels({800, 600}, {-1, -1}, 1)[1], "");
}

}  // namespace qn2::testing
