#pragma once

#include <cstdint>
#include <type_traits>

namespace qn2 {

// Runs rows(width) with the width as a constant when it is a whole cell's 32 pixels, so the
// pixel loop of the common row compiles to a few straight vector steps.
template <typename tRows>
void WithRowWidth(std::int32_t width, tRows rows) {
  if (width == 32)
    rows(std::integral_constant<std::int32_t, 32>{});
  else
    rows(width);
}

}  // namespace qn2
