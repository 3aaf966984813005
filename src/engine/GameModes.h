#pragma once

#include <cstdint>

namespace qn2 {

// Every screen, menu, pop-up and transition is a mode of the engine, by its number.
enum class tGameMode : std::uint8_t {
  gmNone = 0,
  gmQuit = 1,
  gmPlaying = 2,
  gmEditing = 3,
  gmDying = 4,
  gmFadeOut = 5,
  gmVideo = 6,
  gmIntro = 7,
  gmSkipEntry = 8,
  gmDead = 9,
  gmLevelDone = 10,
  gmAllSolved = 11,
  gmPopupClosed = 12,
  gmMainMenu = 13,
  gmWarping = 14,
  gmOptions = 17,
  gmVideoOptions = 18,
  gmAdvancedVideo = 19,
  gmSoundOptions = 20,
  gmSoundDevice = 21,
  gmInstructions = 25,
  gmCredits = 26,
  gmPickLevel = 29,
  gmNextUnsolved = 30,
  gmSolvedPopup = 33,
  gmPartlySolvedPopup = 34,
  gmDeathPopup = 35,
};
using enum tGameMode;

// The mode's number, for messages and logs.
constexpr int ModeNumber(tGameMode m) {
  return static_cast<int>(m);
}

constexpr bool IsSlabMenuMode(tGameMode m) {
  return ModeNumber(m) >= 15 && ModeNumber(m) <= 27;
}
constexpr bool IsPopupMode(tGameMode m) {
  return ModeNumber(m) >= 33 && ModeNumber(m) <= 35;
}
// Modes whose screen is a menu or pop-up drawn over the menu backdrop.
constexpr bool IsMenuMode(tGameMode m) {
  return m == gmMainMenu || IsSlabMenuMode(m) || IsPopupMode(m);
}

// What a finished reset warp leads to.
inline constexpr std::int32_t WarpToMenu = 3;
inline constexpr std::int32_t WarpRestart = 4;
inline constexpr std::int32_t WarpToLevelPick = 5;

}  // namespace qn2
