#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "data/LevelFile.h"
#include "data/TextLines.h"
#include "engine/board/Level.h"
#include "engine/board/UnitRegistry.h"
#include "support/ScratchFolder.h"

namespace qn2 {
namespace {

// A unit with a direction and a text, like the hint and the player units.
class tSign : public tUnit {
  QN2_UNIT_CLASS(tSign)
 public:
  std::string Text;
  static const tPropertyList& Properties() {
    static const tPropertyList list = [] {
      tPropertyList l = tUnit::Properties();
      Publish<tSign>(l)
          .String("Text", &tSign::Text, &tSign::Text)
          .Enumeration("InitialDirection", DirectionNames(), &tSign::InitialDirection,
                       &tSign::InitialDirection);
      return l;
    }();
    return list;
  }
  const tPropertyList& PublishedProperties() const override { return Properties(); }
};

// A unit whose "Code" refuses values that do not start with "#", as a trigger expression
// refuses one it cannot parse.
class tCoded : public tUnit {
  QN2_UNIT_CLASS(tCoded)
 public:
  std::string Code;
  void SetCode(const std::string& code) {
    if (code.empty() || code.front() != '#') throw Exception("Bad code " + code);
    Code = code;
  }
  static const tPropertyList& Properties() {
    static const tPropertyList list = [] {
      tPropertyList l = tUnit::Properties();
      Publish<tCoded>(l).String("Code", &tCoded::Code, &tCoded::SetCode);
      return l;
    }();
    return list;
  }
  const tPropertyList& PublishedProperties() const override { return Properties(); }
};

class tWalker : public tSign {
  QN2_UNIT_CLASS(tWalker)
};

std::vector<std::string> Rows(const std::string& row) {
  return std::vector<std::string>(15, row);
}

const std::string ZeroRow = "000,000,000,000,000,000,000,000,000,000,000,000,000,000,000,000";

std::vector<std::string> Section(const std::string& name, const std::vector<std::string>& body) {
  std::vector<std::string> lines{"[" + name + "]"};
  lines.insert(lines.end(), body.begin(), body.end());
  return lines;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

class LevelFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UnitRegistry.Clear();
    UnitRegistry.Add("Player", tWalker::Class, nullptr);
    UnitRegistry.Add("Sign", tSign::Class, nullptr);
  }
  void TearDown() override { UnitRegistry.Clear(); }

  std::string LoadError(const std::vector<std::string>& lines) {
    try {
      ReadLevelFromLines(Level, lines);
    } catch (const ELevelLoadError& e) {
      return e.what();
    }
    return "no error";
  }

  tLevel Level;
};

TEST_F(LevelFileTest, TileSectionsNeedExactlyFifteenLinesOfTheRightLength) {
  auto tiles = Rows(ZeroRow);
  tiles.insert(tiles.begin() + 4, "");
  EXPECT_EQ(LoadError(Section("Tiles", tiles)), "Not enough lines in [Tiles] chunk");
  EXPECT_EQ(LoadError(Section("Overlay", std::vector<std::string>(14, ZeroRow))),
            "Not enough lines in [Tiles] chunk");
  EXPECT_EQ(LoadError(Section("MoreTiles", std::vector<std::string>(16, "0"))),
            "Not enough lines in [Tiles] chunk");

  auto shortLine = Rows(ZeroRow);
  shortLine[2] = ZeroRow.substr(1);
  EXPECT_EQ(LoadError(Section("Overlay", shortLine)), "Line 3 in [Tiles] chunk wrong length");
  // [MoreTiles] has no length check.
  EXPECT_EQ(LoadError(Section("MoreTiles", Rows("1"))), "no error");
}

TEST_F(LevelFileTest, AnErrorLeavesTheSectionsBeforeItApplied) {
  auto bad = Rows(ZeroRow);
  bad[0] = "";
  const auto lines = Join({Section("Misc", {"Title=Kept"}), Section("Overlay", Rows(ZeroRow)),
                           Section("Tiles", bad), Section("Misc", {"Title=Lost"})});
  EXPECT_EQ(LoadError(lines), "Line 1 in [Tiles] chunk wrong length");
  EXPECT_EQ(Level.Title, "Kept");
}

TEST_F(LevelFileTest, TileFieldsCarryTheSolidBitAndMissingFieldsReadAsZero) {
  auto tiles = Rows(ZeroRow);
  tiles[0] = "1A3,0A3,xyz" + ZeroRow.substr(11);
  tiles[1] = "0FF,  7" + ZeroRow.substr(7);
  ReadLevelFromLines(Level, Section("Tiles", tiles));
  EXPECT_TRUE(Level.Cell(0, 0).Solid);
  EXPECT_EQ(Level.Cell(0, 0).Tile, 0xA3);
  EXPECT_FALSE(Level.Cell(1, 0).Solid);
  EXPECT_EQ(Level.Cell(1, 0).Tile, 0xA3);
  EXPECT_EQ(Level.Cell(2, 0).Tile, 0);
  EXPECT_EQ(Level.Cell(1, 1).Tile, 7);

  EXPECT_EQ(ReadHexValue(" 12 "), 0x12u);
  EXPECT_EQ(ReadHexValue("zz1f"), 0x1Fu);
  EXPECT_EQ(ReadHexValue("1fz"), 0u);
  EXPECT_EQ(ReadHexValue(""), 0u);
}

TEST_F(LevelFileTest, MoreTilesFieldsAreReadFromTheirEnd) {
  auto more = Rows("0");
  more[0] = "0A0B0C,0C,1,,FFFFFF";
  ReadLevelFromLines(Level, Section("MoreTiles", more));
  const tCell& full = Level.Cell(0, 0);
  EXPECT_EQ(full.TileBelow, 0x0A);
  EXPECT_EQ(full.Tile, 0x0B);
  EXPECT_EQ(full.TileAbove, 0x0C);
  EXPECT_EQ(Level.Cell(1, 0).TileAbove, 0x0C);
  EXPECT_EQ(Level.Cell(1, 0).Tile, 0);
  EXPECT_EQ(Level.Cell(1, 0).TileBelow, 0);
  EXPECT_EQ(Level.Cell(2, 0).TileAbove, 1);
  EXPECT_EQ(Level.Cell(4, 0).TileBelow, 0xFF);
}

TEST_F(LevelFileTest, TheLaterSectionWinsTheMiddleLayer) {
  auto tiles = Rows(ZeroRow);
  tiles[0] = "005" + ZeroRow.substr(3);
  auto more = Rows("000000");
  more[0] = "000900";
  ReadLevelFromLines(Level, Join({Section("MoreTiles", more), Section("Tiles", tiles)}));
  EXPECT_EQ(Level.Cell(0, 0).Tile, 5);
  ReadLevelFromLines(Level, Join({Section("Tiles", tiles), Section("MoreTiles", more)}));
  EXPECT_EQ(Level.Cell(0, 0).Tile, 9);
}

TEST_F(LevelFileTest, MiscDefaultsApplyOnlyWhenTheSectionIsRead) {
  ReadLevelFromLines(Level, Section("Misc", {"Title=A=B", "Hint", "Music=Tune.xm", "WaterTint=ff",
                                             "Unknown=1", "title=lower"}));
  EXPECT_EQ(Level.Title, "A=B");
  EXPECT_EQ(Level.BackgroundName, "Hollowmere.jpg");
  EXPECT_EQ(Level.MusicName, "Tune.xm");
  EXPECT_EQ(Level.WaterTint, 0xFFu);
  ReadLevelFromLines(Level, Section("Tiles", Rows(ZeroRow)));
  EXPECT_EQ(Level.Title, "A=B") << "a file without [Misc] keeps the previous settings";
  ReadLevelFromLines(Level, Section("Misc", {"Background=Cave.jpg"}));
  EXPECT_EQ(Level.Title, "");
  EXPECT_EQ(Level.MusicName, "AncientStories2.xm");
  EXPECT_EQ(Level.WaterTint, DefaultWaterTint);
}

TEST_F(LevelFileTest, TheWriterLeavesOutDefaultsAndEmptyTexts) {
  Level.BackgroundName = "Cave.jpg";
  Level.TileSetName = "BasicTiles.jpg";
  Level.OverlayTileSetName = "BasicOverlay.jpg";
  Level.MusicName = "";
  std::vector<std::string> lines;
  WriteLevelToLines(Level, lines);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
            (std::vector<std::string>{"[Misc]", "Background=Cave.jpg", "TileSet=BasicTiles.jpg",
                                      "OverlayTileSet=BasicOverlay.jpg", "[Tiles]"}));
  ReadLevelFromLines(Level, lines);
  EXPECT_EQ(Level.MusicName, "AncientStories2.xm");

  Level.WaterTint = 0xFF;
  Level.Title = "Two Doors";
  lines.clear();
  WriteLevelToLines(Level, lines);
  EXPECT_EQ(lines[4], "Title=Two Doors");
  EXPECT_EQ(lines[6], "WaterTint=FF");
}

TEST_F(LevelFileTest, UnitsRoundTripWithTheirPropertiesInNameOrder) {
  auto sign = std::make_unique<tSign>();
  sign->SetInitialX(12);
  sign->SetInitialY(3);
  sign->InitialDirection = tDirection::Left;
  sign->Text = "mind the gap";
  Level.AddUnit(std::move(sign));
  std::vector<std::string> lines;
  WriteLevelToLines(Level, lines);
  const std::vector<std::string> block(lines.end() - 6, lines.end());
  EXPECT_EQ(block, (std::vector<std::string>{"Begin Sign", "   InitialDirection = Left",
                                             "   InitialX = 12", "   InitialY = 3",
                                             "   Text = mind the gap", "End Sign"}));
  EXPECT_EQ(lines.size(), 1u + 3 + 3 * 16 + 1 + 6);

  ReadLevelFromLines(Level, lines);
  ASSERT_EQ(Level.Units.Count(), 1u);
  auto* read = dynamic_cast<tSign*>(Level.Units[0]);
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Text, "mindthegap") << "blanks inside text values are lost";
  EXPECT_EQ(read->Direction, tDirection::Left) << "read units are reset";
  EXPECT_EQ(read->X, 12.0f);
  EXPECT_EQ(Level.Player, nullptr);
}

TEST_F(LevelFileTest, BlocksNameThePlayerSkipUnknownUnitsAndIgnoreBadValues) {
  const auto lines =
      Section("Units", {"Begin Player", "InitialX=2", "End Player", "Begin Dragon", "InitialX=5",
                        "End Dragon", "stray=1", "Begin Player", "InitialX = 7", "InitialY = x",
                        "InitialY = 99", "NoSuch = 1", "InitialDirection = sideways", "End Player",
                        "Begin Sign", "Endless = 3", "InitialX = 9", "End Sign"});
  ReadLevelFromLines(Level, lines);
  ASSERT_EQ(Level.Units.Count(), 3u);
  EXPECT_EQ(Level.Player, Level.Units[1]) << "the last Player block wins";
  EXPECT_EQ(Level.Units[1]->InitialX, 7);
  EXPECT_EQ(Level.Units[1]->InitialY, 0);
  EXPECT_EQ(Level.Units[1]->InitialDirection, tDirection::Up);
  // "Endless = 3" ends the Sign block, so its InitialX line is never applied.
  EXPECT_EQ(Level.Units[2]->InitialX, 0);
}

TEST_F(LevelFileTest, ARefusedPropertyIsReportedAndTheRestOfTheLevelIsRead) {
  UnitRegistry.Add("Coded", tCoded::Class, nullptr);
  const auto lines = Section("Units", {"Begin Coded", "Code = nope", "InitialX = 4", "End Coded",
                                       "Begin Coded", "Code = #7", "End Coded"});
  std::vector<std::string> problems;
  ReadLevelFromLines(Level, lines, [&](const std::string& m) { problems.push_back(m); });
  ASSERT_EQ(Level.Units.Count(), 2u);
  EXPECT_EQ(Level.Units[0]->InitialX, 4);
  EXPECT_EQ(static_cast<tCoded*>(Level.Units[1])->Code, "#7");
  EXPECT_EQ(problems, std::vector<std::string>{"Bad code nope"});
  EXPECT_NO_THROW(ReadLevelFromLines(Level, lines)) << "without a listener they pass silently";
}

TEST_F(LevelFileTest, ReadingFreesThePreviousUnitsAndForgetsThePlayer) {
  ReadLevelFromLines(Level, Section("Units", {"Begin Player", "End Player"}));
  ASSERT_NE(Level.Player, nullptr);
  ReadLevelFromLines(Level, Section("Misc", {"Title=x"}));
  EXPECT_EQ(Level.Units.Count(), 0u);
  EXPECT_EQ(Level.Player, nullptr);
}

TEST_F(LevelFileTest, FilesAreWrittenWithCrLfAndReadBackFromDisk) {
  testing::tScratchFolder folder;
  const std::string name = (folder / "Test.map").string();
  Level.Cell(3, 4).Solid = true;
  Level.Cell(3, 4).Tile = 0x21;
  Level.Cell(5, 6).OverlayTile = 9;
  Level.AddUnit(std::make_unique<tWalker>());
  SaveLevelToFile(Level, name);

  std::ifstream in(name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str().substr(0, 8), "[Misc]\r\n");
  EXPECT_EQ(text.str().substr(text.str().size() - 12), "End Player\r\n");

  tLevel loaded;
  LoadLevelFromFile(loaded, name);
  EXPECT_TRUE(loaded.Cell(3, 4).Solid);
  EXPECT_EQ(loaded.Cell(3, 4).Tile, 0x21);
  EXPECT_EQ(loaded.Cell(5, 6).OverlayTile, 9);
  EXPECT_NE(loaded.Player, nullptr);
}

}  // namespace
}  // namespace qn2
