#include "platform/DibTexture.h"

#include <cstring>

#include "render/Dib16.h"
#include "render/PixelFormat.h"

namespace qn2 {

void tDibTexture::Update(SDL_Renderer* renderer, tDib16& picture) {
  if (Handle != nullptr && (Width != picture.Width() || Height != picture.Height())) Release();
  if (picture.Width() <= 0 || picture.Height() <= 0) return;
  if (Handle == nullptr) {
    Handle = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                               picture.Width(), picture.Height());
    if (Handle == nullptr) return;
    Width = picture.Width();
    Height = picture.Height();
  }
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(Handle, nullptr, &pixels, &pitch) != 0) return;
  for (int y = 0; y < Height; ++y) {
    const std::uint16_t* from = picture.ScanLine(y);
    auto* to = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(pixels) + y * pitch);
    for (int x = 0; x < Width; ++x) {
      const tRgb c = SplitPixel(from[x]);
      to[x] = (std::uint32_t{c.R} << 16) | (std::uint32_t{c.G} << 8) | c.B;
    }
  }
  SDL_UnlockTexture(Handle);
}

void tDibTexture::Release() {
  if (Handle != nullptr) SDL_DestroyTexture(Handle);
  Handle = nullptr;
  Width = Height = 0;
}

}  // namespace qn2
