#include "common/Exception.h"

#include <cstdint>
#include <cstdio>

namespace qn2 {

// Not inlined, so the return address is in the code that raised the exception.
__attribute__((noinline)) Exception::Exception(std::string message)
    : Message(std::move(message)), Where(__builtin_return_address(0)) {}

std::string HexAddress(const void* address) {
  char text[2 + 2 * sizeof(std::uintptr_t)];
  std::snprintf(text, sizeof text, "$%0*llX", static_cast<int>(2 * sizeof(std::uintptr_t)),
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(address)));
  return text;
}

}  // namespace qn2
