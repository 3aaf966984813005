#include <gtest/gtest.h>

#include "app/MainWindow.h"

namespace qn2 {
namespace {

TEST(FolderUrl, KeepsPlainPathsAndEncodesTheRest) {
  EXPECT_EQ(FolderUrl("/home/pat/.local/share/Quibnar2"), "file:///home/pat/.local/share/Quibnar2");
  EXPECT_EQ(FolderUrl("/tmp/my games/Q#2%"), "file:///tmp/my%20games/Q%232%25");
  EXPECT_EQ(FolderUrl("/t\xC3\xA9"), "file:///t%C3%A9");
}

}  // namespace
}  // namespace qn2
