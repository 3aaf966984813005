#include "common/LastMessage.h"
#include "render/ColourTables.h"
#include "render/DibRegistry.h"

namespace qn2 {

void SetPixelMode(std::uint32_t redMask, std::uint32_t greenMask, std::uint32_t blueMask) {
  DebugMessage("SetPixelMode");
  DebugMessage("SetPixelMode: Setting up color Values");
  SetupColourValues(redMask, greenMask, blueMask);  // also sets Is565
  DebugMessage("SetPixelMode: Setting up color Values done");
  DebugMessage("SetPixelMode: Reloading Dibs");
  for (const auto& dib : RegisteredDibs()) {
    const bool wasLoaded = dib->Loaded();
    dib->Unload();
    if (wasLoaded) dib->Load();
  }
  DebugMessage("SetPixelMode: Reloading Dibs Done");
}

}  // namespace qn2
