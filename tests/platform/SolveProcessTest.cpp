// The editor's search as a child process, with a shell script standing in for the game's
// search mode: its command line, its output read without waiting, how it ended, and a
// search killed before its end.
#include "platform/SolveProcess.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "support/ScratchFolder.h"

namespace qn2 {
namespace {

using namespace std::chrono_literals;

class SolveProcessTest : public ::testing::Test {
 protected:
  // A program running the shell lines; "$@" are the arguments it was given.
  std::string Program(const std::string& lines) const {
    const std::string path = (Scratch / "search.sh").string();
    std::ofstream(path) << "#!/bin/sh\n" << lines << "\n";
    chmod(path.c_str(), 0755);
    return path;
  }

  // Polls until the search ends (at most ten seconds), gathering what it printed.
  static tSolveOutput RunOut(tSolveProcess& process) {
    tSolveOutput all;
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!all.Ended && std::chrono::steady_clock::now() < deadline) {
      const tSolveOutput part = process.Poll();
      all.Text += part.Text;
      all.Ended = part.Ended;
      all.HowEnded = part.HowEnded;
      if (!all.Ended) std::this_thread::sleep_for(5ms);
    }
    return all;
  }

  testing::tScratchFolder Scratch;
  const tSolveJob Job{"/tmp/a b/Solve.map", "/tmp/a b/Solve.Solution", true, 5000};
};

TEST(SolveArguments, TheGameIsAskedForItsSearchMode) {
  EXPECT_EQ(SolveArguments({"L.map", "S.Solution", true, 300}),
            (std::vector<std::string>{"quibnar2", "--solve", "L.map", "--save", "S.Solution",
                                      "--all-jewels", "--max-states", "300"}));
  EXPECT_EQ(SolveArguments({"L.map", "S.Solution", false, 0}),
            (std::vector<std::string>{"quibnar2", "--solve", "L.map", "--save", "S.Solution"}));
}

TEST_F(SolveProcessTest, OutputAndErrorsComeThroughThePipeUntilItEnds) {
  tSolveProcess process(
      Program("for a in \"$@\"; do echo \"[$a]\"; done\n"
              "echo oops >&2\nexit 1"));
  ASSERT_FALSE(process.Start(Job));
  EXPECT_TRUE(process.Running());
  const tSolveOutput output = RunOut(process);
  EXPECT_TRUE(output.Ended);
  EXPECT_EQ(output.Text,
            "[--solve]\n[/tmp/a b/Solve.map]\n[--save]\n[/tmp/a b/Solve.Solution]\n"
            "[--all-jewels]\n[--max-states]\n[5000]\noops\n");
  EXPECT_EQ(output.HowEnded, "exit status 1");
  EXPECT_FALSE(process.Running());
}

TEST_F(SolveProcessTest, PollingNeverWaitsForTheSearch) {
  tSolveProcess process(Program("echo started\nsleep 30\necho never"));
  ASSERT_FALSE(process.Start(Job));
  std::string text;
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  while (text.empty() && std::chrono::steady_clock::now() < deadline) {
    const auto before = std::chrono::steady_clock::now();
    const tSolveOutput part = process.Poll();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 1s);
    EXPECT_FALSE(part.Ended);
    text += part.Text;
    std::this_thread::sleep_for(5ms);
  }
  EXPECT_EQ(text, "started\n");

  // Stopped: killed at once, and a new search can start.
  const auto before = std::chrono::steady_clock::now();
  process.Stop();
  EXPECT_LT(std::chrono::steady_clock::now() - before, 5s);
  EXPECT_FALSE(process.Running());
  ASSERT_FALSE(process.Start(Job));
  process.Stop();
}

TEST_F(SolveProcessTest, ASearchThatDiesOrCannotStartSaysSo) {
  tSolveProcess dying(Program("kill -9 $$"));
  ASSERT_FALSE(dying.Start(Job));
  EXPECT_EQ(RunOut(dying).HowEnded, "killed by signal 9");

  tSolveProcess missing((Scratch / "no-such-program").string());
  const auto refusal = missing.Start(Job);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->rfind("The search cannot start: ", 0), 0u);
  EXPECT_FALSE(missing.Running());
}

}  // namespace
}  // namespace qn2
