#include "common/LastMessage.h"

namespace qn2 {

constinit std::string LastMessage;

void DebugMessage(const std::string& text) {
  LastMessage = "DebugMessage('" + text + "')";
}

}  // namespace qn2
