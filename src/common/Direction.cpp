#include "common/Direction.h"

namespace qn2 {

const std::vector<std::string>& DirectionNames() {
  static const std::vector<std::string> names{"Up", "Right", "Down", "Left"};
  return names;
}

}  // namespace qn2
