// The run log: every decision of the attempt, cut back by undo, found again by redo.
#include "engine/board/RunLog.h"

#include <gtest/gtest.h>

#include <vector>

#include "data/Recorder.h"

namespace qn2 {
namespace {

TEST(RunLogTest, UndoCutsTheRunBackAndRedoFindsTheValuesUntilPlayWritesOverThem) {
  tRunLog log;
  for (std::int32_t value : {4, 10, 11, 6}) log.Append(value);
  EXPECT_EQ(log.Decisions(), (std::vector<std::int32_t>{4, 10, 11, 6}));

  log.RestoreCount(2);
  EXPECT_EQ(log.Count(), 2);
  EXPECT_EQ(log.Value(2), 0) << "beyond the count reads as staying put";
  log.RestoreCount(4);
  EXPECT_EQ(log.Decisions(), (std::vector<std::int32_t>{4, 10, 11, 6})) << "redo";

  log.RestoreCount(1);
  log.Append(8);
  EXPECT_EQ(log.Decisions(), (std::vector<std::int32_t>{4, 8}));
  log.RestoreCount(4);
  EXPECT_EQ(log.Decisions(), (std::vector<std::int32_t>{4, 8, 11, 6}))
      << "the values after the one written over stay as they were";
  log.RestoreCount(99);
  EXPECT_EQ(log.Count(), 4) << "never beyond what this attempt logged";
  log.RestoreCount(-3);
  EXPECT_EQ(log.Count(), 0);

  log.Clear();
  log.RestoreCount(3);
  EXPECT_EQ(log.Count(), 0) << "a new attempt has nothing to come back to";
}

TEST(RunLogTest, TheRunHoldsNoMoreDecisionsThanASolutionCan) {
  tRunLog log;
  for (std::int32_t i = 0; i < RecorderCapacity + 5; ++i) log.Append(i % 11);
  EXPECT_EQ(log.Count(), RecorderCapacity);
  EXPECT_EQ(log.Value(RecorderCapacity - 1), (RecorderCapacity - 1) % 11);
}

}  // namespace
}  // namespace qn2
