#pragma once

#include <SDL.h>

#include <cstdint>

namespace qn2 {

// The main window's own messages, carried by one registered SDL event type; the code
// says which message it is, data1 holds its parameter.
inline constexpr std::int32_t wmFrameEvent = 0x7800;
inline constexpr std::int32_t wmChangeDisplayMode = 0x7813;
inline constexpr std::int32_t wmReloadData = 0x7814;
inline constexpr std::int32_t wmReinitAudio = 0x7816;
inline constexpr std::int32_t wmDeferredStartup = 0x7818;

// The SDL event type of the window messages (registered on first use).
Uint32 WindowMessageType();
// Posts a window message; false when the event queue refused it.
bool PostWindowMessage(std::int32_t code, std::intptr_t parameter = 0);

}  // namespace qn2
