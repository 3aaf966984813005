#include "platform/KeyMap.h"

#include <gtest/gtest.h>

namespace qn2 {
namespace {

TEST(KeyMap, GivesTheGamesKeyNumbers) {
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_LEFT), 37);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_UP), 38);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_RIGHT), 39);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_DOWN), 40);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_RETURN), 13);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_ENTER), 13);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_SPACE), 32);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_ESCAPE), 27);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_F6), 117);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_r), 82);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_PLUS), 107);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_MINUS), 109);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_INSERT), 45);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_HOME), 36);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_PAUSE), 19);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_RSHIFT), 16);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_LALT), 18);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_7), '7');
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_APPLICATION), 0);
}

TEST(KeyMap, EveryNumberedKeyMapsBack) {
  for (std::uint16_t key = 1; key < 256; ++key) {
    const SDL_Keycode sdlKey = SdlKeyFromVirtualKey(key);
    if (sdlKey != SDLK_UNKNOWN) {
      EXPECT_EQ(VirtualKeyFromSdl(sdlKey), key) << key;
    }
  }
  EXPECT_EQ(SdlKeyFromVirtualKey(256), SDLK_UNKNOWN);  // the pad's numbers are no keys
}

TEST(KeyMap, MouseButtons) {
  EXPECT_EQ(VirtualKeyFromMouseButton(SDL_BUTTON_LEFT), 1);
  EXPECT_EQ(VirtualKeyFromMouseButton(SDL_BUTTON_RIGHT), 2);
  EXPECT_EQ(VirtualKeyFromMouseButton(SDL_BUTTON_MIDDLE), 4);
  EXPECT_EQ(VirtualKeyFromMouseButton(SDL_BUTTON_X1), 0);
}

}  // namespace
}  // namespace qn2
