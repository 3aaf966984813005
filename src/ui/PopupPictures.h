#pragma once

namespace qn2 {

// The pictures of the end-of-level and death pop-ups and of the all-solved screen.
inline constexpr const char* LargePopupBase = "PopupBase_Large.jpg";  // 448 x 364
inline constexpr const char* SmallPopupBase = "PopupBase_Small.jpg";  // 448 x 340
inline constexpr const char* SolvedPicture = "Popup_Solved.jpg";      // 448 x 164
inline constexpr const char* PartialPicture = "Popup_Partial.jpg";    // 448 x 164
inline constexpr const char* CongratsPicture = "Congrats.jpg";        // 640 x 480

// Registers the pop-ups' pictures (the two bases load at once, the rest on first draw)
// and the death pictures.
void LoadEndOfLevelPopupGraphics();

class tSprite;

// Draws a pop-up's picture centred across the frame with its top on the top of the base
// (a base of baseHeight pixels centred on the frame).
void DrawPictureOnBase(tSprite& picture, int baseHeight);

}  // namespace qn2
