#pragma once

#include <cstdint>
#include <string>

// The death pictures: numbered sets of whole pictures, one set per way of losing a life,
// each picture shown whole at the size below.

namespace qn2::sheets {

inline constexpr std::int32_t DeathPictureWidth = 448;
inline constexpr std::int32_t DeathPictureHeight = 180;

struct tDeathPictureSet {
  const char* Prefix;
  std::int32_t Count;  // numbered from 1
};

inline constexpr tDeathPictureSet GeneralDeaths{"Popup_GeneralDeath", 6};
inline constexpr tDeathPictureSet BombDeaths{"Popup_BombDeath", 3};
inline constexpr tDeathPictureSet SnakeDeaths{"Popup_SnakeDeath", 3};
inline constexpr tDeathPictureSet SpiderDeaths{"Popup_SpiderDeath", 3};
inline constexpr tDeathPictureSet RobotDeaths{"Popup_RobotDeath", 3};

inline constexpr const tDeathPictureSet* DeathPictureSets[] = {
    &GeneralDeaths, &BombDeaths, &SnakeDeaths, &SpiderDeaths, &RobotDeaths};

// The file name of picture n (from 1) of the set with the given prefix.
inline std::string DeathPictureName(const char* prefix, std::int32_t n) {
  return prefix + std::to_string(n) + ".Jpg";
}

}  // namespace qn2::sheets
