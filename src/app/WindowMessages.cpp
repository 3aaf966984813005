#include "app/WindowMessages.h"

namespace qn2 {

Uint32 WindowMessageType() {
  static const Uint32 type = SDL_RegisterEvents(1);
  return type;
}

bool PostWindowMessage(std::int32_t code, std::intptr_t parameter) {
  SDL_Event event{};
  event.type = WindowMessageType();
  event.user.code = code;
  event.user.data1 = reinterpret_cast<void*>(parameter);
  return SDL_PushEvent(&event) == 1;
}

}  // namespace qn2
