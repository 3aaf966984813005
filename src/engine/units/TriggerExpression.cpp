#include "engine/units/TriggerExpression.h"

#include <string_view>

#include "common/Exception.h"
#include "common/Properties.h"
#include "common/Text.h"
#include "engine/board/PlayState.h"
#include "engine/units/Player.h"

namespace qn2 {
namespace {

struct tKeyword {
  std::string_view Word;
  bool Counts;  // a count keyword, followed by an operator and a number
  std::uint8_t Source;
  std::uint8_t Test;  // for the location keywords
};

// Matched in this order at the start of a condition.
constexpr tKeyword Keywords[] = {
    {"KeysLeft", true, tsKeysLeft, ttEqual}, {"KeysCollected", true, tsKeysCollected, ttEqual},
    {"GemsLeft", true, tsGemsLeft, ttEqual}, {"GemsCollected", true, tsGemsCollected, ttEqual},
    {"At", false, tsKeysLeft, ttAt},         {"BeenTo", false, tsKeysLeft, ttBeenTo},
};

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return prefix.size() <= text.size() &&
         SameTextIgnoringCase(text.substr(0, prefix.size()), prefix);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A decimal integer (or "$" hexadecimal), as every number the game reads from text.
std::int32_t ToInteger(std::string_view text) {
  if (const auto value = ParseIntegerText(text)) return *value;
  throw Exception("'" + std::string(text) + "' is not a valid integer value");
}

std::uint8_t OperatorTest(std::string_view op, int number) {
  if (op == "=") return ttEqual;
  if (op == "<") return ttLess;
  if (op == ">") return ttGreater;
  if (op == "<>") return ttNotEqual;
  if (op == ">=") return ttGreaterOrEqual;
  if (op == "<=") return ttLessOrEqual;
  throw Exception("Invalid operator in trigger " + std::to_string(number));
}

// One condition, without blanks and without its ";". number counts the conditions from 1.
tTriggerCondition ParseCondition(std::string_view text, int number) {
  const tKeyword* keyword = nullptr;
  for (const tKeyword& candidate : Keywords) {
    if (StartsWithIgnoringCase(text, candidate.Word)) {
      keyword = &candidate;
      break;
    }
  }
  if (keyword == nullptr) throw Exception("Bad start to trigger " + std::to_string(number));
  text.remove_prefix(keyword->Word.size());

  tTriggerCondition condition;
  if (keyword->Counts) {
    condition.Source = keyword->Source;
    std::size_t opLength = 0;
    while (opLength < text.size() && !IsDigit(text[opLength])) ++opLength;
    condition.Test = OperatorTest(text.substr(0, opLength), number);
    condition.Value = ToInteger(text.substr(opLength));
    return condition;
  }

  condition.Test = keyword->Test;
  if (text.size() < 2 || text.front() != '(' || text.back() != ')')
    throw Exception("Not a valid location Specified in trigger " + std::to_string(number));
  text = text.substr(1, text.size() - 2);
  // Without a "," there is no column to read: the empty text fails to convert.
  const std::size_t comma = text.find(',');
  const std::string_view column =
      comma == std::string_view::npos ? std::string_view() : text.substr(0, comma);
  const std::string_view row = comma == std::string_view::npos ? text : text.substr(comma + 1);
  condition.CellX = ToInteger(column);
  condition.CellY = ToInteger(row);
  return condition;
}

std::int32_t CountOf(std::uint8_t source, const tLevelCounters& counters) {
  switch (source) {
    case tsKeysLeft:
      return counters.KeysInLevel - counters.KeysCollected;
    case tsKeysCollected:
      return counters.KeysCollected;
    case tsGemsLeft:
      return counters.JewelsInLevel - counters.JewelsCollected;
    default:
      return counters.JewelsCollected;
  }
}

}  // namespace

std::vector<tTriggerCondition> ParseTrigger(const std::string& text) {
  std::string compact;
  for (char c : text)
    if (c != ' ') compact += c;

  std::vector<tTriggerCondition> conditions;
  std::string_view rest = compact;
  int number = 0;
  try {
    while (!rest.empty()) {
      const std::size_t semicolon = rest.find(';');
      const std::string_view condition = rest.substr(0, semicolon);
      rest = semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
      ++number;
      conditions.push_back(ParseCondition(condition, number));
    }
  } catch (const Exception& error) {
    throw Exception("Couldn't Interpret Trigger String\r" + error.message());
  }
  return conditions;
}

bool ConditionHolds(const tTriggerCondition& condition, const tLevelCounters& counters,
                    const tPlayer* player) {
  if (condition.Test == ttBeenTo)
    return player != nullptr && player->HasBeenTo(condition.CellX, condition.CellY);
  if (condition.Test == ttAt)
    return player != nullptr && player->IsAt(condition.CellX, condition.CellY);
  const std::int32_t count = CountOf(condition.Source, counters);
  switch (condition.Test) {
    case ttEqual:
      return count == condition.Value;
    case ttLess:
      return count < condition.Value;
    case ttGreater:
      return count > condition.Value;
    case ttLessOrEqual:
      return count <= condition.Value;
    case ttGreaterOrEqual:
      return count >= condition.Value;
    default:
      return count != condition.Value;
  }
}

bool ExpressionHolds(const std::vector<tTriggerCondition>& conditions,
                     const tLevelCounters& counters, const tPlayer* player) {
  for (const tTriggerCondition& condition : conditions)
    if (!ConditionHolds(condition, counters, player)) return false;
  return true;
}

}  // namespace qn2
