#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Exception.h"
#include "engine/board/PlayState.h"
#include "engine/units/Player.h"
#include "engine/units/TriggerExpression.h"

namespace qn2 {
namespace {

// A player standing where a test puts it, with the cells it has visited.
class tStandInPlayer : public tPlayer {
  QN2_UNIT_CLASS(tStandInPlayer)
 public:
  void Kill(std::uint8_t, const tUnitClass*) override {}
  void StandOn(int x, int y) {
    GridX = x;
    GridY = y;
  }
  void Visit(int x, int y) { BeenTo[static_cast<std::size_t>(x * BoardRows + y)] = true; }
};

std::string ParseError(const std::string& text) {
  try {
    ParseTrigger(text);
  } catch (const Exception& error) {
    return error.message();
  }
  return "(parsed)";
}

const std::string Wrapped = "Couldn't Interpret Trigger String\r";

TEST(TriggerParseTest, KeywordsIgnoreLetterCaseAndBlanks) {
  const auto conditions = ParseTrigger(" keysleft >= 2 ");
  ASSERT_EQ(conditions.size(), 1u);
  EXPECT_EQ(conditions[0].Source, tsKeysLeft);
  EXPECT_EQ(conditions[0].Test, ttGreaterOrEqual);
  EXPECT_EQ(conditions[0].Value, 2);

  const auto located = ParseTrigger("BEENTO ( 12 , 0 );aT(3,14)");
  ASSERT_EQ(located.size(), 2u);
  EXPECT_EQ(located[0].Test, ttBeenTo);
  EXPECT_EQ(located[0].CellX, 12);
  EXPECT_EQ(located[0].CellY, 0);
  EXPECT_EQ(located[1].Test, ttAt);
  EXPECT_EQ(located[1].CellX, 3);
  EXPECT_EQ(located[1].CellY, 14);
}

TEST(TriggerParseTest, EachCountKeywordAndOperatorHasItsCode) {
  const auto conditions = ParseTrigger(
      "KeysLeft=1;KeysCollected<2;GemsLeft>3;GemsCollected<=4;KeysLeft>=5;GemsLeft<>16");
  const std::vector<std::uint8_t> sources{tsKeysLeft,      tsKeysCollected, tsGemsLeft,
                                          tsGemsCollected, tsKeysLeft,      tsGemsLeft};
  const std::vector<std::uint8_t> tests{ttEqual,       ttLess,           ttGreater,
                                        ttLessOrEqual, ttGreaterOrEqual, ttNotEqual};
  const std::vector<std::int32_t> values{1, 2, 3, 4, 5, 16};
  ASSERT_EQ(conditions.size(), 6u);
  for (std::size_t i = 0; i < conditions.size(); ++i) {
    EXPECT_EQ(conditions[i].Source, sources[i]) << i;
    EXPECT_EQ(conditions[i].Test, tests[i]) << i;
    EXPECT_EQ(conditions[i].Value, values[i]) << i;
  }
}

TEST(TriggerParseTest, EmptyPiecesAtTheEndAddNothing) {
  EXPECT_TRUE(ParseTrigger("").empty());
  EXPECT_TRUE(ParseTrigger("   ").empty());
  EXPECT_EQ(ParseTrigger("At(1,1);").size(), 1u);
  EXPECT_EQ(ParseTrigger("At(1,1) ; ").size(), 1u);
}

TEST(TriggerParseTest, ErrorsNameTheConditionThatFailed) {
  EXPECT_EQ(ParseError("KeysLeft=>2"), Wrapped + "Invalid operator in trigger 1");
  EXPECT_EQ(ParseError("At(3,7);Foo"), Wrapped + "Bad start to trigger 2");
  EXPECT_EQ(ParseError("BeenTo3,7"), Wrapped + "Not a valid location Specified in trigger 1");
  EXPECT_EQ(ParseError("At(3,x)"), Wrapped + "'x' is not a valid integer value");
}

TEST(TriggerParseTest, MalformedPiecesAreRejected) {
  // An empty piece between two separators is not a condition.
  EXPECT_EQ(ParseError("At(1,1);;At(2,2)"), Wrapped + "Bad start to trigger 2");
  EXPECT_EQ(ParseError(";At(1,1)"), Wrapped + "Bad start to trigger 1");
  // A missing operator, a minus sign (which joins the operator) and a missing number.
  EXPECT_EQ(ParseError("GemsLeft2"), Wrapped + "Invalid operator in trigger 1");
  EXPECT_EQ(ParseError("At(0,0);GemsLeft=-1"), Wrapped + "Invalid operator in trigger 2");
  EXPECT_EQ(ParseError("KeysCollected="), Wrapped + "'' is not a valid integer value");
  EXPECT_EQ(ParseError("KeysCollected=3x"), Wrapped + "'3x' is not a valid integer value");
  EXPECT_EQ(ParseError("KeysCollected=99999999999"),
            Wrapped + "'99999999999' is not a valid integer value");
  // Brackets on both ends, and a column before a ",".
  EXPECT_EQ(ParseError("At(3,7"), Wrapped + "Not a valid location Specified in trigger 1");
  EXPECT_EQ(ParseError("At3,7)"), Wrapped + "Not a valid location Specified in trigger 1");
  EXPECT_EQ(ParseError("At(3,7)x"), Wrapped + "Not a valid location Specified in trigger 1");
  EXPECT_EQ(ParseError("BeenTo(5)"), Wrapped + "'' is not a valid integer value");
  EXPECT_EQ(ParseError("BeenTo(1,2,3)"), Wrapped + "'2,3' is not a valid integer value");
}

TEST(TriggerEvaluationTest, CountsCompareWithTheLevelCounters) {
  tLevelCounters counters;
  counters.KeysInLevel = 5;
  counters.KeysCollected = 2;
  counters.JewelsInLevel = 7;
  counters.JewelsCollected = 4;
  struct tCase {
    const char* Text;
    bool Holds;
  };
  for (const tCase& c : std::vector<tCase>{{"KeysLeft=3", true},
                                           {"KeysLeft=2", false},
                                           {"KeysCollected<3", true},
                                           {"KeysCollected<2", false},
                                           {"GemsLeft>2", true},
                                           {"GemsLeft>3", false},
                                           {"GemsCollected<=4", true},
                                           {"GemsCollected<=3", false},
                                           {"KeysLeft>=3", true},
                                           {"KeysLeft>=4", false},
                                           {"GemsCollected<>3", true},
                                           {"GemsCollected<>4", false}}) {
    EXPECT_EQ(ExpressionHolds(ParseTrigger(c.Text), counters, nullptr), c.Holds) << c.Text;
  }
}

TEST(TriggerEvaluationTest, KeysLeftAtLeastTwoHoldsWhileTwoRemain) {
  const auto conditions = ParseTrigger("keysleft >= 2");
  tLevelCounters counters;
  counters.KeysInLevel = 3;
  EXPECT_TRUE(ExpressionHolds(conditions, counters, nullptr));
  counters.KeysCollected = 1;
  EXPECT_TRUE(ExpressionHolds(conditions, counters, nullptr));
  counters.KeysCollected = 2;
  EXPECT_FALSE(ExpressionHolds(conditions, counters, nullptr));
}

TEST(TriggerEvaluationTest, LocationsAskThePlayer) {
  tStandInPlayer player;
  player.StandOn(3, 7);
  player.Visit(5, 1);
  const tLevelCounters counters;
  EXPECT_TRUE(ExpressionHolds(ParseTrigger("At(3,7)"), counters, &player));
  EXPECT_FALSE(ExpressionHolds(ParseTrigger("At(7,3)"), counters, &player));
  EXPECT_TRUE(ExpressionHolds(ParseTrigger("BeenTo(5,1)"), counters, &player));
  EXPECT_FALSE(ExpressionHolds(ParseTrigger("BeenTo(3,7)"), counters, &player))
      << "standing on a cell is not having taken a turn there";
  // Cells off the board are never visited.
  EXPECT_FALSE(ExpressionHolds(ParseTrigger("BeenTo(20,3);"), counters, &player));
  EXPECT_FALSE(ExpressionHolds(ParseTrigger("BeenTo(-1,0)"), counters, &player));
  // Without a player no location holds.
  EXPECT_FALSE(ExpressionHolds(ParseTrigger("At(3,7)"), counters, nullptr));
}

TEST(TriggerEvaluationTest, EveryConditionMustHold) {
  tStandInPlayer player;
  player.StandOn(3, 7);
  tLevelCounters counters;
  counters.KeysInLevel = 1;
  const auto conditions = ParseTrigger("KeysLeft=0;At(3,7)");
  EXPECT_FALSE(ExpressionHolds(conditions, counters, &player));
  counters.KeysCollected = 1;
  EXPECT_TRUE(ExpressionHolds(conditions, counters, &player));
  player.StandOn(3, 6);
  EXPECT_FALSE(ExpressionHolds(conditions, counters, &player));
  EXPECT_TRUE(ExpressionHolds({}, counters, &player)) << "no conditions: nothing fails";
}

}  // namespace
}  // namespace qn2
