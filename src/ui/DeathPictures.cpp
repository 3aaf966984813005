#include "ui/DeathPictures.h"

#include <algorithm>
#include <array>
#include <vector>

#include "assets/DeathPictureNames.h"
#include "common/LookRandom.h"
#include "common/Text.h"
#include "render/DibRegistry.h"
#include "render/Sprite.h"

namespace qn2 {

namespace {

constexpr std::int32_t PictureWidth = sheets::DeathPictureWidth;
constexpr std::int32_t PictureHeight = sheets::DeathPictureHeight;
// The share of deaths that get a general picture, whoever the killer.
constexpr double GeneralShare = 0.6;

struct tGroupInfo {
  tDeathPictureGroup Group;
  const char* FilePrefix;
  std::int32_t Count;
};

constexpr std::array<tGroupInfo, 5> Groups{{
    {tDeathPictureGroup::General, sheets::GeneralDeaths.Prefix, sheets::GeneralDeaths.Count},
    {tDeathPictureGroup::Bomb, sheets::BombDeaths.Prefix, sheets::BombDeaths.Count},
    {tDeathPictureGroup::Snake, sheets::SnakeDeaths.Prefix, sheets::SnakeDeaths.Count},
    {tDeathPictureGroup::Spider, sheets::SpiderDeaths.Prefix, sheets::SpiderDeaths.Count},
    {tDeathPictureGroup::Robot, sheets::RobotDeaths.Prefix, sheets::RobotDeaths.Count},
}};

const tGroupInfo& InfoOf(tDeathPictureGroup group) {
  return Groups[static_cast<std::size_t>(group)];
}

struct tDeathSprites {
  std::array<std::vector<tSprite>, Groups.size()> ByGroup;
  tSprite* Current = nullptr;

  tDeathSprites() {
    for (const tGroupInfo& info : Groups)
      ByGroup[static_cast<std::size_t>(info.Group)].resize(static_cast<std::size_t>(info.Count));
  }
};

tDeathSprites& Sprites() {
  static tDeathSprites sprites;
  return sprites;
}

tDeathPictureGroup GroupOfKiller(const std::string& className) {
  if (SameTextIgnoringCase(className, "tCherryBomb")) return tDeathPictureGroup::Bomb;
  if (SameTextIgnoringCase(className, "tSpider")) return tDeathPictureGroup::Spider;
  if (SameTextIgnoringCase(className, "tSnake")) return tDeathPictureGroup::Snake;
  if (SameTextIgnoringCase(className, "tSeekerDroid")) return tDeathPictureGroup::Robot;
  return tDeathPictureGroup::General;
}

}  // namespace

void LoadDeathPictureData() {
  for (const tGroupInfo& info : Groups) {
    for (std::int32_t n = 1; n <= info.Count; ++n) {
      const std::string name = sheets::DeathPictureName(info.FilePrefix, n);
      GetDib(name, false);
      DeathPicture(info.Group, n - 1)->SetUp(name, 0, 0, PictureWidth, PictureHeight);
    }
  }
}

void ChooseDeathPicture(const std::string& killerClassName) {
  const bool general = LookRandom.Fraction() < GeneralShare;
  const tDeathPictureGroup group =
      general ? tDeathPictureGroup::General : GroupOfKiller(killerClassName);
  Sprites().Current = DeathPicture(group, LookRandom.Below(DeathPictureCount(group)));
}

void ChooseDeathPictureFor(const tGameEngine::tDeathReport& death) {
  ChooseDeathPicture(death.Killer != nullptr ? death.Killer->ClassName : "");
}

tSprite* CurrentDeathPicture() {
  return Sprites().Current;
}

std::int32_t DeathPictureCount(tDeathPictureGroup group) {
  return InfoOf(group).Count;
}

tSprite* DeathPicture(tDeathPictureGroup group, std::int32_t index) {
  std::vector<tSprite>& pictures = Sprites().ByGroup[static_cast<std::size_t>(group)];
  return &pictures[static_cast<std::size_t>(
      std::clamp(index, 0, static_cast<std::int32_t>(pictures.size()) - 1))];
}

}  // namespace qn2
