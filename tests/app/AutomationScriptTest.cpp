#include "app/AutomationScript.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/ProgramOptions.h"

namespace qn2 {
namespace {

using tKind = tScriptCommand::tKind;

TEST(AutomationScript, ReadsEveryCommandByTickInFileOrder) {
  const auto script =
      tAutomationScript::Parse({"# a comment", "", "5 down 39", "5 up 39", "12 text fenlark",
                                "3 move 200 100", "3 click 10 470", "40 shot  out.png"},
                               "s.txt");
  ASSERT_EQ(script.CommandsAt(5).size(), 2u);
  EXPECT_EQ(script.CommandsAt(5)[0].Kind, tKind::Down);
  EXPECT_EQ(script.CommandsAt(5)[0].Key, 39);
  EXPECT_EQ(script.CommandsAt(5)[1].Kind, tKind::Up);
  EXPECT_EQ(script.CommandsAt(12)[0].Text, "fenlark");
  ASSERT_EQ(script.CommandsAt(3).size(), 2u);
  EXPECT_EQ(script.CommandsAt(3)[0].Kind, tKind::Move);
  EXPECT_EQ(script.CommandsAt(3)[1].Kind, tKind::Click);
  EXPECT_EQ(script.CommandsAt(3)[1].X, 10);
  EXPECT_EQ(script.CommandsAt(3)[1].Y, 470);
  EXPECT_EQ(script.CommandsAt(40)[0].Text, "out.png");
  EXPECT_TRUE(script.CommandsAt(4).empty());
  EXPECT_EQ(script.LastTick(), 40);
}

TEST(AutomationScript, EditorLinesReachTheToolWindowWithTheSameArguments) {
  const auto script =
      tAutomationScript::Parse({"2 editor click 30 40", "2 click 30 40", "3 editor text Mine map",
                                "4 editor down 13", "5 editor shot e.png"},
                               "s.txt");
  ASSERT_EQ(script.CommandsAt(2).size(), 2u);
  EXPECT_TRUE(script.CommandsAt(2)[0].Editor);
  EXPECT_EQ(script.CommandsAt(2)[0].Kind, tKind::Click);
  EXPECT_EQ(script.CommandsAt(2)[0].Y, 40);
  EXPECT_FALSE(script.CommandsAt(2)[1].Editor);
  EXPECT_EQ(script.CommandsAt(3)[0].Text, "Mine map");
  EXPECT_EQ(script.CommandsAt(4)[0].Key, 13);
  EXPECT_EQ(script.CommandsAt(5)[0].Kind, tKind::Shot);
  EXPECT_TRUE(script.CommandsAt(5)[0].Editor);
  EXPECT_THROW(tAutomationScript::Parse({"1 editor move 3 4"}, "s.txt"), std::invalid_argument);
  EXPECT_THROW(tAutomationScript::Parse({"1 editor"}, "s.txt"), std::invalid_argument);
}

TEST(AutomationScript, TheEditorsSearchIsStartedCancelledAndWaitedFor) {
  const auto script = tAutomationScript::Parse(
      {"6 editor solve", "7 editor cancel", "8 editor wait", "8 editor shot s.png"}, "s.txt");
  EXPECT_EQ(script.CommandsAt(6)[0].Kind, tKind::Solve);
  EXPECT_EQ(script.CommandsAt(7)[0].Kind, tKind::Cancel);
  ASSERT_EQ(script.CommandsAt(8).size(), 2u);
  EXPECT_EQ(script.CommandsAt(8)[0].Kind, tKind::Wait);
  EXPECT_TRUE(script.CommandsAt(8)[0].Editor);
  // Only the editor has a search, and it takes no arguments.
  EXPECT_THROW(tAutomationScript::Parse({"1 solve"}, "s.txt"), std::invalid_argument);
  EXPECT_THROW(tAutomationScript::Parse({"1 editor solve now"}, "s.txt"), std::invalid_argument);
}

TEST(AutomationScript, TextKeepsItsInnerSpaces) {
  const auto script = tAutomationScript::Parse({"1 text a b  c\r"}, "s.txt");
  EXPECT_EQ(script.CommandsAt(1)[0].Text, "a b  c");
}

TEST(AutomationScript, BadLinesNameTheFileAndLine) {
  const auto message = [](const std::string& line) {
    try {
      tAutomationScript::Parse({"1 down 37", line}, "play.txt");
    } catch (const std::invalid_argument& e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  EXPECT_EQ(message("0 down 37").rfind("play.txt line 2: a tick number", 0), 0u);
  EXPECT_EQ(message("x down 37").rfind("play.txt line 2: a tick number", 0), 0u);
  EXPECT_NE(message("4 press 37").find("unknown command 'press'"), std::string::npos);
  EXPECT_NE(message("4 down").find("one key number"), std::string::npos);
  EXPECT_NE(message("4 down 300").find("one key number"), std::string::npos);
  EXPECT_NE(message("4 move 3").find("frame coordinates"), std::string::npos);
  EXPECT_NE(message("4 text").find("characters to type"), std::string::npos);
  EXPECT_NE(message("4 shot").find("one file name"), std::string::npos);
}

TEST(ProgramOptions, SplitsGameSwitchesFromAutomationOptions) {
  const auto options = ParseProgramOptions(
      {"-FullScreen", "--headless", "--ticks", "300", "/Set", "x.set", "--entry", "2"});
  EXPECT_EQ(options.GameArgs, (std::vector<std::string>{"-FullScreen", "/Set", "x.set"}));
  EXPECT_TRUE(options.Headless);
  EXPECT_EQ(options.TickLimit(), 300);
  EXPECT_EQ(options.Entry, 2);
  EXPECT_FALSE(options.LevelFile);
}

TEST(ProgramOptions, TickLimitDefaultsOnlyWhenHeadless) {
  EXPECT_EQ(ParseProgramOptions({"--headless"}).TickLimit(), DefaultHeadlessTicks);
  EXPECT_FALSE(ParseProgramOptions({"--level", "a.map"}).TickLimit());
}

TEST(ProgramOptions, TheEditorsSearchModeTakesItsOwnOptionsOnly) {
  const auto options =
      ParseProgramOptions({"--solve", "/tmp/s/Solve.map", "--save", "/tmp/s/Solve.Solution",
                           "--all-jewels", "--max-states", "5000"});
  EXPECT_EQ(options.SolveLevel, "/tmp/s/Solve.map");
  EXPECT_EQ(options.SolutionFile, "/tmp/s/Solve.Solution");
  EXPECT_TRUE(options.AllJewels);
  EXPECT_EQ(options.MaxStates, 5000u);
  const auto plain = ParseProgramOptions({"--save", "b", "--solve", "a"});
  EXPECT_FALSE(plain.AllJewels);
  EXPECT_FALSE(plain.MaxStates);

  EXPECT_THROW(ParseProgramOptions({"--solve", "a.map"}), std::invalid_argument);
  EXPECT_THROW(ParseProgramOptions({"--save", "a.Solution"}), std::invalid_argument);
  EXPECT_THROW(ParseProgramOptions({"--all-jewels"}), std::invalid_argument);
  EXPECT_THROW(ParseProgramOptions({"--solve", "a", "--save", "b", "--max-states", "0"}),
               std::invalid_argument);
  EXPECT_THROW(ParseProgramOptions({"--solve", "a", "--save", "b", "--headless"}),
               std::invalid_argument);
  EXPECT_THROW(ParseProgramOptions({"--solve", "a", "--save", "b", "--level", "c"}),
               std::invalid_argument);
  EXPECT_THROW(ParseProgramOptions({"--solve", "a", "--save", "b", "FullScreen"}),
               std::invalid_argument);
}

TEST(ProgramOptions, RefusesBadArguments) {
  EXPECT_THROW(ParseProgramOptions({"--ticks"}), std::invalid_argument);
  EXPECT_THROW(ParseProgramOptions({"--ticks", "0"}), std::invalid_argument);
  EXPECT_THROW(ParseProgramOptions({"--ticks", "12x"}), std::invalid_argument);
  EXPECT_THROW(ParseProgramOptions({"--entry", "-1"}), std::invalid_argument);
  EXPECT_THROW(ParseProgramOptions({"--fast"}), std::invalid_argument);
  EXPECT_THROW(ParseProgramOptions({"--entry", "1", "--level", "a.map"}), std::invalid_argument);
}

}  // namespace
}  // namespace qn2
