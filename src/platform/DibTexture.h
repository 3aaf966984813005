#pragma once

#include <SDL.h>

namespace qn2 {

class tDib16;

// A 16-bit picture of ours shown in an SDL window: a streaming texture of the picture's
// size, refilled from the picture's pixels on Update.
class tDibTexture {
 public:
  tDibTexture() = default;
  ~tDibTexture() { Release(); }
  tDibTexture(const tDibTexture&) = delete;
  tDibTexture& operator=(const tDibTexture&) = delete;

  void Update(SDL_Renderer* renderer, tDib16& picture);
  void Release();
  SDL_Texture* Texture() const { return Handle; }

 private:
  SDL_Texture* Handle = nullptr;
  int Width = 0, Height = 0;
};

}  // namespace qn2
