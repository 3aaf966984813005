#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace qn2 {

// Input fed to the game by frame event, one command per line:
//   TICK down VK      a key (or mouse button 1, 2, 4) goes down
//   TICK up VK        and comes up
//   TICK text CHARS   characters typed (the rest of the line)
//   TICK move X Y     the pointer moves to (X, Y) of the frame
//   TICK click X Y    the pointer moves there and the left button goes down and up
//   TICK shot FILE    a PNG of the frame surface once that tick has been drawn
//   TICK editor click X Y, editor down VK, editor up VK, editor text CHARS, editor shot FILE
//                     the same for the level editor's tool window, in its own pixels
//   TICK editor solve, editor cancel
//                     presses the editor's Solve button, or its Cancel while it searches
//   TICK editor wait  waits (at most two minutes) until the editor's search has ended
// Ticks count from 1; commands of one tick run in file order before its frame event.
// Blank lines and lines starting with "#" are ignored.
struct tScriptCommand {
  enum class tKind { Down, Up, Text, Move, Click, Shot, Solve, Cancel, Wait };
  tKind Kind = tKind::Down;
  std::int32_t Key = 0;
  std::int32_t X = 0, Y = 0;
  std::string Text;     // the characters, or the screenshot's file name
  bool Editor = false;  // for the editor's tool window
};

class tAutomationScript {
 public:
  // Raises std::invalid_argument "FILE line N: ..." for a line it cannot read.
  static tAutomationScript Parse(const std::vector<std::string>& lines,
                                 const std::string& fileName);
  static tAutomationScript Load(const std::string& fileName);

  // The commands of one tick, in file order (empty when it has none).
  const std::vector<tScriptCommand>& CommandsAt(std::int64_t tick) const;
  bool Empty() const { return Commands.empty(); }
  // The last tick that has a command; 0 when there is none.
  std::int64_t LastTick() const { return Commands.empty() ? 0 : Commands.rbegin()->first; }

 private:
  std::map<std::int64_t, std::vector<tScriptCommand>> Commands;
};

}  // namespace qn2
