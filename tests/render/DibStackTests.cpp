#include "render/DibStack.h"

#include <gtest/gtest.h>

#include "common/Exception.h"
#include "render/Dib16.h"

namespace qn2 {
namespace {

std::string MessageOf(void (*operation)()) {
  try {
    operation();
  } catch (const Exception& e) {
    return e.message();
  }
  return "no exception";
}

TEST(DibStack, HoldsEightTargetsAndRestoresThemLastFirst) {
  tDib16 dibs[9] = {{1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}};
  CurrentDib = &dibs[0];
  for (int i = 1; i <= 8; ++i) {
    PushDib();
    EXPECT_EQ(CurrentDib, &dibs[i - 1]);  // pushing leaves the target to the caller
    CurrentDib = &dibs[i];
  }
  EXPECT_EQ(MessageOf(&PushDib), "dibStack overflow");
  EXPECT_EQ(DibStackDepth(), 8);
  EXPECT_EQ(CurrentDib, &dibs[8]);
  for (int i = 7; i >= 0; --i) {
    PopDib();
    EXPECT_EQ(CurrentDib, &dibs[i]);
  }
  EXPECT_EQ(MessageOf(&PopDib), "dibStack underflow");
  EXPECT_EQ(CurrentDib, &dibs[0]);
  CurrentDib = nullptr;
}

TEST(DibStack, TargetScopeRestoresThePreviousTarget) {
  tDib16 outer(1, 1), inner(1, 1);
  CurrentDib = &outer;
  {
    tDibTarget scope(&inner);
    EXPECT_EQ(CurrentDib, &inner);
    EXPECT_EQ(DibStackDepth(), 1);
  }
  EXPECT_EQ(CurrentDib, &outer);
  EXPECT_EQ(DibStackDepth(), 0);
  CurrentDib = nullptr;
}

}  // namespace
}  // namespace qn2
