#pragma once

// Every sound sample the game plays, by the file name the sound generator writes into the
// package's samples folder and the game loads and plays it by (letter case as written).

namespace qn2::samples {

inline constexpr const char* Folder = "samples";

// Menus.
inline constexpr const char* MenuMove = "MenuMove.wav";
inline constexpr const char* MenuMouseMove = "MenuMouseMove.wav";
inline constexpr const char* MenuSelect = "MenuSelect.wav";
inline constexpr const char* MenuClose = "menuClose.wav";
inline constexpr const char* Slider = "Slider.wav";
inline constexpr const char* InvalidOption = "InvalidOption.wav";
inline constexpr const char* MainMenuOpen = "MainMenuOpen.wav";
inline constexpr const char* MainMenuClose = "MainMenuClose.wav";

// The player.
inline constexpr const char* TeleportIn = "TeleportIn.wav";
inline constexpr const char* TeleportOut = "TelePortOut.wav";

// The other units.
inline constexpr const char* SpiderMunching = "SpiderMunching.Wav";
inline constexpr const char* SpiderExplosion = "SpiderExplosion.Wav";
inline constexpr const char* Splosh = "Splosh.Wav";
inline constexpr const char* SlideStone = "SlideStone.Wav";
inline constexpr const char* CollectKey = "CollectKey.Wav";
inline constexpr const char* CollectGem = "CollectGem.Wav";
inline constexpr const char* ClearRubble = "ClearRubble.Wav";
inline constexpr const char* SnakeAngry = "SnakeAngry.Wav";
inline constexpr const char* SnakeFire = "SnakeFire.Wav";
inline constexpr const char* Fireball = "Fireball.Wav";
inline constexpr const char* SpiderAttack = "SpiderAttack.Wav";
inline constexpr const char* SpiderShuffle = "SpiderShuffle.Wav";
inline constexpr const char* SpiderTrapped = "SpiderTrapped.Wav";
inline constexpr const char* CherryBombExplosion = "CherryBombExplosion.Wav";
inline constexpr const char* CherryBombFuse = "CherryBombFuse.Wav";
inline constexpr const char* DropBomb = "DropBomb.Wav";
inline constexpr const char* CherryBombPickup = "CherryBombPickup.Wav";
inline constexpr const char* OpeningDoor = "OpeningDoor.Wav";
inline constexpr const char* DroidZap = "DroidZap.Wav";
inline constexpr const char* PillarOut1 = "PillarOut1.Wav";
inline constexpr const char* PillarOut2 = "PillarOut2.Wav";
inline constexpr const char* PillarOut3 = "PillarOut3.Wav";
inline constexpr const char* PillarOut4 = "PillarOut4.Wav";
inline constexpr const char* PillarIn = "PillarIn.Wav";
inline constexpr const char* PillarEnd = "PillarEnd.Wav";

// The groups the game loads and frees together, each in load order.
inline constexpr const char* MenuSamples[] = {MenuMove, MenuMouseMove, MenuSelect,   MenuClose,
                                              Slider,   InvalidOption, MainMenuOpen, MainMenuClose};
inline constexpr const char* PlayerSamples[] = {TeleportIn, TeleportOut};
inline constexpr const char* UnitSamples[] = {SpiderMunching, SpiderExplosion,     Splosh,
                                              SlideStone,     CollectKey,          CollectGem,
                                              ClearRubble,    SnakeAngry,          SnakeFire,
                                              Fireball,       SpiderAttack,        SpiderShuffle,
                                              SpiderTrapped,  CherryBombExplosion, CherryBombFuse,
                                              DropBomb,       CherryBombPickup,    OpeningDoor,
                                              DroidZap,       PillarOut1,          PillarOut2,
                                              PillarOut3,     PillarOut4,          PillarIn,
                                              PillarEnd};

}  // namespace qn2::samples
