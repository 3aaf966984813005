#include "platform/GamePad.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qn2 {
namespace {

TEST(PadKeys, AxesCountBeyondAQuarterOfTheRangeFromTheMiddle) {
  EXPECT_EQ(PadKeysFromState(0, 0, false, false), tPadKeys{});
  EXPECT_EQ(PadKeysFromState(-16384, 16384, false, false), tPadKeys{});
  EXPECT_EQ(PadKeysFromState(-16385, 16385, false, false), (tPadKeys{.Left = true, .Down = true}));
  EXPECT_EQ(PadKeysFromState(32767, -32768, true, false),
            (tPadKeys{.Right = true, .Up = true, .Enter = true}));
  EXPECT_EQ(PadKeysFromState(0, 0, false, true), (tPadKeys{.Escape = true}));
}

TEST(PadKeys, OnlyChangesAreSentAsKeyDownOrUpWithTheOwnersNumbers) {
  std::vector<std::string> log;
  const auto onKey = [&](std::uint16_t key, bool down) {
    log.push_back((down ? "down " : "up ") + std::to_string(key));
  };
  const tPadKeyNumbers joystick{258, 259, 256, 257, 260, 27};
  const tPadKeys none;
  const tPadKeys leftAndEnter{.Left = true, .Enter = true};
  SendPadChanges(none, leftAndEnter, joystick, onKey);
  SendPadChanges(leftAndEnter, leftAndEnter, joystick, onKey);
  SendPadChanges(leftAndEnter, tPadKeys{.Up = true, .Enter = true}, joystick, onKey);
  const std::vector<std::string> expected{"down 258", "down 260", "up 258", "down 256"};
  EXPECT_EQ(log, expected);
}

}  // namespace
}  // namespace qn2
