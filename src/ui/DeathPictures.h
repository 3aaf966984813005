#pragma once

#include <cstdint>
#include <string>

#include "engine/GameEngine.h"

namespace qn2 {

class tSprite;

// The pictures of the death pop-up, one group per kind of death.
enum class tDeathPictureGroup : std::uint8_t { General, Bomb, Snake, Spider, Robot };

// Registers the death pictures ("Popup_GeneralDeath1.Jpg" .. 6 and the bomb, snake, spider
// and robot pictures 1..3; they load on first draw) and cuts their 448 x 180 sprites.
void LoadDeathPictureData();

// Picks the picture the death pop-up will show, by the killer's class name ("tSnake",
// "tSpider", "tCherryBomb", "tSeekerDroid", letter case ignored). Six deaths in ten get a
// general picture whoever the killer was; any other name always does.
void ChooseDeathPicture(const std::string& killerClassName);

// Picks the picture for a death the engine reports.
void ChooseDeathPictureFor(const tGameEngine::tDeathReport& death);

// The picture chosen by the last death; none before the first.
tSprite* CurrentDeathPicture();

// The pictures of a group (6 general ones, 3 of every other kind); index brought into range.
std::int32_t DeathPictureCount(tDeathPictureGroup group);
tSprite* DeathPicture(tDeathPictureGroup group, std::int32_t index);

}  // namespace qn2
