#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "common/Text.h"

namespace qn2 {

// Folds a typed character for cheat-code matching: only 'A'..'Z' change; every other
// byte passes as it is.
constexpr char CheatLowerCase(char c) {
  return LowerAscii(c);
}

// A string that, when typed anywhere, calls an operation of the engine.
class tCheatCode {
 public:
  // The code is stored folded to lower case, since typed characters are folded too.
  tCheatCode(std::string code, std::function<void()> onMatch);

  // Advances the match by one already lower-cased character. A character that breaks
  // the match starts it over and is not tried again as the code's first letter.
  void FeedChar(char c);
  // True when the code is under way and c (lower-cased) is its next letter.
  bool Continues(char c) const {
    return MatchPos > 0 && static_cast<std::size_t>(MatchPos) < Code.size() &&
           Code[static_cast<std::size_t>(MatchPos)] == c;
  }

  std::string Code;
  std::function<void()> OnMatch;
  std::int32_t MatchPos = 0;
};

}  // namespace qn2
