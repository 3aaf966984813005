#pragma once

#include <string>

namespace assetgen::interface {

// The four instruction pages, "Instructions(Page1..4).jpg", 640 x 480 each, and the nine
// level-pick bonus buttons, "Bonus1..9Button.jpg", 144 x 80 each (InterfaceArtPages.cpp).
void GenerateInstructionAndBonusArt(const std::string& outDir);

}  // namespace assetgen::interface
