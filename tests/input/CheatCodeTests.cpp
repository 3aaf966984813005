#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "input/InputDevice.h"

namespace qn2 {
namespace {

void Type(tInputDevice& d, std::string_view text) {
  for (char c : text) d.CharTyped(c);
}

TEST(CheatCode, MatchingAndFolding) {
  tInputDevice d;
  int record = 0, play = 0;
  d.AddCheatCode("tarnwickholm", [&] { ++record; });
  d.AddCheatCode("fenlark", [&] { ++play; });

  Type(d, "ttarnwickholm");  // the second 't' breaks the match and is not retried
  EXPECT_EQ(record, 0);
  Type(d, "xyztarnwickholm");
  EXPECT_EQ(record, 1);
  Type(d, "TarnWickHOLMtarnwickholm");
  EXPECT_EQ(record, 3);
  Type(d, "fenlarfenlark");  // a break on the first letter itself is not retried either
  EXPECT_EQ(play, 0);
  Type(d, "[fenlark");
  EXPECT_EQ(play, 1);
  Type(d, "tarn");
  EXPECT_EQ(d.CheatCodes()[0]->MatchPos, 4);
  Type(d, "{");  // 'Z' + 1 folds to nothing
  EXPECT_EQ(d.CheatCodes()[0]->MatchPos, 0);
  EXPECT_EQ(CheatLowerCase('@'), '@');
  EXPECT_EQ(CheatLowerCase('A'), 'a');
  EXPECT_EQ(CheatLowerCase('Z'), 'z');
  EXPECT_EQ(CheatLowerCase('['), '[');
  EXPECT_EQ(CheatLowerCase('\xC4'), '\xC4');
  EXPECT_EQ(tCheatCode("FenLark", nullptr).Code, "fenlark");
}

TEST(CheatCode, MatchMayAddAnotherCode) {
  tInputDevice d;
  int later = 0;
  d.AddCheatCode("go", [&] { d.AddCheatCode("ok", [&] { ++later; }); });
  for (int i = 0; i < 20; ++i) Type(d, "go");  // grows the list while it is walked
  ASSERT_EQ(d.CheatCodes().Count(), 21u);
  Type(d, "xok");  // all but the newest code stand at 'o' after "go"
  EXPECT_EQ(later, 20);
}

// Typing a code on the keyboard sends each letter as a key and as a character; the
// restart key "R" inside both codes must not restart the level half-way.
TEST(CheatCode, LettersThatCarryOnACodeAreNotActions) {
  tInputDevice device;
  BindDefaultKeys(device);
  int matches = 0;
  device.AddCheatCode("fenlark", [&] { ++matches; });
  for (char c : std::string("fenlark")) {
    device.KeyDown(static_cast<std::uint16_t>(c - 'a' + 'A'));
    device.CharTyped(c);
    device.KeyUp(static_cast<std::uint16_t>(c - 'a' + 'A'));
    EXPECT_FALSE(device.WasPressed(iaRestart)) << c;
  }
  EXPECT_EQ(matches, 1);
  device.KeyDown(vk::R);  // on its own, R restarts
  EXPECT_TRUE(device.WasPressed(iaRestart));
}

}  // namespace
}  // namespace qn2
