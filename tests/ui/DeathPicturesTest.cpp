#include <gtest/gtest.h>

#include <map>

#include "common/LookRandom.h"
#include "render/DibRegistry.h"
#include "render/Sprite.h"
#include "ui/DeathPictures.h"

namespace qn2 {
namespace {

constexpr std::array<tDeathPictureGroup, 5> AllGroups{
    tDeathPictureGroup::General, tDeathPictureGroup::Bomb, tDeathPictureGroup::Snake,
    tDeathPictureGroup::Spider, tDeathPictureGroup::Robot};

// The group and number of the current death picture.
std::pair<tDeathPictureGroup, int> CurrentPicture() {
  for (tDeathPictureGroup group : AllGroups)
    for (int i = 0; i < DeathPictureCount(group); ++i)
      if (CurrentDeathPicture() == DeathPicture(group, i)) return {group, i};
  ADD_FAILURE() << "no death picture chosen";
  return {tDeathPictureGroup::General, -1};
}

// How often each group was chosen in many deaths by that killer.
std::map<tDeathPictureGroup, int> GroupsChosen(const std::string& killer, int deaths) {
  std::map<tDeathPictureGroup, int> chosen;
  for (int i = 0; i < deaths; ++i) {
    ChooseDeathPicture(killer);
    ++chosen[CurrentPicture().first];
  }
  return chosen;
}

class DeathPicturesTest : public ::testing::Test {
 protected:
  void SetUp() override { LookRandom.Seed(77); }
};

TEST_F(DeathPicturesTest, ASnakeGetsASnakePictureInAboutFourDeathsInTenWhateverTheCase) {
  const auto chosen = GroupsChosen("TSNAKE", 4000);
  ASSERT_EQ(chosen.size(), 2u);
  EXPECT_NEAR(chosen.at(tDeathPictureGroup::Snake), 1600, 120);
  EXPECT_NEAR(chosen.at(tDeathPictureGroup::General), 2400, 120);
}

TEST_F(DeathPicturesTest, EachKillerHasItsOwnPictures) {
  const std::pair<const char*, tDeathPictureGroup> killers[] = {
      {"tCherryBomb", tDeathPictureGroup::Bomb},
      {"tSpider", tDeathPictureGroup::Spider},
      {"tsnake", tDeathPictureGroup::Snake},
      {"tSeekerDroid", tDeathPictureGroup::Robot}};
  for (const auto& [name, group] : killers) {
    const auto chosen = GroupsChosen(name, 400);
    EXPECT_EQ(chosen.size(), 2u) << name;
    EXPECT_GT(chosen.count(group) ? chosen.at(group) : 0, 100) << name;
    EXPECT_GT(chosen.count(tDeathPictureGroup::General), 0u) << name;
  }
}

TEST_F(DeathPicturesTest, AnyOtherKillerAlwaysGetsAGeneralPicture) {
  for (const char* name : {"tUnit", "tBoulder", "", "tSnakes"}) {
    const auto chosen = GroupsChosen(name, 200);
    ASSERT_EQ(chosen.size(), 1u) << name;
    EXPECT_EQ(chosen.begin()->first, tDeathPictureGroup::General) << name;
  }
}

TEST_F(DeathPicturesTest, EveryPictureOfAGroupComesUp) {
  std::map<int, int> general, robot;
  for (int i = 0; i < 600; ++i) {
    ChooseDeathPicture("tSeekerDroid");
    const auto [group, index] = CurrentPicture();
    ++(group == tDeathPictureGroup::Robot ? robot : general)[index];
  }
  EXPECT_EQ(general.size(), 6u);
  EXPECT_EQ(robot.size(), 3u);
}

TEST_F(DeathPicturesTest, ThePicturesAreRegisteredUnloadedAndCutWhole) {
  ClearDibs();
  LoadDeathPictureData();
  EXPECT_EQ(RegisteredDibs().Count(), 18u);
  tDib16* sixth = FindDib("Popup_GeneralDeath6.Jpg");
  ASSERT_NE(sixth, nullptr);
  EXPECT_FALSE(sixth->Loaded());
  tSprite* picture = DeathPicture(tDeathPictureGroup::General, 5);
  EXPECT_EQ(picture->SourceA(), sixth);
  EXPECT_EQ(picture->Width(), 448);
  EXPECT_EQ(picture->Height(), 180);
  for (const char* name : {"Popup_BombDeath3.Jpg", "Popup_SnakeDeath1.Jpg",
                           "Popup_SpiderDeath2.Jpg", "Popup_RobotDeath3.Jpg"})
    EXPECT_NE(FindDib(name), nullptr) << name;
  EXPECT_EQ(DeathPicture(tDeathPictureGroup::Robot, 2)->SourceA(),
            FindDib("Popup_RobotDeath3.Jpg"));
  ClearDibs();
}

}  // namespace
}  // namespace qn2
