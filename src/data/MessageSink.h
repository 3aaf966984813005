#pragma once

#include <string>

namespace qn2 {

// Where the game data layer shows messages to the player. The platform shows each text in
// a modal message box (a "\r" breaks the line); tests collect the texts.
class tMessageSink {
 public:
  virtual ~tMessageSink() = default;
  virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace qn2
