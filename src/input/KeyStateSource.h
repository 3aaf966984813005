#pragma once

#include <cstdint>

namespace qn2 {

// Where the input device reads the momentary state of a key when it resynchronises
// (the window was activated, or everything was reloaded). The window supplies one that
// asks the platform; tools and tests use the null source or one of their own.
class tKeyStateSource {
 public:
  virtual ~tKeyStateSource() = default;
  // True when the key with this virtual-key code is down at this moment.
  virtual bool IsKeyDown(std::uint16_t keyCode) const = 0;
};

// A keyboard on which nothing is ever down.
class tNullKeyStateSource final : public tKeyStateSource {
 public:
  bool IsKeyDown(std::uint16_t /*keyCode*/) const override { return false; }
};

}  // namespace qn2
