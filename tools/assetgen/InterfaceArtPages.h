#pragma once

#include <string>

namespace assetgen::interface {

// The four instruction pages, "Instructions(Page1..4).jpg", 640 x 480 each
// (InterfaceArtPages.cpp).
void GenerateInstructionArt(const std::string& outDir);

}  // namespace assetgen::interface
