#pragma once

#include <memory>

namespace qn2 {

class tUnit;

// What the game knows of a unit class at run time: its name (as the class is called in
// the game, e.g. "tBoulder") and its virtual constructor.
struct tUnitClass {
  const char* ClassName;
  std::unique_ptr<tUnit> (*Create)();
};

// Defines the virtual constructor and class record of a unit class declared with
// QN2_UNIT_CLASS in its body.
template <class T>
std::unique_ptr<tUnit> CreateUnitOf() {
  return std::make_unique<T>();
}

}  // namespace qn2

// Inside a unit class: its class record and the override that reports it.
#define QN2_UNIT_CLASS(T)                                                   \
 public:                                                                    \
  static inline const ::qn2::tUnitClass Class{#T, &::qn2::CreateUnitOf<T>}; \
  const ::qn2::tUnitClass& ClassType() const override {                     \
    return Class;                                                           \
  }
