#pragma once

#include <cstdint>

namespace qn2 {

// Every screen, menu, pop-up and transition is a mode of the engine.
using tGameMode = std::uint8_t;

inline constexpr tGameMode gmNone = 0;
inline constexpr tGameMode gmQuit = 1;
inline constexpr tGameMode gmPlaying = 2;
inline constexpr tGameMode gmEditing = 3;
inline constexpr tGameMode gmDying = 4;
inline constexpr tGameMode gmFadeOut = 5;
inline constexpr tGameMode gmVideo = 6;
inline constexpr tGameMode gmIntro = 7;
inline constexpr tGameMode gmSkipEntry = 8;
inline constexpr tGameMode gmDead = 9;
inline constexpr tGameMode gmLevelDone = 10;
inline constexpr tGameMode gmAllSolved = 11;
inline constexpr tGameMode gmPopupClosed = 12;
inline constexpr tGameMode gmMainMenu = 13;
inline constexpr tGameMode gmWarping = 14;
inline constexpr tGameMode gmOptions = 17;
inline constexpr tGameMode gmVideoOptions = 18;
inline constexpr tGameMode gmAdvancedVideo = 19;
inline constexpr tGameMode gmSoundOptions = 20;
inline constexpr tGameMode gmSoundDevice = 21;
inline constexpr tGameMode gmInstructions = 25;
inline constexpr tGameMode gmCredits = 26;
inline constexpr tGameMode gmPickLevel = 29;
inline constexpr tGameMode gmNextUnsolved = 30;
inline constexpr tGameMode gmSolvedPopup = 33;
inline constexpr tGameMode gmPartlySolvedPopup = 34;
inline constexpr tGameMode gmDeathPopup = 35;

constexpr bool IsSlabMenuMode(tGameMode m) {
  return m >= 15 && m <= 27;
}
constexpr bool IsPopupMode(tGameMode m) {
  return m >= 33 && m <= 35;
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
