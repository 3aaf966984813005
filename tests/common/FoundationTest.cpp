#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Direction.h"
#include "common/Exception.h"
#include "common/LookRandom.h"
#include "common/OwnerList.h"
#include "common/Rounding.h"
#include "common/SnapshotStream.h"

namespace qn2 {
namespace {

TEST(Rounding, RoundsTiesToEvenAndTruncatesTowardZero) {
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(1.5), 2);
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(-0.5), 0);
  EXPECT_EQ(Round(-1.5), -2);
  EXPECT_EQ(Round(2.4999), 2);
  EXPECT_EQ(Round(2.5001), 3);
  EXPECT_EQ(Trunc(2.9), 2);
  EXPECT_EQ(Trunc(-2.9), -2);
}

TEST(Directions, HaveTheBoardOffsetsAndSetBits) {
  EXPECT_EQ(DirectionOffset(tDirection::Up).DY, -1);
  EXPECT_EQ(DirectionOffset(tDirection::Right).DX, 1);
  EXPECT_EQ(DirectionOffset(tDirection::Down).DY, 1);
  EXPECT_EQ(DirectionOffset(tDirection::Left).DX, -1);
  EXPECT_EQ(Opposite(tDirection::Left), tDirection::Right);
  tDirectionSet s{tDirection::Up, tDirection::Left};
  EXPECT_EQ(s.ToBits(), 0b1001);
  s.Exclude(tDirection::Up);
  EXPECT_EQ(s, tDirectionSet::FromBits(8));
}

struct tTracked {
  tTracked(std::vector<int>& log, int id) : Log(log), Id(id) {}
  ~tTracked() { Log.push_back(Id); }
  std::vector<int>& Log;
  int Id;
};

TEST(OwnerList, FreesItsObjectsLastToFirst) {
  std::vector<int> freed;
  {
    tOwnerList<tTracked> list;
    for (int i = 1; i <= 3; ++i) list.Add(std::make_unique<tTracked>(freed, i));
    list.Delete(1);
    EXPECT_EQ(freed, std::vector<int>{2});
    EXPECT_EQ(list[1]->Id, 3);
  }
  EXPECT_EQ(freed, (std::vector<int>{2, 3, 1}));
}

TEST(Exceptions, CarryTheirMessageAndShareTheGeneralBase) {
  try {
    throw EFileError("File Missing 'x'.");
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "File Missing 'x'.");
  }
}

TEST(LookRandom, RepeatsForTheSameSeedAndStaysInRange) {
  tLookRandom a(42), b(42);
  for (int i = 0; i < 100; ++i) {
    std::int32_t v = a.Below(7);
    EXPECT_EQ(v, b.Below(7));
    EXPECT_GE(v, 0);
    EXPECT_LT(v, 7);
  }
  EXPECT_EQ(a.Below(0), 0);
}

TEST(SnapshotStream, ReadsBackWhatWasWrittenAndRefusesToOverrun) {
  tSnapshotStream s;
  s.Write<std::int32_t>(-3);
  s.Write<float>(0.25f);
  EXPECT_EQ(s.Read<std::int32_t>(), -3);
  EXPECT_EQ(s.Read<float>(), 0.25f);
  EXPECT_THROW(s.Read<std::uint8_t>(), Exception);
}

}  // namespace
}  // namespace qn2
