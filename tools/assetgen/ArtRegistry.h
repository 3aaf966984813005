#pragma once

#include <string>

// Every picture the game reads is drawn by one of the art files below. Each generator
// writes its pictures into outDir under the exact names the game loads, and raises
// std::runtime_error when a picture cannot be written. Generators must be deterministic:
// no clocks, no unseeded randomness, the same bytes on every run.

namespace assetgen {

// Characters and units: the player, hostiles, terrain units, water, force fields,
// explosions and the death pictures (UnitArt.cpp).
void GenerateUnitArt(const std::string& outDir);

// The interface: tiles, backgrounds, side panel, digits, menu font, menus, pop-ups and
// buttons (InterfaceArt.cpp).
void GenerateInterfaceArt(const std::string& outDir);

using ArtGenerator = void (*)(const std::string& outDir);

// Every generator, in the order main runs them.
inline constexpr ArtGenerator ArtGenerators[] = {GenerateUnitArt, GenerateInterfaceArt};

}  // namespace assetgen
