#include <gtest/gtest.h>

#include "data/TextLines.h"

namespace qn2 {
namespace {

using tLines = std::vector<std::string>;

TEST(TextLinesTest, EveryLineEndEndsALine) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (tLines{"a", "b", "c", "d"}));
  // CR LF is one line end, but LF CR is two.
  EXPECT_EQ(SplitLines("a\n\rb"), (tLines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("\r\r\n"), (tLines{"", ""}));
}

TEST(TextLinesTest, LastLineEndIsOptionalAndBlankLinesAreKept) {
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (tLines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (tLines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("only"), (tLines{"only"}));
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_EQ(SplitLines("\r\n"), (tLines{""}));
}

TEST(TextLinesTest, WriterEndsEveryLineWithCrLfAndReadsBackTheSameLines) {
  const tLines lines{"Level One.lev", "", " padded ", "Video Intro.avi"};
  const std::string text = JoinLines(lines);
  EXPECT_EQ(text, "Level One.lev\r\n\r\n padded \r\nVideo Intro.avi\r\n");
  EXPECT_EQ(SplitLines(text), lines);
  EXPECT_EQ(JoinLines({}), "");
}

}  // namespace
}  // namespace qn2
