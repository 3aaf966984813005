#pragma once

namespace qn2 {

// The pictures of the menus. The main slab loads with the other graphics; the rest load on
// first use, and the menus put them away again when the menu closes back to the game.
inline constexpr const char* MainSlab = "Menu_Main.Jpg";
inline constexpr const char* OptionsSlab = "Menu_Options.jpg";
inline constexpr const char* SoundSlab = "Menu_Sound.jpg";
inline constexpr const char* SoundDeviceSlab = "Menu_AdvSound.jpg";
inline constexpr const char* VideoSlab = "Menu_Video.jpg";
inline constexpr const char* AdvancedVideoSlab = "Menu_AdvVideo.jpg";
inline constexpr const char* CreditsSlab = "CreditsSlab.jpg";
inline constexpr const char* CreditsText = "Credits.jpg";
inline constexpr const char* InstructionButtons = "InstructionButtons.jpg";
// "BaseGfx.bmp" holds the slider knob, 32 x 32 at (32, 224).
inline constexpr const char* KnobPicture = "BaseGfx.bmp";
inline constexpr int KnobX = 32;
inline constexpr int KnobY = 224;
inline constexpr int KnobSize = 32;

// Registers the menus' pictures, loading the main slab at once.
void LoadMenuGraphics();

}  // namespace qn2
