#include "common/LastMessage.h"

namespace qn2 {

// Constructed before every other global of the game: their constructors may already leave
// a message here.
__attribute__((init_priority(101))) std::string LastMessage;

void DebugMessage(const std::string& text) {
  LastMessage = "DebugMessage('" + text + "')";
}

}  // namespace qn2
