#pragma once

#include <memory>
#include <string>

#include "common/OwnerList.h"
#include "render/Dib16.h"

namespace qn2 {

// The named pictures. Every picture file of the game becomes one registered surface the
// first time it is asked for by name (GetDib); its pixels load when it is first drawn or
// asked for loaded. The registry owns the surfaces from the shell's start to its end.

// Appends the surface, whose FileName is its lower-cased name; raises "Dib16 name '" +
// name + "' Registered twice" when a surface of that name is already registered.
tDib16* RegisterDib(std::unique_ptr<tDib16> dib);
// The registered surface of that name, letter case ignored, or nullptr.
tDib16* FindDib(const std::string& name);
// The registered surface of that name, registered (unloaded) now if it was not; loaded
// first when load is set. This is how every part of the game obtains a picture.
tDib16* GetDib(const std::string& name, bool load);
// Frees every registered surface, last to first (shell shutdown). Sprites cut from them
// must not be drawn afterwards.
void ClearDibs();
// The registered surfaces, in registration order.
const tOwnerList<tDib16>& RegisteredDibs();

}  // namespace qn2
