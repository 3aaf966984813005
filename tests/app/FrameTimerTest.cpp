#include "app/FrameTimer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "app/MainWindow.h"

namespace qn2 {
namespace {

TEST(FrameTimer, PostsOneEventUntilItIsHandledAndCountsThePeriodsBetween) {
  std::vector<std::int32_t> handled;
  tFrameTimer timer([&](std::int32_t periods) { handled.push_back(periods); });
  std::vector<std::int32_t> posted;
  const auto post = [&](std::int32_t periods) {
    posted.push_back(periods);
    return true;
  };
  timer.Tick(post);
  EXPECT_TRUE(timer.EventPending());
  for (int i = 0; i < 8; ++i) timer.Tick(post);  // a slow frame: nothing more is posted
  EXPECT_EQ(posted, (std::vector<std::int32_t>{1}));
  timer.Dispatch(posted.back());
  EXPECT_FALSE(timer.EventPending());
  EXPECT_TRUE(handled.empty());  // a disabled timer runs no handler
  timer.Tick(post);
  EXPECT_EQ(posted.back(), 9);  // the eight periods of the slow frame and this one
}

TEST(FrameTimer, AFailedPostIsTriedAgainNextPeriod) {
  tFrameTimer timer([](std::int32_t) {});
  timer.Tick([](std::int32_t) { return false; });
  EXPECT_FALSE(timer.EventPending());
  std::int32_t carried = 0;
  timer.Tick([&](std::int32_t periods) {
    carried = periods;
    return true;
  });
  EXPECT_EQ(carried, 2);
}

TEST(FrameTimer, AHandlerThatThrowsStillMarksTheEventHandled) {
  SDL_Init(SDL_INIT_TIMER);
  tFrameTimer timer([](std::int32_t) { throw std::runtime_error("tick failed"); });
  timer.SetPeriod(1000);
  timer.SetEnabled(true);
  timer.Tick([](std::int32_t) { return true; });
  EXPECT_THROW(timer.Dispatch(1), std::runtime_error);
  EXPECT_FALSE(timer.EventPending());
  timer.SetEnabled(false);
  EXPECT_FALSE(timer.Enabled());
  SDL_QuitSubSystem(SDL_INIT_TIMER);
}

TEST(FrameEvent, RunsAtMostFourTicksAndOneAfterAReset) {
  EXPECT_EQ(TicksForFrame(1, 50), 1);
  EXPECT_EQ(TicksForFrame(3, 50), 3);
  EXPECT_EQ(TicksForFrame(9, 50), 4);
  EXPECT_EQ(TicksForFrame(9, 1), 1);
  EXPECT_EQ(TicksForFrame(9, 0), 1);
  EXPECT_EQ(TicksForFrame(9, 2), 4);
}

TEST(FrameEvent, TheMouseCellIsOffTheBoardOverThePanelAndPastTheEdges) {
  EXPECT_EQ(BoardCellAt({128, 0}), (tPoint{0, 0}));
  EXPECT_EQ(BoardCellAt({639, 479}), (tPoint{15, 14}));
  EXPECT_EQ(BoardCellAt({200, 70}), (tPoint{2, 2}));
  EXPECT_EQ(BoardCellAt({100, 40}), (tPoint{-1, -1}));
  EXPECT_EQ(BoardCellAt({127, 40}), (tPoint{-1, -1}));
  EXPECT_EQ(BoardCellAt({640, 40}), (tPoint{-1, -1}));
  EXPECT_EQ(BoardCellAt({300, 480}), (tPoint{-1, -1}));
}

}  // namespace
}  // namespace qn2
