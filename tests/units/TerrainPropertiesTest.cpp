#include "TerrainTestSupport.h"
#include "data/LevelFile.h"
#include "engine/GameEngine.h"
#include "engine/board/UnitRegistry.h"
#include "engine/units/TerrainGraphics.h"
#include "render/ColourTables.h"

namespace qn2::terrain_test {
namespace {

// name = value, in the order level files write them.
std::vector<std::string> Written(const tUnit& unit) {
  std::vector<std::string> lines;
  for (const tPropertyInfo* p : unit.PublishedProperties().SortedByName())
    lines.push_back(p->Name + "=" + GetPropertyText(unit, *p));
  return lines;
}

using Lines = std::vector<std::string>;

TEST(TerrainProperties, EachClassPublishesItsStartCellAndItsOwnSettings) {
  EXPECT_EQ(Written(tBoulder()), (Lines{"InitialX=0", "InitialY=0"}));
  EXPECT_EQ(Written(tDirt()), (Lines{"InitialX=0", "InitialY=0"}));
  EXPECT_EQ(Written(tKey()), (Lines{"InitialX=0", "InitialY=0"}));
  EXPECT_EQ(Written(tPillar()), (Lines{"InitialX=0", "InitialY=0"}));
  EXPECT_EQ(Written(tJewel()), (Lines{"InitialX=0", "InitialY=0", "Kind=Blue_50"}));
  EXPECT_EQ(Written(tExit()), (Lines{"InitialX=0", "InitialY=0", "Kind=ExitDoor"}));
  EXPECT_EQ(Written(tPushButton()), (Lines{"Color=Blue", "InitialX=0", "InitialY=0"}));
  EXPECT_EQ(Written(tForceField()),
            (Lines{"AutoBorder=True", "BorderStyle=0", "Color=Blue", "InitialX=0", "InitialY=0"}));
  const std::uint32_t colour = WaterColour;
  SetWaterColour(0x806040);
  EXPECT_EQ(Written(tWater()),
            (Lines{"AutoEdge=True", "Boulder=False", "Edge=0", "EdgeStyle=weSquare", "InitialX=0",
                   "InitialY=0", "Tint=806040"}));
  SetWaterColour(colour);
}

TEST(TerrainProperties, EnumerationsAreReadByNameInAnyCaseAndUnknownNamesAreIgnored) {
  tWater water;
  EXPECT_TRUE(SetPropertyText(water, "EdgeStyle", "wetypec"));
  EXPECT_EQ(water.EdgeStyle, tWaterEdgeStyle::weTypeC);
  EXPECT_FALSE(SetPropertyText(water, "EdgeStyle", "weRound"));
  EXPECT_EQ(water.EdgeStyle, tWaterEdgeStyle::weTypeC);
  EXPECT_TRUE(SetPropertyText(water, "Boulder", "TRUE"));
  EXPECT_TRUE(water.Boulder);
  EXPECT_FALSE(SetPropertyText(water, "AutoEdge", "yes"));
  EXPECT_TRUE(water.AutoEdge);
  tForceField field;
  EXPECT_FALSE(SetPropertyText(field, "Color", "Purple"));
  EXPECT_EQ(field.Color, tForceFieldColor::Blue);
  EXPECT_TRUE(SetPropertyText(field, "Color", "darkgray"));
  EXPECT_EQ(field.Color, tForceFieldColor::DarkGray);
}

// A level written and read back keeps every unit's settings.
class TerrainLevelFileTest : public TerrainTest {
 protected:
  void SetUp() override {
    TerrainTest::SetUp();
    UnitRegistry.Add("Player", tScriptPlayer::Class, nullptr);
    UnitRegistry.Add("Boulder", tBoulder::Class, BoulderIcon());
    UnitRegistry.Add("Key", tKey::Class, KeyIcon());
    UnitRegistry.Add("Jewel", tJewel::Class, JewelIcon());
    UnitRegistry.Add("Exit", tExit::Class, ExitIcon());
    UnitRegistry.Add("Dirt", tDirt::Class, DirtIcon());
    UnitRegistry.Add("Water", tWater::Class, WaterIcon());
    UnitRegistry.Add("ForceField", tForceField::Class, ForceFieldIcon());
    UnitRegistry.Add("PushButton", tPushButton::Class, PushButtonIcon());
    UnitRegistry.Add("Pillar", tPillar::Class, PillarIcon());
  }
  void TearDown() override {
    UnitRegistry.Clear();
    TerrainTest::TearDown();
  }
};

TEST_F(TerrainLevelFileTest, EverySettingSurvivesALevelFile) {
  Build({"PBKJERWIoF"});
  SetPropertyText(*Find<tJewel>(), "Kind", "Green_1000");
  SetPropertyText(*Find<tExit>(), "Kind", "ExitUpDoor");
  auto* water = Find<tWater>();
  SetPropertyText(*water, "AutoEdge", "False");
  SetPropertyText(*water, "Edge", "10");
  SetPropertyText(*water, "EdgeStyle", "weTypeA");
  SetPropertyText(*water, "Boulder", "True");
  SetPropertyText(*Find<tPushButton>(), "Color", "Yellow");
  SetPropertyText(*Find<tForceField>(), "Color", "Yellow");
  SetPropertyText(*Find<tForceField>(), "BorderStyle", "2");

  std::vector<std::string> lines;
  WriteLevelToLines(Level, lines);
  tLevel copy;
  ReadLevelFromLines(copy, lines);
  ASSERT_EQ(copy.Units.Count(), Level.Units.Count());
  for (std::size_t i = 0; i < copy.Units.Count(); ++i) {
    EXPECT_EQ(&copy.Units[i]->ClassType(), &Level.Units[i]->ClassType());
    EXPECT_EQ(Written(*copy.Units[i]), Written(*Level.Units[i]));
  }
  auto* read = dynamic_cast<tWater*>(copy.Units[6]);
  ASSERT_NE(read, nullptr);
  EXPECT_TRUE(read->Filled) << "read units are reset";
  EXPECT_EQ(read->Edge, (tDirectionSet{tDirection::Right, tDirection::Left}));
  EXPECT_EQ(dynamic_cast<tExit*>(copy.Units[4])->Sprite,
            &TerrainSprites().Exits[static_cast<std::size_t>(tExitKind::ExitUpDoor)][0]);
}

TEST_F(TerrainLevelFileTest, TheWaterTintOfALevelReadInTheEditorComesFromItsWater) {
  const std::uint32_t colour = WaterColour;
  tGameEngine engine;
  GameEngine = &engine;
  const std::vector<std::string> lines{"[Misc]",      "WaterTint=102030", "[Units]",
                                       "Begin Water", "   Tint = 405060", "End Water"};
  // The reader sets a unit's properties before the unit joins the level: the tint goes to
  // the engine's level, the one being read.
  ReadLevelFromLines(engine.Level, lines);
  EXPECT_EQ(engine.Level.WaterTint, 0x102030u) << "while playing the water's tint is not read";
  engine.Editing = true;
  ReadLevelFromLines(engine.Level, lines);
  EXPECT_EQ(engine.Level.WaterTint, 0x405060u);
  GameEngine = nullptr;
  SetWaterColour(colour);
}

}  // namespace
}  // namespace qn2::terrain_test
