#include "engine/units/HintDisplay.h"

namespace qn2 {

tHintDisplay* HintDisplay = nullptr;

}  // namespace qn2
