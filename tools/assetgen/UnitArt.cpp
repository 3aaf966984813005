// The game's characters and units: the explorer Zevi with her lantern, the ruin's hostile
// residents, the terrain units of "BaseGfx.bmp", water, force fields, explosions and the
// death pictures. Everything is drawn with cairo into ArtCanvas and written under the
// names the game loads.

#include "UnitArt.h"
#include "ArtRegistry.h"

namespace assetgen {

void GenerateUnitArt(const std::string& outDir) {
  GenerateBaseGfxArt(outDir);
  GeneratePlayerArt(outDir);
  GenerateTerrainArt(outDir);
  GenerateHostileArt(outDir);
  GenerateDeathArt(outDir);
}

}  // namespace assetgen
