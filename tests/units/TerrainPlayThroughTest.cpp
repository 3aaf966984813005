#include "PlayerTestLevel.h"
#include "TerrainTestSupport.h"
#include "engine/board/UnitRegistry.h"
#include "engine/units/TerrainGraphics.h"

namespace qn2::terrain_test {
namespace {

// The character the user steers, walking through a level of terrain units by key presses.
class TerrainPlayThroughTest : public qn2::testing::PlayerLevelTest {
 protected:
  void SetUp() override {
    PlayerLevelTest::SetUp();
    AddTerrainCycleProcedure();
    UnitRegistry.Add("Boulder", tBoulder::Class, BoulderIcon());
    UnitRegistry.Add("Key", tKey::Class, KeyIcon());
    UnitRegistry.Add("Exit", tExit::Class, ExitIcon());
    UnitRegistry.Add("Water", tWater::Class, WaterIcon());
    UnitRegistry.Add("PushButton", tPushButton::Class, PushButtonIcon());
    UnitRegistry.Add("ForceField", tForceField::Class, ForceFieldIcon());
    UnitRegistry.Add("Pillar", tPillar::Class, PillarIcon());
  }

  static std::vector<std::string> At(const std::string& name, int x, int y) {
    return {"Begin " + name, "InitialX = " + std::to_string(x), "InitialY = " + std::to_string(y),
            "End " + name};
  }
  static std::vector<std::string> Units(std::initializer_list<std::vector<std::string>> blocks) {
    std::vector<std::string> all;
    for (const auto& block : blocks) all.insert(all.end(), block.begin(), block.end());
    return all;
  }
};

TEST_F(TerrainPlayThroughTest,
       ABoulderFillsTheWaterThePillarRisesBehindAndTheExitLetsThePlayerOut) {
  StartOn({"", ".P"}, Units({At("Boulder", 2, 1), At("Water", 3, 1), At("Pillar", 5, 1),
                             At("Key", 6, 1), At("Exit", 8, 1)}));
  // The boulder goes into the water; the player waits while it sinks, crosses, walks over
  // the pillar and the key and walks against the exit, which opens.
  EXPECT_EQ(Walk("RRRRRRRR"), "R.RRRRR.");
  EXPECT_TRUE(UnitsOf<tWater>()[0]->Filled);
  EXPECT_TRUE(UnitsOf<tBoulder>()[0]->Dead);
  EXPECT_TRUE(UnitsOf<tPillar>()[0]->Risen);
  EXPECT_EQ(State().Counters.KeysCollected, 1);
  EXPECT_TRUE(UnitsOf<tExit>()[0]->Opening);
  EXPECT_EQ(Walk("L"), "L");
  EXPECT_EQ(Walk("L"), ".") << "the pillar has risen";
  EXPECT_EQ(Engine->GameMode, gmLevelDone);
}

TEST_F(TerrainPlayThroughTest, AFieldStopsThePlayerWhileItsButtonIsUp) {
  StartOn({"", ".P"}, Units({At("PushButton", 3, 1), At("ForceField", 5, 1)}));
  EXPECT_EQ(Walk("DRRRRU"), "DRRRR.");
  EXPECT_TRUE(UnitsOf<tForceField>()[0]->SwitchedOn());
}

TEST_F(TerrainPlayThroughTest, ABoulderLeftOnTheButtonLetsThePlayerThroughTheField) {
  StartOn({"", ".P"}, Units({At("Boulder", 2, 1), At("PushButton", 3, 1), At("ForceField", 5, 1)}));
  EXPECT_EQ(Walk("R"), "R");  // the boulder goes onto the button
  EXPECT_EQ(Walk("DRRRU"), "DRRRU") << "round the boulder and into the field";
  EXPECT_FALSE(UnitsOf<tForceField>()[0]->SwitchedOn());
  EXPECT_EQ(UnitsOf<tBoulder>()[0]->GridX, 3);
}

}  // namespace
}  // namespace qn2::terrain_test
