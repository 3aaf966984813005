#include "common/SnapshotDelta.h"

#include <gtest/gtest.h>

#include <random>

#include "common/Exception.h"

namespace qn2 {
namespace {

std::vector<std::uint8_t> RoundTrip(const std::vector<std::uint8_t>& reference,
                                    const std::vector<std::uint8_t>& bytes) {
  std::vector<std::uint8_t> out{9, 9, 9};  // left-overs of an earlier snapshot
  DecodeDelta(reference, EncodeDelta(reference, bytes), out);
  return out;
}

TEST(SnapshotDelta, GivesBackEverySnapshotWhateverItsSizeAndChanges) {
  std::mt19937 random(7);
  std::vector<std::uint8_t> reference(2000);
  for (auto& byte : reference) byte = static_cast<std::uint8_t>(random());

  EXPECT_EQ(RoundTrip(reference, reference), reference);
  EXPECT_EQ(RoundTrip(reference, {}), std::vector<std::uint8_t>{});
  EXPECT_EQ(RoundTrip({}, reference), reference);

  for (int trial = 0; trial < 200; ++trial) {
    std::vector<std::uint8_t> bytes = reference;
    // Units made or freed since the start shift or cut the snapshot.
    bytes.resize(reference.size() - 300 + random() % 600);
    for (int change = static_cast<int>(random() % 40); change > 0; --change) {
      const std::size_t at = random() % bytes.size();
      const std::size_t length = 1 + random() % 12;
      for (std::size_t i = at; i < std::min(bytes.size(), at + length); ++i)
        bytes[i] = static_cast<std::uint8_t>(random());
    }
    ASSERT_EQ(RoundTrip(reference, bytes), bytes) << "trial " << trial;
  }
}

TEST(SnapshotDelta, KeepsAFewChangesInAFewBytes) {
  std::vector<std::uint8_t> reference(2226, 0x5a);
  std::vector<std::uint8_t> bytes = reference;
  bytes[100] = 1;
  bytes[101] = 2;
  bytes[1500] = 3;
  EXPECT_LT(EncodeDelta(reference, bytes).size(), 16u);
}

TEST(SnapshotDelta, RefusesADifferenceThatDoesNotDecode) {
  const std::vector<std::uint8_t> reference(64, 1);
  std::vector<std::uint8_t> bytes(64, 1);
  bytes[10] = 7;
  const std::vector<std::uint8_t> delta = EncodeDelta(reference, bytes);
  std::vector<std::uint8_t> out;

  std::vector<std::uint8_t> cut(delta.begin(), delta.end() - 1);
  EXPECT_THROW(DecodeDelta(reference, cut, out), Exception);
  std::vector<std::uint8_t> longer = delta;
  longer.push_back(0);
  EXPECT_THROW(DecodeDelta(reference, longer, out), Exception);
  // A size far beyond what the difference could describe.
  EXPECT_THROW(DecodeDelta(reference, {0xff, 0xff, 0xff, 0xff, 0x0f}, out), Exception);
  // A run of equal bytes past the snapshot's end.
  EXPECT_THROW(DecodeDelta(reference, {4, 9, 0}, out), Exception);
  EXPECT_THROW(DecodeDelta(reference, {}, out), Exception);
}

}  // namespace
}  // namespace qn2
