#include <gtest/gtest.h>

#include <set>

#include "input/InputDevice.h"

namespace qn2 {
namespace {

tInputDevice& Defaults(tInputDevice& d) {
  BindDefaultKeys(d);
  return d;
}

TEST(InputDevice, DefaultTableAndLookup) {
  tInputDevice d;
  BindDefaultKeys(d);
  const std::uint16_t expected[14][2] = {{0, 0},    {1, 0},   {38, 256}, {40, 257}, {37, 258},
                                         {39, 259}, {32, 0},  {13, 260}, {2, 27},   {117, 82},
                                         {107, 0},  {109, 0}, {45, 0},   {36, 0}};
  for (int a = 0; a < 14; ++a) {
    const auto action = static_cast<tInputAction>(a);
    EXPECT_EQ(d.BoundKey(action, 1), expected[a][0]) << "action " << a;
    EXPECT_EQ(d.BoundKey(action, 2), expected[a][1]) << "action " << a;
    for (std::uint16_t key : expected[a]) {
      if (key == 0) continue;
      EXPECT_EQ(d.FindAction(key), action) << "key " << key;
    }
  }
  EXPECT_EQ(d.FindAction(vk::MButton), iaNone);
  d.BindKey(iaSkipB, 65);
  d.BindKey(iaDown, 65);  // the lower action wins
  EXPECT_EQ(d.FindAction(65), iaDown);
}

TEST(InputDevice, ThirdBindingDropsBothOldKeys) {
  tInputDevice d;
  Defaults(d).BindKey(iaUp, 87);
  EXPECT_EQ(d.BoundKey(iaUp, 1), 87);
  EXPECT_EQ(d.BoundKey(iaUp, 2), 0);
  EXPECT_EQ(d.FindAction(vk::Up), iaNone);
  EXPECT_EQ(d.FindAction(vk::JoyUp), iaNone);
  d.BindKey(iaUp, 73);  // the emptied slot 2 is used again
  EXPECT_EQ(d.BoundKey(iaUp, 1), 87);
  EXPECT_EQ(d.BoundKey(iaUp, 2), 73);
}

TEST(InputDevice, AutoRepeatGivesOnePressButClickRelatches) {
  tInputDevice d;
  Defaults(d).KeyDown(vk::Up);
  d.KeyDown(vk::Left);
  d.Consume(AllActionsMask);
  for (int i = 0; i < 3; ++i) d.KeyDown(vk::Up);  // repeats of a held key
  EXPECT_FALSE(d.WasPressed(iaUp));
  EXPECT_TRUE(d.IsHeld(iaUp));
  EXPECT_EQ(d.LastAction, iaLeft);
  EXPECT_TRUE(d.AnyKey);  // repeats still count as key-downs
  d.KeyUp(vk::Up);
  d.KeyDown(vk::Up);
  EXPECT_TRUE(d.WasPressed(iaUp));
  EXPECT_EQ(d.LastAction, iaUp);

  d.KeyDown(vk::LButton);
  d.Consume(ActionMask(iaClick));
  d.KeyDown(vk::LButton);  // no button-up in between
  EXPECT_TRUE(d.WasPressed(iaClick));
  EXPECT_EQ(d.LastAction, iaClick);
  d.KeyUp(vk::LButton);
  d.KeyDown(vk::LButton);
  d.Consume(ActionMask(iaClick));  // two clicks in a tick are one latch
  EXPECT_FALSE(d.WasPressed(iaClick));
}

TEST(InputDevice, TapBetweenTicksIsLatchedUntilConsumed) {
  tInputDevice d;
  Defaults(d).KeyDown(vk::Space);
  d.KeyUp(vk::Space);
  EXPECT_FALSE(d.IsHeld(iaAction));
  EXPECT_TRUE(d.WasPressed(iaAction));
  EXPECT_TRUE(d.IsActive(iaAction));
  d.Consume(AllActionsMask);
  EXPECT_FALSE(d.IsActive(iaAction));
}

TEST(InputDevice, ConsumeMasksAndAnyKey) {
  tInputDevice d;
  BindDefaultKeys(d);
  d.KeyDown(vk::Shift);
  d.KeyDown(vk::Alt);
  EXPECT_FALSE(d.AnyKey);
  d.KeyDown(65);  // unbound
  EXPECT_TRUE(d.AnyKey);
  EXPECT_EQ(d.LastAction, iaNone);

  for (int a = 1; a < 14; ++a) d.Press(static_cast<tInputAction>(a));
  d.Consume(0);
  EXPECT_FALSE(d.AnyKey);
  d.Consume(TurnActionsMask);
  const std::set<int> turn = {2, 3, 4, 5, 6, 9, 10, 11};
  for (int a = 1; a < 14; ++a) {
    const auto action = static_cast<tInputAction>(a);
    EXPECT_EQ(d.WasPressed(action), !turn.contains(a)) << "action " << a;
    EXPECT_TRUE(d.IsHeld(action)) << "action " << a;
  }
  d.Consume(ActionMask(iaSkipB));
  EXPECT_FALSE(d.WasPressed(iaSkipB));
  EXPECT_TRUE(d.WasPressed(iaSkipA));
}

TEST(InputDevice, CopyFromKeepsOwnCheatCodes) {
  tInputDevice live, snap;
  int liveHits = 0, snapHits = 0;
  live.AddCheatCode("ab", [&] { ++liveHits; });
  snap.AddCheatCode("ab", [&] { ++snapHits; });
  Defaults(live).BindKey(iaSkipA, 70);
  live.KeyDown(vk::Down);
  live.KeyUp(vk::Down);
  snap.Press(iaBack);
  snap.CopyFrom(live);
  EXPECT_EQ(snap.BoundKey(iaSkipA, 2), 70);
  EXPECT_TRUE(snap.WasPressed(iaDown));
  EXPECT_FALSE(snap.IsActive(iaBack));
  EXPECT_EQ(snap.LastAction, iaDown);
  EXPECT_TRUE(snap.AnyKey);
  ASSERT_EQ(snap.CheatCodes().Count(), 1u);
  snap.CharTyped('a');
  snap.CharTyped('b');
  EXPECT_EQ(snapHits, 1);
  EXPECT_EQ(liveHits, 0);
}

// Reports the listed keys as down and records every key it was asked about.
class tFakeKeys : public tKeyStateSource {
 public:
  explicit tFakeKeys(std::set<std::uint16_t> down) : Down(std::move(down)) {}
  bool IsKeyDown(std::uint16_t keyCode) const override {
    Asked.insert(keyCode);
    return Down.contains(keyCode);
  }
  std::set<std::uint16_t> Down;
  mutable std::set<std::uint16_t> Asked;
};

TEST(InputDevice, ResyncReadsOnlyPolledKeys) {
  tInputDevice d;
  Defaults(d).KeyDown(vk::Up);  // released while the window was inactive
  d.KeyDown(vk::Return);
  d.KeyDown(vk::LButton);
  tFakeKeys keys({vk::Return, vk::LButton, vk::JoyUp});
  d.Resync(keys);
  EXPECT_FALSE(d.IsActive(iaUp));
  EXPECT_TRUE(d.IsHeld(iaSelect));
  EXPECT_FALSE(d.WasPressed(iaSelect));
  EXPECT_FALSE(d.IsActive(iaClick));
  EXPECT_EQ(d.LastAction, iaNone);
  EXPECT_TRUE(d.AnyKey);
  const std::set<std::uint16_t> polled = {38, 40, 37, 39, 32, 13, 27, 117, 82, 107, 109, 45, 36};
  EXPECT_EQ(keys.Asked, polled);

  tInputDevice m;
  m.BindKey(iaSkipA, vk::MButton);
  m.Resync(tFakeKeys({vk::MButton}));
  EXPECT_TRUE(m.IsHeld(iaSkipA));
  m.Resync(tNullKeyStateSource());
  EXPECT_FALSE(m.IsHeld(iaSkipA));

  for (std::uint16_t k : {0, 1, 2, 256, 260, 261}) EXPECT_FALSE(IsPolledKey(k)) << k;
  for (std::uint16_t k : {3, 4, 255, 262, 65535}) EXPECT_TRUE(IsPolledKey(k)) << k;
}

}  // namespace
}  // namespace qn2
