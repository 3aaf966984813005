#include "input/CheatCode.h"

#include <cstddef>
#include <utility>

namespace qn2 {

tCheatCode::tCheatCode(std::string code, std::function<void()> onMatch)
    : Code(std::move(code)), OnMatch(std::move(onMatch)) {
  for (char& c : Code) c = CheatLowerCase(c);
}

void tCheatCode::FeedChar(char c) {
  const auto pos = static_cast<std::size_t>(MatchPos);
  if (pos < Code.size() && Code[pos] == c) {
    ++MatchPos;
    if (static_cast<std::size_t>(MatchPos) == Code.size()) {
      // Start over before calling out, so a failing operation cannot leave the
      // match position past the end of the code.
      MatchPos = 0;
      if (OnMatch) OnMatch();
    }
    return;
  }
  MatchPos = 0;
}

}  // namespace qn2
