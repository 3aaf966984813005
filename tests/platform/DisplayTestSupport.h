#pragma once

#include <SDL.h>
#include <stdlib.h>

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace qn2::test {

// SDL's video on the dummy driver, with one hidden 640 x 480 window, for each test.
class tDummyVideo : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    Window = SDL_CreateWindow("game", 100, 80, 640, 480, SDL_WINDOW_HIDDEN);
    ASSERT_NE(Window, nullptr) << SDL_GetError();
  }
  void TearDown() override {
    if (Window != nullptr) SDL_DestroyWindow(Window);
    SDL_Quit();
  }

  SDL_Window* Window = nullptr;
};

// What the window shows, as 5-6-5 pixels, row-major.
struct tScreenShot {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint16_t> Pixels;

  std::uint16_t At(int x, int y) const {
    return Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) +
                  static_cast<std::size_t>(x)];
  }
};

inline tScreenShot ReadRenderer(SDL_Renderer* renderer) {
  tScreenShot shot;
  SDL_GetRendererOutputSize(renderer, &shot.Width, &shot.Height);
  shot.Pixels.resize(static_cast<std::size_t>(shot.Width) * static_cast<std::size_t>(shot.Height));
  EXPECT_EQ(SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_RGB565, shot.Pixels.data(),
                                 shot.Width * 2),
            0)
      << SDL_GetError();
  return shot;
}

inline tScreenShot ReadWindowSurface(SDL_Window* window) {
  tScreenShot shot;
  SDL_Surface* screen = SDL_GetWindowSurface(window);
  EXPECT_NE(screen, nullptr) << SDL_GetError();
  if (screen == nullptr) return shot;
  SDL_Surface* converted = SDL_ConvertSurfaceFormat(screen, SDL_PIXELFORMAT_RGB565, 0);
  shot.Width = converted->w;
  shot.Height = converted->h;
  shot.Pixels.resize(static_cast<std::size_t>(shot.Width) * static_cast<std::size_t>(shot.Height));
  for (int y = 0; y < shot.Height; ++y) {
    const auto* row = reinterpret_cast<const std::uint16_t*>(
        static_cast<const std::uint8_t*>(converted->pixels) + y * converted->pitch);
    std::copy(row, row + shot.Width,
              shot.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * shot.Width);
  }
  SDL_FreeSurface(converted);
  return shot;
}

}  // namespace qn2::test
